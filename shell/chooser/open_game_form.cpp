#include "shell/chooser/open_game_form.h"

#include <algorithm>

#include "engine/base/decimal_text.h"
#include "engine/base/gradient.h"
#include "engine/base/system_utils.h"
#include "engine/base/text_utils.h"
#include "engine/files/game_definitions.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/ports/help_viewer.h"
#include "engine/session/game_commands.h"
#include "engine/session/rules_help.h"
#include "engine/state/game.h"
#include "platform/core/resource_names.h"
#include "platform/qt/canvas.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "platform/qt/resource_bitmaps.h"
#include "shell/chooser/chooser_games.h"
#include "shell/chooser/game_description.h"
#include "shell/current_game.h"
#include "shell/dialogs/dialog_pictures.h"
#include "shell/dialogs/hourglass.h"

namespace shell {

namespace {

using Node = platform::TreeView::Node;

constexpr std::string_view kTreeNumKey = "Game_TreeNum";
constexpr std::string_view kPreviewKey = "Open_Preview_Game";
constexpr std::string_view kFolderPicture = "PIC_CHOOSER";
constexpr std::string_view kFolderIcon = "TREE1";
constexpr std::string_view kOpenAGame = "Open a game";
constexpr std::string_view kSelectAGame = "Select a game";
constexpr platform::Colour kPreviewGreen = 32768;
constexpr platform::Colour kBlack = 0;
constexpr int kLowColourLimit = 256;
constexpr int kPreviewDigits = 4;

int FieldNumber(const engine::SettingsBlock& settings, engine::fields::Field field) {
    return engine::ReadDecimal(settings.GetField(field.position, field.width)).value_or(0);
}

void SetGauge(const platform::ResourceBitmaps& bitmaps, platform::Image& gauge, std::string_view name) {
    if (!name.empty()) ShowLibraryPicture(bitmaps, gauge, name);
}

}  // namespace

TfrmOpenGame::TfrmOpenGame(const DialogContext& context, QWidget* owner) : C_TAdvancedForm(owner), m_context(context) {
    BuildControls();
    events.onCreate = [this] { FormCreate(); };
    events.onShow = [this] { FormShow(); };
    events.onClose = [this](platform::CloseAction&) { FormClose(); };
    events.onHide = [this] { m_showing = false; };
    trvGames->onChange = [this](Node*) { trvGamesChange(); };
    trvGames->onExpanding = [this](Node* node) { trvGamesExpanding(node); };
    trvGames->onDblClick = [this] { trvGamesDblClick(); };
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { Close(); });
    connect(btnRules, &QPushButton::clicked, this, [this] { btnRulesClick(); });
    connect(btnHelp, &QPushButton::clicked, this, [this] { btnHelpClick(); });
    chkPreview->onClick = [this] { chkPreviewClick(); };
    Created();
}

void TfrmOpenGame::FormCreate() {
    m_ok = false;
    trvGames->setEnabled(false);
    for (QWidget* hidden : std::initializer_list<QWidget*>{btnStatistics, btnOpen, btnDemo, lblPlayers, cboPlayers})
        hidden->hide();
    btnOK->move(btnCancel->x() - btnOK->width() - 5, btnOK->y());
    // Of the designed folders only "All games" is offered; it opens filled on demand.
    Node* allGames = trvGames->AddChild(nullptr, kAllGamesCaption, tree_value::kAllGames);
    trvGames->AddChild(allGames, kPlaceholderText, tree_value::kPlaceholder);

    imgGame->SizePictureToControl();
    m_previewSize = imgGame->size();

    const engine::PreferenceFile file(*m_context.game.services.paths);
    const int treeNum = file.ReadInteger(engine::kSectionPreference, kTreeNumKey, tree_value::kAllGames);
    if (treeNum < 0) m_treePosition = treeNum;
    chkPreview->SetChecked(file.ReadString(engine::kSectionPreference, kPreviewKey, "Y") == "Y");
    m_sortedGames = BuildSortedGameList(m_context.game.mainGame.GameList);
    LoadIcons();
    const auto folderIcon = std::find(m_iconNames.begin(), m_iconNames.end(), kFolderIcon);
    trvGames->SetImageIndex(allGames, static_cast<int>(folderIcon - m_iconNames.begin()));
}

