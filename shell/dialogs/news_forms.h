#pragma once

#include "shell/advanced_form.h"
#include "shell/dialogs/dialog_host.h"

namespace platform {
class Button;
class CheckBox;
class Edit;
class Image;
class Label;
class LinkLabel;
}  // namespace platform

namespace shell {

// The newsletter invitation: a short text, OK to go on to the sign-up, Cancel, and a
// switch not to be asked again.
class TfrmNews : public C_TAdvancedForm {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 4017;

    TfrmNews(const DialogContext& context, QWidget* owner);

    platform::CheckBox& DontShowAgain() { return *chkNotDisplay; }

private:
    void BuildControls();
    void btnSendClick();

    DialogContext m_context;
    platform::Label* lblDesc1 = nullptr;
    platform::Image* imgNewsletter = nullptr;
    platform::Button* btnSend = nullptr;
    platform::Button* btnCancel = nullptr;
    platform::CheckBox* chkNotDisplay = nullptr;
};

// The sign-up: where the program came from, then a mail to the newsletter's address.
class TfrmNews2 : public C_TAdvancedForm {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 4017;
    static constexpr int kMinimumEntry = 3;
    static constexpr unsigned kMailWait = 5000;

    TfrmNews2(const DialogContext& context, QWidget* owner);

    platform::Image& Picture() { return *imgNewsletter; }

private:
    void BuildControls();
    void btnOKClick();

    DialogContext m_context;
    platform::Label* lblWhere = nullptr;
    platform::Edit* edtWhere = nullptr;
    platform::Label* lblEmail = nullptr;
    platform::LinkLabel* lblWWW = nullptr;
    platform::Image* imgNewsletter = nullptr;
    platform::Button* btnOK = nullptr;
    platform::Button* btnCancel = nullptr;
};

// The invitation shown modally and freed; true when the player ticked its don't-ask
// switch, which is offered only when asked for.
bool ShowNewsletterInvitation(const DialogContext& context, bool offerDontShowAgain);

}  // namespace shell
