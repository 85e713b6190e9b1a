#include "shell/chooser/open_game_form.h"

#include <QFont>

#include "platform/qt/controls.h"
#include "platform/qt/dialog_keys.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "shell/dialogs/dialog_layout.h"

// The chooser's window as designed: its controls, their places and captions.
namespace shell {

namespace {

constexpr int kClientWidth = 535;
constexpr int kClientHeight = 377;
constexpr int kLeftColumnWidth = 202;
constexpr int kRightColumnLeft = 208;
constexpr int kRightColumnWidth = 323;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 5;
constexpr int kRowHeight = 15;
constexpr int kCaptionWidth = 112;
constexpr int kGaugeLeft = 124;
constexpr int kValueLeft = 208;
constexpr int kValueWidth = 110;

}  // namespace

void TfrmOpenGame::BuildControls() {
    using namespace platform;
    DesignWindow(*this, {"Open a game", kClientWidth, kClientHeight, BorderStyle::kSingle, kHelpContext});

    auto* pnlSelect = new Panel(this, "Panel1");
    pnlSelect->setGeometry(4, 4, kLeftColumnWidth - 4, 22);
    pnlSelect->SetBevel(true);
    (new Label(pnlSelect, "Label7", "Select a game:"))->setGeometry(4, 3, kLeftColumnWidth - 12, 16);
    trvGames = new TreeView(this, "trvGames");
    trvGames->setGeometry(4, 28, kLeftColumnWidth - 4, 308);
    trvGames->setIndentation(19);

    lblPlayers = new Label(this, "lblPlayers", "Pla&yer:");
    lblPlayers->setGeometry(kRightColumnLeft, 8, 40, 16);
    cboPlayers = new ComboBox(this, "cboPlayers");
    cboPlayers->setGeometry(kRightColumnLeft + 42, 4, 120, 22);
    chkPreview = new CheckBox(this, "chkPreview", "&Preview", true);
    chkPreview->setGeometry(kRightColumnLeft + 2, 7, 120, 18);
    const int rightEdge = kRightColumnLeft + kRightColumnWidth;
    btnRules = new Button(this, "btnRules", "Rules");
    btnRules->setGeometry(rightEdge - kButtonWidth, 4, kButtonWidth, kButtonHeight);
    btnStatistics = new Button(this, "btnStatistics", "Statistics");
    btnStatistics->setGeometry(rightEdge - 2 * kButtonWidth - kButtonGap, 4, kButtonWidth, kButtonHeight);
    btnDemo = new Button(this, "btnDemo", "Demo");
    btnDemo->setGeometry(rightEdge - 3 * kButtonWidth - 2 * kButtonGap, 4, kButtonWidth, kButtonHeight);
    btnDemo->hide();

    ScrollBox1 = new Panel(this, "ScrollBox1");
    ScrollBox1->setGeometry(kRightColumnLeft, 32, kRightColumnWidth, 304);
    ScrollBox1->setFrameShape(QFrame::StyledPanel);
    ScrollBox1->setFrameShadow(QFrame::Sunken);
    imgFolder = new Image(ScrollBox1, "imgFolder");
    imgFolder->setGeometry(11, 4, 300, 185);
    pnlDescGame = new Panel(ScrollBox1, "pnlDescGame");
    pnlDescGame->setGeometry(2, 2, kRightColumnWidth - 4, 300);
    imgGame = new Image(pnlDescGame, "imgGame");
    imgGame->setGeometry(9, 2, 300, 185);
    imgGame->SetStretch(true);
    lblGameName = new Label(pnlDescGame, "lblGameName");
    lblGameName->setGeometry(9, 191, 300, 16);
    QFont bold = lblGameName->font();
    bold.setBold(true);
    lblGameName->setFont(bold);

    int y = 210;
    const auto caption = [&](std::string_view name, std::string_view text, int left, int width) {
        (new Label(pnlDescGame, name, text))->setGeometry(left, y, width, kRowHeight);
    };
    const auto value = [&](std::string_view name, int left, int width) {
        auto* label = new Label(pnlDescGame, name);
        label->setGeometry(left, y, width, kRowHeight);
        return label;
    };
    const auto gauge = [&](std::string_view name) {
        auto* image = new Image(pnlDescGame, name);
        image->setGeometry(kGaugeLeft, y + 3, 80, 10);
        return image;
    };
    caption("Label1", "Decks:", 9, 48);
    lblDecks = value("lblDecks", 58, 40);
    caption("Label6", "Redeals:", kGaugeLeft, 60);
    lblRedeal = value("lblRedeal", kGaugeLeft + 62, kValueWidth);
    y += kRowHeight + 3;
    caption("Label4", "Game time:", 9, kCaptionWidth);
    imgGameTime = gauge("imgGameTime");
    lblGameTime = value("lblGameTime", kValueLeft, kValueWidth);
    y += kRowHeight;
    caption("Label2", "Difficulty level:", 9, kCaptionWidth);
    imgDifficult = gauge("imgDifficult");
    lblDiffRules = value("lblDiffRules", kValueLeft, kValueWidth);
    y += kRowHeight;
    caption("Label5", "Skill level:", 9, kCaptionWidth);
    imgSkill = gauge("imgSkill");
    lblSkill = value("lblSkill", kValueLeft, kValueWidth);
    y += kRowHeight;
    caption("Label3", "Chance of winning:", 9, kCaptionWidth);
    imgWinning = gauge("imgWinning");
    // The odds clause wraps onto a second line.
    lblDiffWin = value("lblDiffWin", kValueLeft, kValueWidth);
    lblDiffWin->setWordWrap(true);
    lblDiffWin->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDiffWin->resize(kValueWidth, 2 * kRowHeight);

    btnCancel = new Button(this, "btnCancel", "Cancel");
    btnCancel->setGeometry(rightEdge - kButtonWidth, kClientHeight - kButtonHeight - 8, kButtonWidth, kButtonHeight);
    btnOK = new Button(this, "btnOK", "OK");
    btnOK->setGeometry(kRightColumnLeft, btnCancel->y(), kButtonWidth, kButtonHeight);
    btnOpen = new Button(this, "btnOpen", "Open a sa&ved game...");
    btnOpen->setGeometry(kRightColumnLeft, btnCancel->y(), 140, kButtonHeight);
    btnHelp = new Button(this, "btnHelp", "&Help");
    btnHelp->setGeometry(4, btnCancel->y(), kButtonWidth, kButtonHeight);
    SetDialogButtons(*this, btnOK, btnCancel);
}

}  // namespace shell
