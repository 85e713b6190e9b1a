#include "engine/state/game.h"
#include "engine/base/gradient.h"
#include "engine/files/preference_keys.h"
#include "engine/base/text_utils.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "platform/qt/resource_bitmaps.h"
#include "shell/dialogs/hourglass.h"
#include "shell/options/options_form.h"
#include "table/draw/background.h"
#include "table/draw/card_corners.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_window.h"

// The dialog's samples: the card back on the background, and the background alone.
namespace shell {

namespace {

namespace f = engine::fields;

constexpr int kLowColourLimit = 256;
constexpr platform::Colour kFadeTo = 0;
constexpr platform::Colour kButtonFace = static_cast<platform::Colour>(engine::kButtonFaceColour);
// The back sample lies at (15, 15) on the background sample, in the big card size.
constexpr platform::Rect kBackOnSample{15, 15, 15 + 71, 15 + 96};
constexpr platform::Rect kBackRect{0, 0, 71, 96};
constexpr std::string_view kBigCards = "B";

platform::Rect WholeImage(const platform::Image& image) { return {0, 0, image.width(), image.height()}; }

}  // namespace

void TfrmCustomize_Freeware::ShowCardBackSample() {
    const std::optional<int> back = SelectedValue(*trvCardBack);
    if (!back || *back == 0) return;
    Hourglass hourglass(m_context.game.services.shellPort);
    const std::string cardSize = Field(f::kCardSize);
    SetField(f::kCardSize, kBigCards);
    platform::Bitmap& sample = imgDorsoEsempio->Picture();
    m_context.bitmaps.LoadResBitmap(sample, "D" + std::string(kBigCards) + engine::IntToZeroPad(*back, 3));
    if (!sample.IsEmpty()) {
        platform::Canvas backCanvas(sample);
        const platform::Canvas background(imgSfondoEsempio2->Picture());
        table::RestoreCardCorners(background, kBackOnSample, backCanvas, table::kSmallCardWidth, kBackRect);
    }
    lblDecks->SetCaption(platform::TreeView::Text(trvCardBack->Selected()));
    SetField(f::kCardSize, cardSize);
    imgDorsoEsempio->Repaint();
}

void TfrmCustomize_Freeware::ShowColourSample(platform::Image& image, platform::Colour colour) {
    const table::DrawContext* drawing = m_context.host.TableDrawing();
    const engine::SystemColourResolver resolve = drawing != nullptr ? drawing->resolveSystemColour : nullptr;
    platform::Canvas canvas(image.Picture());
    const platform::Rect area{0, 0, canvas.Width(), canvas.Height()};
    if (chkFadeBackground->IsChecked() && m_context.host.DisplayColours() > kLowColourLimit) {
        engine::FillGradient(canvas, area, colour, kFadeTo, resolve);
    } else {
        const bool system = (colour & engine::kSystemColourFlag) != 0;
        canvas.FillSolidRect(area, (system && resolve ? resolve(colour) : colour) & 0x00FF'FFFFu);
    }
    image.update();
}

void TfrmCustomize_Freeware::ShowBackgroundSample() {
    ShowBackgroundSampleOf(SelectedValue(*trvBackGround).value_or(0));
}

void TfrmCustomize_Freeware::ShowBackgroundSampleOf(int value) {
    platform::Image& image = *imgSfondoEsempio;
    image.SizePictureToControl();
    if (IsColourBackground(value)) {
        ShowColourSample(image, value == background_value::kOwnColour ? m_chosenColour
                                                                      : static_cast<platform::Colour>(value));
        return;
    }
    table::DrawContext* drawing = m_context.host.TableDrawing();
    if (drawing == nullptr) return;
    platform::Canvas canvas(image.Picture());
    const int mode = std::max(value, 0);
    if (value < background_value::kFirstWholePicture) {
        table::PaintBackground(*drawing, canvas, mode, kButtonFace, 0, true);
    } else {
        // A whole-screen picture: drawn as the table would show it, then scaled down.
        platform::Bitmap screen(drawing->Buffer().Image());
        screen.SetSize(drawing->window.ScreenWidth(),
                       drawing->window.ScreenHeight() - m_context.host.LargeToolbarBottom());
        platform::Canvas screenCanvas(screen);
        table::PaintBackground(*drawing, screenCanvas, mode, kButtonFace, 0, true);
        canvas.StretchCopy(WholeImage(image), screen, {0, 0, screen.Width(), screen.Height()});
    }
    image.update();
}

void TfrmCustomize_Freeware::SyncBackgroundSamples() {
    imgSfondoEsempio->SizePictureToControl();
    imgSfondoEsempio2->SizePictureToControl();
    const int value = SelectedValue(*trvBackGround).value_or(0);
    if (IsColourBackground(value)) {
        const platform::Colour colour =
            value == background_value::kOwnColour ? m_chosenColour : static_cast<platform::Colour>(value);
        ShowColourSample(*imgSfondoEsempio, colour);
        ShowColourSample(*imgSfondoEsempio2, colour);
        return;
    }
    platform::Canvas decks(imgSfondoEsempio2->Picture());
    decks.BlockCopy(0, 0, decks.Width(), decks.Height(), imgSfondoEsempio->Picture(), 0, 0);
    imgSfondoEsempio2->update();
}

}  // namespace shell
