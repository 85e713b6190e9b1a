#pragma once

#include <array>

#include "engine/rules/rule_companions.h"
#include "engine/rules/rule_general.h"
#include "engine/rules/rule_support.h"

// The general build test. Its first steps are inline because every placement question
// ends in it and a deal's play-off asks about a hundred of them.
namespace engine {

namespace rules::build {

// ---- The suit condition ---------------------------------------------------------------

enum class SuitCondition { kNone, kSameSuit, kSameColour, kAlternating, kNothing };

struct SuitRow {
    int rule;
    SuitCondition condition;
};

inline constexpr SuitRow kSuitRows[] = {
    {0, SuitCondition::kSameSuit},   {11, SuitCondition::kSameSuit}, {1, SuitCondition::kSameColour},
    {3, SuitCondition::kAlternating}, {6, SuitCondition::kNothing},
};

// The rule codes the suit rows name are small; any other code asks nothing of the suit.
inline constexpr int kHighestSuitRule = 11;

inline constexpr auto kSuitConditionByRule = [] {
    std::array<SuitCondition, kHighestSuitRule + 1> byRule{};
    std::array<bool, kHighestSuitRule + 1> named{};
    // The first row naming a rule holds.
    for (const SuitRow& row : kSuitRows) {
        const auto at = static_cast<std::size_t>(row.rule);
        if (!named[at]) byRule[at] = row.condition;
        named[at] = true;
    }
    return byRule;
}();

inline bool SuitFits(int suitRule, const PlaceQuery& q) {
    if (suitRule < 0 || suitRule > kHighestSuitRule) return true;
    switch (kSuitConditionByRule[static_cast<std::size_t>(suitRule)]) {
        case SuitCondition::kSameSuit: return SameSuit(q);
        case SuitCondition::kSameColour: return SameColour(q);
        case SuitCondition::kAlternating: return !SameColour(q);
        case SuitCondition::kNothing: return false;
        case SuitCondition::kNone: return true;
    }
    return true;
}

// ---- The rank condition ---------------------------------------------------------------

// The rank condition of the direction word, for a card on a card. Out of line: most cards
// a question meets fail the suit condition first.
bool RankFits(const RuleContext& ctx, const PlaceQuery& q);

}  // namespace rules::build

// On an empty pile the base code alone decides; on a card the suit condition of suitRule
// (the rule code, or the one a row passes on) and the rank condition of the direction word.
inline bool GeneralBuildTest(const RuleContext& ctx, const PlaceQuery& q, int suitRule) {
    if (rules::R(q.top) <= 0) return EmptyPileAccepts(ctx, q);
    return rules::build::SuitFits(suitRule, q) && rules::build::RankFits(ctx, q);
}

}  // namespace engine
