#include "engine/deal/deal.h"

#include "engine/model/card_table.h"
#include "engine/deal/deal_filters.h"
#include "engine/deal/deal_order.h"
#include "engine/deal/deal_to_pile.h"
#include "engine/deal/foundation_play.h"
#include "engine/deal/foundation_start.h"
#include "engine/model/settings_block.h"
#include "engine/deal/special_deals.h"

namespace engine {

namespace {

// Turns the top cards of a pile face up: n top cards, or one of the patterns -1 .. -3.
void TurnFaceUp(PileStore& piles, PileListId list, int line, int mode) {
    piles.Cards().SetPileFaceFlags(piles.Pile(list, line), mode, kFaceUp);
}

// Deals the tableau piles, each followed by its face-up mode: before the stock those with
// a rank or joker code (above 1000), after it those with a plain count.
void DealTableau(DealContext& deal, DealList& list, bool beforeStock) {
    for (int i = 0; i < deal.TableauCount(); ++i) {
        const int count = deal.game.At(words::kTableauDealA, i);
        const bool coded = count > deal_code::kLargestCount;
        const bool counted = count >= 1 && !coded;
        if (beforeStock ? !coded : !counted) continue;
        DealToPile(count, list, deal.piles, PileListId::kFila, i);
        TurnFaceUp(deal.piles, PileListId::kFila, i, deal.game.At(words::kTableauDealB, i));
    }
}

// A stock-row pile gets its count of cards, the top ones of them face up when asked.
void DealStockRowPile(DealContext& deal, DealList& list, int line, int count, bool faceUp) {
    DealToPile(count, list, deal.piles, PileListId::kMazzo, line);
    if (faceUp && count > 0) TurnFaceUp(deal.piles, PileListId::kMazzo, line, count);
}

void DealReserves(DealContext& deal, DealList& list) {
    for (int i = 0; i < deal.ReserveCount(); ++i) {
        const int count = deal.game.At(words::kReserveDealA, i);
        if (count <= 0) continue;
        DealToPile(count, list, deal.piles, PileListId::kAppogg, i);
        TurnFaceUp(deal.piles, PileListId::kAppogg, i, deal.game.At(words::kReserveDealB, i));
    }
}

void PlayOffToFoundations(DealContext& deal) {
    const int startCode = deal.game.At(words::kFoundationStartCode, 0);
    if (startCode == start_code::kAceOfSuit || startCode == start_code::kAceOfSuitOwnPile ||
        startCode == start_code::kKingsThenAces) {
        PlayDealtCardsToFoundations(deal);
    } else if (startCode == start_code::kAcesRefilledFromStock) {
        PlayAcesRefilledFromStock(deal);
    }
}

}  // namespace

bool DealCards(DealContext& deal) {
    DealList list;
    const std::string gameNumber = deal.settings.GetField(fields::kGameNumber.position, fields::kGameNumber.width);
    if (!fnGameNumberCardsArray(list, deal.game, gameNumber, deal.messages)) return false;
    FilterDealList(list, deal.game);

    PlaceFoundationStartCards(deal, list);
    PlaceThirdPileStartCard(deal, list);

    DealTableau(deal, list, true);
    DealStockRowPile(deal, list, kStockLine, deal.game[words::kStockCount], deal.game[words::kStockFaceDown] == 0);
    const int wasteCount = deal.game[words::kWasteCount];
    if (wasteCount > 0) DealStockRowPile(deal, list, kWasteLine, wasteCount, true);
    DealTableau(deal, list, false);
    DealStockRowPile(deal, list, kThirdStockLine, deal.game[words::kThirdPileCount], true);
    DealReserves(deal, list);

    PrefillFoundations(deal, list);
    SetBelowBaseRules(deal);
    PlaceExtraFoundationCard(deal, list);
    PlayReserveAcesAndWaste(deal);
    PlayOffToFoundations(deal);
    SetOutHeartsCourt(deal);
    ApplySpecialDeal(deal, list);

    if (deal.computeScore) deal.computeScore();
    return true;
}

}  // namespace engine
