#pragma once

#include <string>

#include "engine/session/advice.h"
#include "shell/advanced_form.h"
#include "shell/dialogs/dialog_host.h"

namespace platform {
class Button;
class CheckBox;
class Label;
class PageBook;
}  // namespace platform

namespace shell {

// The advice box: a hint, a picture that goes with it and a switch not to show it again.
class TfrmMsgAdvice : public C_TAdvancedForm {
    Q_OBJECT
public:
    // The picture pages.
    static constexpr int kColourPage = 0;
    static constexpr int kSmallScreenPage = 1;

    TfrmMsgAdvice(const DialogContext& context, QWidget* owner);

    void SetMessage(const std::string& text);
    void SetPage(int page);
    bool IsDontShowAgainTicked() const;

private:
    void BuildControls();

    DialogContext m_context;
    platform::Label* lblMessage = nullptr;
    platform::Button* btnOK = nullptr;
    platform::CheckBox* chkNotDisplay = nullptr;
    platform::PageBook* Notebook1 = nullptr;
};

// The engine's advice box over TfrmMsgAdvice: made with the main window as owner, shown
// modally and freed.
class AdviceBox : public engine::IAdviceBox {
public:
    explicit AdviceBox(const DialogContext& context) : m_context(context) {}

    bool ShowAdvice(const std::string& text, int page) override;

private:
    DialogContext m_context;
};

}  // namespace shell
