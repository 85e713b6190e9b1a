#include "engine/play/row_games.h"

#include <optional>
#include <string>

#include "engine/play/action_executor.h"
#include "engine/play/action_support.h"
#include "engine/model/board_measures.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/rules/rule_companions.h"

namespace engine {

namespace {

// The first pile of the index's group of seven; nothing above the last group.
std::optional<int> GroupStart(int index) {
    if (index < 0 || index > kLastGroupedPile) return std::nullopt;
    return index / kPileGroupSize * kPileGroupSize;
}

// Every card of tableau pile a goes onto pile b, bottom card first, each sliding across.
void MoveTableauPileAnimated(Game& game, int a, int b) {
    PileStore& piles = game.board.piles;
    const action::Place from = action::TableauPlace(game, a);
    const action::Place to = action::TableauPlace(game, b);
    ITableView* view = action::View(game);
    while (!piles.Pile(PileListId::kFila, a).empty()) {
        std::string source = piles.Pile(PileListId::kFila, a);
        const int card = PileCardAt(source, 0);
        piles.SetPile(PileListId::kFila, b, piles.Pile(PileListId::kFila, b) + source.substr(0, kCardCodeWidth));
        source.erase(0, kCardCodeWidth);
        piles.SetPile(PileListId::kFila, a, source);
        if (view == nullptr) continue;
        if (source.empty()) view->DrawEmptyPileMarker(action::kTableauMark, from.x, from.y, TableSurface::kBuffer, a);
        action::Slide(game, game.Cards().IsFaceDown(card) ? action::kBackImage : card, from, to, false);
        action::PlaySound(game, "Shuffle", fields::kSoundsTableau);
        view->RestoreCornersInRect(TableRect{to.x, to.y, to.x + view->CardWidth(), to.y + view->CardHeight()});
    }
}

}  // namespace

bool MoveTableauToWaste(Game& game, int sourcePlace, int targetIndex) {
    int jumped = -1;
    if (!FindRowNeighbour(game.Rules(), sourcePlace, targetIndex, jumped)) return false;
    const PileRef pile{PileListId::kFila, jumped};
    const std::string& line = game.board.piles.Pile(pile);
    if (line.empty()) return true;
    const int card = PileCardAt(line, 0);
    if (ITableView* view = action::View(game)) {
        view->RedrawPileWithoutCard(card, true);
        action::Slide(game, card, action::CardPlace(game, pile, 0, false), action::StockPlace(game, kThirdStockLine),
                      false);
    }
    // The jumped card's own step goes again: the jump and its removal are one move. Only a
    // step the action pushed may go, never the jump's.
    if (ExecuteAction(game, card, "Waste")) game.undo.DeleteUndoSteps(true, 1);
    return true;
}

bool OnlyPileLeftInGroup(const Game& game, int index) {
    const std::optional<int> first = GroupStart(index);
    if (!first.has_value()) return false;
    int holding = 0;
    for (int p = *first; p < *first + kPileGroupSize; ++p) {
        if (!game.board.piles.Pile(PileListId::kFila, p).empty()) ++holding;
    }
    return holding == 1;
}

void CompactPileGroup(Game& game, int index) {
    const std::optional<int> first = GroupStart(index);
    if (!first.has_value()) return;
    const int end = *first + kPileGroupSize;
    const PileStore& piles = game.board.piles;
    auto holds = [&piles](int p) { return !piles.Pile(PileListId::kFila, p).empty(); };
    int p = *first;
    while (p < end) {
        if (holds(p)) {
            ++p;
            continue;
        }
        int q = p + 1;
        while (q < end && !holds(q)) ++q;
        if (q >= end) return;
        MoveTableauPileAnimated(game, q, p);
        p = *first;
    }
}

bool TopRanksComplete(const Game& game) {
    return TopRanksComplete(game.board.piles, game.gameDef);
}

int CheckTableauSequences(const Game& game) {
    return CheckTableauSequences(game.board.piles, game.gameDef);
}

}  // namespace engine
