// The pile and card under a point, and the place of a card anywhere on the table.
#include <algorithm>

#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/table_object.h"
#include "engine/model/board_measures.h"
#include "table/layout/fan_modes.h"
#include "table/layout/pile_codes.h"
#include "table/layout/pile_geometry.h"
#include "table/layout/table_geometry.h"

namespace table {

namespace {

using engine::PileListId;
using engine::TableRect;

// Edges inclusive.
bool Contains(const TableRect& r, int x, int y) { return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom; }

// Half-open: a band of width w starting at a covers a .. a + w - 1.
bool InBand(int start, int size, int v) { return start <= v && v < start + size; }

}  // namespace

// Walks the cards from the bottom; each card's band starts at its place and is as deep
// as its step, the top card's a whole card. The first band holding the point decides.
std::optional<engine::PileHit> PileGeometry::CardUnderPoint(const Pile& pile, int x, int y) const {
    const engine::TMainGame& mg = m_sources.mainGame;
    const int cw = m_sources.geometry.CardWidth();
    const int ch = m_sources.geometry.CardHeight();
    const int count = PileCardCount(pile.cards);
    const bool across = IsHorizontalFan(pile);
    for (int i = 0; i < count; ++i) {
        const int code = PileCodeAt(pile.cards, i).value_or(engine::kNoCard);
        const TableRect place = CardPlace(pile, i);
        const bool top = i == count - 1;
        bool inBand = false;
        if (pile.fan == fan_mode::kSpecial && pile.ref.list == PileListId::kFila) {
            // Every pile is hit in this mode, so the card must lie under the point itself.
            inBand = top && InBand(place.left, cw, x) && InBand(place.top, ch, y);
        } else if (across) {
            int width = cw;
            if (!top && pile.fan == fan_mode::kRight) width = IsFaceDown(code) ? mg.FaceDownStepX : mg.FaceUpStepX;
            if (!top && pile.fan == fan_mode::kRightNarrow)
                width = IsFaceDown(code) ? mg.FanMode6DownStep : mg.FanMode6Step;
            inBand = InBand(place.left, width, x);
        } else {
            int height = ch;
            if (!top)
                height = pile.fan == fan_mode::kTopLowered ? (i == 0 ? mg.FaceUpStepY : 0) : VerticalStep(pile, code);
            inBand = InBand(place.top, height, y);
        }
        if (!inBand) continue;
        // A blank slot is no card.
        if (code <= engine::kNoCard) return std::nullopt;
        return engine::PileHit{code, engine::PileName(pile.ref), place};
    }
    return std::nullopt;
}

std::optional<engine::PileHit> PileGeometry::HitTableau(int x, int y) const {
    const int fan = m_sources.gameDef[engine::words::kTableauFanMode];
    const int count = engine::TableauCountOf(m_sources.gameDef);
    const int cw = m_sources.geometry.CardWidth();
    const int ch = m_sources.geometry.CardHeight();
    for (int j = 0; j < count; ++j) {
        // Side by side, later piles lie over earlier ones.
        const int i = fan == fan_mode::kSideBySide ? count - 1 - j : j;
        const Pile pile = PileOf({PileListId::kFila, i});
        if (!engine::IsPileOnTable(pile.x)) continue;
        TableRect rect{pile.x, pile.y, pile.x + cw, BottomOf(pile)};
        if (fan == fan_mode::kSpecial)
            rect = {x, y, x, y};
        else if (IsHorizontalFan(pile))
            rect = {pile.x, pile.y, TopCardPlace(pile).left + cw, pile.y + ch};
        if (!Contains(rect, x, y)) continue;
        if (auto hit = CardUnderPoint(pile, x, y)) return hit;
        // Side-by-side and special piles can lie close; the search goes on to the next.
        if (fan == fan_mode::kSideBySide || fan == fan_mode::kSpecial) continue;
        return engine::PileHit{engine::kNoCard, {}, rect};
    }
    return std::nullopt;
}

std::optional<engine::PileHit> PileGeometry::HitFoundation(int x, int y) const {
    const int ch = m_sources.geometry.CardHeight();
    const int cw = m_sources.geometry.CardWidth();
    for (int i = 0; i < engine::kDestLineCount; ++i) {
        const Pile pile = PileOf({PileListId::kDest, i});
        if (!engine::IsPileOnTable(pile.x)) continue;
        TableRect rect = TopCardPlace(pile);
        if (pile.fan == fan_mode::kDown || pile.fan == fan_mode::kStacked) {
            const int bottom = BottomOf(pile);
            rect = {pile.x, bottom - ch, pile.x + cw, bottom};
        }
        if (Contains(rect, x, y)) return engine::PileHit{PileTopCard(pile.cards), engine::PileName(pile.ref), rect};
    }
    return std::nullopt;
}

std::optional<engine::PileHit> PileGeometry::HitReserve(int x, int y) const {
    const int count = engine::ReserveCountOf(m_sources.gameDef);
    const int cw = m_sources.geometry.CardWidth();
    for (int i = 0; i < count; ++i) {
        const Pile pile = PileOf({PileListId::kAppogg, i});
        if (!engine::IsPileOnTable(pile.x)) continue;
        const bool downward =
            pile.fan == fan_mode::kDown || pile.fan == fan_mode::kStacked || pile.fan == fan_mode::kDownSmall;
        const TableRect rect = downward ? TableRect{pile.x, pile.y, pile.x + cw, BottomOf(pile)} : TopCardPlace(pile);
        if (!Contains(rect, x, y)) continue;
        if (auto hit = CardUnderPoint(pile, x, y)) return hit;
        return engine::PileHit{engine::kNoCard, engine::PileName(pile.ref), rect};
    }
    return std::nullopt;
}

engine::PileHit PileGeometry::PileAtPoint(int x, int y) const {
    const int cw = m_sources.geometry.CardWidth();
    const int ch = m_sources.geometry.CardHeight();
    for (int k = 0; k < engine::kMazzoLineCount; ++k) {
        const Pile pile = PileOf({PileListId::kMazzo, k});
        if (!engine::IsPileOnTable(pile.x)) continue;
        const TableRect rect{pile.x, pile.y, pile.x + cw, pile.y + ch};
        if (Contains(rect, x, y)) return {PileTopCard(pile.cards), engine::PileName(pile.ref), rect};
    }
    if (auto hit = HitTableau(x, y)) return *hit;
    if (auto hit = HitFoundation(x, y)) return *hit;
    if (auto hit = HitReserve(x, y)) return *hit;
    return {};
}

// Probes one pixel inside the top card's place: above the lower edge of a downward
// pile, below the top of a sideways one.
bool PileGeometry::ProbeTopCard(const Pile& pile, int card, TableRect& rect) const {
    int px = pile.x + 1;
    int py = BottomOf(pile) - 1;
    if (IsHorizontalFan(pile)) {
        px = TopCardPlace(pile).left + 1;
        py = pile.y + 1;
    }
    const engine::PileHit hit = PileAtPoint(px, py);
    if (hit.card != card) return false;
    rect = hit.rect;
    return true;
}

bool PileGeometry::FindCardPosition(int card, TableRect& rect) const {
    if (card < engine::kFirstCard) return false;
    const int cw = m_sources.geometry.CardWidth();
    const int ch = m_sources.geometry.CardHeight();
    for (int k = 0; k < engine::kMazzoLineCount; ++k) {
        const Pile pile = PileOf({PileListId::kMazzo, k});
        if (pile.y <= engine::kAbsentPileX || !PileHoldsCard(pile.cards, card)) continue;
        rect = {pile.x, pile.y, pile.x + cw, pile.y + ch};
        return true;
    }
    for (int i = 0; i < engine::kDestLineCount; ++i) {
        const Pile pile = PileOf({PileListId::kDest, i});
        if (engine::IsPileOnTable(pile.x) && ProbeTopCard(pile, card, rect)) return true;
    }
    // Side by side every card shows, so every card's place is probed.
    auto probeEach = [&](const Pile& pile) {
        for (int j = 0; j < PileCardCount(pile.cards); ++j) {
            const TableRect place = CardPlace(pile, j);
            const engine::PileHit hit = PileAtPoint(place.left + 1, place.top + 1);
            if (hit.card == card) {
                rect = hit.rect;
                return true;
            }
        }
        return false;
    };
    for (int i = 0; i < engine::kFilaLineCount; ++i) {
        const Pile pile = PileOf({PileListId::kFila, i});
        if (m_sources.geometry.TableauY(i) <= engine::kAbsentPileX || !engine::IsPileOnTable(pile.x)) continue;
        if (pile.fan == fan_mode::kSideBySide ? probeEach(pile) : ProbeTopCard(pile, card, rect)) return true;
    }
    for (int i = 0; i < engine::kAppoggLineCount; ++i) {
        const Pile pile = PileOf({PileListId::kAppogg, i});
        if (!engine::IsPileOnTable(pile.x)) continue;
        if (pile.fan == fan_mode::kSideBySide ? probeEach(pile) : ProbeTopCard(pile, card, rect)) return true;
    }
    return false;
}

}  // namespace table
