#include "engine/rules/win_rule.h"

#include <array>
#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/rules/score.h"

namespace engine {

namespace {

// The tests compare line lengths: one card is three characters.
constexpr std::size_t kOneCard = kCardCodeWidth;

constexpr int kBlankedSlotKind = 4;
constexpr std::size_t kMostCardsOnFirstPile = 4 * kOneCard;  // kinds 21 and 22
constexpr int kFilledPilesToWin = 4;                         // kind 45
constexpr int kFixedTableauPiles = 24;                       // kind 49 looks at these whatever the count
constexpr std::size_t kCardsPerFixedPile = 4 * kOneCard;

enum class WinRule {
    kTableEmpty,
    kEveryTableauFilled,     // every tableau pile holds a card
    kStockGoneFewOnFirst,    // empty stock, at most four cards on tableau pile 0
    kOneCardPerTableau,
    kStockGoneAcePerTableau, // empty stock, each tableau pile a single Ace
    kNever,
    kScoreReached,
    kOnlyFirstFoundation,    // foundations 1.. all empty
    kNineToAceRun,
    kFourTableausFilled,
    kFourCardsOnFixedPiles,
};

struct WinRow {
    int kind;
    WinRule rule;
};

constexpr std::array kWinRules{
    WinRow{9, WinRule::kEveryTableauFilled},
    WinRow{21, WinRule::kStockGoneFewOnFirst},
    WinRow{22, WinRule::kStockGoneFewOnFirst},
    WinRow{27, WinRule::kOneCardPerTableau},
    WinRow{31, WinRule::kStockGoneAcePerTableau},
    WinRow{32, WinRule::kNever},
    WinRow{44, WinRule::kNever},
    WinRow{46, WinRule::kNever},
    WinRow{48, WinRule::kNever},
    WinRow{34, WinRule::kScoreReached},
    WinRow{35, WinRule::kScoreReached},
    WinRow{36, WinRule::kScoreReached},
    WinRow{37, WinRule::kScoreReached},
    WinRow{39, WinRule::kScoreReached},
    WinRow{40, WinRule::kScoreReached},
    WinRow{42, WinRule::kScoreReached},
    WinRow{47, WinRule::kScoreReached},
    WinRow{41, WinRule::kOnlyFirstFoundation},
    WinRow{43, WinRule::kNineToAceRun},
    WinRow{45, WinRule::kFourTableausFilled},
    WinRow{49, WinRule::kFourCardsOnFixedPiles},
};

// Kinds below 1 and every kind without a row use the common test.
constexpr WinRule WinRuleOf(int kind) {
    for (const WinRow& row : kWinRules) {
        if (row.kind == kind) return row.rule;
    }
    return WinRule::kTableEmpty;
}

const std::string& Tableau(const PileStore& piles, int i) {
    return piles.Pile(PileListId::kFila, i);
}

template <typename Test>
bool EveryTableau(const PileStore& piles, const GameDefRecord& game, Test test) {
    const int count = TableauCountOf(game);
    for (int i = 0; i < count; ++i) {
        if (!test(Tableau(piles, i))) return false;
    }
    return true;
}

bool StockEmpty(const PileStore& piles) {
    return piles.Pile(PileListId::kMazzo, kStockLine).empty();
}

bool IsSingleAce(const std::string& pile) {
    return pile.size() == kOneCard && CardRank(PileCardAt(pile, 0)) == kAce;
}

}  // namespace

bool IsTableEmpty(const PileStore& piles, const GameDefRecord& game) {
    if (!piles.Pile(PileListId::kMazzo, kStockLine).empty()) return false;
    if (!piles.Pile(PileListId::kMazzo, kWasteLine).empty()) return false;
    const bool blanksAreEmpty = game[words::kGameKind] == kBlankedSlotKind;
    const bool tableauEmpty = EveryTableau(piles, game, [blanksAreEmpty](const std::string& pile) {
        return blanksAreEmpty ? AllZeros(pile) : pile.empty();
    });
    if (!tableauEmpty) return false;
    const int reserves = ReserveCountOf(game);
    for (int i = 0; i < reserves; ++i) {
        if (!piles.Pile(PileListId::kAppogg, i).empty()) return false;
    }
    return true;
}

bool IsGameWon(const PileStore& piles, const GameDefRecord& game, const SettingsBlock& settings) {
    switch (WinRuleOf(game[words::kGameKind])) {
        case WinRule::kTableEmpty:
            return IsTableEmpty(piles, game);
        case WinRule::kEveryTableauFilled:
            return EveryTableau(piles, game, [](const std::string& pile) { return pile.size() >= kOneCard; });
        case WinRule::kStockGoneFewOnFirst:
            return StockEmpty(piles) && Tableau(piles, 0).size() <= kMostCardsOnFirstPile;
        case WinRule::kOneCardPerTableau:
            return EveryTableau(piles, game, [](const std::string& pile) { return pile.size() == kOneCard; });
        case WinRule::kStockGoneAcePerTableau:
            return StockEmpty(piles) && EveryTableau(piles, game, IsSingleAce);
        case WinRule::kNever:
            return false;
        case WinRule::kScoreReached:
            return CurrentScore(settings) >= game[words::kTargetScore];
        case WinRule::kOnlyFirstFoundation: {
            const int count = FoundationCountOf(game);
            for (int i = 1; i < count; ++i) {
                if (!piles.Pile(PileListId::kDest, i).empty()) return false;
            }
            return true;
        }
        case WinRule::kNineToAceRun: {
            const int count = TableauCountOf(game);
            for (int i = 0; i < count; ++i) {
                if (IsNineToAceRun(Tableau(piles, i))) return true;
            }
            return false;
        }
        case WinRule::kFourTableausFilled: {
            int filled = 0;
            const int count = TableauCountOf(game);
            for (int i = 0; i < count; ++i) {
                filled += Tableau(piles, i).size() >= kOneCard ? 1 : 0;
            }
            return filled == kFilledPilesToWin;
        }
        case WinRule::kFourCardsOnFixedPiles:
            for (int i = 0; i < kFixedTableauPiles; ++i) {
                if (Tableau(piles, i).size() != kCardsPerFixedPile) return false;
            }
            return true;
    }
    return false;
}

}  // namespace engine
