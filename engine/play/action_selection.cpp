#include "engine/play/action_selection.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/play/action_support.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/play/end_game.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/play/row_games.h"
#include "engine/rules/score_display.h"
#include "engine/play/tableau_fill.h"

namespace engine {

namespace {

constexpr std::uint32_t kBeforeRemovalMs = 150;
constexpr int kBlankingFanMode = 4;
constexpr int kGroupedFanMode = 8;
constexpr PileRef kSelectionRef{PileListId::kDest, 0};
constexpr PileRef kDiscardRef{PileListId::kMazzo, kThirdStockLine};

const std::string& Selection(const Game& game) {
    return game.board.piles.Pile(kSelectionRef);
}

int TakeFirstSelected(Game& game) {
    std::string selection = Selection(game);
    const int card = PileCardAt(selection, 0);
    selection.erase(0, kCardCodeWidth);
    game.board.piles.SetPile(kSelectionRef, std::move(selection));
    return card;
}

// The card lands face up on the discard line, sliding there from where it lay.
void Discard(Game& game, int card, const action::Place& from) {
    game.board.piles.AddCardToPile(kDiscardRef.list, kDiscardRef.line, card, action::kFaceUpText);
    action::Slide(game, card, from, action::StockPlace(game, kThirdStockLine), false);
    RefreshClock(game);
}

// Takes a card off every pile but the discard line, where it already lies again.
void RemoveFromItsPile(Game& game, int card) {
    PileStore& piles = game.board.piles;
    const int place = piles.LocateCard(card, action::TableauCount(game), action::ReserveCount(game));
    const CardPlace where = DecodePlace(place);
    switch (where.source) {
        case CardSource::kStock: piles.FindCardInPile(PileListId::kMazzo, kStockLine, card, FindMode::kDelete); break;
        case CardSource::kWaste: piles.FindCardInPile(PileListId::kMazzo, kWasteLine, card, FindMode::kDelete); break;
        case CardSource::kFoundation: piles.FindCardInPile(PileListId::kDest, where.index, card, FindMode::kDelete); break;
        case CardSource::kTableau: piles.FindCardInPile(PileListId::kFila, where.index, card, FindMode::kDelete); break;
        case CardSource::kReserve: piles.FindCardInPile(PileListId::kAppogg, where.index, card, FindMode::kDelete); break;
        case CardSource::kNowhere: break;
    }
}

// Fan mode 8: the cards stayed in tableau pile 0 until now; each goes with its blank.
void RemoveGroupedCards(ActionRun& run, const std::vector<int>& cards) {
    Game& game = run.game;
    for (const int card : cards) {
        if (game.board.piles.FindCardInPile(PileListId::kFila, 0, card, FindMode::kDeleteWithBlankBelow)) {
            run.leftTableau = true;
            continue;
        }
        // Left where it lies, the card would be on the table and on the discard line at once.
        RemoveFromItsPile(game, card);
    }
}

void RemoveInSelectionOrder(ActionRun& run) {
    Game& game = run.game;
    const int fanMode = game.gameDef[words::kTableauFanMode];
    const int pileZeroTop = PileTopCard(game.board.piles.Pile(PileListId::kFila, 0));
    const bool heldPileZeroTop = pileZeroTop >= kFirstCard && FindPileCard(Selection(game), pileZeroTop) >= 0;
    std::vector<int> grouped;
    while (PileCardCount(Selection(game)) > 0) {
        const int card = TakeFirstSelected(game);
        // A code that names no card on the table has nothing to discard.
        if (!action::IsOnBoard(game, card)) continue;
        const action::Place from = action::PlaceOfCard(game, card);
        if (fanMode == kGroupedFanMode) {
            grouped.push_back(card);
        } else {
            if (ITableView* view = action::View(game)) view->RedrawPileWithoutCard(card, true);
            const int place = game.board.piles.LocateCard(card, action::TableauCount(game), action::ReserveCount(game));
            const bool inStockRow = place == kLocatedInStock || place == kLocatedInWaste;
            if (fanMode == kBlankingFanMode && !inStockRow) {
                action::BlankCard(run, card);
            } else {
                action::TakeCard(run, card);
            }
        }
        Discard(game, card, from);
    }
    if (fanMode == kGroupedFanMode) {
        RemoveGroupedCards(run, grouped);
        if (!heldPileZeroTop) action::RepaintWholeTable(game);
    }
}

// The group of seven tableau piles that holds the card; -1 for none.
int GroupPileOf(const Game& game, int card) {
    const int place = game.board.piles.LocateCard(card, action::TableauCount(game), action::ReserveCount(game));
    if (place < 1 || place - 1 > kLastGroupedPile) return -1;
    return place - 1;
}

int GroupStart(int pile) {
    return pile / kPileGroupSize * kPileGroupSize;
}

// The one pile of the group that still holds cards.
int OnlyPileInGroup(const Game& game, int group) {
    for (int p = group; p < group + kPileGroupSize; ++p) {
        if (!game.board.piles.Pile(PileListId::kFila, p).empty()) return p;
    }
    return -1;
}

void RemoveThroughGroup(ActionRun& run) {
    Game& game = run.game;
    std::vector<int> queue;
    const std::string selection = Selection(game);
    for (int i = 0; i < PileCardCount(selection); ++i) queue.push_back(PileCardAt(selection, i));
    // The selected cards lie in foundation line 0 too: only off it do they show their piles.
    game.board.piles.SetPile(kSelectionRef, std::string());
    if (queue.size() >= 2 && GroupPileOf(game, queue[1]) > GroupPileOf(game, queue[0])) std::swap(queue[0], queue[1]);
    const int firstPile = queue.empty() ? -1 : GroupPileOf(game, queue[0]);
    if (firstPile < 0) {
        game.board.piles.SetPile(kSelectionRef, selection);
        RemoveInSelectionOrder(run);
        return;
    }
    const int group = GroupStart(firstPile);

    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int card = queue[next];
        const int pile = GroupPileOf(game, card);
        if (pile < 0 || GroupStart(pile) != group) continue;
        const action::Place from = action::PlaceOfCard(game, card);
        if (ITableView* view = action::View(game)) view->RedrawPileWithoutCard(card, true);
        action::TakeCard(run, card);
        Discard(game, card, from);
        if (!game.board.piles.Pile(PileListId::kFila, pile).empty() || !OnlyPileLeftInGroup(game, pile)) continue;
        const int last = OnlyPileInGroup(game, group);
        queue.push_back(PileTopCard(game.board.piles.Pile(PileListId::kFila, last)));
    }
    for (int p = group; p < group + kPileGroupSize; ++p) {
        if (ITableView* view = action::View(game)) {
            view->RedrawPile(PileName(PileRef{PileListId::kFila, p}, PileNumberForm::kNoLeadingZero), 0, 0,
                             TableSurface::kBuffer, false);
        }
    }
    CompactPileGroup(game, group);
    StatusContext status = game.Status();
    ComputeScore(status);
}

}  // namespace

void RemoveSelectedCards(ActionRun& run) {
    Game& game = run.game;
    action::PlaySound(game, "Pairing", fields::kSoundsPairing);
    action::PushSnapshot(run);
    action::Wait(game, kBeforeRemovalMs);

    if (action::GameKind(game) == action::kind::kGroupsOfSeven) {
        RemoveThroughGroup(run);
    } else {
        RemoveInSelectionOrder(run);
    }
    if (action::GameKind(game) == action::kind::kFillAfterSelection) AutoFillTableau(game);
    action::SetWonFlag(game);
    run.moved = true;
}

}  // namespace engine
