#pragma once

#include <string_view>

#include "engine/ports/services.h"
#include "engine/model/settings_block.h"

namespace engine {
class GameDefRecord;
class TMainGame;
}  // namespace engine

namespace table {

class ICardImages;
class ITableWindow;
class TableGeometry;

// The settings fields that keep the player's card size, set and back while a small
// screen forces the medium set.
inline constexpr engine::fields::Field kSavedCardSize{240, 1};
inline constexpr engine::fields::Field kSavedCardSet{129, 3};
inline constexpr engine::fields::Field kSavedBackCard{132, 3};

// The set forced on a screen too small for the big cards.
inline constexpr std::string_view kSmallScreenCardSet = "003";

// Screens narrower than these are too small for games of MinScreenClass 1 and 2.
inline constexpr int kScreenClass1Width = 650;
inline constexpr int kScreenClass2Width = 810;

// Where SetupTable and LayoutTable read and write.
struct TableSetupParts {
    engine::Services services;        // messages, and the files for the game definition
    engine::SettingsBlock& settings;  // card size, set and back, Piles_TT, the game name
    engine::TMainGame& mainGame;      // positions, fan steps, the small-screen words
    engine::GameDefRecord& gameDef;
    TableGeometry& geometry;
    ITableWindow& window;
    ICardImages* images = nullptr;  // none: the sizes change, no image is loaded
};

// Prepares the table for a game: the game's definition, the card size for the screen,
// the pile positions, the commands that depend on the game, the fan steps and the layout.
class TableSetup {
public:
    explicit TableSetup(const TableSetupParts& parts);

    // Loads the current game's definition (field 62/4) and lays the table out for it.
    // False when the definition could not be loaded (the player has been told); the
    // table is then laid out for a game without piles.
    bool SetupTable();
    // Computes the usable area of the main window and places every pile in it.
    void LayoutTable();
    // The fan steps by the game's fan modes and the card size.
    void SetFanSteps();
    // The card size from Card_Size, and every card image for it.
    void SetCardSize();

    void SetCardImages(ICardImages* images) { m_parts.images = images; }

private:
    void HandleSmallScreen();
    void ResetPilePositions();
    void EnableGameCommands();

    TableSetupParts m_parts;
};

}  // namespace table
