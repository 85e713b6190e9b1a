#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace platform {
class IClock;
class IMessages;
class IShellOpen;
}  // namespace platform

// Waiting, message boxes, folders and the shell, for the rest of the engine.
namespace engine {

// Waits on the tick counter, letting the application handle pending events meanwhile.
void DelayProcessing(platform::IClock& clock, std::uint32_t milliseconds);
// Waits on the tick counter without handling events: the window does not repaint.
void Delay(platform::IClock& clock, std::uint32_t milliseconds);

void ShowInfo(platform::IMessages& messages, const std::string& text);
// Beep types as the messages port takes them (0 default, 0x10 stop, 0x30, 0x40).
void SystemBeep(platform::IMessages& messages, unsigned beepType);

// A new, empty file with a unique name starting with the prefix, in the folder (the
// system's temporary folder when the folder is empty). False when none could be made.
bool MakeTempFileName(const std::filesystem::path& folder, std::string_view prefix, std::filesystem::path& name);

// True when the folder exists.
bool DirExists(const std::filesystem::path& folder);
// There is no Windows folder here: always the empty text, as when it cannot be read.
std::string WindowsDir();

inline constexpr int kShellSuccessAbove = 32;

// Shows or clears the busy cursor around a long call (true: busy).
using BusyCursor = std::function<void(bool busy)>;

// Asks the desktop to open the file with its default handler; above 32 means success.
int RunShell(platform::IShellOpen& shell, const std::string& file, const std::string& parameters,
             const std::string& folder, int showMode, const BusyCursor& busyCursor = {});

inline constexpr int kManyColours = 999'999'999;
// Colours a display shows: (2 ^ bits per pixel) ^ planes, kManyColours above 24 bits.
int NumColors(int bitsPerPixel, int planes);

}  // namespace engine
