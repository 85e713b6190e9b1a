#include "engine/rules/rule_checker.h"

#include <cstdint>

#include "engine/rules/rule_codes.h"
#include "engine/rules/rule_build.h"
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

// The pile's words of a query; the top card and the card are read as words when asked.
PlaceQuery PileWords(const PlaceQuery& q) {
    PlaceQuery words = q;
    words.base = Word(q.base);
    words.start = Word(q.start);
    words.direction = Word(q.direction);
    words.rule = Word(q.rule);
    words.pileIndex = Word(q.pileIndex);
    return words;
}

bool StockFirstApplies(const RuleContext& ctx, const PlaceQuery& q) {
    const int stockFirst = ctx.game[words::kStockFirst];
    return (q.foundation && stockFirst == kStockFirstFoundations) || stockFirst == kStockFirstEverywhere ||
           stockFirst == kStockFirstEverywhereToo;
}

bool StockFirstRefuses(const RuleContext& ctx, const PlaceQuery& q) {
    if (!Holds(board::Stock(ctx)) && !Holds(board::Waste(ctx))) return false;
    return SourceOf(ctx, q) == CardSource::kTableau;
}

}  // namespace

PlacementQuestion::PlacementQuestion(const RuleContext& ctx, const PlaceQuery& pile)
    : m_ctx(ctx), m_query(PileWords(pile)), m_handler(FindRuleHandler(m_query.rule)),
      m_stockFirst(StockFirstApplies(ctx, m_query)) {}

bool PlacementQuestion::CanPlace(int top, int card) {
    PlaceQuery& q = m_query;
    q.top = Word(top);
    q.card = Word(card);
    if (q.top == q.card) return false;
    if (q.top <= kNoCard) q.top = kEmptyTop;
    if (m_stockFirst && StockFirstRefuses(m_ctx, q)) return false;
    if (m_handler != nullptr) {
        const Verdict verdict = m_handler(m_ctx, q);
        if (verdict != Verdict::kGeneral) return verdict == Verdict::kAccept;
    }
    return GeneralBuildTest(m_ctx, q, q.rule);
}

bool CanPlaceCard(const RuleContext& ctx, const PlaceQuery& query) {
    return PlacementQuestion(ctx, query).CanPlace(query.top, query.card);
}

bool CanPlaceCard(const RuleContext& ctx, int top, int card, int base, int start, int direction, int rule,
                  bool foundation, bool pastStart, int pileIndex, bool stockTest) {
    return CanPlaceCard(ctx, PlaceQuery{top, card, base, start, direction, rule, foundation, pastStart, pileIndex,
                                        stockTest});
}

}  // namespace engine
