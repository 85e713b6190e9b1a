#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// The card resource library "QND.RGF": card faces and backs, table images, cursors and
// WAVE sounds, looked up by name without regard to case. Lookups on a closed library,
// or of a name it lacks, give empty data.
class IResourceLibrary {
public:
    virtual ~IResourceLibrary() = default;

    // False when the file is missing or damaged; the library is closed then.
    virtual bool Open(const std::filesystem::path& path) = 0;
    // Why the last Open of a file that is there failed, naming the damaged entry where
    // there is one; empty when it did not fail or there was no file to open.
    virtual std::string Problem() const { return {}; }
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    virtual bool HasBitmap(std::string_view name) const = 0;
    // Encoded image data (PNG or BMP).
    virtual std::string BitmapData(std::string_view name) const = 0;
    // A whole RIFF WAVE file.
    virtual std::string WaveData(std::string_view name) const = 0;
    // A PNG image whose text keys kCursorHotSpotXKey and kCursorHotSpotYKey give the hot spot.
    virtual std::string CursorData(std::string_view name) const = 0;
};

inline constexpr std::string_view kCursorHotSpotXKey = "HotSpotX";
inline constexpr std::string_view kCursorHotSpotYKey = "HotSpotY";

}  // namespace platform
