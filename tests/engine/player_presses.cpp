#include "tests/engine/player_presses.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/play/pairing.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_context.h"
#include "engine/ports/table_port.h"

namespace engine::play_test {

namespace {

// The card the table passes with a deal to several piles.
constexpr int kDealCard = 7;
// StockClickVariant: a press deals to the waste only while the waste is empty.
constexpr int kDealOntoEmptyWaste = 1;
constexpr int kRedealAtEveryPress = 6;
// Stock-to-pile modes of the first (or last) pile that choose the press.
constexpr int kDealToEveryPile = 1;
constexpr int kDealOnceNoGaps = 2;
constexpr int kLastEightOrTwoReserveDeals = 3;
constexpr int kAlternateReserves = 4;
constexpr int kReservesFaceDown = 5;
constexpr int kFourEachPile = 8;
constexpr int kStockForLastDeal = 8;
constexpr int kReserveDealsPerPress = 3;
constexpr int kCardsPerPileDeal = 4;

constexpr int kKindPairsOf14 = 3;
constexpr int kKindPairsOf13 = 4;
constexpr int kSumOf14 = 14;
constexpr int kSumOf13 = 13;
constexpr int kKindDiscard = 2;
constexpr int kKindDiscardEddy = 12;
constexpr int kKindDiscardWrap = 15;

const std::string& Line(const Game& game, PileListId list, int line) {
    return game.board.piles.Pile(list, line);
}

int StockCount(const Game& game) {
    return PileCardCount(Line(game, PileListId::kMazzo, kStockLine));
}

int FirstTableauMode(const Game& game) {
    return game.gameDef.At(words::kStockToTableauMode, 0);
}

int LastTableauMode(const Game& game) {
    const int count = board::TableauCount(game.Rules());
    return count > 0 ? game.gameDef.At(words::kStockToTableauMode, count - 1) : 0;
}

int FirstReserveMode(const Game& game) {
    return game.gameDef.At(words::kStockToReserveMode, 0);
}

int LastReserveMode(const Game& game) {
    const int count = board::ReserveCount(game.Rules());
    return count > 0 ? game.gameDef.At(words::kStockToReserveMode, count - 1) : 0;
}

bool EveryTableauPileHoldsACard(const Game& game) {
    for (int t = 0; t < board::TableauCount(game.Rules()); ++t) {
        if (Line(game, PileListId::kFila, t).empty()) return false;
    }
    return true;
}

void Run(Game& game, int card, std::string_view action) {
    ExecuteAction(game, card, action);
}

// Repeats the action while the stock holds cards; how many times it dealt.
int RunWhileStockHolds(Game& game, std::string_view action, int times) {
    int dealt = 0;
    for (int i = 0; i < times && StockCount(game) > 0; ++i, ++dealt) Run(game, kDealCard, action);
    return dealt;
}

void Press(Game& game) {
    const int top = PileTopCard(Line(game, PileListId::kMazzo, kStockLine));
    const GameDefRecord& def = game.gameDef;
    const int kind = def[words::kGameKind];
    if (kind == kKindPairsOf13 && top >= kFirstCard && !Line(game, PileListId::kDest, kSelectionLine).empty()) {
        ClickPairingCard(game, top);
        return;
    }
    if (def[words::kStockToWaste] == 1) {
        if (def[words::kStockClickVariant] == 0 ||
            (def[words::kStockClickVariant] == kDealOntoEmptyWaste && Line(game, PileListId::kMazzo, kWasteLine).empty()))
            Run(game, top, kWasteName);
        return;
    }
    const int redeals = def[words::kRedeals];
    if ((redeals > 0 && top < kFirstCard) || redeals == kRedealAtEveryPress) {
        Run(game, top, "Mazzo_Redeal");
        return;
    }
    if (FirstTableauMode(game) == kDealToEveryPile || LastTableauMode(game) == kDealToEveryPile) {
        Run(game, kDealCard, "Add_Tableaus");
        if (FirstReserveMode(game) == kReservesFaceDown) {
            Run(game, kDealCard, "Add_Reserves");
            game.undo.DeleteUndoSteps(true, 1);
        }
        return;
    }
    if (FirstTableauMode(game) == kDealOnceNoGaps || LastTableauMode(game) == kDealOnceNoGaps) {
        if (EveryTableauPileHoldsACard(game)) Run(game, kDealCard, "Add_Tableaus");
        return;
    }
    if (FirstReserveMode(game) == kDealToEveryPile || LastReserveMode(game) == kDealToEveryPile) {
        Run(game, kDealCard, "Add_Reserves");
        return;
    }
    if (FirstReserveMode(game) == kLastEightOrTwoReserveDeals) {
        if (StockCount(game) == kStockForLastDeal) {
            Run(game, kDealCard, "Add_Tableaus_Last");
        } else {
            Run(game, kDealCard, "Add_Reserves");
            Run(game, kDealCard, "Add_Reserves");
        }
        return;
    }
    if (FirstReserveMode(game) == kAlternateReserves && StockCount(game) > 0) {
        const int presses = game.registers.GetIntReg(kStockDealCountReg) + 1;
        game.registers.SetIntReg(kStockDealCountReg, presses);
        const std::string action = "Add_Reserve_" + std::to_string(presses % 2 == 1 ? 1 : 2);
        const int dealt = RunWhileStockHolds(game, action, kReserveDealsPerPress);
        if (dealt >= 2) game.undo.MergeLastUndoSteps(true, dealt - 1);
        return;
    }
    if (FirstTableauMode(game) == kFourEachPile) {
        int dealt = 0;
        for (int n = 1; n <= board::TableauCount(game.Rules()); ++n) {
            const std::string action = "Add_Tableau_" + std::string(n < 10 ? "0" : "") + std::to_string(n);
            dealt += RunWhileStockHolds(game, action, kCardsPerPileDeal);
        }
        if (dealt >= 2) game.undo.DeleteUndoSteps(true, dealt - 1);
        return;
    }
    if (def[words::kThirdPileStyle] != 0) Run(game, top, kThirdStockName);
}

int RankSum(int a, int b) {
    return CardRank(a) + (b >= kFirstCard ? CardRank(b) : 0);
}

// The tableau cards a click may select: kind 3 the top cards, kind 4 the uncovered cards.
void TableauCandidates(Game& game, std::vector<int>& cards) {
    const int kind = game.gameDef[words::kGameKind];
    for (int t = 0; t < board::TableauCount(game.Rules()); ++t) {
        const std::string& row = Line(game, PileListId::kFila, t);
        for (int i = 0; i < PileCardCount(row); ++i) {
            const int card = PileCardAt(row, i);
            if (card < kFirstCard || game.board.cards.IsFaceDown(card)) continue;
            const bool top = i == PileCardCount(row) - 1;
            if (kind == kKindPairsOf14 ? top : IsCardUncovered(game, card)) cards.push_back(card);
        }
    }
}

bool IsPairingKind(const Game& game) {
    const int kind = game.gameDef[words::kGameKind];
    return kind == kKindPairsOf14 || kind == kKindPairsOf13;
}

}  // namespace

bool StockPressDoesSomething(const Game& game) {
    if (StockCount(game) > 0) return true;
    // The waste goes back to the stock in games that turn it over.
    return PileCardCount(Line(game, PileListId::kMazzo, kWasteLine)) >= 2 &&
           (game.gameDef[words::kStockToWaste] == 1 || game.gameDef[words::kRedeals] > 0);
}

void PressStock(Game& game) {
    Press(game);
    if (game.mainGame.StockHighlightShown == 1) {
        Run(game, kNoCard, kWasteName);
        game.mainGame.StockHighlightShown = 0;
    }
}

std::vector<int> PairingCandidates(Game& game) {
    std::vector<int> cards;
    if (!IsPairingKind(game)) return cards;
    TableauCandidates(game, cards);
    const int waste = PileTopCard(Line(game, PileListId::kMazzo, kWasteLine));
    if (game.gameDef[words::kGameKind] == kKindPairsOf13 && waste >= kFirstCard &&
        game.gameDef[words::kWasteFaceDown] == 0)
        cards.push_back(waste);
    return cards;
}

std::vector<std::vector<int>> PairingSelections(Game& game) {
    std::vector<std::vector<int>> selections;
    if (!IsPairingKind(game)) return selections;
    const int total = game.gameDef[words::kGameKind] == kKindPairsOf14 ? kSumOf14 : kSumOf13;
    const std::vector<int> cards = PairingCandidates(game);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (RankSum(cards[i], kNoCard) == total) selections.push_back({cards[i]});
        for (std::size_t j = i + 1; j < cards.size(); ++j) {
            if (RankSum(cards[i], cards[j]) == total) selections.push_back({cards[i], cards[j]});
        }
    }
    const int stock = PileTopCard(Line(game, PileListId::kMazzo, kStockLine));
    if (game.gameDef[words::kGameKind] == kKindPairsOf13 && stock >= kFirstCard) {
        for (const int card : cards) {
            if (RankSum(card, stock) == total) selections.push_back({card, stock});
        }
    }
    return selections;
}

