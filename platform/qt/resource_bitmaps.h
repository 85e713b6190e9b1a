#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <utility>

namespace platform {

class Bitmap;
class Canvas;
class IResourceLibrary;
class PathResolver;

// Checks that an image file exists before it is loaded; the program's check shows the
// missing-images message and ends the program (engine::RequireImageFile).
using RequireImageFile = std::function<bool(const std::filesystem::path& file)>;
// Told the name of a library image whose data does not decode, each time it is loaded.
using ReportDamagedImage = std::function<void(std::string_view name)>;

// Bitmaps by name from the card resource library, and .bmp files beside the program.
// Everything here tolerates a closed library: its names then give empty bitmaps.
class ResourceBitmaps {
public:
    ResourceBitmaps(const IResourceLibrary& library, const PathResolver& paths, RequireImageFile requireImageFile);

    void SetDamagedImageReport(ReportDamagedImage report) { m_reportDamagedImage = std::move(report); }

    // The bitmap becomes the library's image of that name, or empty when the library
    // lacks it or its data does not decode (which is reported). True when it is not empty.
    bool LoadResBitmap(Bitmap& bitmap, std::string_view name) const;
    // Copies the library's image of that name to the canvas at 0,0 in its full size.
    void DrawResBitmap(Canvas& canvas, std::string_view name) const;
    // A name without a folder part is program folder + name + ".bmp", any other name is
    // taken as it stands (relative names below the program folder). The file passes the
    // image-file check first; a file that fails it, or cannot be read, leaves the bitmap empty.
    bool LoadBmpFile(Bitmap& bitmap, std::string_view name) const;
    // Covers width x height of the canvas with a tile: the source bitmap when the name is
    // empty, else the library's image (fromLibrary) or the .bmp file of that name.
    void TileBitmap(Canvas& canvas, int width, int height, const Bitmap& source, bool fromLibrary,
                    std::string_view name) const;

private:
    const IResourceLibrary& m_library;
    const PathResolver& m_paths;
    RequireImageFile m_requireImageFile;
    ReportDamagedImage m_reportDamagedImage;
};

}  // namespace platform
