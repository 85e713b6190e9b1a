#include "shell/dialogs/player_dialogs.h"

#include "platform/qt/application.h"
#include "shell/chooser/open_game_form.h"
#include "shell/dialogs/about_form.h"
#include "shell/dialogs/advice_form.h"
#include "shell/dialogs/news_forms.h"
#include "shell/main_form.h"
#include "shell/options/options_form.h"
#include "shell/table_parts.h"
#include "table/draw/background.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/draw/selection_redraw.h"
#include "table/draw/table_images.h"
#include "table/draw/table_repaint.h"
#include "table/layout/table_layout.h"

namespace shell {

namespace {

// The chooser made once, shown as often as the player opens a game.
class GameChooser : public IGameChooser {
public:
    explicit GameChooser(std::unique_ptr<TfrmOpenGame> form) : m_form(std::move(form)) {}

    std::optional<GameChoice> ShowModalChoice() override {
        m_form->ShowModal();
        if (!m_form->IsOk()) return std::nullopt;
        m_form->ClearOk();
        const platform::TreeView::Node* node = m_form->SelectedNode();
        return GameChoice{platform::TreeView::StateIndex(node), platform::TreeView::Text(node), m_form->ChosenPlayer()};
    }

private:
    std::unique_ptr<TfrmOpenGame> m_form;
};

}  // namespace

QWidget* MainWindowHost::OwnerWindow() {
    platform::Application* app = platform::Application::Instance();
    if (app == nullptr) return m_main;
    return app->OwnerInFront(m_main != nullptr ? m_main : app->MainForm());
}

void MainWindowHost::UpdateMainWindow() {
    if (m_main != nullptr) m_main->UpdateMainWindow();
}

void MainWindowHost::RedrawSelectionLine() {
    table::DrawContext* context = TableDrawing();
    if (context == nullptr) return;
    table::RedrawSelectionLine(*context, context->Buffer(), false);
    table::RedrawSelectionLine(*context, context->Window(), true);
}

void MainWindowHost::SetToolbarLarge(bool large, bool save) {
    if (m_main != nullptr) m_main->SetToolbarLarge(large, save);
}

void MainWindowHost::SetToolbarFlat(bool flat, bool save) {
    if (m_main != nullptr) m_main->SetToolbarFlat(flat, save);
}

void MainWindowHost::RefreshTableLook() {
    table::DrawContext* context = TableDrawing();
    if (context == nullptr) return;
    context->images.SelectCardBack();
    context->geometry.Setup().SetCardSize();
    context->geometry.Setup().LayoutTable();
    table::PaintConfiguredBackground(*context, context->Buffer());
    table::RepaintTable(*context, context->Buffer(), false);
    table::CopyBufferToScreen(*context);
    UpdateMainWindow();
}

void MainWindowHost::RunNewsletterCommand() {
    if (m_main != nullptr) m_main->mnuNewsletterClick();
}

int MainWindowHost::DisplayColours() const {
    return m_main != nullptr ? m_main->ScreenColourCount() : engine::kManyColours;
}

table::DrawContext* MainWindowHost::TableDrawing() { return m_table != nullptr ? m_table->Context() : nullptr; }

int MainWindowHost::LargeToolbarBottom() const {
    return m_main != nullptr ? m_main->PanelBounds(engine::ShellPanel::kLargeToolbar).Bottom() : 0;
}

void PlayerDialogs::Attach(engine::Game& game, TableParts& table) {
    m_game = &game;
    m_table = &table;
    m_host.SetTable(&table);
}

std::optional<DialogContext> PlayerDialogs::Context(TfrmMain* main) {
    if (main != nullptr) m_host.SetMain(main);
    if (m_game == nullptr || m_table == nullptr) return std::nullopt;
    return DialogContext{*m_game, m_table->Bitmaps(), m_host};
}

std::unique_ptr<IGameChooser> PlayerDialogs::CreateGameChooser(TfrmMain& main) {
    const std::optional<DialogContext> context = Context(&main);
    if (!context) return nullptr;
    platform::Application* app = platform::Application::Instance();
    TfrmOpenGame* form = app != nullptr ? app->CreateForm<TfrmOpenGame>(*context, &main)
                                        : new TfrmOpenGame(*context, &main);
    return std::make_unique<GameChooser>(std::unique_ptr<TfrmOpenGame>(form));
}

void PlayerDialogs::OpenOptionsDialog(TfrmMain& main) {
    if (const std::optional<DialogContext> context = Context(&main)) shell::OpenOptionsDialog(*context);
}

void PlayerDialogs::ShowAbout(TfrmMain& main) {
    if (const std::optional<DialogContext> context = Context(&main)) ShowAboutBox(*context);
}

bool PlayerDialogs::ShowNewsletter(TfrmMain& main, bool hideDontAsk) {
    const std::optional<DialogContext> context = Context(&main);
    return context && ShowNewsletterInvitation(*context, !hideDontAsk);
}

bool PlayerDialogs::ShowAdvice(const std::string& text, int page) {
    const std::optional<DialogContext> context = Context(nullptr);
    return context && AdviceBox(*context).ShowAdvice(text, page);
}

}  // namespace shell
