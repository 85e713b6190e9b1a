#pragma once

#include <QSize>

#include <optional>
#include <string>
#include <vector>

#include "platform/qt/tree_view.h"
#include "shell/advanced_form.h"
#include "shell/dialogs/dialog_host.h"

namespace platform {
class Button;
class CheckBox;
class ComboBox;
class Image;
class Label;
class Panel;
}  // namespace platform

namespace shell {

// The game chooser "Open a game": a tree of the games, a description and a preview of
// the one selected. Made once at start-up and shown modally as often as the player opens
// a game; the main window reads the choice afterwards.
class TfrmOpenGame : public C_TAdvancedForm {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 4015;

    TfrmOpenGame(const DialogContext& context, QWidget* owner);

    // Set by a confirmed choice; the main window clears it once it has read the choice.
    bool IsOk() const { return m_ok; }
    void ClearOk() { m_ok = false; }
    // The selected node: its value is the game id, its text the game's name.
    platform::TreeView::Node* SelectedNode() const;
    // The player of the chosen game: the one playing now (the player box stays hidden),
    // so choosing a game never changes the player.
    std::string ChosenPlayer() const;

private:
    void BuildControls();
    void FormCreate();
    void FormShow();
    void FormClose();
    void trvGamesChange();
    void trvGamesExpanding(platform::TreeView::Node* node);
    void trvGamesDblClick();
    void btnOKClick();
    void btnRulesClick();
    void btnHelpClick();
    void chkPreviewClick();

    // Fills a folder that still holds its placeholder; a game of that id is selected.
    void FillFolder(platform::TreeView::Node* folder, int selectId);
    void ShowGameDescription(bool hourglass);
    void ShowGamePreview(int gameId);
    void BlankPreview();
    void LoadIcons();
    int SelectedValue() const;
    bool LowColourDisplay() const;

    DialogContext m_context;
    bool m_ok = false;
    bool m_showing = false;
    // The folder to open at the first show (Game_TreeNum), forgotten afterwards.
    std::optional<int> m_treePosition;
    std::vector<std::string> m_sortedGames;
    std::vector<std::string> m_iconNames;
    // The preview's faded background is painted over the size the picture had at creation.
    QSize m_previewSize;
    // The folder picture is read when a folder is first shown.
    bool m_folderPictureShown = false;

    platform::TreeView* trvGames = nullptr;
    platform::Label* lblPlayers = nullptr;
    platform::ComboBox* cboPlayers = nullptr;
    platform::Button* btnRules = nullptr;
    platform::Button* btnStatistics = nullptr;
    platform::Button* btnDemo = nullptr;
    platform::Panel* ScrollBox1 = nullptr;
    platform::Image* imgFolder = nullptr;
    platform::Panel* pnlDescGame = nullptr;
    platform::Image* imgGame = nullptr;
    platform::Label* lblGameName = nullptr;
    platform::Label* lblDecks = nullptr;
    platform::Label* lblDiffRules = nullptr;
    platform::Label* lblDiffWin = nullptr;
    platform::Label* lblGameTime = nullptr;
    platform::Label* lblSkill = nullptr;
    platform::Label* lblRedeal = nullptr;
    platform::Image* imgDifficult = nullptr;
    platform::Image* imgWinning = nullptr;
    platform::Image* imgGameTime = nullptr;
    platform::Image* imgSkill = nullptr;
    platform::CheckBox* chkPreview = nullptr;
    platform::Button* btnOK = nullptr;
    platform::Button* btnCancel = nullptr;
    platform::Button* btnOpen = nullptr;
    // The window's help button: the chooser's page of the help file.
    platform::Button* btnHelp = nullptr;
};

}  // namespace shell
