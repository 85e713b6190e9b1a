#include "engine/play/action_stock.h"

#include <cstdint>
#include <string>
#include <vector>

#include "engine/model/game_kinds.h"
#include "engine/play/action_support.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/play/stock_highlight.h"
#include "engine/play/stock_press.h"

namespace engine {

namespace {

constexpr std::string_view kDealToWasteAction = "Mazzo_Vis";
// Redeals: 6 redeals at every press on the stock, cards left in it or not.
constexpr int kRedealAtEveryPress = 6;
constexpr int kFewestWasteCardsToRedeal = 2;
constexpr std::uint32_t kAfterRedealMs = 100;
constexpr std::uint32_t kBeforeDealSlideMs = 10;
// The selection's cards that a redeal may take back (game kind 4).
constexpr int kSelectionCardsChecked = 2;
// Game kind 28 marks a stock deal in the undo log with this code.
constexpr int kStockDealLogCode = 2;

constexpr PileRef kStockRef{PileListId::kMazzo, kStockLine};
constexpr PileRef kWasteRef{PileListId::kMazzo, kWasteLine};
constexpr PileRef kDiscardRef{PileListId::kMazzo, kThirdStockLine};

void ShowHighlight(Game& game) {
    StatusContext status = game.Status();
    ShowStockHighlight(status);
}

// Game kind 4: a selected card that went back into the stock can no longer be paired, and
// the waste's redraw has wiped its highlight, so it leaves the selection. The waste's top
// card, the one a player can select, ends at the stock's bottom, not on its top.
void DropRedealtCardsFromSelection(Game& game) {
    const std::string& stock = action::StockLine(game);
    const std::string& selection = game.board.piles.Pile(PileListId::kDest, 0);
    std::vector<int> redealt;
    for (int i = 0; i < kSelectionCardsChecked && i < PileCardCount(selection); ++i) {
        const int card = PileCardAt(selection, i);
        if (FindPileCard(stock, card) >= 0) redealt.push_back(card);
    }
    for (const int card : redealt) game.board.piles.FindCardInPile(PileListId::kDest, 0, card, FindMode::kDelete);
}

// The waste's cards go back onto the stock from its top down, so the waste's bottom card
// ends on the stock's top. True when a card moved.
bool TurnWasteOver(ActionRun& run) {
    Game& game = run.game;
    if (action::WasteLine(game).empty()) return false;
    const bool animate = action::IsNotNo(game, fields::kRedealAnimation);
    if (animate) {
        game.media.PlaySoundLoop("Redeal", action::IsYes(game, fields::kSoundsRedeal));
    } else {
        game.media.PlaySoundSync("Red_no_a", action::IsYes(game, fields::kSoundsRedealWithoutAnimation));
    }
    const bool stockFaceUp = game.gameDef[words::kStockFaceDown] == 0;
    const action::Place from = action::StockPlace(game, kWasteLine);
    const action::Place to = action::StockPlace(game, kStockLine);
    PileStore& piles = game.board.piles;
    while (true) {
        std::string waste = action::WasteLine(game);
        const int count = PileCardCount(waste);
        if (count == 0) break;
        const int card = PileCardAt(waste, count - 1);
        piles.AddCardToPile(PileListId::kMazzo, kStockLine, card,
                            stockFaceUp ? action::kFaceUpText : action::kFaceDownText);
        waste.resize(static_cast<std::size_t>(count - 1) * kCardCodeWidth);
        piles.SetPile(kWasteRef, std::move(waste));
        if (animate) {
            action::DrawPlace(game, kWasteRef);
            // The card is turned before it travels: it lands as the stock shows it.
            action::Slide(game, stockFaceUp ? card : action::kBackImage, from, to, false);
        }
    }
    action::DrawPlace(game, kWasteRef);
    action::DrawPlace(game, kStockRef);
    if (animate) {
        action::Wait(game, kAfterRedealMs);
        game.media.StopSound();
    }
    if (action::GameKind(game) == game_kind::kPairsOf13) DropRedealtCardsFromSelection(game);
    return true;
}

// The redeal counted by the second press on an empty stock. True when counted.
bool CountRedeal(ActionRun& run) {
    Game& game = run.game;
    const int redeals = game.gameDef[words::kRedeals];
    if (redeals < 1 || !PassesLeft(game)) return false;
    const bool stockEmpty = action::StockLine(game).empty();
    if (!stockEmpty && redeals != kRedealAtEveryPress) return false;
    if (game.mainGame.StockHighlightShown != 1) {
        ShowHighlight(game);
        return false;
    }
    action::PushSnapshot(run);
    ++game.mainGame.RedealCount;
    if (stockEmpty && TurnWasteOver(run)) run.moved = true;
    return true;
}

// The waste turned over by the second click on the empty stock. False when the
// press only shows the mark (and nothing else may happen).
bool RedealWaste(ActionRun& run) {
    Game& game = run.game;
    const bool ready = PileCardCount(action::WasteLine(game)) >= kFewestWasteCardsToRedeal && PassesLeft(game) &&
                       game.mainGame.StockHighlightShown == 1;
    if (!ready) {
        ShowHighlight(game);
        return false;
    }
    // The step records the board and its counters before the pass is counted, so an undo
    // gives the pass back.
    action::PushSnapshot(run);
    ++game.mainGame.RedealCount;
    game.board.piles.SetPile(kStockRef, std::string());
    if (TurnWasteOver(run)) run.moved = true;
    return true;
}

// Up to CardsPerStockPress cards from the stock, each face up.
void DealFromStock(ActionRun& run) {
    Game& game = run.game;
    action::PushSnapshot(run);
    const PileRef target = run.action == kDealToWasteAction ? kWasteRef : kDiscardRef;
    const int cards = game.gameDef[words::kCardsPerStockPress];
    const bool animate = action::IsNotNo(game, fields::kCardsAnimate);
    for (int i = 0; i < cards && !action::StockLine(game).empty(); ++i) {
        const int card = action::TakeStockTop(game);
        game.board.piles.AddCardToPile(target.list, target.line, card, action::kFaceUpText);
        if (animate) {
            action::Wait(game, kBeforeDealSlideMs);
            action::Slide(game, card, action::StockPlace(game, kStockLine), action::StockPlace(game, target.line), true);
        }
        action::DrawPlace(game, kStockRef);
        if (target == kWasteRef) action::DrawPlace(game, target);
        action::PlaySound(game, "Stock", fields::kSoundsStock);
        action::SetWonFlag(game);
        run.moved = true;
    }
    if (action::GameKind(game) == game_kind::kCountsStockDeals) {
        game.registers.SetIntReg(kStockDealCountReg, game.registers.GetIntReg(kStockDealCountReg) + 1);
        game.registers.ReplaceLastLogEntry(kStockDealLogCode);
    }
}

}  // namespace

void RunStockAction(ActionRun& run) {
    Game& game = run.game;
    const bool redealCounted = CountRedeal(run);
    if (game.gameDef[words::kRedeals] <= 0 && run.action == kDealToWasteAction && action::StockLine(game).empty()) {
        if (!RedealWaste(run)) return;
    }
    if (!action::StockLine(game).empty() && !redealCounted) DealFromStock(run);
}

}  // namespace engine
