#include "table/animated_table_view.h"

#include "table/card_slide.h"
#include "table/draw_context.h"
#include "table/joker_captions.h"
#include "table/source_redraw.h"

namespace table {

AnimatedTableView::AnimatedTableView(DrawContext& context, const WinAnimationHost& host)
    : TableView(context), m_context(context), m_host(host) {
    InstallCardSlide(context);
}

void AnimatedTableView::RedrawPileWithoutCard(int card, bool single) {
    table::RedrawPileWithoutCard(m_context, card, single);
}

void AnimatedTableView::PlayWinningAnimation(std::string_view name, int seconds) {
    table::PlayWinningAnimation(m_context, m_host, name, seconds);
}

void AnimatedTableView::RedrawPileSizes() { DrawJokerCaptions(m_context); }

}  // namespace table
