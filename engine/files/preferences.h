#pragma once

#include <functional>

namespace engine {

class PreferenceFile;
class SettingsBlock;

// [Preference] AutoPlay_All_Games: one AutoPlay switch for all games; 2 keeps one per game.
inline constexpr int kAutoplayAllGames = 1;
// Run_Exe counts program starts up to this value and then stays.
inline constexpr int kRunCountLimit = 9;
// Card shadow offset in pixels unless Cards_Shadowed is "N".
inline constexpr int kCardShadowPixels = 9;

// What the start-up reading needs from the screen and the main window.
struct PreferenceReading {
    bool lowColourScreen = false;  // 256 colours or fewer
    // Runs right after ToolBar_Flat is read, with the two toolbar values.
    std::function<void(bool large, bool flat)> applyToolbar;
    // Runs between ToolBar_Flat and Back_Card, on low-colour screens only.
    std::function<void()> showLowColourAdvice;
};

// The start-up values that live outside the settings block (table object, main window).
struct StartupPreferences {
    bool toolbarLarge = false;
    bool toolbarFlat = true;
    int fastSearchType = 0;
    int foundationMarkStyle = 0;
    int randomGameType = 2;
    int autoplaySaveMode = kAutoplayAllGames;
    // [Preference] AutoPlay is "Y"; read, and so possibly true, only in the all-games mode.
    bool autoPlay = false;
};

// Reads every start-up key in order into the settings block, applies the defaults and
// repairs, and sets the scoring mode. A missing or damaged file gives the defaults.
StartupPreferences ReadPreferences(SettingsBlock& settings, const PreferenceFile& file,
                                   const PreferenceReading& reading = {});

// When no player is set, writes those of the three default players that [Users] lacks and
// makes User001 current. True when it did so.
bool CreateDefaultPlayers(SettingsBlock& settings, PreferenceFile& file);

// [Parameters] Run_Exe, default 0.
int ReadRunCount(const PreferenceFile& file);
// Counts this start: a value below the limit is increased in the file. Returns the count.
int AdvanceRunCount(PreferenceFile& file);

// The card shadow offset that Cards_Shadowed (178/1) gives.
int CardShadowOffset(const SettingsBlock& settings);

// The table's cursor that Cursor (172/2) names: kDefaultCursor for "10" (and for a field
// that holds no number), else that number of the cursor table.
int TableCursor(const SettingsBlock& settings);

}  // namespace engine
