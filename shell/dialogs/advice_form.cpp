#include "shell/dialogs/advice_form.h"

#include "platform/qt/controls.h"
#include "platform/qt/dialog_keys.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "shell/dialogs/dialog_layout.h"
#include "shell/dialogs/dialog_pictures.h"

namespace shell {

namespace {

constexpr int kClientWidth = 418;
constexpr int kClientHeight = 177;
constexpr int kMargin = 10;
constexpr int kPictureSize = 64;
constexpr int kMessageLeft = kMargin + kPictureSize + 10;
constexpr int kMessageWidth = 326;
constexpr int kMessageHeight = 97;
constexpr int kButtonHeight = 25;

struct PicturePage {
    std::string_view name;
    std::string_view picture;
};
constexpr PicturePage kPages[] = {{"Color", "PIC_ADVICE_COLOR"}, {"640x480", "PIC_ADVICE_640X480"}};

}  // namespace

TfrmMsgAdvice::TfrmMsgAdvice(const DialogContext& context, QWidget* owner) : C_TAdvancedForm(owner), m_context(context) {
    BuildControls();
    events.onCreate = [this] { SetCaption("Information"); };
    events.onClose = [this](platform::CloseAction&) {
        Hide();
        Update();
        m_context.host.UpdateMainWindow();
    };
    connect(btnOK, &QPushButton::clicked, this, [this] {
        Close();
        m_context.host.UpdateMainWindow();
    });
    Created();
}

void TfrmMsgAdvice::BuildControls() {
    using namespace platform;
    DesignWindow(*this, {"", kClientWidth, kClientHeight});
    // No border icons: the box closes by its button only.
    setWindowFlags((windowFlags() & ~Qt::WindowCloseButtonHint) | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    Notebook1 = new PageBook(this, "Notebook1");
    Notebook1->setGeometry(kMargin, kMargin, kPictureSize, kPictureSize);
    for (const PicturePage& page : kPages) {
        QWidget* sheet = Notebook1->AddPage(page.name);
        auto* picture = new Image(sheet, std::string("img") + std::string(page.name));
        picture->setGeometry(0, 0, kPictureSize, kPictureSize);
        ShowLibraryPicture(m_context.bitmaps, *picture, page.picture);
    }
    lblMessage = new Label(this, "lblMessage");
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setGeometry(kMessageLeft, kMargin, kMessageWidth, kMessageHeight);
    chkNotDisplay = new CheckBox(this, "chkNotDisplay", "&Don't show this message box again");
    chkNotDisplay->setGeometry(kMessageLeft, kMargin + kMessageHeight + 6, kMessageWidth, 18);
    btnOK = new Button(this, "btnOK", "OK");
    btnOK->setGeometry(kClientWidth - kMargin - 75, kClientHeight - kMargin - kButtonHeight, 75, kButtonHeight);
    SetDialogButtons(*this, btnOK, nullptr);
}

void TfrmMsgAdvice::SetMessage(const std::string& text) {
    lblMessage->SetCaption(text);
    // A long hint makes the box taller rather than losing its end.
    const int bottom = PlaceWrapped(*lblMessage, kMessageLeft, kMargin, kMessageWidth);
    if (bottom <= kMargin + kMessageHeight) {
        lblMessage->resize(kMessageWidth, kMessageHeight);
        return;
    }
    chkNotDisplay->move(kMessageLeft, bottom + 6);
    GrowToHeight(*this, bottom + 6 + chkNotDisplay->height() + 8 + kButtonHeight + kMargin);
    btnOK->move(btnOK->x(), height() - kMargin - kButtonHeight);
}

void TfrmMsgAdvice::SetPage(int page) { Notebook1->SetPageIndex(page); }

bool TfrmMsgAdvice::IsDontShowAgainTicked() const { return chkNotDisplay->IsChecked(); }

bool AdviceBox::ShowAdvice(const std::string& text, int page) {
    TfrmMsgAdvice box(m_context, m_context.host.OwnerWindow());
    box.SetMessage(text);
    box.SetPage(page);
    box.ShowModal();
    return box.IsDontShowAgainTicked();
}

}  // namespace shell
