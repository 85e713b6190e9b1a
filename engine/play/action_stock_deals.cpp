#include "engine/play/action_stock_deals.h"

#include <optional>
#include <string>

#include "engine/play/action_support.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/play/end_game.h"
#include "engine/play/stock_press.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"

namespace engine {

namespace {

constexpr std::string_view kAddTableau = "Add_Tableau";
constexpr std::string_view kAddReserve = "Add_Reserve";
constexpr std::string_view kAddTableaus = "Add_Tableaus";
constexpr std::string_view kAddReserves = "Add_Reserves";
constexpr std::string_view kFillTableaus = "Fill_Tableaus";
constexpr std::string_view kAddTableausLast = "Add_Tableaus_Last";
constexpr std::string_view kAddOneTableau = "Add_Tableau_";  // + two digits
constexpr std::string_view kAddOneReserve = "Add_Reserve_";  // + one digit
constexpr std::size_t kPileDigitsPosition = 13;              // 1-based

// Deal modes: 1 to 8 deal one card; 5 leaves a reserve card face down, 6 a tableau card
// dealt by "Add_Tableaus"; 7 deals only onto a tableau pile that holds cards.
constexpr int kFirstDealMode = 1;
constexpr int kLastDealMode = 8;
constexpr int kFaceDownReserveMode = 5;
constexpr int kFaceDownTableauMode = 6;
constexpr int kOnlyOntoCardsMode = 7;
// Fan mode 8 keeps a blank in tableau pile 0 for every card dealt.
constexpr int kBlankPerDealFanMode = 8;

constexpr PileRef kStockRef{PileListId::kMazzo, kStockLine};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The first and last pile numbers (from 1) an action deals to.
struct PileRange {
    int first = 1;
    int last = 0;
};

std::optional<PileRange> RangeOf(const Game& game, std::string_view action) {
    if (action == kAddTableaus || action == kFillTableaus || action == kAddTableausLast) {
        return PileRange{1, action::TableauCount(game)};
    }
    if (action == kAddReserves) return PileRange{1, action::ReserveCount(game)};
    const bool one = StartsWith(action, kAddOneTableau) || StartsWith(action, kAddOneReserve);
    const std::optional<int> number = one ? action::PileNumberAt(action, kPileDigitsPosition) : std::nullopt;
    const int lines = PileLineCount(StartsWith(action, kAddTableau) ? PileListId::kFila : PileListId::kAppogg);
    if (!number.has_value() || *number > lines) return std::nullopt;
    return PileRange{*number, *number};
}

int ModeOf(const Game& game, std::string_view action, int pile) {
    if (action == kAddTableausLast) return kFirstDealMode;
    if (action == kFillTableaus) return game.board.piles.Pile(PileListId::kFila, pile - 1).empty() ? 1 : 0;
    if (StartsWith(action, kAddTableau)) return game.gameDef.At(words::kStockToTableauMode, pile - 1);
    return game.gameDef.At(words::kStockToReserveMode, pile - 1);
}

// Reserve decks of StockToReserveMode 5 stop once the passes are used up.
bool ReservePassesUsedUp(const Game& game) {
    return game.gameDef.At(words::kStockToReserveMode, 0) == kFaceDownReserveMode && !PassesLeft(game);
}

// The stock's top card goes face up onto the pile, sliding there, with "Shuffle".
void DealTopCardTo(Game& game, const PileRef& pile, bool faceDown) {
    const int card = action::TakeStockTop(game);
    game.board.piles.AddCardToPile(pile.list, pile.line, card, action::kFaceUpText);
    if (faceDown) game.Cards().SetCardFaceFlag(card, kFaceDown);
    action::Slide(game, faceDown ? action::kBackImage : card, action::StockPlace(game, kStockLine),
                  action::CardPlace(game, pile, 0, false), false);
    action::DrawPlace(game, kStockRef);
    action::PlaySound(game, "Shuffle", fields::kSoundsShuffle);
}

}  // namespace

bool IsStockToPilesAction(std::string_view action) {
    return StartsWith(action, kAddTableau) || StartsWith(action, kAddReserve) || action == kFillTableaus ||
           action == kAddTableausLast;
}

bool DealStockToPiles(ActionRun& run) {
    Game& game = run.game;
    const std::optional<PileRange> range = RangeOf(game, run.action);
    if (!range.has_value()) return false;
    if (action::StockLine(game).empty()) return true;
    if (run.action != kFillTableaus) action::PushSnapshot(run);

    const bool reserves = StartsWith(run.action, kAddReserve);
    const bool dealsNothing = reserves && ReservePassesUsedUp(game);
    for (int i = range->first; i <= range->last && !dealsNothing; ++i) {
        const int mode = ModeOf(game, run.action, i);
        if (mode < kFirstDealMode || mode > kLastDealMode) continue;
        if (action::StockLine(game).empty()) break;
        if (mode == kOnlyOntoCardsMode && game.board.piles.Pile(PileListId::kFila, i - 1).empty()) continue;
        if (game.gameDef[words::kTableauFanMode] == kBlankPerDealFanMode) {
            game.board.piles.AddCardToPile(PileListId::kFila, 0, kNoCard, {});
        }
        const PileRef pile{reserves ? PileListId::kAppogg : PileListId::kFila, i - 1};
        const bool faceDown = (reserves && mode == kFaceDownReserveMode) ||
                              (run.action == kAddTableaus && mode == kFaceDownTableauMode);
        DealTopCardTo(game, pile, faceDown);
    }
    action::SetWonFlag(game);
    run.moved = true;
    return true;
}

void FillEmptyTableausFromStock(ActionRun& run) {
    Game& game = run.game;
    const int count = action::TableauCount(game);
    for (int i = 0; i < count && !action::StockLine(game).empty(); ++i) {
        if (game.board.piles.Pile(PileListId::kFila, i).empty()) {
            DealTopCardTo(game, PileRef{PileListId::kFila, i}, false);
        }
        RefreshClock(game);
    }
    run.moved = true;
}

void CloseTableauGaps(ActionRun& run) {
    Game& game = run.game;
    PileStore& piles = game.board.piles;
    const int count = action::TableauCount(game);
    const bool stockEmpty = action::StockLine(game).empty();
    bool gap = false;
    bool emptySeen = false;
    for (int i = 0; i < count && !gap; ++i) {
        const bool empty = piles.Pile(PileListId::kFila, i).empty();
        // With nothing left to deal, empty piles at the end are no gap.
        gap = stockEmpty ? (emptySeen && !empty) : empty;
        emptySeen = emptySeen || empty;
    }
    run.moved = true;
    if (!gap) return;

    action::RepaintWholeTable(game);
    piles.SetPile(PileListId::kDest, 0, std::string());
    for (int i = 0; i < count; ++i) {
        if (!piles.Pile(PileListId::kFila, i).empty()) continue;
        int j = i + 1;
        while (j < count && piles.Pile(PileListId::kFila, j).empty()) ++j;
        if (j >= count) break;
        const PileRef from{PileListId::kFila, j};
        const PileRef to{PileListId::kFila, i};
        action::Slide(game, PileTopCard(piles.Pile(from)), action::CardPlace(game, from, 0, false),
                      action::CardPlace(game, to, 0, true), false);
        action::PlaySound(game, "Shuffle", fields::kSoundsTableau);
        piles.SetPile(to, piles.Pile(from));
        piles.SetPile(from, std::string());
        action::DrawPlace(game, from);
    }
    for (int i = 0; i < count && !action::StockLine(game).empty(); ++i) {
        if (piles.Pile(PileListId::kFila, i).empty()) DealTopCardTo(game, PileRef{PileListId::kFila, i}, false);
        RefreshClock(game);
    }
}

}  // namespace engine
