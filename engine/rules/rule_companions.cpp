#include "engine/rules/rule_companions.h"

#include <array>

#include "engine/rules/rule_general.h"
#include "engine/rules/rule_support.h"
#include "platform/core/messages.h"

namespace engine {

namespace {

using namespace rules;

constexpr std::string_view kSuitErrorText = "Error suit - 1";

// The rank a base code asks of the card that starts its foundation.
struct ColourStartRow {
    int code;
    int rank;
    bool suitsDiffer;  // no two foundations of the code may start in one suit
};

constexpr ColourStartRow kColourStartRows[] = {
    {base_code::kAceByColour, kAce, false},
    {base_code::kKingByColourAndSuit, kKing, true},
    {base_code::kAceByColourAndSuit, kAce, true},
    {base_code::kTwoByColourAndSuit, 2, true},
};

const ColourStartRow* FindColourStart(int code) {
    for (const ColourStartRow& row : kColourStartRows) {
        if (row.code == code) return &row;
    }
    return nullptr;
}

// Colour and suit counts of the cards that start the foundations of one code.
class StartCounts {
public:
    explicit StartCounts(const RuleContext& ctx) : m_ctx(ctx) {}

    void CountColour(int card) { ++(IsRedCard(card) ? m_red : m_black); }

    // False once a suit has been counted twice. A card without a suit is reported and
    // left out.
    bool CountSuit(int card) {
        const int suit = S(card);
        if (suit < 0 || suit >= kSuitCount) {
            if (m_ctx.messages != nullptr) m_ctx.messages->ShowInfo(std::string(kSuitErrorText));
            return true;
        }
        return ++m_suits[static_cast<std::size_t>(suit)] < 2;
    }

    bool ColoursWithin(int half) const { return m_red <= half && m_black <= half; }

private:
    const RuleContext& m_ctx;
    int m_red = 0;
    int m_black = 0;
    std::array<int, kSuitCount> m_suits{};
};

}  // namespace

bool IsQueenOrTwoPile(const RuleContext& ctx, int tableauIndex) {
    return HasPileWord(words::kTableauRuleD, tableauIndex) &&
           PileWord(ctx, words::kTableauRuleD, tableauIndex) == kEndsMeetWord;
}

bool CanStartFoundationByColour(const RuleContext& ctx, int baseCode, int card) {
    const ColourStartRow* row = FindColourStart(baseCode);
    if (row == nullptr || R(card) != row->rank) return false;

    // The bottom cards of the foundations of this code; an empty one counts as not started.
    std::array<int, kDestLineCount> bottoms{};
    int n = 0;
    for (int f = 0; f < board::FoundationCount(ctx); ++f) {
        if (PileWord(ctx, words::kFoundationBase, f) != baseCode) continue;
        const std::string& pile = board::Foundation(ctx, f);
        bottoms[static_cast<std::size_t>(n++)] = Holds(pile) ? PileCardAt(pile, 0) : kNoCard;
    }
    const int half = n / 2;

    StartCounts counts(ctx);
    counts.CountColour(card);
    counts.CountSuit(card);
    for (int k = 0; k < n; ++k) {
        const int bottom = bottoms[static_cast<std::size_t>(k)];
        if (bottom < kFirstCard) continue;
        counts.CountColour(bottom);
        if (!counts.ColoursWithin(half)) return false;
        if (row->suitsDiffer && !counts.CountSuit(bottom)) return false;
    }
    return true;
}

bool IsAceOnTwoOrKingOnQueen(const RuleContext& ctx, int top, int card, int tableauIndex) {
    if (!IsQueenOrTwoPile(ctx, tableauIndex)) return false;
    return (R(top) == kAce && R(card) == 2) || (R(top) == kKing && R(card) == kQueen);
}

bool SuitsAllDifferent(const RuleContext& ctx, int a, int b, int c, int d, int card, int slot) {
    constexpr int kPiles = 4;
    const std::array<int, kPiles> piles{a, b, c, d};
    std::array<bool, kSuitCount> seen{};
    auto add = [&seen](int code) {
        const int suit = S(code);
        if (code < kFirstCard || suit < 0 || suit >= kSuitCount) return true;
        if (seen[static_cast<std::size_t>(suit)]) return false;
        seen[static_cast<std::size_t>(suit)] = true;
        return true;
    };
    for (int j = 0; j < kPiles; ++j) {
        if (j == slot) continue;
        const std::string& pile = board::Foundation(ctx, piles[static_cast<std::size_t>(j)]);
        if (Holds(pile) && !add(PileTopCard(pile))) return false;
    }
    return add(card);
}

bool FindRowNeighbour(const RuleContext& ctx, int sourcePlace, int targetIndex, int& jumped) {
    jumped = -1;
    const int w = ctx.game[words::kRowWidth];
    const CardPlace source = DecodePlace(sourcePlace);
    if (w < 1 || source.source != CardSource::kTableau) return false;

    const int s = sourcePlace;  // the 1-based place, as the row tests read it
    const int t = targetIndex;
    const int from = source.index;
    const int right = t + 2;
    const int left = t - 2;
    bool fromRight = false;
    bool fromLeft = false;
    if ((t + 1) % w == 1) {
        fromRight = from == right;
    } else if (s % w == 1) {
        fromLeft = from == left;
    } else if ((t + 1) % w == 0) {
        fromLeft = from == left;
    } else if (s % w == 0) {
        fromRight = from == right;
    } else {
        fromRight = from == right;
        fromLeft = from == left;
    }
    if (fromRight || fromLeft) {
        const int between = fromRight ? t + 1 : t - 1;
        if (Holds(board::Tableau(ctx, between))) jumped = between;
    }
    if (jumped < 0) {
        if (from == t - 2 * w && Holds(board::Tableau(ctx, t - w))) {
            jumped = t - w;
        } else if (from == t + 2 * w && Holds(board::Tableau(ctx, t + w))) {
            jumped = t + w;
        }
    }
    return jumped >= 0;
}

}  // namespace engine
