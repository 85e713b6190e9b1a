#pragma once

#include <vector>

namespace table {

class WinAnimationRun;

// The six winning animations. Each draws random cards over the table until the run's
// time is up, and ends at once when the player's click or key clears the flag.

// "Open order": cards anywhere, at random.
void AnimateOpenOrder(WinAnimationRun& run);
// "Left to right": rows of cards, each row a little lower.
void AnimateLeftToRight(WinAnimationRun& run);
// "Up to down": columns of cards, each a little further right.
void AnimateUpToDown(WinAnimationRun& run);
// "Festoons": a card falls, then bounces across the window, leaving a trail.
void AnimateFestoons(WinAnimationRun& run);
// "Lines": a card bounces off the client area's edges at 45 degrees, leaving a trail.
void AnimateLines(WinAnimationRun& run);
// "Circles": rings of one card each, at random places.
void AnimateCircles(WinAnimationRun& run);

// An unfilled entry of the outline lists.
inline constexpr int kNoCirclePoint = -10000;

// The outline of a circle of the radius as an ellipse drawn on a 2r x 2r image shows it:
// the right half row by row from the top, then the left half from the bottom; the first
// point and every fourth after it go into xs and ys at indexes 0 .. last (entries the
// outline does not reach keep what the caller put there, kNoCirclePoint).
void TraceCirclePoints(int radius, int last, std::vector<int>& xs, std::vector<int>& ys);

}  // namespace table
