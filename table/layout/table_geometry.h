#pragma once

#include <array>
#include <cstdint>

#include "engine/ports/geometry_port.h"

namespace table {

// Room in the tableau position arrays; the game uses at most 28 piles.
inline constexpr int kTableauSlots = 30;

// The table's own measures: the card size, the shadow offset, the tableau piles'
// positions (the foundations, reserves and stock row live in TMainGame) and the lifted
// stack's rectangles. One per table; the layout writes it, everything else reads it.
class TableGeometry {
public:
    // Card size "B" until SetCardSize says otherwise; every tableau pile off the table.
    TableGeometry();

    int CardWidth() const { return m_cardWidth; }
    int CardHeight() const { return m_cardHeight; }
    // (0, 0, CardWidth, CardHeight).
    engine::TableRect CardRect() const { return {0, 0, m_cardWidth, m_cardHeight}; }
    // Takes the height and width of the card set of that letter ("B", "M", "L"); false,
    // with nothing changed, for any other letter.
    bool SetCardSize(char size);

    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int pixels) { m_shadowOffset = pixels; }

    // Raw tableau positions in table coordinates. An index outside the arrays reads the
    // tableau's absent marker and is not written.
    int TableauX(int index) const;
    int TableauY(int index) const;
    void SetTableauX(int index, std::int16_t value);
    void SetTableauY(int index, std::int16_t value);

    // The lifted stack: its image's height and its rectangle on the table, and the drag
    // image's rectangle (0, 0, CardWidth, DragHeight).
    int DragHeight() const { return m_dragHeight; }
    void SetDragHeight(int height) { m_dragHeight = height; }
    engine::TableRect DragRect() const { return m_dragRect; }
    engine::TableRect DragImageRect() const { return m_dragImageRect; }
    void SetDragRects(int left, int top, int right, int bottom);

private:
    int m_cardWidth;
    int m_cardHeight;
    int m_shadowOffset = 0;
    std::array<std::int16_t, kTableauSlots> m_tableauX{};
    std::array<std::int16_t, kTableauSlots> m_tableauY{};
    int m_dragHeight;
    engine::TableRect m_dragRect;
    engine::TableRect m_dragImageRect;
};

}  // namespace table
