#pragma once

#include "table/table_view.h"
#include "table/win_animation.h"

namespace table {

// The table view with its animations: slides of cards in frames (the deal's flights
// too), the source redrawn under a lifted card, the winning animation, and the joker
// captions that the score's update asks for. The program's table view.
class AnimatedTableView : public TableView {
public:
    // Installs the card slide on the context (the drawing's deal flights use it).
    AnimatedTableView(DrawContext& context, const WinAnimationHost& host);

    void RedrawPileWithoutCard(int card, bool single) override;
    void PlayWinningAnimation(std::string_view name, int seconds) override;
    // The games that show pile sizes are those with jokers on the foundations: what they
    // show is which card each such joker stands for.
    void RedrawPileSizes() override;

private:
    DrawContext& m_context;
    WinAnimationHost m_host;
};

}  // namespace table
