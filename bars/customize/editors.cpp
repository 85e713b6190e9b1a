#include "bars/customize/editors.h"

#include "bars/customize/customizing_site.h"
#include "bars/customize/dialog_places.h"
#include "bars/items/bar_item.h"
#include "bars/manager/bar_manager.h"
#include "bars/manager/categories.h"
#include "bars/registry/item_class_registry.h"
#include "platform/core/ascii_case.h"
#include "platform/core/bar_strings.h"
#include "platform/core/messages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bars {

namespace {

EditorShowHook& HookSlot() {
    static EditorShowHook hook;
    return hook;
}

QString Text(int id) { return QString::fromUtf8(platform::BarString(id).data(), static_cast<int>(platform::BarString(id).size())); }

// The captions of the name editor: by category or toolbar and by kind.
constexpr int kCategoryCaptions[] = {39202, 39203, 39204};
constexpr int kToolbarCaptions[] = {39206, 39206, 39207};
constexpr int kCategoryLabel = 39205;
constexpr int kToolbarLabel = 39208;
constexpr int kOk = 39209;
constexpr int kCancel = 39210;
constexpr int kCommandCategoryLabel = 39239;

bool NameTaken(const TcbBarManager& manager, const std::string& name) {
    if (platform::EqualsIgnoreCase(manager.Name(), name)) return true;
    for (int i = 0; i < manager.ItemCount(); ++i)
        if (platform::EqualsIgnoreCase(manager.Items(i)->Name(), name)) return true;
    if (const QWidget* form = manager.OwnerForm()) {
        if (platform::EqualsIgnoreCase(form->objectName().toStdString(), name)) return true;
        for (const QObject* child : form->findChildren<QObject*>())
            if (platform::EqualsIgnoreCase(child->objectName().toStdString(), name)) return true;
    }
    return false;
}

}  // namespace

void SetEditorShowHook(EditorShowHook hook) { HookSlot() = std::move(hook); }

bool ShowEditor(QDialog& editor) {
    if (HookSlot()) return HookSlot()(editor);
    return editor.exec() == QDialog::Accepted;
}

TcbBarNameEd::TcbBarNameEd(bool category, int kind) {
    const int k = kind < Add || kind > Rename ? Add : kind;
    setWindowTitle(Text(category ? kCategoryCaptions[k] : kToolbarCaptions[k]));
    LName = new QLabel(Text(category ? kCategoryLabel : kToolbarLabel), this);
    EName = new QLineEdit(this);
    LName->setBuddy(EName);
    BOK = new QPushButton(Text(kOk), this);
    BOK->setDefault(true);
    BCancel = new QPushButton(Text(kCancel), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BOK);
    buttons->addWidget(BCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LName);
    layout->addWidget(EName);
    layout->addLayout(buttons);
    connect(EName, &QLineEdit::textChanged, this, [this](const QString& text) { BOK->setEnabled(!text.isEmpty()); });
    connect(BOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    BOK->setEnabled(false);
    setMinimumWidth(CaptionWidth(*this));
}

bool EditBarName(std::string& name, bool category, int kind) {
    TcbBarNameEd editor(category, kind);
    editor.EName->setText(QString::fromStdString(name));
    if (!ShowEditor(editor) || editor.EName->text().isEmpty()) return false;
    name = editor.EName->text().toStdString();
    return true;
}

std::string ProposeCommandName(const TcbBarManager& manager, const std::string& className) {
    const std::string stem = className.empty() ? std::string() : className.substr(1);
    for (int number = 1;; ++number) {
        std::string name = stem + std::to_string(number);
        if (!NameTaken(manager, name)) return name;
    }
}

TcbBarItemAddEditor::TcbBarItemAddEditor(TcbBarManager& manager, int category) : m_manager(manager) {
    setWindowTitle(Text(39237));
    ComboBox1 = new QComboBox(this);
    const auto& registry = BarItemClasses();
    for (int i = 0; i < registry.OfferedCount(); ++i)
        ComboBox1->addItem(QString::fromStdString(registry.OfferedItemClass(i)->className));
    EName = new QLineEdit(this);
    ECaption = new QLineEdit(this);
    CCategory = new QComboBox(this);
    for (int i = 0; i < manager.Categories().Count(); ++i)
        CCategory->addItem(QString::fromStdString(manager.Categories().Name(i)));
    CCategory->setCurrentIndex(category);
    BOK = new QPushButton(Text(kOk), this);
    auto* cancel = new QPushButton(Text(kCancel), this);
    auto* form = new QFormLayout(this);
    form->addRow(ComboBox1);
    form->addRow(Text(39152), EName);
    form->addRow(Text(39238), ECaption);
    form->addRow(Text(kCommandCategoryLabel), CCategory);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BOK);
    buttons->addWidget(cancel);
    form->addRow(buttons);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int index) { ClassChanged(index); });
    connect(BOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ClassChanged(ComboBox1->currentIndex());
}

void TcbBarItemAddEditor::ClassChanged(int index) {
    const auto* entry = BarItemClasses().OfferedItemClass(index);
    if (entry) EName->setText(QString::fromStdString(ProposeCommandName(m_manager, entry->className)));
}

TcbBarItem* AddCommand(TcbBarManager& manager, int category) {
    TcbBarItemAddEditor editor(manager, category);
    if (ShowEditor(editor)) {
        const std::string name = editor.EName->text().trimmed().toStdString();
        if (name.empty()) {
            CustomizingMessages().ShowInfo(std::string(platform::BarString(39010)));
            return nullptr;
        }
        const auto* entry = BarItemClasses().OfferedItemClass(editor.ComboBox1->currentIndex());
        if (!entry) return nullptr;
        TcbBarItem& item = manager.AdoptItem(entry->makeItem(&manager, manager.OwnerForm()));
        item.SetName(name);
        item.SetCategory(editor.CCategory->currentIndex());
        item.SetCaption(editor.ECaption->text().toStdString());
        if (ICustomizingSite* site = CustomizingSite()) site->Refresh();
        return &item;
    }
    return nullptr;
}

}  // namespace bars
