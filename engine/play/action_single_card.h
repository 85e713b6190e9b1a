#pragma once

#include <string_view>

namespace engine {

struct ActionRun;
struct PileRef;

// The actions that move one card onto a foundation ("Dest" nn, "Dest_Autoplay" nn), a
// reserve ("Appogg" nn), the discard line ("Waste") or the waste ("Stock02"). The card is
// taken from wherever it lies and lands face up. False when the action is none of them
// or names no pile; a card found on no pile changes nothing.
bool RunSingleCardAction(ActionRun& run);

// The common part: snapshot, take the card, put it face up on the target. False (and
// nothing changed) when the card lies on no pile.
bool PlaceSingleCard(ActionRun& run, const PileRef& target);

}  // namespace engine
