#pragma once

#include <string>

namespace platform {

// Message boxes. The engine shows every failure to the player through this.
class IMessages {
public:
    virtual ~IMessages() = default;
    // Information box with an OK button.
    virtual void ShowInfo(const std::string& text) = 0;
    // OK/Cancel confirmation; true for OK.
    virtual bool Confirm(const std::string& text, const std::string& caption) = 0;
    // The same with the exclamation icon, for a change that throws the user's work away.
    virtual bool ConfirmWarning(const std::string& text, const std::string& caption) { return Confirm(text, caption); }
    // A warning that asks Yes or No, No the default; true for Yes. Where there is no such box
    // the question is a confirmation.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) { return Confirm(text, caption); }
    // Error box with the stop icon and an OK button.
    virtual void ShowError(const std::string& title, const std::string& text) = 0;
    // The system beep of a type (0 default, 0x10 stop, 0x30 exclamation, 0x40 asterisk).
    virtual void Beep(unsigned type) = 0;
};

}  // namespace platform
