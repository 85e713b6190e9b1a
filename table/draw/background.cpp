#include "table/draw/background.h"

#include "engine/base/gradient.h"
#include "engine/model/preference_fields.h"
#include "engine/files/preference_file.h"
#include "engine/model/settings_block.h"
#include "engine/base/system_utils.h"
#include "engine/base/text_utils.h"
#include "platform/core/paths.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/draw_context.h"
#include "table/draw/table_background.h"
#include "table/draw/table_buffer.h"
#include "table/draw/table_surface.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace table {

namespace {

namespace f = engine::fields;

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";
constexpr std::string_view kPreferenceSection = "Preference";
constexpr std::string_view kCustomizedBackgroundKey = "Customized_Background";
constexpr std::string_view kBackgroundDefKey = "Background_Def";
constexpr std::string_view kPictureExtension = ".bmp";
constexpr std::string_view kPicturePrefix = "B";
constexpr int kPictureDigits = 3;
// Background_bmp when no library picture is chosen.
constexpr std::string_view kNoPicture = "0";

// Displays of this many colours or fewer get neither the deep default green nor a fade.
constexpr int kPaletteColours = 256;
// While the scroll bar shows, the fade runs on below the visible table.
constexpr int kFadeExtraWithScrollBar = 80;
constexpr int kFadeExtra = 1;
constexpr platform::Colour kFadeTo = 0;

// A colour field: decimal text, possibly a negative system colour; 0 when unreadable.
platform::Colour ColourField(const engine::SettingsBlock& settings, f::Field field) {
    const std::string text = engine::TrimLeftSpaces(settings.GetField(field.position, field.width));
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return 0;
    return static_cast<platform::Colour>(static_cast<std::uint32_t>(value));
}

int NumberField(const engine::SettingsBlock& settings, f::Field field) {
    const std::string text = engine::TrimLeftSpaces(settings.GetField(field.position, field.width));
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return 0;
    return value;
}

bool FieldIs(const engine::SettingsBlock& settings, f::Field field, std::string_view value) {
    return settings.GetField(field.position, field.width) == value;
}

bool HasFolderPart(std::string_view name) { return name.find_first_of("\\/:") != std::string_view::npos; }

// Where a picture named in the options lies: a bare name is a .bmp beside the program.
std::filesystem::path PicturePath(const platform::PathResolver& paths, std::string_view name) {
    if (!HasFolderPart(name)) return paths.Resolve(std::string(name) + std::string(kPictureExtension));
    if (name.starts_with('/')) return std::filesystem::path(std::string(name));
    return paths.Resolve(name);
}

// Both images of the off-screen table lie under the same area.
platform::Rect PaintArea(const TableBuffers& buffers) { return {0, 0, buffers.Width() + 1, buffers.Height() + 1}; }

platform::Colour ResolveColour(const DrawContext& context, platform::Colour colour) {
    if ((colour & engine::kSystemColourFlag) != 0 && context.resolveSystemColour)
        return context.resolveSystemColour(colour) & 0x00FF'FFFFu;
    return colour & 0x00FF'FFFFu;
}

// Runs a painting step on the canvas and then, unless canvasOnly, on BackgroundBitmap.
// A step takes either; pictures need a whole image to draw on (WholeImage).
template <typename Step>
void PaintBoth(DrawContext& context, platform::Canvas& canvas, bool canvasOnly, Step step) {
    step(canvas);
    if (!canvasOnly) step(context.Background());
}

platform::Canvas& WholeImage(platform::Canvas& canvas) { return canvas; }
platform::Canvas& WholeImage(TableBackground& background) { return background.Canvas(); }

void FillColour(DrawContext& context, platform::Canvas& canvas, bool canvasOnly, platform::Colour colour) {
    const platform::Rect area = PaintArea(context.buffers);
    const bool fade = FieldIs(context.settings, f::kFadeBackground, kYes) && context.displayColours > kPaletteColours;
    const int extra = context.surface.IsScrollBarVisible() ? kFadeExtraWithScrollBar : kFadeExtra;
    const platform::Colour solid = ResolveColour(context, colour);
    // The fade's bands cover every row whole, so nothing needs the plain colour under them
    // but the background, which a whole fill lets drop a picture's image for a colour a row.
    if (fade && !canvasOnly) context.Background().FillSolidRect(area, solid);
    PaintBoth(context, canvas, canvasOnly, [&](auto& target) {
        if (fade)
            engine::FillGradient(target, {0, 0, area.right, context.buffers.Height() + extra}, colour, kFadeTo,
                                 context.resolveSystemColour);
        else
            target.FillSolidRect(area, solid);
    });
}

// The player's picture file, or the default background when it is missing or unreadable
// (the settings and the preference file then fall back to the default for good).
void PaintPictureFile(DrawContext& context, platform::Canvas& canvas, bool canvasOnly, std::string_view fileName) {
    engine::PreferenceFile preferences(context.paths);
    const std::string name = fileName.empty()
                                 ? preferences.ReadString(kPreferenceSection, kCustomizedBackgroundKey, "")
                                 : std::string(fileName);
    platform::Bitmap picture;
    const std::filesystem::path path = PicturePath(context.paths, name);
    std::error_code error;
    if (!name.empty() && std::filesystem::is_regular_file(path, error)) picture.LoadFromFile(path);
    if (picture.IsEmpty()) {
        engine::ShowInfo(context.messages, std::string(kPictureMissingText) + name);
        context.settings.SetField(f::kCustomizedBackground.position, f::kCustomizedBackground.width, kNo);
        context.settings.SetField(f::kBackgroundDef.position, f::kBackgroundDef.width, kYes);
        preferences.WriteString(kPreferenceSection, kCustomizedBackgroundKey, "");
        preferences.WriteString(kPreferenceSection, kBackgroundDefKey, kYes);
        PaintConfiguredBackground(context, canvas);
        return;
    }
    const platform::Rect area = PaintArea(context.buffers);
    PaintBoth(context, canvas, canvasOnly, [&](auto& target) {
        context.bitmaps.TileBitmap(WholeImage(target), area.right, area.bottom, picture, false, {});
    });
}

}  // namespace

