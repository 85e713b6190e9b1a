#pragma once

#include <optional>

namespace engine {

class GameDefRecord;
class PileStore;
struct StatusContext;

// How long the normal empty-stock image stays before anything else is drawn.
inline constexpr unsigned kHideStockHighlightDelayMs = 50;

// The stock-row line whose empty place carries the mark that asks for a second click: the
// stock when the game marks it (p8 = 1) and it is empty, else the waste when the game
// deals to it (p9 = 1) and it is empty; nothing otherwise.
std::optional<int> MarkedStockLine(const PileStore& piles, const GameDefRecord& game);

// Draws the lit empty-stock image on the marked line's place and notes that the mark
// is shown (even when no line is marked, so the next click still counts as the second).
void ShowStockHighlight(StatusContext& ctx);
// Draws the normal image there again and waits a moment; the caller clears the note.
void HideStockHighlight(StatusContext& ctx);
// Draws the lit or the normal image on the marked line's place at once.
void DrawStockMark(StatusContext& ctx, bool lit);

}  // namespace engine
