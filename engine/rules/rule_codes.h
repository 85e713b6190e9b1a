#pragma once

#include "engine/rules/rule_context.h"

namespace engine {

// What one row of the rule table says: a final answer, or "go on with the general build
// test".
enum class Verdict { kRefuse, kAccept, kGeneral };

constexpr Verdict Answer(bool accepted) {
    return accepted ? Verdict::kAccept : Verdict::kRefuse;
}

using RuleHandler = Verdict (*)(const RuleContext& ctx, const PlaceQuery& q);

// The highest rule code a game record may name.
inline constexpr int kHighestRuleCode = 96;
// Codes up to this one always take the general build test.
inline constexpr int kLastGeneralRuleCode = 3;

// The row of the rule table for a code; nullptr for a code the table does not list
// (those take the general build test).
RuleHandler FindRuleHandler(int rule);

}  // namespace engine