void TfrmOpenGame::LoadIcons() {
    m_iconNames = ChooserIconNames();
    trvGames->SetImages(LibraryIcons(m_context.bitmaps, m_iconNames, platform::resources::kIconKeyColour));
}

void TfrmOpenGame::FormShow() {
    Hourglass hourglass(m_context.game.services.shellPort);
    if (m_treePosition) {
        const int current = FieldNumber(m_context.game.settings, engine::fields::kGame);
        if (Node* folder = trvGames->FindNode(*m_treePosition)) FillFolder(folder, current);
        m_treePosition.reset();
    }
    m_showing = true;
    trvGames->setEnabled(true);
    ShowGameDescription(false);
    trvGames->setFocus();
}

void TfrmOpenGame::FillFolder(Node* folder, int selectId) {
    const int value = platform::TreeView::StateIndex(folder);
    if (!IsFilledFolder(value) || folder->childCount() == 0 ||
        platform::TreeView::StateIndex(folder->child(0)) != tree_value::kPlaceholder)
        return;
    trvGames->DeleteNode(folder->child(0));
    for (const ChooserGame& game : FolderGames(m_sortedGames, value)) {
        Node* node = trvGames->AddChild(folder, game.name, game.gameId);
        const std::string_view icon = GameTypeIconName(game.typeCode);
        const auto found = std::find(m_iconNames.begin(), m_iconNames.end(), icon);
        trvGames->SetImageIndex(node, icon.empty() || found == m_iconNames.end()
                                          ? -1
                                          : static_cast<int>(found - m_iconNames.begin()));
        if (!icon.empty() && game.gameId == selectId) trvGames->Select(node);
    }
}

int TfrmOpenGame::SelectedValue() const {
    const Node* node = trvGames->Selected();
    return node != nullptr ? platform::TreeView::StateIndex(node) : -1;
}

platform::TreeView::Node* TfrmOpenGame::SelectedNode() const { return trvGames->Selected(); }

std::string TfrmOpenGame::ChosenPlayer() const {
    const engine::fields::Field player = engine::fields::kUserDefault;
    return m_context.game.settings.GetField(player.position, player.width);
}

bool TfrmOpenGame::LowColourDisplay() const { return m_context.host.DisplayColours() <= kLowColourLimit; }

void TfrmOpenGame::trvGamesChange() {
    if (!trvGames->isEnabled()) return;
    Hourglass hourglass(m_context.game.services.shellPort);
    if (Node* selected = trvGames->Selected()) FillFolder(selected, -1);
    ShowGameDescription(true);
}

void TfrmOpenGame::trvGamesExpanding(Node* node) {
    Hourglass hourglass(m_context.game.services.shellPort);
    FillFolder(node, -1);
}

void TfrmOpenGame::trvGamesDblClick() {
    if (SelectedValue() >= 0) btnOKClick();
}

void TfrmOpenGame::ShowGameDescription(bool hourglass) {
    if (!m_showing) return;
    Hourglass busy(m_context.game.services.shellPort, hourglass);
    const int id = SelectedValue();
    const bool game = id >= 0;
    for (QWidget* control : std::initializer_list<QWidget*>{chkPreview, btnOK, btnRules, btnStatistics})
        control->setEnabled(game);
    pnlDescGame->setVisible(game);
    imgFolder->setVisible(!game);
    ScrollBox1->setStyleSheet(game ? QString() : QStringLiteral("#ScrollBox1 { background: white; }"));
    if (!game) {
        if (!m_folderPictureShown) ShowLibraryPicture(m_context.bitmaps, *imgFolder, kFolderPicture);
        m_folderPictureShown = true;
        return;
    }

    lblGameName->SetCaption(platform::TreeView::Text(trvGames->Selected()));
    engine::ChooserValues values{};
    engine::GameInfoForChooser(m_context.game.services, m_context.game.mainGame, id, kChooserDescriptionRows,
                               values);
    const GameDescription description = DescribeGame(values);
    lblDecks->SetCaption(description.decks);
    lblGameTime->SetCaption(description.gameTime);
    lblDiffRules->SetCaption(description.difficulty);
    lblDiffWin->SetCaption(description.chance);
    lblSkill->SetCaption(description.skill);
    lblRedeal->SetCaption(description.redeals);
    SetGauge(m_context.bitmaps, *imgGameTime, description.gameTimeGauge);
    SetGauge(m_context.bitmaps, *imgDifficult, description.difficultyGauge);
    SetGauge(m_context.bitmaps, *imgWinning, description.chanceGauge);
    SetGauge(m_context.bitmaps, *imgSkill, description.skillGauge);
    ShowGamePreview(id);
}

