#include "platform/qt/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace platform {

namespace {

QMessageBox::StandardButton Ask(QWidget* owner, QMessageBox::Icon icon, const std::string& title,
                                const std::string& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton) {
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text), buttons, owner);
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escapeButton);
    // The engine's texts are plain; a "<" in a file name must not turn them into markup.
    box.setTextFormat(Qt::PlainText);
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
