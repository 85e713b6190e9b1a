#include "shell/dialogs/news_forms.h"

#include "engine/base/system_utils.h"
#include "engine/base/text_utils.h"
#include "engine/state/game.h"
#include "platform/core/clock.h"
#include "platform/qt/canvas.h"
#include "platform/qt/controls.h"
#include "platform/qt/dialog_keys.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/dialogs/dialog_pictures.h"
#include "shell/dialogs/hourglass.h"
#include "shell/dialogs/mail_link.h"
#include "shell/dialogs/product_addresses.h"

namespace shell {

namespace {

constexpr int kMargin = 10;
constexpr int kPictureSize = 64;
constexpr int kTextLeft = kMargin + kPictureSize + 10;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr std::string_view kPicture = "PIC_NEWSLETTER";

constexpr std::string_view kInvitation =
    "If you'd like to be informed of [Program] updates and new releases via E-Mail, please sign up for the "
    "Quendrix Newsletter.";
constexpr std::string_view kTooShort = "Please enter at least 3 characters.";

// Two buttons at the bottom right; returns their top.
int PlaceButtons(QWidget& window, platform::Button& ok, platform::Button& cancel, int top) {
    cancel.setGeometry(window.width() - kMargin - kButtonWidth, top, kButtonWidth, kButtonHeight);
    ok.setGeometry(cancel.x() - 6 - ok.width(), top, ok.width(), kButtonHeight);
    return top;
}

}  // namespace

TfrmNews::TfrmNews(const DialogContext& context, QWidget* owner) : C_TAdvancedForm(owner), m_context(context) {
    BuildControls();
    events.onCreate = [this] { lblDesc1->SetCaption(engine::ExpandMacros(lblDesc1->Caption())); };
    connect(btnSend, &QPushButton::clicked, this, [this] { btnSendClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { Close(); });
    Created();
    // The text is known now: the window grows to hold it.
    const int textBottom = PlaceWrapped(*lblDesc1, kTextLeft, kMargin, width() - kTextLeft - kMargin);
    chkNotDisplay->move(kTextLeft, textBottom + 6);
    const int buttonTop = std::max(chkNotDisplay->y() + chkNotDisplay->height() + 6, kMargin + kPictureSize + 6);
    GrowToHeight(*this, buttonTop + kButtonHeight + kMargin);
    PlaceButtons(*this, *btnSend, *btnCancel, buttonTop);
}

void TfrmNews::BuildControls() {
    using namespace platform;
    DesignWindow(*this, {"Newsletter", 349, 123, BorderStyle::kDialog, kHelpContext});
    imgNewsletter = new Image(this, "imgNewsletter");
    imgNewsletter->setGeometry(kMargin, kMargin, kPictureSize, kPictureSize);
    ShowLibraryPicture(m_context.bitmaps, *imgNewsletter, kPicture);
    lblDesc1 = new Label(this, "lblDesc1", kInvitation);
    chkNotDisplay = new CheckBox(this, "chkNotDisplay", "Don't show this message box again");
    chkNotDisplay->resize(width() - kTextLeft - kMargin, 18);
    btnSend = new Button(this, "btnSend", "OK");
    btnSend->resize(kButtonWidth, kButtonHeight);
    btnCancel = new Button(this, "btnCancel", "Cancel");
    SetDialogButtons(*this, btnSend, btnCancel);
}

void TfrmNews::btnSendClick() {
    Hide();
    Update();
    m_context.host.UpdateMainWindow();
    {
        TfrmNews2 signUp(m_context, this);
        signUp.Picture().Picture() = imgNewsletter->Picture();
        signUp.ShowModal();
    }
    Close();
}

TfrmNews2::TfrmNews2(const DialogContext& context, QWidget* owner) : C_TAdvancedForm(owner), m_context(context) {
    BuildControls();
    events.onCreate = [this] {
        lblEmail->SetCaption(kNewsletterMail);
        lblWWW->SetCaption(kNewsletterWebPage);
    };
    lblWWW->onClick = [this] { m_context.game.media.OpenLink("HTTP", lblWWW->Caption()); };
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { Close(); });
    Created();
}

void TfrmNews2::BuildControls() {
    using namespace platform;
    DesignWindow(*this, {"Newsletter", 439, 158, BorderStyle::kDialog, kHelpContext});
    imgNewsletter = new Image(this, "imgNewsletter");
    imgNewsletter->setGeometry(kMargin, kMargin, kPictureSize, kPictureSize);
    const int textWidth = width() - kTextLeft - kMargin;
    lblWhere = new Label(this, "lblWhere", "Downloaded from:");
    lblWhere->setGeometry(kTextLeft, kMargin + 3, 104, 16);
    edtWhere = new Edit(this, "edtWhere");
    edtWhere->setGeometry(kTextLeft + 106, kMargin, textWidth - 106, 22);
    int y = kMargin + 32;
    y = PlaceWrapped(*new Label(this, "Label3", "Please send an E-Mail containing your E-Mail address at"), kTextLeft,
                     y, textWidth);
    lblEmail = new Label(this, "lblEmail", kNewsletterMail);
    QFont bold = lblEmail->font();
    bold.setBold(true);
    lblEmail->setFont(bold);
    y = PlaceWrapped(*lblEmail, kTextLeft, y, textWidth);
    y = PlaceWrapped(
            *new Label(this, "Label1", "and make sure the word \"News\" shows up in \"Subject\". Thank you."),
            kTextLeft, y, textWidth) + 6;
    y = PlaceWrapped(
        *new Label(this, "Label4", "You can also sign up for Quendrix NewsLetter linking at this Web page: "),
        kTextLeft, y, textWidth);
    lblWWW = new LinkLabel(this, "lblWWW", kNewsletterWebPage);
    y = PlaceWrapped(*lblWWW, kTextLeft, y, textWidth) + 8;
    const int buttonTop = std::max(y, kMargin + kPictureSize + 8);
    GrowToHeight(*this, buttonTop + kButtonHeight + kMargin);
    btnOK = new Button(this, "btnOK", "Send E-Mail");
    btnOK->resize(100, kButtonHeight);
    btnCancel = new Button(this, "btnCancel", "Cancel");
    PlaceButtons(*this, *btnOK, *btnCancel, buttonTop);
    SetDialogButtons(*this, btnOK, btnCancel);
}

void TfrmNews2::btnOKClick() {
    engine::Game& game = m_context.game;
    const std::string where = edtWhere->Text();
    if (edtWhere->text().size() < kMinimumEntry) {
        engine::ShowInfo(*game.services.messages, std::string(kTooShort));
        edtWhere->setFocus();
        return;
    }
    Hide();
    Update();
    m_context.host.UpdateMainWindow();
    game.media.OpenLink("EMAIL", NewsletterMailTarget(lblEmail->Caption(), where));
    {
        Hourglass hourglass(game.services.shellPort);
        if (game.services.clock != nullptr) engine::DelayProcessing(*game.services.clock, kMailWait);
    }
    Close();
}

bool ShowNewsletterInvitation(const DialogContext& context, bool offerDontShowAgain) {
    std::unique_ptr<TfrmNews> news;
    {
        Hourglass hourglass(context.game.services.shellPort);
        news = std::make_unique<TfrmNews>(context, context.host.OwnerWindow());
    }
    news->DontShowAgain().setVisible(offerDontShowAgain);
    news->ShowModal();
    return news->DontShowAgain().IsChecked();
}

}  // namespace shell
