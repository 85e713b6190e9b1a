#include "engine/base/system_utils.h"

#include <system_error>

#include "platform/core/clock.h"
#include "platform/core/messages.h"
#include "platform/core/paths.h"
#include "platform/core/shell_open.h"

namespace engine {

namespace {
constexpr int kTrueColourBits = 24;
}

void DelayProcessing(platform::IClock& clock, std::uint32_t milliseconds) { clock.DelayProcessing(milliseconds); }

void Delay(platform::IClock& clock, std::uint32_t milliseconds) { clock.Delay(milliseconds); }

void ShowInfo(platform::IMessages& messages, const std::string& text) { messages.ShowInfo(text); }

void SystemBeep(platform::IMessages& messages, unsigned beepType) { messages.Beep(beepType); }

bool MakeTempFileName(const std::filesystem::path& folder, std::string_view prefix, std::filesystem::path& name) {
    name = platform::MakeTempFileName(folder, prefix);
    return !name.empty();
}

bool DirExists(const std::filesystem::path& folder) {
    // Checked without changing the current folder, which is process-wide state.
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

std::string WindowsDir() { return {}; }

int RunShell(platform::IShellOpen& shell, const std::string& file, const std::string& parameters,
             const std::string& folder, int showMode, const BusyCursor& busyCursor) {
    if (busyCursor) busyCursor(true);
    const int result = shell.Open(file, parameters, folder, showMode);
    if (busyCursor) busyCursor(false);
    return result;
}

int NumColors(int bitsPerPixel, int planes) {
    if (bitsPerPixel > kTrueColourBits) return kManyColours;
    if (bitsPerPixel < 0 || planes < 0) return 1;
    // Several planes of deep colour would overflow; they count as "many".
    long long colours = 1;
    for (int plane = 0; plane < planes; ++plane) {
        colours <<= bitsPerPixel;
        if (colours > kManyColours) return kManyColours;
    }
    return static_cast<int>(colours);
}

}  // namespace engine
