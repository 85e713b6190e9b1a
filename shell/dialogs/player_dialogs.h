#pragma once

#include <memory>
#include <optional>
#include <string>

#include "shell/dialogs.h"
#include "shell/dialogs/dialog_host.h"

namespace shell {

// The main window as the dialogs see it. Before the main window exists (the start-up
// loader's advice) it is the table alone.
class MainWindowHost : public IDialogHost {
public:
    void SetTable(TableParts* table) { m_table = table; }
    void SetMain(TfrmMain* main) { m_main = main; }

    QWidget* OwnerWindow() override;
    void UpdateMainWindow() override;
    void RedrawSelectionLine() override;
    void SetToolbarLarge(bool large, bool save) override;
    void SetToolbarFlat(bool flat, bool save) override;
    void RefreshTableLook() override;
    void RunNewsletterCommand() override;
    int DisplayColours() const override;
    table::DrawContext* TableDrawing() override;
    int LargeToolbarBottom() const override;

private:
    TableParts* m_table = nullptr;
    TfrmMain* m_main = nullptr;
};

// The player's dialogs of the main window: the game chooser, the options, About, the
// newsletter and the advice box.
class PlayerDialogs : public IDialogs {
public:
    void Attach(engine::Game& game, TableParts& table) override;
    std::unique_ptr<IGameChooser> CreateGameChooser(TfrmMain& main) override;
    void OpenOptionsDialog(TfrmMain& main) override;
    void ShowAbout(TfrmMain& main) override;
    bool ShowNewsletter(TfrmMain& main, bool hideDontAsk) override;
    bool ShowAdvice(const std::string& text, int page) override;

private:
    // None before Attach.
    std::optional<DialogContext> Context(TfrmMain* main);

    engine::Game* m_game = nullptr;
    TableParts* m_table = nullptr;
    MainWindowHost m_host;
};

}  // namespace shell
