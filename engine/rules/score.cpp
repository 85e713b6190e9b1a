#include "engine/rules/score.h"

#include <array>
#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/card_codes.h"
#include "engine/base/decimal_text.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/base/rounding.h"
#include "engine/model/settings_block.h"
#include "engine/rules/tableau_patterns.h"

namespace engine {

namespace {

constexpr int kPairLineLength = 2 * kCardCodeWidth;
constexpr int kPairsBase = -52;
constexpr int kPointsPerPair = 10;       // kind 37
constexpr int kPointsPerPairLow = 7;     // kind 39
constexpr int kPointsPerDiscard = 10;    // kind 35
constexpr int kPointsPerRun = 225;       // kind 43
constexpr int kCompleteTopsScore = 150;  // kind 44
constexpr int kAceCodeSuitStep = kSuitSize;  // kind 34: pile i starts with code i+1 or i+14
constexpr int kFixedTableauPiles = 24;   // kind 49

enum class Formula {
    kVegas,
    kNone,                 // no score is kept
    kZero,
    kAcesInOrder,          // leading piles whose bottom card is the pile's Ace-sequence code
    kDiscards,
    kPairs,
    kPairsLow,
    kNineToAceRuns,
    kTopRanks,
    kTableauSequences,
    kDiscardsWhileTableau,
    kFirstFoundation,
    kFixedTableauCards,
};

struct FormulaRow {
    int kind;
    Formula formula;
};

constexpr std::array kFormulas{
    FormulaRow{9, Formula::kNone},
    FormulaRow{32, Formula::kZero},
    FormulaRow{34, Formula::kAcesInOrder},
    FormulaRow{35, Formula::kDiscards},
    FormulaRow{36, Formula::kZero},
    FormulaRow{38, Formula::kZero},
    FormulaRow{40, Formula::kZero},
    FormulaRow{41, Formula::kZero},
    FormulaRow{42, Formula::kZero},
    FormulaRow{37, Formula::kPairs},
    FormulaRow{39, Formula::kPairsLow},
    FormulaRow{43, Formula::kNineToAceRuns},
    FormulaRow{44, Formula::kTopRanks},
    FormulaRow{46, Formula::kTableauSequences},
    FormulaRow{47, Formula::kDiscardsWhileTableau},
    FormulaRow{48, Formula::kFirstFoundation},
    FormulaRow{49, Formula::kFixedTableauCards},
};

// Kinds below 1 and every kind without a row use the default formula.
constexpr Formula FormulaOf(int kind) {
    for (const FormulaRow& row : kFormulas) {
        if (row.kind == kind) return row.formula;
    }
    return Formula::kVegas;
}

const std::string& DiscardLine(const PileStore& piles) {
    return piles.Pile(PileListId::kMazzo, kThirdStockLine);
}

int Cards(const PileStore& piles, PileListId list, int line) {
    return CardsOnLine(piles.Pile(list, line));
}

int PairsOnDiscardLine(const PileStore& piles) {
    return DivideRoundHalfEven(static_cast<int>(DiscardLine(piles).size()), kPairLineLength);
}

int LeadingAcePiles(const PileStore& piles) {
    int k = 0;
    while (k < kFilaLineCount) {
        const int bottom = PileCardAt(piles.Pile(PileListId::kFila, k), 0);
        if (bottom != k + 1 && bottom != k + 1 + kAceCodeSuitStep) break;
        ++k;
    }
    return k;
}

int NineToAceRuns(const PileStore& piles, const GameDefRecord& game) {
    int runs = 0;
    const int count = TableauCountOf(game);
    for (int i = 0; i < count; ++i) {
        runs += IsNineToAceRun(piles.Pile(PileListId::kFila, i)) ? 1 : 0;
    }
    return runs;
}

bool AnyTableauHoldsCards(const PileStore& piles, const GameDefRecord& game) {
    const int count = TableauCountOf(game);
    for (int i = 0; i < count; ++i) {
        if (Cards(piles, PileListId::kFila, i) > 0) return true;
    }
    return false;
}

int FixedTableauCards(const PileStore& piles) {
    int cards = 0;
    for (int i = 0; i < kFixedTableauPiles; ++i) cards += Cards(piles, PileListId::kFila, i);
    return cards;
}

}  // namespace

int CurrentScore(const SettingsBlock& settings) {
    return ReadDecimal(settings.GetField(fields::kScore.position, fields::kScore.width)).value_or(0);
}

void StoreScore(SettingsBlock& settings, int score) {
    settings.SetField(fields::kScore.position, fields::kScore.width, std::to_string(score));
}

bool IsVegasScoring(const SettingsBlock& settings) {
    return settings.GetField(fields::kScoringMode.position, fields::kScoringMode.width) == kVegasScoringMode;
}

int ScoreVegas(const PileStore& piles, const GameDefRecord& game, const SettingsBlock& settings) {
    if (!IsVegasScoring(settings)) return 0;
    int cards = game[words::kScoreBonusCards] - game[words::kJokerCount] + CardsOnLine(DiscardLine(piles));
    const int foundations = FoundationCountOf(game);
    for (int i = 0; i < foundations; ++i) cards += Cards(piles, PileListId::kDest, i);
    return -game[words::kCardCount] + kPointsPerCard * cards;
}

std::optional<int> ScoreByGameKind(const PileStore& piles, const GameDefRecord& game, const SettingsBlock& settings) {
    const int c = game[words::kCardCount];
    const int bonus = kPointsPerCard * game[words::kScoreBonusCards];
    switch (FormulaOf(game[words::kGameKind])) {
        case Formula::kVegas:
            return ScoreVegas(piles, game, settings);
        case Formula::kNone:
            return std::nullopt;
        case Formula::kZero:
            return 0;
        case Formula::kAcesInOrder:
            return -c + kPointsPerDiscard * LeadingAcePiles(piles);
        case Formula::kDiscards:
            return kPointsPerDiscard * CardsOnLine(DiscardLine(piles)) - c;
        case Formula::kPairs:
            return kPairsBase + kPointsPerPair * PairsOnDiscardLine(piles);
        case Formula::kPairsLow:
            return kPairsBase + kPointsPerPairLow * PairsOnDiscardLine(piles);
        case Formula::kNineToAceRuns:
            return -c + kPointsPerRun * NineToAceRuns(piles, game);
        case Formula::kTopRanks:
            return TopRanksComplete(piles, game) ? kCompleteTopsScore : -c;
        case Formula::kTableauSequences:
            return CheckTableauSequences(piles, game);
        case Formula::kDiscardsWhileTableau: {
            const int n = AnyTableauHoldsCards(piles, game) ? CardsOnLine(DiscardLine(piles)) : c;
            return kPointsPerCard * n - c;
        }
        case Formula::kFirstFoundation:
            return -c + bonus + kPointsPerCard * Cards(piles, PileListId::kDest, 1);
        case Formula::kFixedTableauCards:
            return -c + bonus + kPointsPerCard * FixedTableauCards(piles);
    }
    return ScoreVegas(piles, game, settings);
}

}  // namespace engine