void ClickPairingCard(Game& game, int card) {
    TableRect place{};
    if (const ITableView* view = game.services.tableView; view != nullptr && view->Geometry() != nullptr)
        view->Geometry()->FindCardPosition(card, place);
    SelectPairingCard(game, card, place);
}

void ClearPairingSelection(Game& game) {
    // Each click takes one card back; a selection that does not shrink is left as it is.
    for (int count = PileCardCount(Line(game, PileListId::kDest, kSelectionLine)); count > 0;) {
        ClickPairingCard(game, PileCardAt(Line(game, PileListId::kDest, kSelectionLine), 0));
        const int left = PileCardCount(Line(game, PileListId::kDest, kSelectionLine));
        if (left >= count) return;
        count = left;
    }
}

std::vector<int> DiscardPlays(const Game& game) {
    std::vector<int> cards;
    const int kind = game.gameDef[words::kGameKind];
    if (kind != kKindDiscard && kind != kKindDiscardEddy && kind != kKindDiscardWrap) return cards;
    const int discard = PileTopCard(Line(game, PileListId::kMazzo, kThirdStockLine));
    if (discard < kFirstCard) return cards;
    for (int t = 0; t < board::TableauCount(game.Rules()); ++t) {
        const int top = PileTopCard(Line(game, PileListId::kFila, t));
        if (top < kFirstCard || game.board.cards.IsFaceDown(top)) continue;
        const int apart = std::abs(CardRank(top) - CardRank(discard));
        const bool wraps = kind != kKindDiscard && apart == kKing - kAce;
        if (apart == 1 || wraps) cards.push_back(top);
    }
    return cards;
}

}  // namespace engine::play_test
