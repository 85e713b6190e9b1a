#include "bars/extended/extended_dialogs.h"

#include "bars/extended/bar_calendar.h"
#include "bars/extended/calendar_dates.h"
#include "bars/extended/extended_items.h"
#include "bars/extended/tree_view_combo.h"
#include "platform/core/bar_strings.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace bars {

namespace {

QString Text(int id) { return QString::fromUtf8(platform::BarString(id).data(), static_cast<int>(platform::BarString(id).size())); }

// A caption, one widget and OK / Cancel; OK closes the dialog only when `accept` allows it.
bool RunDialog(const QString& caption, QWidget* content, QDialog** running = nullptr,
               const std::function<bool()>& accept = nullptr) {
    QDialog dialog;
    if (running) *running = &dialog;
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(content);
    // A calendar or tree made hidden for drop-down use shows in the dialog.
    content->show();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, &accept] {
        if (!accept || accept()) dialog.accept();
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (running) *running = nullptr;
    return accepted;
}

ExtendedDialogs RealDialogs() {
    ExtendedDialogs dialogs;
    dialogs.chooseColour = [](platform::Colour& colour) {
        const QColor start(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                           static_cast<int>((colour >> 16) & 0xFF));
        const QColor chosen = QColorDialog::getColor(start);
        if (!chosen.isValid()) return false;
        colour = platform::Rgb(chosen.red(), chosen.green(), chosen.blue());
        return true;
    };
    dialogs.chooseFont = [](std::string& name) {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, QFont(QString::fromStdString(name)));
        if (ok) name = font.family().toStdString();
        return ok;
    };
    dialogs.selectItem = [](const std::vector<std::string>& entries, int& index) {
        auto* list = new QListWidget;
        for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
        list->setCurrentRow(index);
        if (!RunDialog(Text(platform::bar_string::kSelectItem), list)) return false;
        index = list->currentRow();
        return true;
    };
    dialogs.selectDate = [](int& date) {
        auto* calendar = new TcbBarDateNavigator;
        calendar->SetBorder(false);
        calendar->SetFirstDay(ExtendedFirstDayOfWeek());
        calendar->SelectDate(date == kNoDate ? Today() : date);
        calendar->setMinimumSize(calendar->width(), calendar->height());
        QDialog* dialog = nullptr;
        // A double click on a day closes the dialog with OK.
        calendar->OnDayDoubleClick = [&dialog](TcbBarCustomCalendar&) {
            if (dialog) dialog->accept();
        };
        if (!RunDialog(Text(platform::bar_string::kSelectTheDate), calendar, &dialog)) return false;
        date = calendar->SelStart();
        return true;
    };
    dialogs.selectTreeNode = [](TcbBarTreeViewCombo& combo, QTreeWidgetItem*& node) {
        // A copy of the combo's tree; what is chosen in it names the combo's node at its place.
        auto* tree = new TcbBarTreeView(combo);
        tree->setIconSize(combo.Tree().iconSize());
        for (int i = 0; i < combo.Tree().topLevelItemCount(); ++i) tree->addTopLevelItem(combo.Tree().topLevelItem(i)->clone());
        if (node) tree->setCurrentItem(NodeAtSamePlace(*tree, node));
        QDialog* dialog = nullptr;
        QTreeWidgetItem* chosen = nullptr;
        // Enter, a double click on a label and OK choose, with OnCanSelectNode's consent.
        tree->OnDialogChoice = [&](QTreeWidgetItem* allowed) {
            chosen = allowed;
            if (dialog) dialog->accept();
        };
        if (!RunDialog(Text(platform::bar_string::kSelectItem), tree, &dialog, [tree] { return tree->Choose(); }) ||
            !chosen)
            return false;
        node = chosen;
        return true;
    };
    return dialogs;
}

}  // namespace

ExtendedDialogs& Dialogs() {
    static ExtendedDialogs dialogs = RealDialogs();
    return dialogs;
}

void ResetDialogs() { Dialogs() = RealDialogs(); }

}  // namespace bars
