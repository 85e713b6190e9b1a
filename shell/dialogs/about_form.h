#pragma once

#include "shell/advanced_form.h"
#include "shell/dialogs/dialog_host.h"

namespace platform {
class Button;
class LinkLabel;
class Memo;
}  // namespace platform

namespace shell {

// The About box: the version, the product's addresses as links, the legal notice and the
// way to the newsletter. It greets the player with the "About" sound.
class TfrmAbout : public C_TAdvancedForm {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 2005;

    TfrmAbout(const DialogContext& context, QWidget* owner);

private:
    void BuildControls();
    void FormActivate();
    void FormClose();

    DialogContext m_context;
    platform::LinkLabel* lblWeb = nullptr;
    platform::LinkLabel* lblMail = nullptr;
    platform::LinkLabel* lblMailMark = nullptr;
    platform::LinkLabel* lblSupport = nullptr;
    platform::Memo* memLic = nullptr;
    platform::Button* btnOK = nullptr;
    platform::Button* btnNewsletter = nullptr;
};

// The About command: the box, shown modally and freed.
void ShowAboutBox(const DialogContext& context);

}  // namespace shell
