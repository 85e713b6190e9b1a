#include "engine/play/action_tableau.h"

#include <cstdint>
#include <string>

#include "engine/play/action_single_card.h"
#include "engine/play/action_support.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/play/row_games.h"
#include "engine/rules/score_display.h"

namespace engine {

namespace {

// TableauRuleC of the row games whose moves jump a card over a pile.
constexpr int kJumpRule = 71;
constexpr std::uint32_t kSwapPauseMs = 100;
constexpr int kSwappedPileCards = 2;

// The lifted stack: the card and the cards above it leave their tableau pile or reserve.
bool PlaceStack(ActionRun& run, const PileRef& target, CardList& moved) {
    Game& game = run.game;
    GetCardsAbove(game.board.piles, game.gameDef, moved, run.card);
    if (moved.empty()) {
        // Not on a tableau pile or reserve: only the card itself can go.
        moved = {run.card};
        return PlaceSingleCard(run, target);
    }
    action::PushSnapshot(run);
    game.board.piles.RemoveCardsFromCard(run.card);
    for (const int card : moved) game.board.piles.AddCardToPile(target.list, target.line, card, action::kFaceUpText);
    run.leftTableau = true;
    run.moved = true;
    return true;
}

void DrawMovedCards(Game& game, const PileRef& target, const CardList& moved) {
    ITableView* view = action::View(game);
    if (view == nullptr) return;
    const int count = static_cast<int>(moved.size());
    // A card drawn takes its top corners from what it lies on: on an emptied pile that is
    // the empty mark, where a repaint shows the table under a pile's first card.
    const bool firstOfPile = PileCardCount(game.board.piles.Pile(target)) == count;
    for (int j = 0; j < count; ++j) {
        const action::Place place = action::CardPlace(game, target, count - 1 - j, false);
        const int card = moved[static_cast<std::size_t>(j)];
        view->DrawCardFace(card, place.x, place.y, false, TableSurface::kBuffer, target.line);
        view->DrawCardFace(card, place.x, place.y, false, TableSurface::kWindow, target.line);
        if (j == 0 && firstOfPile)
            view->RestoreCornersInRect(
                {place.x, place.y, place.x + view->CardWidth(), place.y + view->CardHeight()});
    }
}

// Game kind 49: a card put onto a lone card of the wrong rank for its place changes
// places with it; the lower card goes back where the moved card came from.
void SwapWrongCard(ActionRun& run, const PileRef& target, int sourcePlace) {
    Game& game = run.game;
    const std::string& pile = game.board.piles.Pile(target);
    if (PileCardCount(pile) != kSwappedPileCards) return;
    const int lower = PileCardAt(pile, 0);
    if (CardRank(lower) == game.gameDef.At(words::kTableauRuleA, target.line)) return;
    // Only a tableau pile can take the card back.
    if (sourcePlace < 1) return;
    const PileRef source{PileListId::kFila, sourcePlace - 1};
    if (source == target) return;

    action::Wait(game, kSwapPauseMs);
    action::Slide(game, lower, action::CardPlace(game, target, 1, false), action::CardPlace(game, source, 0, true),
                  false);
    const int moved = PileCardAt(pile, 1);
    game.board.piles.SetPile(source, CardCodeText(lower));
    game.board.piles.SetPile(target, CardCodeText(moved));
    action::DrawPlace(game, source);
    action::DrawPlace(game, target);
}

}  // namespace

void MoveCardsToTableau(ActionRun& run, int tableauIndex) {
    Game& game = run.game;
    const PileRef target{PileListId::kFila, tableauIndex};
    const int sourcePlace = game.board.piles.LocateCard(run.card, action::TableauCount(game), action::ReserveCount(game));
    CardList moved;
    if (game.lift.singleCard) {
        if (!PlaceSingleCard(run, target)) return;
        moved = {run.card};
    } else if (!action::IsOnBoard(game, run.card) || !PlaceStack(run, target, moved)) {
        return;
    }
    DrawMovedCards(game, target, moved);
    action::PlaySound(game, "Tableau", fields::kSoundsTableau);

    if (game.gameDef.At(words::kTableauRuleC, tableauIndex) == kJumpRule) {
        MoveTableauToWaste(game, sourcePlace, tableauIndex);
    }
    if (action::GameKind(game) == action::kind::kSwapsPairs) {
        SwapWrongCard(run, target, sourcePlace);
        StatusContext status = game.Status();
        ComputeScore(status);
        action::SetWonFlag(game);
    }
}

}  // namespace engine
