#pragma once

#include "platform/core/messages.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <string>

namespace platform {

// The message boxes the player sees: modal, centred on the window that shows them (the modal
// window that is up, else the owner) and at least as wide as their caption.
class MessageBoxes : public IMessages {
public:
    // The caption titles information boxes, and confirmations that bring none of their own.
    explicit MessageBoxes(std::string caption, QWidget* owner = nullptr);

    void SetOwner(QWidget* owner) { m_owner = owner; }

    void ShowInfo(const std::string& text) override;
    // OK and Cancel, OK the default; Escape or closing the box declines.
    bool Confirm(const std::string& text, const std::string& caption) override;
    bool ConfirmWarning(const std::string& text, const std::string& caption) override;
    // Yes and No with the warning icon, No the default; Escape or closing the box says No.
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    void ShowError(const std::string& title, const std::string& text) override;
    // The desktop has one beep, so every type sounds alike.
    void Beep(unsigned type) override;

private:
    bool AskOkCancel(QMessageBox::Icon icon, const std::string& text, const std::string& caption) const;

    std::string m_caption;
    QPointer<QWidget> m_owner;
};

}  // namespace platform
