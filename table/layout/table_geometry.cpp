#include "table/layout/table_geometry.h"

#include "engine/model/table_object.h"
#include "table/layout/card_sizes.h"

namespace table {

namespace {

bool IsTableauSlot(int index) { return index >= 0 && index < kTableauSlots; }

constexpr CardDimensions kStartCards = *CardDimensionsFor(kBigCards);

}  // namespace

TableGeometry::TableGeometry()
    : m_cardWidth(kStartCards.width), m_cardHeight(kStartCards.height), m_dragHeight(kStartCards.height) {
    m_tableauX.fill(engine::kAbsentTableauX);
    m_tableauY.fill(engine::kAbsentTableauX);
    m_dragImageRect = {0, 0, m_cardWidth, m_dragHeight};
}

bool TableGeometry::SetCardSize(char size) {
    const auto dimensions = CardDimensionsFor(size);
    if (!dimensions) return false;
    m_cardWidth = dimensions->width;
    m_cardHeight = dimensions->height;
    return true;
}

int TableGeometry::TableauX(int index) const {
    return IsTableauSlot(index) ? m_tableauX[static_cast<std::size_t>(index)] : engine::kAbsentTableauX;
}

int TableGeometry::TableauY(int index) const {
    return IsTableauSlot(index) ? m_tableauY[static_cast<std::size_t>(index)] : engine::kAbsentTableauX;
}

void TableGeometry::SetTableauX(int index, std::int16_t value) {
    if (IsTableauSlot(index)) m_tableauX[static_cast<std::size_t>(index)] = value;
}

void TableGeometry::SetTableauY(int index, std::int16_t value) {
    if (IsTableauSlot(index)) m_tableauY[static_cast<std::size_t>(index)] = value;
}

void TableGeometry::SetDragRects(int left, int top, int right, int bottom) {
    m_dragRect = {left, top, right, bottom};
    m_dragImageRect = {0, 0, m_cardWidth, m_dragHeight};
}

}  // namespace table
