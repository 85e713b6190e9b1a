#pragma once

#include <memory>
#include <optional>
#include <string>

namespace engine {
class Game;
}

namespace shell {

class TableParts;
class TfrmMain;

// What the game chooser hands back when it closes with OK.
struct GameChoice {
    int gameId = 0;  // the StateIndex of the chosen tree node
    std::string gameName;
    std::string player;  // cboPlayers' item at its index
};

// The game chooser TfrmOpenGame, made once at start-up and shown again and again.
class IGameChooser {
public:
    virtual ~IGameChooser() = default;
    // Shows the chooser modally; the choice when it was closed with OK, its OK flag then
    // cleared again.
    virtual std::optional<GameChoice> ShowModalChoice() = 0;
};

// The player's dialogs that the main window opens. Each is made with the main window as
// owner, shown modally and freed, but the chooser, which lives for the whole run.
class IDialogs {
public:
    virtual ~IDialogs() = default;
    // The game state and the table exist (start-up step 3): the dialogs stand on them
    // from now on, the advice box of the start-up loader included.
    virtual void Attach(engine::Game& /*game*/, TableParts& /*table*/) {}
    // TfrmOpenGame, made through the application's create-form operation (start-up step 10).
    virtual std::unique_ptr<IGameChooser> CreateGameChooser(TfrmMain& main) = 0;
    // OpenOptionsDialog: TfrmCustomize_Freeware.
    virtual void OpenOptionsDialog(TfrmMain& main) = 0;
    // TfrmAbout.
    virtual void ShowAbout(TfrmMain& main) = 0;
    // TfrmNews, its don't-ask box chkNotDisplay hidden when asked; true when that box was
    // ticked as the invitation closed.
    virtual bool ShowNewsletter(TfrmMain& main, bool hideDontAsk) = 0;
    // TfrmMsgAdvice with a text and a picture page; true when its don't-ask box was ticked.
    virtual bool ShowAdvice(const std::string& text, int page) = 0;
};

// No dialogs yet: nothing opens, no game is chosen.
class NoDialogs : public IDialogs {
public:
    std::unique_ptr<IGameChooser> CreateGameChooser(TfrmMain&) override { return nullptr; }
    void OpenOptionsDialog(TfrmMain&) override {}
    void ShowAbout(TfrmMain&) override {}
    bool ShowNewsletter(TfrmMain&, bool) override { return false; }
    bool ShowAdvice(const std::string&, int) override { return false; }
};

}  // namespace shell
