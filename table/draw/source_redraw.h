#pragma once

namespace table {

struct DrawContext;

// RedrawPileWithoutCard: the off-screen table shows the card's place as it looks without
// the card (single false: without every card above it too), while the pile lists stay as
// they were. A drop then changes the lists; a refusal puts the image back.
void RedrawPileWithoutCard(DrawContext& context, int card, bool single);

// The worker: takes the card (or the card and those above it) off the live pile lists
// and redraws its place in the off-screen table. The lists' backups hold the board as it
// was; the caller puts them back.
void RedrawSourceWithout(DrawContext& context, int card, bool single);

}  // namespace table
