#include "tests/support/auto_player_random_play.h"

#include <vector>

#include "engine/state/game.h"
#include "engine/session/new_game.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/shell_port.h"
#include "tests/support/auto_player_moves.h"

namespace test_support {

namespace {

// One deal of the plan; false when a check stopped the play.
bool PlayDeal(engine::Game& game, const RandomPlayPlan& plan, std::mt19937& random, const RandomPlayCheck& check,
              RandomPlayCount& count) {
    for (int a = 0; a < plan.actionsPerDeal; ++a) {
        if (game.registers.GetFlag(engine::flag::kGameInProgress) == 0) return true;
        const int roll = static_cast<int>(random() % kRollSides);
        std::string what;
        ++count.actions;
        if (roll < plan.undoRolls) {
            what = "undo";
            if (game.undo.UndoLastStep()) ++count.undos;
        } else if (roll < plan.undoRolls + plan.redoRolls) {
            what = "redo";
            if (game.undo.RedoLastStep()) ++count.redos;
        } else {
            const std::vector<PlayerAction> actions = LegalActions(game);
            if (actions.empty()) return true;
            const PlayerAction& action = actions[random() % actions.size()];
            what = ActionText(action);
            if (PerformAction(game, action)) ++count.moves;
            if (game.registers.GetFlag(engine::flag::kGameWon) != 0) {
                ++count.wins;
                engine::EndGame(game);
            } else if (game.registers.GetFlag(engine::flag::kGameInProgress) == 0) {
                ++count.wins;  // a pair's removal ended a won game itself
            }
        }
        if (!check(what, game)) return false;
    }
    return true;
}

}  // namespace

bool RandomPlay(engine::Game& game, const RandomPlayPlan& plan, std::mt19937& random, const RandomPlayCheck& check,
                RandomPlayCount& count) {
    for (int deal = 0; deal < plan.deals; ++deal) {
        if (game.services.shellPort != nullptr) {
            game.services.shellPort->SetCommandDown(engine::ShellCommand::kAutoPlay, deal % 2 == 1);
        }
        engine::NewGameNumber(game);
        engine::StartNewGame(game, 0);
        const std::string number = game.settings.GetField(engine::fields::kGameNumber.position,
                                                          engine::fields::kGameNumber.width);
        if (!check("deal " + number, game)) return false;
        if (!PlayDeal(game, plan, random, check, count)) return false;
    }
    return true;
}

}  // namespace test_support
