#include "engine/rules/rule_checker.h"

#include <cstdint>

#include "engine/rules/rule_codes.h"
#include "engine/rules/rule_general.h"
#include "engine/rules/rule_support.h"

namespace engine {

namespace {

using namespace rules;

// StockFirst values: 1 holds only for foundations, 2 and 3 everywhere.
constexpr int kStockFirstFoundations = 1;
constexpr int kStockFirstEverywhere = 2;
constexpr int kStockFirstEverywhereToo = 3;

// Every number of a query is a signed 16-bit word: 65535 reads -1.
int Word(int value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

PlaceQuery AsWords(const PlaceQuery& q) {
    PlaceQuery words = q;
    words.top = Word(q.top);
    words.card = Word(q.card);
    words.base = Word(q.base);
    words.start = Word(q.start);
    words.direction = Word(q.direction);
    words.rule = Word(q.rule);
    words.pileIndex = Word(q.pileIndex);
    return words;
}

bool StockFirstRefuses(const RuleContext& ctx, const PlaceQuery& q) {
    const int stockFirst = ctx.game[words::kStockFirst];
    const bool applies = (q.foundation && stockFirst == kStockFirstFoundations) ||
                         stockFirst == kStockFirstEverywhere || stockFirst == kStockFirstEverywhereToo;
    if (!applies) return false;
    if (!Holds(board::Stock(ctx)) && !Holds(board::Waste(ctx))) return false;
    return SourceOf(ctx, q) == CardSource::kTableau;
}

}  // namespace

bool CanPlaceCard(const RuleContext& ctx, const PlaceQuery& query) {
    PlaceQuery q = AsWords(query);
    if (q.top == q.card) return false;
    if (q.top <= kNoCard) q.top = kEmptyTop;
    if (StockFirstRefuses(ctx, q)) return false;
    if (const RuleHandler handler = FindRuleHandler(q.rule)) {
        const Verdict verdict = handler(ctx, q);
        if (verdict != Verdict::kGeneral) return verdict == Verdict::kAccept;
    }
    return GeneralBuildTest(ctx, q, q.rule);
}

bool CanPlaceCard(const RuleContext& ctx, int top, int card, int base, int start, int direction, int rule,
                  bool foundation, bool pastStart, int pileIndex, bool stockTest) {
    return CanPlaceCard(ctx, PlaceQuery{top, card, base, start, direction, rule, foundation, pastStart, pileIndex,
                                        stockTest});
}

}  // namespace engine
