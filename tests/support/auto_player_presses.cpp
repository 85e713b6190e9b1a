#include "tests/support/auto_player_presses.h"

#include <string>
#include <string_view>

#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/play/pairing.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_checker.h"
#include "engine/play/stock_highlight.h"
#include "platform/core/messages.h"

namespace test_support {

namespace {

namespace words = engine::words;
using engine::Game;
using engine::PileListId;

// Game kinds whose presses do something other than lift a card.
constexpr int kGolfKind = 2;         // a fitting top card is played at once; King and Ace refused
constexpr int kEddyKind = 12;        // as 2, King and Ace meet
constexpr int kGolfRoundKind = 15;   // as 2, King and Ace accepted
constexpr int kPairTotal = 13;

// StockToTableauMode and StockToReserveMode codes a press on the stock reads.
constexpr int kDealEveryPress = 1;
constexpr int kDealWhenNoGaps = 2;
constexpr int kThenReserves = 5;
// Redeals 6: a press on the stock redeals whatever it holds.
constexpr int kRedealAtEveryPress = 6;
constexpr int kStockDealCard = 7;  // the card argument the stock's deal actions are given
constexpr std::string_view kGapsMessage = "Fill in any gaps in the tableau before dealing.";
constexpr std::string_view kRedealAction = "Mazzo_Redeal";
constexpr std::string_view kDealToTableausAction = "Add_Tableaus";
constexpr std::string_view kDealToReservesAction = "Add_Reserves";
constexpr std::string_view kToDiscardAction = "Waste";

const std::string& Line(const Game& game, PileListId list, int line) { return game.board.piles.Pile(list, line); }

int Word(const Game& game, int number) { return game.gameDef[number]; }
int TableauCount(const Game& game) { return Word(game, words::kTableauCount); }
int ReserveCount(const Game& game) { return Word(game, words::kReserveCount); }
int Kind(const Game& game) { return Word(game, words::kGameKind); }

bool FaceUp(const Game& game, int card) { return card > 0 && !game.board.cards.IsFaceDown(card); }

// --- Pairing presses (game kind 4) --------------------------------------------------------

int StockTop(const Game& game) { return engine::PileTopCard(Line(game, PileListId::kMazzo, engine::kStockLine)); }
int WasteTop(const Game& game) { return engine::PileTopCard(Line(game, PileListId::kMazzo, engine::kWasteLine)); }
int DiscardTop(const Game& game) {
    return engine::PileTopCard(Line(game, PileListId::kMazzo, engine::kThirdStockLine));
}

// The cards a press selects: the uncovered cards of the rows, and the waste's top.
std::vector<int> Selectable(Game& game) {
    std::vector<int> cards;
    for (int t = 0; t < TableauCount(game); ++t) {
        const std::string& row = Line(game, PileListId::kFila, t);
        for (int i = 0; i < engine::PileCardCount(row); ++i) {
            const int card = engine::PileCardAt(row, i);
            if (card > 0 && engine::IsCardUncovered(game, card)) cards.push_back(card);
        }
    }
    if (Word(game, words::kWasteFaceDown) == 0 && WasteTop(game) > 0) cards.push_back(WasteTop(game));
    return cards;
}

}  // namespace

void AddPairSelections(Game& game, bool alonesOnly, std::vector<PlayerAction>& actions) {
    const std::vector<int> cards = Selectable(game);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int rank = engine::CardRank(cards[i]);
        if (rank == kPairTotal) {
            actions.push_back({ActionKind::kSelect, cards[i], 0, {}, false});
            continue;
        }
        if (alonesOnly) continue;
        for (std::size_t j = i + 1; j < cards.size(); ++j) {
            if (rank + engine::CardRank(cards[j]) == kPairTotal) {
                actions.push_back({ActionKind::kSelect, cards[i], cards[j], {}, false});
            }
        }
        // With a card selected, a press on the stock selects the stock's top card.
        const int stockTop = StockTop(game);
        if (stockTop > 0 && rank + engine::CardRank(stockTop) == kPairTotal) {
            actions.push_back({ActionKind::kSelect, cards[i], stockTop, {}, false});
        }
    }
}

// --- Plays onto the discard pile (game kinds 2, 12 and 15) ---------------------------------

namespace {

// The press test of these kinds: the card and the discard's top card one rank apart (the
// click-to-pair question of the rule checker, asked both ways); King and Ace meet in kinds
// 12 and 15 and are refused in kind 2.
bool FitsDiscard(const Game& game, int card, int pile) {
    const int top = DiscardTop(game);
    if (top <= 0) return false;
    const bool kingAndAce = (engine::CardRank(card) == engine::kKing && engine::CardRank(top) == engine::kAce) ||
                            (engine::CardRank(card) == engine::kAce && engine::CardRank(top) == engine::kKing);
    if (kingAndAce) return Kind(game) != kGolfKind;
    const engine::RuleContext rules = game.Rules();
    constexpr int kAnyBase = -1;
    constexpr int kNoStart = -1;
    constexpr int kUp = 1;
    constexpr int kAnySuitRule = 2;
    const auto fits = [&](int lower, int upper) {
        return engine::CanPlaceCard(rules, lower, upper, kAnyBase, kNoStart, kUp, kAnySuitRule, false, false, pile,
                                    false);
    };
    return fits(top, card) || fits(card, top);
}

}  // namespace

