#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The single steps of the start-up loader (engine/startup/loader.h) that stand on their own.
namespace engine {

class Game;
class Media;
class SettingsBlock;
class TMainGame;
struct Services;

inline constexpr std::string_view kCardLibraryFile = "QND.RGF";
inline constexpr std::string_view kCannotLoadLibrary = "Can't find/load ";
inline constexpr std::string_view kStartupHelpWindow = "proc";
// Screens of this many colours or fewer get the colour advice and card set 3.
inline constexpr int kLowColourLimit = 256;
inline constexpr std::string_view kLowColourAdviceSection = "Screen_Under_256_Colors";
inline constexpr int kLowColourAdvicePage = 0;
// TMainGame.SmallScreenHandled after start-up: the next chosen game treats it as not handled.
inline constexpr std::int16_t kSmallScreenSetAtStartup = 2;

// Opens program folder + QND.RGF and hands it to the media. When it cannot be opened,
// shows "Can't find/load " with the path in lower case, asks the process to end with a
// failure status and returns false.
bool OpenCardLibrary(const Services& services, Media& media);

// Expands the text macros in the captions of the menu items that carry them, disables the
// snapshot commands, sets the application title and hides the commands not offered.
void PrepareMainWindow(const Services& services);

// The run state of a fresh start: no game, no clock, no drag, no pending click or
// animation; the start-up pending until the first activation; no mouse move seen.
void ResetRunState(Game& game);

// program folder + "quendrix.hlp>proc" becomes the application's help file.
void SetStartupHelpFile(const Services& services);

std::string LowColourAdviceText();

// A stored game id of 0 or more that the game list does not hold becomes -1 and the game
// name empty, so that no game is current. True when it did so.
bool CheckCurrentGame(SettingsBlock& settings, const TMainGame& mainGame);

// The advice of this run not yet shown, no stock mark, no joker caption.
void ResetAdviceState(TMainGame& mainGame);

}  // namespace engine
