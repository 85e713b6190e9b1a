#include "platform/qt/resource_bitmaps.h"

#include "platform/core/paths.h"
#include "platform/core/resource_library.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

#include <string>
#include <utility>

namespace platform {

namespace {

constexpr std::string_view kBmpExtension = ".bmp";

bool HasFolderPart(std::string_view name) { return name.find_first_of("\\/:") != std::string_view::npos; }

}  // namespace

ResourceBitmaps::ResourceBitmaps(const IResourceLibrary& library, const PathResolver& paths,
                                 RequireImageFile requireImageFile)
    : m_library(library), m_paths(paths), m_requireImageFile(std::move(requireImageFile)) {}

bool ResourceBitmaps::LoadResBitmap(Bitmap& bitmap, std::string_view name) const {
    const std::string data = m_library.BitmapData(name);
    if (bitmap.LoadFromData(data)) return true;
    if (!data.empty() && m_reportDamagedImage) m_reportDamagedImage(name);
    return false;
}

void ResourceBitmaps::DrawResBitmap(Canvas& canvas, std::string_view name) const {
    Bitmap image;
    if (LoadResBitmap(image, name)) canvas.Draw(0, 0, image);
}

bool ResourceBitmaps::LoadBmpFile(Bitmap& bitmap, std::string_view name) const {
    std::filesystem::path path;
    if (!HasFolderPart(name))
        path = m_paths.Resolve(std::string(name) + std::string(kBmpExtension));
    else
        path = name.starts_with('/') ? std::filesystem::path(name) : m_paths.Resolve(name);
    if (m_requireImageFile && !m_requireImageFile(path)) {
        bitmap.Clear();
        return false;
    }
    return bitmap.LoadFromFile(path);
}

void ResourceBitmaps::TileBitmap(Canvas& canvas, int width, int height, const Bitmap& source, bool fromLibrary,
                                 std::string_view name) const {
    Bitmap loaded;
    if (!name.empty()) {
        if (fromLibrary)
            LoadResBitmap(loaded, name);
        else
            LoadBmpFile(loaded, name);
    }
    const Bitmap& tile = name.empty() ? source : loaded;
    if (tile.IsEmpty()) return;
    const int tileWidth = tile.Width();
    const int tileHeight = tile.Height();
    // One row of tiles, then that band of the canvas copied down; counted in 64 bits, so an
    // area as wide as the int range cannot overflow.
    for (long long x = 0; x <= width; x += tileWidth) canvas.Draw(static_cast<int>(x), 0, tile);
    for (long long y = tileHeight; y <= height; y += tileHeight)
        canvas.BlockCopy(0, static_cast<int>(y), width, tileHeight, canvas, 0, 0, RasterOp::SrcCopy);
}

}  // namespace platform
