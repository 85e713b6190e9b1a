#pragma once

#include "engine/rules/rule_codes.h"
#include "engine/rules/rule_context.h"

namespace engine {

// May the card be laid on the pile that the query describes? Driven by the rule code and
// a few words of the target pile's definition; reads the board and changes nothing.
//
// In this order: a card never goes onto itself; while the stock row holds cards a game
// with StockFirst set refuses cards from the tableau; the rule code's row of the rule
// table answers, or hands over to the general build test (codes up to 3 and codes the
// table does not list always do).
//
// An empty pile may be given as -1 or as 0 (the deal's pre-fill passes 0); every rule
// sees both as the empty pile.
bool CanPlaceCard(const RuleContext& ctx, const PlaceQuery& query);

// CanPlaceCard asked of one pile again and again, only the top card and the card
// changing, as the deal's play-off asks each foundation: the words of the pile and the
// game are read once. Answers as CanPlaceCard while those words stay as they were.
class PlacementQuestion {
public:
    PlacementQuestion(const RuleContext& ctx, const PlaceQuery& pile);

    bool CanPlace(int top, int card);

private:
    const RuleContext m_ctx;
    PlaceQuery m_query;  // as words
    RuleHandler m_handler;
    bool m_stockFirst;  // StockFirst holds for this pile
};

// The same with the arguments in the order the callers know them.
bool CanPlaceCard(const RuleContext& ctx, int top, int card, int base, int start, int direction, int rule,
                  bool foundation, bool pastStart, int pileIndex, bool stockTest);

}  // namespace engine
