#include "shell/options/options_form.h"

#include "platform/qt/controls.h"
#include "platform/qt/dialog_keys.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "shell/dialogs/dialog_layout.h"

// The options dialog's window as designed.
namespace shell {

namespace {

constexpr int kClientWidth = 400;
constexpr int kClientHeight = 301;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kTreeWidth = 180;
constexpr int kTreeHeight = 196;
constexpr int kSampleLeft = 196;
constexpr int kSampleGroupWidth = 186;
constexpr int kSampleGroupHeight = 212;
constexpr int kSampleWidth = 178;

platform::CheckBox* Check(QWidget* parent, std::string_view name, std::string_view caption, int x, int y,
                          bool checked = true) {
    auto* box = new platform::CheckBox(parent, name, caption, checked);
    box->setGeometry(x, y, 160, 18);
    return box;
}

}  // namespace

void TfrmCustomize_Freeware::BuildControls() {
    using namespace platform;
    DesignWindow(*this, {"Customize", kClientWidth, kClientHeight, BorderStyle::kDialog, kHelpContext});

    TabbedNotebook1 = new Notebook(this, "TabbedNotebook1");
    TabbedNotebook1->setGeometry(6, 6, kClientWidth - 12, 256);
    const auto page = [this](std::string_view name, std::string_view caption) {
        auto* widget = new QWidget(TabbedNotebook1);
        widget->setObjectName(ToQString(name));
        TabbedNotebook1->addTab(widget, ToQString(caption));
        return widget;
    };
    BuildGeneralPage(*page("General", "&General"));
    BuildDecksPage(*page("Decks", "&Decks  "));
    BuildBackgroundsPage(*page("Backgrounds", "&Backgrounds"));
    QWidget* sounds = page("Sounds", "&Sounds");
    chkSoundsEnabled = Check(sounds, "chkSoundsEnabled", "Disable all &sounds", 12, 12, false);

    const int buttonTop = kClientHeight - kButtonHeight - 8;
    btnAiuto = new Button(this, "btnAiuto", "&?");
    btnAiuto->setGeometry(6, buttonTop, 30, kButtonHeight);
    btnAnnulla = new Button(this, "btnAnnulla", "Cancel");
    btnAnnulla->setGeometry(kClientWidth - 6 - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
    btnOK = new Button(this, "btnOK", "OK");
    btnOK->setGeometry(btnAnnulla->x() - 5 - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
    SetDialogButtons(*this, btnOK, btnAnnulla);
}

void TfrmCustomize_Freeware::BuildGeneralPage(QWidget& page) {
    using namespace platform;
    auto* toolbar = new GroupBox(&page, "GroupBox1", "Toolbar ");
    toolbar->setGeometry(8, 8, 180, 100);
    auto* buttons = new GroupBox(toolbar, "GroupBox2", "Buttons ");
    buttons->setGeometry(8, 20, 164, 70);
    chkTBLargeIcons = Check(buttons, "chkTBLargeIcons", "&Large buttons", 10, 20);
    chkTBFlatBtn = Check(buttons, "chkTBFlatBtn", "&Flat buttons", 10, 42);
    auto* display = new GroupBox(&page, "GroupBox3", "Time / Scores options");
    display->setGeometry(196, 8, 180, 100);
    chkShowTime = Check(display, "chkShowTime", "Show &time", 10, 28);
    chkShowScore = Check(display, "chkShowScore", "Show sco&re", 10, 52);
    auto* show = new GroupBox(&page, "GroupBox4", "Show ");
    show->setGeometry(8, 116, 368, 96);
    chkWinningAnimation = Check(show, "chkWinningAnimation", "&Winning animation", 10, 22);
    chkConfirmQuitGame = Check(show, "chkConfirmQuitGame", "C&onfirm quit game", 10, 46);
    chkConfirmOnExit = Check(show, "chkConfirmOnExit", "Confirm on e&xit", 10, 70);
}

void TfrmCustomize_Freeware::BuildDecksPage(QWidget& page) {
    using namespace platform;
    (new Label(&page, "Label1", "Select a card back:"))->setGeometry(8, 6, kTreeWidth, 16);
    trvCardBack = new TreeView(&page, "trvCardBack");
    trvCardBack->setGeometry(8, 24, kTreeWidth, kTreeHeight);
    auto* group = new GroupBox(&page, "GroupBox5", "");
    group->setGeometry(kSampleLeft, 6, kSampleGroupWidth, kSampleGroupHeight + 2);
    lblDecks = new Label(group, "lblDecks", "Sample ");
    lblDecks->setGeometry(6, 14, kSampleWidth, 16);
    auto* panel = new Panel(group, "Panel1");
    panel->setGeometry(4, 34, kSampleWidth, 156);
    imgSfondoEsempio2 = new Image(panel, "imgSfondoEsempio2");
    imgSfondoEsempio2->setGeometry(0, 0, kSampleWidth, 156);
    imgDorsoEsempio = new Image(panel, "imgDorsoEsempio");
    imgDorsoEsempio->setGeometry(15, 15, 71, 96);
}

void TfrmCustomize_Freeware::BuildBackgroundsPage(QWidget& page) {
    using namespace platform;
    (new Label(&page, "Label2", "Select a background:"))->setGeometry(8, 6, kTreeWidth, 16);
    trvBackGround = new TreeView(&page, "trvBackGround");
    trvBackGround->setGeometry(8, 24, kTreeWidth, kTreeHeight);
    auto* group = new GroupBox(&page, "GroupBox6", "");
    group->setGeometry(kSampleLeft, 6, kSampleGroupWidth, kSampleGroupHeight + 2);
    lblBackGround = new Label(group, "lblBackGround");
    lblBackGround->setGeometry(6, 14, kSampleWidth, 16);
    imgSfondoEsempio = new Image(group, "imgSfondoEsempio");
    imgSfondoEsempio->setGeometry(4, 32, kSampleWidth, 158);
    chkFadeBackground = Check(group, "chkFadeBackground", "&Fade background", 6, 192, false);
}

}  // namespace shell