void AddDiscardPlays(const Game& game, std::vector<PlayerAction>& actions) {
    for (int t = 0; t < TableauCount(game); ++t) {
        if (!PileMayBeLifted(game, t)) continue;
        const int top = engine::PileTopCard(Line(game, PileListId::kFila, t));
        if (FaceUp(game, top) && FitsDiscard(game, top, t)) actions.push_back({ActionKind::kDiscard, top, 0, {}, false});
    }
}

// --- The stock ------------------------------------------------------------------------------

namespace {

int TableauMode(const Game& game) {
    const int first = game.gameDef.At(words::kStockToTableauMode, 0);
    const int last = game.gameDef.At(words::kStockToTableauMode, TableauCount(game) - 1);
    return first == kDealEveryPress || last == kDealEveryPress ? kDealEveryPress
           : first == kDealWhenNoGaps || last == kDealWhenNoGaps ? kDealWhenNoGaps
                                                                 : 0;
}

int ReserveMode(const Game& game) {
    const int first = game.gameDef.At(words::kStockToReserveMode, 0);
    const int last = game.gameDef.At(words::kStockToReserveMode, ReserveCount(game) - 1);
    return first == kDealEveryPress || last == kDealEveryPress ? kDealEveryPress : 0;
}

bool AnyTableauGap(const Game& game) {
    for (int t = 0; t < TableauCount(game); ++t) {
        if (Line(game, PileListId::kFila, t).empty()) return true;
    }
    return false;
}

bool PassesLeft(const Game& game) {
    return game.gameDef.IsNoLimit(words::kPassLimit) || game.mainGame.RedealCount < Word(game, words::kPassLimit);
}

}  // namespace

bool StockPressMoves(const Game& game) {
    const bool stockEmpty = Line(game, PileListId::kMazzo, engine::kStockLine).empty();
    const int wasteCards = engine::PileCardCount(Line(game, PileListId::kMazzo, engine::kWasteLine));
    const int redeals = Word(game, words::kRedeals);
    if (Word(game, words::kStockToWaste) == 1) {
        if (Word(game, words::kStockClickVariant) == 1 && wasteCards > 0) return false;
        if (!stockEmpty) return Word(game, words::kCardsPerStockPress) > 0;
        return wasteCards >= 2 && PassesLeft(game);
    }
    if ((redeals > 0 && stockEmpty) || redeals == kRedealAtEveryPress) return wasteCards > 0 && PassesLeft(game);
    if (stockEmpty) return false;
    const int tableauMode = TableauMode(game);
    if (tableauMode == kDealEveryPress) return true;
    if (tableauMode == kDealWhenNoGaps) return !AnyTableauGap(game);
    if (ReserveMode(game) == kDealEveryPress) return true;
    return Word(game, words::kThirdPileStyle) != 0 && Word(game, words::kCardsPerStockPress) > 0;
}

void PressStock(Game& game) {
    const int top = StockTop(game);
    const bool stockEmpty = top == 0;
    const int redeals = Word(game, words::kRedeals);
    if (Word(game, words::kStockToWaste) == 1) {
        const int variant = Word(game, words::kStockClickVariant);
        if (variant == 0 || (variant == 1 && WasteTop(game) == 0)) engine::ExecuteAction(game, top, engine::kWasteName);
    } else if ((redeals > 0 && stockEmpty) || redeals == kRedealAtEveryPress) {
        engine::ExecuteAction(game, top, kRedealAction);
    } else if (TableauMode(game) == kDealEveryPress) {
        engine::ExecuteAction(game, kStockDealCard, kDealToTableausAction);
        if (game.gameDef.At(words::kStockToReserveMode, 0) == kThenReserves) {
            engine::ExecuteAction(game, kStockDealCard, kDealToReservesAction);
            game.undo.DeleteUndoSteps(true, 1);
        }
    } else if (TableauMode(game) == kDealWhenNoGaps) {
        if (!AnyTableauGap(game)) {
            engine::ExecuteAction(game, kStockDealCard, kDealToTableausAction);
        } else if (game.services.messages != nullptr) {
            game.services.messages->ShowInfo(std::string(kGapsMessage));
        }
    } else if (ReserveMode(game) == kDealEveryPress) {
        engine::ExecuteAction(game, kStockDealCard, kDealToReservesAction);
    } else if (Word(game, words::kThirdPileStyle) != 0) {
        engine::ExecuteAction(game, top, engine::kThirdStockName);
    }
    if (game.mainGame.StockHighlightShown == 1) {
        engine::StatusContext status = game.Status();
        engine::HideStockHighlight(status);
        engine::ExecuteAction(game, 0, engine::kWasteName);
        game.mainGame.StockHighlightShown = 0;
    }
}


void PressToSelect(Game& game, const PlayerAction& action) {
    const auto press = [&game](int card) { engine::SelectPairingCard(game, card, engine::TableRect{}); };
    press(action.card);
    if (action.second != 0) press(action.second);
    while (engine::PileCardCount(Line(game, PileListId::kDest, engine::kSelectionLine)) > 0) {
        press(engine::PileTopCard(Line(game, PileListId::kDest, engine::kSelectionLine)));
    }
}

void PressToDiscard(Game& game, int card) { engine::ExecuteAction(game, card, kToDiscardAction); }

bool IsPairingGame(const Game& game) { return Kind(game) == engine::pairing_kind::kPairsOf13; }

bool IsDiscardGame(const Game& game) {
    const int kind = Kind(game);
    return kind == kGolfKind || kind == kEddyKind || kind == kGolfRoundKind;
}

bool PileMayBeLifted(const Game& game, int index) {
    const int start = Word(game, words::kOpenRowStart);
    return start <= 0 || index + 1 >= start * Word(game, words::kOpenRowStartFactor);
}

}  // namespace test_support
