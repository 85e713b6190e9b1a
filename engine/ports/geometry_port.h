#pragma once

#include <string>
#include <string_view>

namespace engine {

// A place on the table in client coordinates: right = left + CardWidth and
// bottom = top + CardHeight for a single card.
struct TableRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const TableRect&, const TableRect&) = default;
};

// What lies under a point of the table: the pile's name ("Mazzo", "Mazzo_Vis",
// "Mazzo_Waste", "Fila01", "Dest03", "Appogg02"; empty for none), the card (0 for none)
// and the card's place.
struct PileHit {
    int card = 0;
    std::string name;
    TableRect rect;
};

// The card shadow's offset when shadows are on (Cards_Shadowed not "N"); 0 when off.
inline constexpr int kCardShadowOffset = 9;

// What the engine asks of the card table's layout: card sizes, the places of the piles
// and of each card in them, the pile under a point, the lifted stack's measures, and the
// preparation of the table for the current game. The card table implements it with the
// real layout (table/layout/table_layout.h).
class IGeometry {
public:
    virtual ~IGeometry() = default;

    virtual int CardWidth() const = 0;
    virtual int CardHeight() const = 0;
    virtual int ShadowOffset() const = 0;
    virtual void SetShadowOffset(int pixels) = 0;

    // The lifted stack: its image's height (CardHeight for one card) and its rectangle.
    virtual int DragHeight() const = 0;
    virtual void SetDragHeight(int height) = 0;
    virtual TableRect DragRect() const = 0;
    // Stores the lifted rectangle; the drag image's rectangle becomes
    // (0, 0, CardWidth, DragHeight).
    virtual void SetDragRects(int left, int top, int right, int bottom) = 0;

    // Tableau pile positions: x as stored, y less the table's vertical offset.
    virtual int TableauX(int index) const = 0;
    virtual int GetTableauY(int index) const = 0;

    // The place of a card of a named pile: with cardsLeftOut 0 and nextCard false the top
    // card, with nextCard true where a card put on the pile would go, with cardsLeftOut k
    // the card k below the top.
    virtual int CardX(std::string_view pile, int index, int cardsLeftOut, bool nextCard) const = 0;
    virtual int CardY(std::string_view pile, int index, int cardsLeftOut, bool nextCard) const = 0;
    // The lower edge of the pile's last card.
    virtual int PileBottomY(std::string_view pile) const = 0;
    virtual PileHit PileAtPoint(int x, int y) const = 0;
    // The card's place wherever a press could reach it; false when none was found.
    virtual bool FindCardPosition(int card, TableRect& rect) const = 0;

    // Loads the current game's definition and lays the table out for it.
    virtual bool SetupTable() = 0;
};

}  // namespace engine