std::string LibraryPictureName(int number) {
    return std::string(kPicturePrefix) + engine::IntToZeroPad(number, kPictureDigits);
}

void PaintConfiguredBackground(DrawContext& context, platform::Canvas& canvas) {
    engine::SettingsBlock& settings = context.settings;
    if (context.IsBuffer(canvas)) context.buffers.MarkWiped();
    if (FieldIs(settings, f::kBackgroundDef, kYes)) {
        PaintBackground(context, canvas, background_mode::kDefault);
        return;
    }
    if (FieldIs(settings, f::kCustomizedBackground, kYes)) {
        PaintBackground(context, canvas, background_mode::kPictureFile);
        return;
    }
    if (const int picture = NumberField(settings, f::kBackgroundBmp); picture != 0) {
        if (PaintBackgroundPicture(context, canvas, picture)) return;
        // A number the library has no picture for (a damaged Background_bmp) counts as
        // none, as a missing key does: the table is painted all the same.
        settings.SetField(f::kBackgroundBmp.position, f::kBackgroundBmp.width, kNoPicture);
    }
    PaintBackground(context, canvas, background_mode::kColour, ColourField(settings, f::kBackgroundCol),
                    ColourField(settings, f::kBackgroundFixedCol));
}

void PaintBackground(DrawContext& context, platform::Canvas& canvas, int mode, platform::Colour colour,
                     platform::Colour fixedColour, bool canvasOnly, std::string_view fileName) {
    if (context.IsBuffer(canvas)) context.buffers.MarkWiped();
    if (mode == background_mode::kDefault) {
        const platform::Colour standard =
            context.displayColours <= kPaletteColours ? kPaletteBackgroundColour : kDefaultBackgroundColour;
        const platform::Rect area = PaintArea(context.buffers);
        PaintBoth(context, canvas, canvasOnly, [&](auto& target) { target.FillSolidRect(area, standard); });
    }
    if (mode == background_mode::kColour || fixedColour != 0) {
        // The fixed colour is read as a signed value: only a positive one wins.
        const bool fixedWins = static_cast<std::int32_t>(fixedColour) > 0;
        FillColour(context, canvas, canvasOnly, fixedWins ? fixedColour : colour);
    }
    if (mode == background_mode::kPictureFile) PaintPictureFile(context, canvas, canvasOnly, fileName);
    if (mode >= background_mode::kFirstLibraryPicture) PaintBackgroundPicture(context, canvas, mode, canvasOnly);
}

bool PaintBackgroundPicture(DrawContext& context, platform::Canvas& canvas, int number, bool canvasOnly) {
    platform::Bitmap picture;
    if (!context.bitmaps.LoadResBitmap(picture, LibraryPictureName(number))) return false;
    if (context.IsBuffer(canvas)) context.buffers.MarkWiped();
    const platform::Rect area = PaintArea(context.buffers);
    PaintBoth(context, canvas, canvasOnly, [&](auto& target) {
        if (number < kFirstWholePicture)
            context.bitmaps.TileBitmap(WholeImage(target), area.right, area.bottom, picture, false, {});
        else
            WholeImage(target).Draw(0, 0, picture);
    });
    return true;
}

}  // namespace table
