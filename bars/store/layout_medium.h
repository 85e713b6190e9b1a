#pragma once

#include "bars/core/bar_types.h"
#include "platform/qt/bitmap.h"

#include <cstdint>
#include <optional>
#include <string>

namespace bars {

// Where a layout is kept: the registry store or an INI file. Containers are keys or
// sections named by the medium; values go in and come out by name. Reading answers nothing
// for a value that is missing or of the wrong kind.
class LayoutMedium {
public:
    virtual ~LayoutMedium() = default;

    // The manager-wide values; a bar ("Bar0") or sub item ("SubItem_x") below it; link j of
    // a container.
    virtual std::string MainContainer() const = 0;
    virtual std::string TopContainer(const std::string& name) const = 0;
    virtual std::string LinkContainer(const std::string& container, int index) const = 0;

    virtual void WriteBoolean(const std::string& container, const char* name, bool value) = 0;
    virtual void WriteInteger(const std::string& container, const char* name, int value) = 0;
    virtual void WriteString(const std::string& container, const char* name, const std::string& value) = 0;
    virtual void WriteUserDefine(const std::string& container, std::uint8_t value) = 0;
    virtual void WriteUserGlyph(const std::string& container, const platform::Bitmap& glyph) = 0;

    virtual std::optional<bool> ReadBoolean(const std::string& container, const char* name) const = 0;
    virtual std::optional<int> ReadInteger(const std::string& container, const char* name) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& container, const char* name) const = 0;
    virtual std::optional<std::uint8_t> ReadUserDefine(const std::string& container) const = 0;
    // Nothing also for data beyond the glyph limits.
    virtual std::optional<platform::Bitmap> ReadUserGlyph(const std::string& container) const = 0;

    // Registry: a value that should be there and is not fails its bar or link. INI: the
    // defaults stand in.
    virtual bool MissingValueFails() const = 0;
    // Whether a stored bar, a stored link and a sub item's links are present.
    virtual bool BarPresent(const std::string& container) const = 0;
    virtual bool LinkPresent(const std::string& container) const = 0;
    virtual bool SubItemLinksPresent(const std::string& container) const = 0;
};

// The layout of a manager into a medium, and back.
void WriteLayout(TcbBarManager& manager, LayoutMedium& medium);
void ReadLayout(TcbBarManager& manager, const LayoutMedium& medium);

// A glyph as stored (PNG data), and back within the limits; nothing for empty or bad data.
std::string EncodeUserGlyph(const platform::Bitmap& glyph);
std::optional<platform::Bitmap> DecodeUserGlyph(const std::string& data);
inline constexpr std::size_t kMaxGlyphBytes = 256 * 1024;
inline constexpr int kMaxGlyphSide = 256;

}  // namespace bars
