#pragma once

namespace engine {

struct ActionRun;

// "Selezionate_Dest": the selected cards (foundation line 0, in the order selected) leave
// the table for the discard line, face up. In fan mode 4 a tableau card leaves a blank
// ("000"); in fan mode 8 each card goes from tableau pile 0 with the blank below it.
//
// Game kind 47 takes them through its tableau groups of seven piles: first, of the first
// two selected cards, the one on the higher-numbered pile, then the other, taking only
// cards of that first card's group (a selected card of another group is dropped from the
// selection and stays). Whenever a removal empties a pile and only one pile of the group
// still holds cards, that pile's top card becomes the next selected card and goes too.
// Then the group closes up and the score is recomputed. A first card on no group's pile
// is removed as in any other game.
void RemoveSelectedCards(ActionRun& run);

}  // namespace engine
