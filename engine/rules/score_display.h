#pragma once

namespace engine {

struct StatusContext;

// Computes the score by the game kind, shows it in lblScore at once and stores it in the
// settings (nothing shown or stored in game kind 9); then redraws the pile sizes of the
// games that show them.
void ComputeScore(StatusContext& ctx);

// Adds 5 points per card to the stored score (cards the deal puts on the foundations) in
// the Vegas scoring mode, then shows and stores it; nothing in game kind 9.
void UpdateScore(StatusContext& ctx, int cards);

}  // namespace engine
