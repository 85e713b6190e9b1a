#pragma once

#include <optional>
#include <string_view>

#include "engine/ports/geometry_port.h"
#include "engine/model/pile_names.h"

namespace engine {
class GameDefRecord;
class PileStore;
class Registers;
class SettingsBlock;
class TMainGame;
}  // namespace engine

namespace table {

class TableGeometry;

// What the card places are computed from; all of it owned elsewhere.
struct GeometrySources {
    const TableGeometry& geometry;
    const engine::TMainGame& mainGame;      // pile positions, fan steps, table offset
    const engine::GameDefRecord& gameDef;   // fan modes, counts, game kind
    const engine::PileStore& piles;         // the pile lists and the face flags
    const engine::Registers& registers;     // the random-walk tables of untidy piles
    const engine::SettingsBlock& settings;  // Piles_TT
};

// The place of every card on the table, computed from the pile positions and the fan
// offsets of the cards below it, and the pile and card under a point.
class PileGeometry {
public:
    explicit PileGeometry(const GeometrySources& sources);

    // For a code of 1 or more, true when the card lies face down; false for lower codes.
    bool IsFaceDown(int card) const;

    // Tableau pile i's y less the table's vertical offset.
    int GetTableauY(int index) const;

    // The place of a card of a named pile ("Fila", "Dest", "Appogg" + number, "Mazzo",
    // "Mazzo_Vis", "Mazzo_Waste"): the top card (cardsLeftOut 0, nextCard false), the
    // place a card put on the pile would take (nextCard true), or the card cardsLeftOut
    // below the top. A name that is no pile gives kAbsentPileX.
    int CardX(std::string_view name, int index, int cardsLeftOut, bool nextCard) const;
    int CardY(std::string_view name, int index, int cardsLeftOut, bool nextCard) const;
    // The lower edge of the pile's last card; y + CardHeight for an empty pile.
    int PileBottomY(std::string_view name) const;

    // The pile and card under a point; the name stays empty when none.
    engine::PileHit PileAtPoint(int x, int y) const;
    // The card's rectangle wherever a press could reach it: a top card, or any card of a
    // side-by-side pile. False when it was not found.
    bool FindCardPosition(int card, engine::TableRect& rect) const;

private:
    // A named pile, resolved: its line, its place and its fan mode.
    struct Pile {
        engine::PileRef ref;
        int x = 0;
        int y = 0;
        int fan = 0;
        std::string_view cards;
    };

    std::optional<Pile> Resolve(std::string_view name) const;
    Pile PileOf(const engine::PileRef& ref) const;
    int PlaceX(const Pile& pile, int index, int cardsLeftOut, bool nextCard) const;
    int PlaceY(const Pile& pile, int cardsLeftOut, bool nextCard) const;
    int BottomOf(const Pile& pile) const;
    int VerticalStep(const Pile& pile, int code) const;
    int HorizontalStep(const Pile& pile, int code) const;
    bool IsHorizontalFan(const Pile& pile) const;
    engine::TableRect CardPlace(const Pile& pile, int cardIndex) const;
    engine::TableRect TopCardPlace(const Pile& pile) const;
    std::optional<engine::PileHit> CardUnderPoint(const Pile& pile, int x, int y) const;
    std::optional<engine::PileHit> HitTableau(int x, int y) const;
    std::optional<engine::PileHit> HitFoundation(int x, int y) const;
    std::optional<engine::PileHit> HitReserve(int x, int y) const;
    bool ProbeTopCard(const Pile& pile, int card, engine::TableRect& rect) const;

    GeometrySources m_sources;
};

}  // namespace table
