#include "table/draw/foundation_highlights.h"

#include <algorithm>
#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/files/preference_file.h"
#include "table/draw/draw_context.h"
#include "table/draw/foundation_marks.h"
#include "table/layout/table_layout.h"
#include "table/layout/table_window.h"

namespace table {

namespace {

namespace w = engine::words;

constexpr std::string_view kPreferenceSection = "Preference";
constexpr std::string_view kMarkStyleKey = "HighLights_Foundations_Mark";
constexpr std::string_view kMarkColourKey = "HighLights_Foundations_Color";
constexpr int kUseMaxFoundationCards = -1;

bool IsComplete(const DrawContext& context, int foundation) {
    const int cards = engine::PileCardCount(context.piles.Pile(engine::PileListId::kDest, foundation));
    int full = context.gameDef.At(w::kFoundationFullCount, foundation);
    if (full == kUseMaxFoundationCards) full = context.gameDef[w::kMaxFoundationCards];
    return cards == full;
}

}  // namespace

void DrawFoundationHighlights(DrawContext& context, int foundation) {
    const engine::PreferenceFile preferences(context.paths);
    const int style = preferences.ReadInteger(kPreferenceSection, kMarkStyleKey, foundation_mark::kNone);
    const int colourIndex = preferences.ReadInteger(kPreferenceSection, kMarkColourKey, 0);
    const int count = std::min(engine::FoundationCountOf(context.gameDef), engine::kDestLineCount);
    const int first = foundation < 0 ? 0 : foundation;
    const int last = foundation < 0 ? count - 1 : std::min(foundation, engine::kDestLineCount - 1);
    for (int f = first; f <= last; ++f) {
        if (!IsComplete(context, f)) continue;
        const std::string name = engine::PileName({engine::PileListId::kDest, f});
        const int x = context.geometry.CardX(name, f, 0, false);
        const int y = context.geometry.CardY(name, f, 0, false);
        const int cw = context.CardWidth();
        const int ch = context.CardHeight();
        DrawFoundationMark(x, y, cw, false, colourIndex, style, context.Buffer(), ch, context.ScrollOffset());
        DrawFoundationMark(x, y, cw, false, colourIndex, style, context.Window(), ch);
        context.window.InvalidateRect({x, y, x + cw, y + ch});
    }
}

}  // namespace table
