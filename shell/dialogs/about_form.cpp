#include "shell/dialogs/about_form.h"

#include <QFont>

#include "engine/base/text_utils.h"
#include "engine/model/preference_fields.h"
#include "engine/state/game.h"
#include "platform/qt/controls.h"
#include "platform/qt/dialog_keys.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/dialogs/dialog_pictures.h"
#include "shell/dialogs/hourglass.h"
#include "shell/dialogs/product_addresses.h"

namespace shell {

namespace {

constexpr int kClientWidth = 480;
constexpr int kClientHeight = 300;
constexpr int kMargin = 12;
constexpr int kTextLeft = 156;
constexpr int kCaptionWidth = 124;
constexpr int kRowHeight = 18;
constexpr int kButtonHeight = 25;

constexpr std::string_view kVersion = "Corvanet Solitaire - Version 4.2 - Mar 28, 2000";
constexpr std::string_view kLicence =
    "Corvanet Solitaire is free software: you may copy it and give it away, unchanged and free of charge. "
    "It comes with no warranty of any kind; you use it at your own risk. The card designs, pictures and sounds "
    "belong to the program and may not be sold apart from it.";
constexpr std::string_view kAboutSound = "About";
constexpr std::string_view kHttp = "HTTP";
constexpr std::string_view kEmail = "EMAIL";

}  // namespace

TfrmAbout::TfrmAbout(const DialogContext& context, QWidget* owner) : C_TAdvancedForm(owner), m_context(context) {
    BuildControls();
    events.onCreate = [this] { SetCaption(engine::ExpandMacros(Caption())); };
    events.onActivate = [this] { FormActivate(); };
    events.onClose = [this](platform::CloseAction&) { FormClose(); };
    engine::Media& media = m_context.game.media;
    const auto link = [&media](platform::LinkLabel* label, std::string_view kind) {
        label->onClick = [&media, label, kind] { media.OpenLink(kind, label->Caption()); };
    };
    link(lblWeb, kHttp);
    link(lblMail, kEmail);
    link(lblMailMark, kEmail);
    link(lblSupport, kEmail);
    connect(btnOK, &QPushButton::clicked, this, [this] { Close(); });
    connect(btnNewsletter, &QPushButton::clicked, this, [this] { m_context.host.RunNewsletterCommand(); });
    Created();
}

void TfrmAbout::BuildControls() {
    using namespace platform;
    DesignWindow(*this, {"About [Program]", kClientWidth, kClientHeight, BorderStyle::kDialog, kHelpContext});

    auto* picture = new Image(this, "imgAbout");
    picture->setGeometry(kMargin, kMargin, 128, 128);
    ShowLibraryPicture(m_context.bitmaps, *picture, "PIC_ABOUT");
    const int textWidth = kClientWidth - kTextLeft - kMargin;
    auto* version = new Label(this, "lblVersion", kVersion);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    int y = PlaceWrapped(*version, kTextLeft, kMargin + 4, textWidth) + 6;
    auto* bevel = new Panel(this, "Bevel1");
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(kTextLeft, y, textWidth, 2);
    y += 10;
    const auto row = [&](std::string_view captionName, std::string_view caption, std::string_view name,
                         std::string_view address) {
        (new Label(this, captionName, caption))->setGeometry(kTextLeft, y, kCaptionWidth, kRowHeight);
        auto* label = new LinkLabel(this, name, address);
        label->setGeometry(kTextLeft + kCaptionWidth, y, textWidth - kCaptionWidth, kRowHeight);
        y += kRowHeight;
        return label;
    };
    lblWeb = row("Label1", "Web site:", "lblWeb", kProductWebSite);
    lblMail = row("Label2", "General information:", "lblMail", kInformationMail);
    lblMailMark = row("Label3", "Sales/marketing:", "lblMailMark", kSalesMail);
    lblSupport = row("Label4", "Technical information:", "lblSupport", kSupportMail);

    const int memoTop = std::max(y, kMargin + 128) + 10;
    memLic = new Memo(this, "memLic");
    memLic->SetText(kLicence);
    const int buttonTop = kClientHeight - kMargin - kButtonHeight;
    memLic->setGeometry(kMargin, memoTop, kClientWidth - 2 * kMargin, buttonTop - 10 - memoTop);
    btnNewsletter = new Button(this, "btnNewsletter", "Free Newsletter...");
    btnNewsletter->setGeometry(kMargin, buttonTop, 130, kButtonHeight);
    btnOK = new Button(this, "btnOK", "OK");
    btnOK->setGeometry(kClientWidth - kMargin - 75, buttonTop, 75, kButtonHeight);
    SetDialogButtons(*this, btnOK, btnOK);
}

void TfrmAbout::FormActivate() {
    Update();
    const engine::fields::Field about = engine::fields::kSoundsAbout;
    m_context.game.media.PlaySoundAsync(kAboutSound,
                                        m_context.game.settings.GetField(about.position, about.width) == "Y");
}

void TfrmAbout::FormClose() {
    Hide();
    Update();
    m_context.host.UpdateMainWindow();
    m_context.host.RedrawSelectionLine();
}

void ShowAboutBox(const DialogContext& context) {
    std::unique_ptr<TfrmAbout> about;
    {
        Hourglass hourglass(context.game.services.shellPort);
        about = std::make_unique<TfrmAbout>(context, context.host.OwnerWindow());
    }
    about->ShowModal();
}

}  // namespace shell
