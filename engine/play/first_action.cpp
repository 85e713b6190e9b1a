#include "engine/play/first_action.h"

#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/model/pile_names.h"
#include "engine/model/board_measures.h"

namespace engine {

namespace {

constexpr int kRuleOn = 1;
// TMainGame.ActionCount counts the game's actions no further than this.
constexpr int kMaxActionCount = 2;
constexpr std::string_view kFillTableaus = "Fill_Tableaus";

}  // namespace

bool RestrictToFoundations(Game& game, int card, std::optional<std::string_view> pile, MoveKinds& kinds) {
    if (game.gameDef[words::kFoundationsOnlyMoves] != kRuleOn || game.mainGame.ActionCount != 0) return true;
    const int place = game.Piles().LocateCard(card, TableauCountOf(game.gameDef), ReserveCountOf(game.gameDef));
    // LocateCard numbers the tableau piles from 1; everything else is 0 or negative.
    if (place < 1) return false;
    if (pile.has_value() && !pile->starts_with(kDestPrefix)) return false;
    for (int& kind : kinds) {
        if (kind != pile_kind::kFoundation) kind = pile_kind::kNoTarget;
    }
    return true;
}

void RunFillTableaus(Game& game) {
    if (game.gameDef[words::kOneTimeFill] != kRuleOn || game.mainGame.ActionCount != 1) return;
    if (game.mainGame.ActionCount < kMaxActionCount) ++game.mainGame.ActionCount;
    ExecuteAction(game, kNoCard, kFillTableaus);
}

}  // namespace engine
