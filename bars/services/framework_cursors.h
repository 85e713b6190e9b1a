#pragma once

#include "platform/core/resource_library.h"

#include <QCursor>

namespace platform {
class CursorTable;
}

namespace bars {

// The framework's own resources, which the program carries: the four cursors "CBBARDRAGCURSOR"
// (an arrow with a dotted button), "CBBARDRAGCOPYCURSOR" (the same with a plus box),
// "CBBARDRAGNODROPCURSOR" (the barred circle) and "CBBAREDITSIZINGCURSOR" (a double arrow
// across a bar), drawn here. Always open; it holds nothing else.
class FrameworkResources : public platform::IResourceLibrary {
public:
    static const FrameworkResources& Instance();

    bool Open(const std::filesystem::path&) override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    bool HasBitmap(std::string_view) const override { return false; }
    std::string BitmapData(std::string_view) const override { return {}; }
    std::string WaveData(std::string_view) const override { return {}; }
    std::string CursorData(std::string_view name) const override;
};

// The table in which initialisation installs the framework's cursors by number (1041-1044).
platform::CursorTable& FrameworkCursors();
// The cursor of that number; the ordinary arrow before initialisation.
QCursor FrameworkCursor(int id);

}  // namespace bars
