#include "platform/qt/message_boxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

#include <utility>

#include "platform/qt/application.h"

namespace platform {

namespace {

// Room the window manager's title bar takes beside the caption: the window's icon, its
// buttons and their margins.
constexpr int kTitleBarExtra = 120;

// A box is shown by the modal window that is up, when one is, and belongs to it: it stays
// above that window, and the window stays above the main window. Before the main window,
// the splash shows the box.
QWidget* OwnerOfBox(QWidget* mainOwner) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    const Application* app = Application::Instance();
    return app != nullptr ? app->OwnerInFront(mainOwner) : mainOwner;
}

// The title bar's font is the window manager's; a bold one of the application's size
// stands for it.
int CaptionWidth(const QString& caption) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarExtra;
}

// The box sizes itself to its text; a spanning spacer keeps it wide enough for its caption.
void FitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    grid->addItem(new QSpacerItem(CaptionWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::StandardButton Ask(QWidget* owner, QMessageBox::Icon icon, const std::string& title,
                                const std::string& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton) {
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text), buttons, OwnerOfBox(owner));
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    // The engine's texts are plain; a "<" in a file name must not turn them into markup.
    box.setTextFormat(Qt::PlainText);
    FitCaption(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

MessageBoxes::MessageBoxes(std::string caption, QWidget* owner) : m_caption(std::move(caption)), m_owner(owner) {}

void MessageBoxes::ShowInfo(const std::string& text) {
    Ask(m_owner, QMessageBox::Information, m_caption, text, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxes::Confirm(const std::string& text, const std::string& caption) {
    const std::string& title = caption.empty() ? m_caption : caption;
    return Ask(m_owner, QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
               QMessageBox::Cancel) == QMessageBox::Ok;
}

bool MessageBoxes::AskYesNo(const std::string& text, const std::string& caption) {
    const std::string& title = caption.empty() ? m_caption : caption;
    return Ask(m_owner, QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxes::ShowError(const std::string& title, const std::string& text) {
    Ask(m_owner, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBoxes::Beep(unsigned) {
    QApplication::beep();
}

}  // namespace platform
