#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Every name the program asks of the card resource library, in one place: the build
// draws each one, and the tests check that each resolves with the size its users expect.
namespace platform::resources {

enum class ResourceKind { Bitmap, Cursor, Wave };

// The bundle keeps each kind in a folder of its own, an entry's file name being the
// resource name with an extension (".png", ".bmp", ".wav").
inline constexpr std::string_view kBitmapFolder = "bitmap";
inline constexpr std::string_view kCursorFolder = "cursor";
inline constexpr std::string_view kWaveFolder = "wave";
std::string_view FolderOf(ResourceKind kind);

// Card sizes by their letter (settings field Card_Size), in pixels.
struct CardSizeSpec {
    char letter;
    int width;
    int height;
};
inline constexpr std::array<CardSizeSpec, 3> kCardSizes{{{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}}};
// Null for a letter that names no size.
const CardSizeSpec* FindCardSize(char letter);

// A suit strip holds 13 faces, five to a row, in a grid of this many card places.
inline constexpr int kStripColumns = 6;
inline constexpr int kStripRows = 4;
inline constexpr int kFacesPerStripRow = 5;
// Suit letters in the order of the card codes: hearts, diamonds, clubs, spades.
inline constexpr std::string_view kSuitLetters = "HDCS";
// Set "001" is the default, "003" the one forced on small screens (and the default on
// displays of 256 colours); the others stay for preference files that name them.
inline constexpr std::array<std::string_view, 5> kCardSets{"001", "002", "003", "004", "005"};

// Backs 1-20 exist in every size ("DB" + number is the big size's back).
inline constexpr int kFirstBack = 1;
inline constexpr int kLastBack = 20;

// Pile marks and table images, one card in size: "W" + size letter + code.
inline constexpr std::array<std::string_view, 21> kPileMarkCodes{
    "001", "003", "004", "005", "006", "008", "009", "010", "011", "012", "013",
    "014", "015", "016", "017", "018", "019", "020", "021", "022", "_WASTE"};
inline constexpr std::string_view kTableauMarkCode = "_TABLEAU";

// Shadows are drawn with white left out, the stock's edges with pure blue, and the
// chooser's and options' icons and the toolbar glyphs with maroon (colours 0x00BBGGRR).
inline constexpr std::uint32_t kShadowKeyColour = 0xFFFFFF;
inline constexpr std::uint32_t kBorderKeyColour = 0xFF0000;
inline constexpr std::uint32_t kIconKeyColour = 0x000080;

// The stock's 3-D edges: a strip of this many rows or columns beyond the card.
inline constexpr int kBorderDepth = 16;
inline constexpr int kBorderExtraWidth = 11;   // bottom edge: card width + this
inline constexpr int kBorderExtraHeight = 13;  // right edge: card height + this
inline constexpr int kShadowThickness = 9;

// Numbered backgrounds the options offer; below 500 they are tiles, from 500 pictures.
inline constexpr std::array<int, 6> kBackgroundNumbers{102, 287, 296, 304, 311, 324};
inline constexpr int kBackgroundTileSize = 128;

// The game previews: one per game of GAMES.DAT, drawn by the build from a real deal
// (tools/game_previews.cpp), so they are not in AllResources. The chooser leaves out their
// top-left pixel's colour.
inline constexpr int kPreviewWidth = 300;
inline constexpr int kPreviewHeight = 185;

// The chooser's icon of each game category (the game list's type code).
struct GameTypeIcon {
    int category;
    std::string_view key;
};
inline constexpr std::array<GameTypeIcon, 22> kGameTypeIcons{{
    {2, "TREE5_CANFIELD_TYPE"},
    {3, "TREE5_FORTYTHIEVES_TYPE"},
    {4, "TREE5_FREECELL_TYPE"},
    {5, "TREE5_KLONDIKE_TYPE"},
    {6, "TREE5_PAIRING_TYPE"},
    {7, "TREE5_SIMPLEGAMES_TYPE"},
    {8, "TREE5_SPIDER_TYPE"},
    {9, "TREE5_1DECK_TYPE"},
    {10, "TREE5_2DECK_TYPE"},
    {11, "TREE5_FAN_TYPE"},
    {12, "TREE5_BAKERSDOZEN_TYPE"},
    {13, "TREE5_ROW_TYPE"},
    {14, "TREE5_PUZZLE_TYPE"},
    {15, "TREE5_ADDITION_TYPE"},
    {16, "TREE5_MEMORY_TYPE"},
    {17, "TREE5_BELEAGUEREDCASTLE_TYPE"},
    {18, "TREE5_QUEENOFITALY_TYPE"},
    {19, "TREE5_YUKON_TYPE"},
    {20, "TREE5_MATHEMATICAL_TYPE"},
    {21, "TREE5_SIRTOMMY_TYPE"},
    {22, "TREE5_NONBUILDERS_TYPE"},
    {800, "TREE5_CUSTOMIZED_GAMES"},
}};
// The icon key of a category; empty for any other code.
std::string_view GameTypeKey(int category);
inline constexpr std::string_view kWinSuffix = "_WIN";
inline constexpr std::string_view kNoWinSuffix = "_NOWIN";

inline constexpr std::array<std::string_view, 18> kFolderIcons{
    "TREE1",   "TREE2",   "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1",
    "F_TREE2", "S_TREE1", "S_TREE2", "D_TREE1", "D_TREE2", "C_TREE1",
    "C_TREE2", "T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2", "TREE5_ORIGINAL_TYPE"};
inline constexpr int kIconSize = 16;

inline constexpr std::array<std::string_view, 17> kGauges{
    "PROG_TIME_LONG",        "PROG_TIME_MEDIUM",     "PROG_TIME_QUICK",      "PROG_DIFF_EASY",
    "PROG_DIFF_MEDIUM",      "PROG_DIFF_HARD",       "PROG_CHAN_VERYHIGH",   "PROG_CHAN_HIGH",
    "PROG_CHAN_MEDIUM",      "PROG_CHAN_LOW",        "PROG_CHAN_VERYLOW",    "PROG_SKILL_DIFFICULT",
    "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE", "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY",
    "PROG_DISABLED"};
inline constexpr int kGaugeWidth = 80;
inline constexpr int kGaugeHeight = 10;

// Toolbar glyphs; each also exists with kDisabledSuffix.
inline constexpr std::array<std::string_view, 7> kToolbarGlyphs{"TB_UNDO", "TB_REDO", "TB_AUTOPLAY", "TB_NEW",
                                                                 "TB_OPEN", "TB_RULES", "TB_EXIT"};
inline constexpr std::string_view kDisabledSuffix = "_DIS";
inline constexpr int kGlyphSize = 16;

// The joker captions' suit images, by suit 0-3.
inline constexpr std::array<std::string_view, 4> kSuitImages{"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS",
                                                             "SUIT_SPADES"};
inline constexpr int kSuitImageSize = 9;

// The table's cursors by their number in the application's cursor table.
struct TableCursor {
    int id;
    std::string_view name;
};
inline constexpr std::array<TableCursor, 12> kTableCursors{{
    {10, "CUR_ARROW1A"},
    {11, "CUR_ARROW2A"},
    {12, "CUR_RIGHT_HAND1A"},
    {13, "CUR_RIGHT_HAND2A"},
    {14, "CUR_LEFT_HAND1A"},
    {15, "CUR_LEFT_HAND2A"},
    {20, "CUR_ARROW1B"},
    {21, "CUR_ARROW2B"},
    {22, "CUR_RIGHT_HAND1B"},
    {23, "CUR_RIGHT_HAND2B"},
    {24, "CUR_LEFT_HAND1B"},
    {25, "CUR_LEFT_HAND2B"},
}};
// The resource name of a table cursor; empty for a number that is none.
std::string_view TableCursorName(int id);
inline constexpr int kCursorSize = 32;

inline constexpr std::array<std::string_view, 19> kSoundNames{
    "Splash", "About",    "New",        "Won",      "Shuffle",       "Tableau",  "Waste",
    "Eddy",   "Stock",    "Stock02",    "Redeal",   "Red_no_a",      "Foundation", "Autoplay",
    "Dest_Autoplay", "Pairing", "card_up", "card_down", "Face_up"};
// A name the library never holds: playing it stops the sound that is playing.
inline constexpr std::string_view kStopSoundName = "_tmp_stop_";

// The pictures the program's windows carry: the splash (title strip, logo, picture,
// name strip), the About box, the newsletter dialogs, the advice box's two pages and
// the chooser's picture shown while a folder is selected.
struct WindowPicture {
    std::string_view name;
    int width;
    int height;
};
inline constexpr std::array<WindowPicture, 9> kWindowPictures{{
    {"PIC_SPLASH_TITLE", 393, 48},
    {"PIC_SPLASH_LOGO", 112, 112},
    {"PIC_SPLASH_PICTURE", 250, 200},
    {"PIC_SPLASH_NAME", 393, 28},
    {"PIC_ABOUT", 128, 128},
    {"PIC_NEWSLETTER", 64, 64},
    {"PIC_ADVICE_COLOR", 64, 64},
    {"PIC_ADVICE_640X480", 64, 64},
    {"PIC_CHOOSER", 300, 185},
}};

// Names built from their parts.
std::string CardStripName(char size, std::string_view cardSet, char suit);
std::string JokerName(char size);
std::string CardBackName(char size, int back);
std::string PileMarkName(char size, std::string_view code);
std::string ShadowName(char size, int which);  // which: 1 right edge, 2 bottom edge
std::string BorderName(char size, int which);  // which: 1 right edge, 2 bottom edge
std::string BackgroundName(int number);
std::string GamePreviewName(int gameId);

// What a resource is for, so that a generator can draw something that fits.
enum class ResourceFamily {
    CardStrip, Joker, CardBack, PileMark, Shadow, Border, Background,
    FolderIcon, TypeIcon, Gauge, ToolbarGlyph, SuitImage, WindowPicture, Cursor, Sound,
};

// One resource of the library, with the size its users expect (0 = any size).
struct ResourceEntry {
    std::string name;
    ResourceKind kind;
    ResourceFamily family;
    int width = 0;
    int height = 0;
};
// Every resource the program asks for, each name once.
std::vector<ResourceEntry> AllResources();

}  // namespace platform::resources