void TfrmOpenGame::ShowGamePreview(int gameId) {
    if (!chkPreview->IsChecked()) return;
    platform::Bitmap picture;
    m_context.bitmaps.LoadResBitmap(picture, "GAME" + engine::IntToZeroPad(gameId, kPreviewDigits));
    BlankPreview();
    if (!picture.IsEmpty()) {
        platform::Canvas canvas(imgGame->Picture());
        const platform::Canvas source(picture.Image());
        canvas.TransparentCopy((imgGame->width() - picture.Width()) / 2, 0, picture.Width(), picture.Height(),
                               picture, 0, 0, source.Pixel(0, 0));
    }
    imgGame->Repaint();
}

void TfrmOpenGame::BlankPreview() {
    imgGame->SizePictureToControl();
    platform::Canvas canvas(imgGame->Picture());
    if (LowColourDisplay())
        canvas.FillSolidRect({0, 0, canvas.Width(), canvas.Height()}, kPreviewGreen);
    else
        engine::FillGradient(canvas, {0, 0, m_previewSize.width(), m_previewSize.height()}, kPreviewGreen, kBlack);
    imgGame->update();
}

void TfrmOpenGame::chkPreviewClick() {
    if (!chkPreview->IsChecked())
        BlankPreview();
    else if (SelectedValue() >= 0)
        ShowGamePreview(SelectedValue());
}

void TfrmOpenGame::btnRulesClick() {
    const int id = SelectedValue();
    engine::Game& game = m_context.game;
    if (id < 0)
        engine::ShowInfo(*game.services.messages, std::string(kSelectAGame));
    else if (game.services.help != nullptr)
        engine::ShowRulesHelp(game.services, game.settings, *game.services.help, id);
    trvGames->setFocus();
}

void TfrmOpenGame::btnHelpClick() {
    if (m_context.game.services.help != nullptr) m_context.game.services.help->ShowHelpContext(kHelpContext);
}

void TfrmOpenGame::btnOKClick() {
    Node* selected = trvGames->Selected();
    if (selected == nullptr || platform::TreeView::StateIndex(selected) < 0) {
        engine::ShowInfo(*m_context.game.services.messages, std::string(kOpenAGame));
        trvGames->setFocus();
        return;
    }
    engine::PreferenceFile file(*m_context.game.services.paths);
    SaveCurrentGame(file, platform::TreeView::StateIndex(selected), platform::TreeView::Text(selected),
                    platform::TreeView::StateIndex(selected->parent()));
    file.WriteString(engine::kSectionPreference, kPreviewKey, chkPreview->IsChecked() ? "Y" : "N");
    Hide();
    Update();
    m_context.host.UpdateMainWindow();
    m_ok = true;
    SetModalResult(platform::kModalOk);
    Close();
}

void TfrmOpenGame::FormClose() {
    m_showing = false;
    if (FieldNumber(m_context.game.settings, engine::fields::kGame) < 0)
        engine::EnableGameCommands(m_context.game.services, false);
    Hide();
    Update();
    m_context.host.UpdateMainWindow();
    m_context.host.RedrawSelectionLine();
}

}  // namespace shell
