#include "table/draw/joker_captions.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/card_codes.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"
#include "engine/base/rounding.h"
#include "engine/model/table_object.h"
#include "platform/core/resource_names.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/card_drawing.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_window.h"

namespace table {

namespace {

using engine::PileListId;

constexpr int kKeyPerFoundation = 100;
// The captions lie this far above the first foundation.
constexpr int kCaptionRise = 18;
// The box starts this far left of the card's middle.
constexpr int kCaptionHalf = 29;
constexpr int kTextInset = 2;
constexpr int kSuitImageX = 48;
constexpr int kSuitImageY = 2;
// A foundation this short has not gone round the King yet.
constexpr int kFullRound = 14;

constexpr std::string_view kSpacedPrefix = "Joker = ";
constexpr std::string_view kTightPrefix = "Joker=";
constexpr std::size_t kWideRank = 2;  // "10" leaves no room for the spaces

const platform::CanvasFont kCaptionFont{"MS Sans Serif", 8, platform::Rgb(0, 0, 0), platform::kFontRegular};
constexpr platform::Colour kWhite = platform::Rgb(255, 255, 255);

// The card the joker at card index j of a foundation stands for.
void JokerValue(std::string_view pile, int j, JokerCaption& caption) {
    const int count = engine::PileCardCount(pile);
    if (j > 0) {
        caption.value = engine::CardRank(engine::PileCardAt(pile, j - 1)) + 1;
        caption.suit = engine::CardSuit(engine::PileCardAt(pile, 0));
        if (caption.value == kNoCaptionValue && count < kFullRound) caption.value = engine::kAce;
    } else if (count == 1) {
        caption.value = kNoCaptionValue;
    } else {
        const int above = engine::PileCardAt(pile, 1);
        caption.value = engine::CardRank(above) - 1;
        caption.suit = engine::CardSuit(above);
    }
}

// The caption's canvas state, set on both canvases and put back when done.
class CaptionStyle {
public:
    explicit CaptionStyle(DrawContext& context) : m_canvases{&context.Window(), &context.Buffer()} {
        for (std::size_t i = 0; i < m_canvases.size(); ++i) {
            platform::Canvas& canvas = *m_canvases[i];
            m_saved[i] = {canvas.Pen(), canvas.Brush(), canvas.Font()};
            canvas.SetBrush({kWhite, platform::BrushStyle::Solid});
            canvas.SetFont(kCaptionFont);
            canvas.SetPenStyle(platform::PenStyle::Clear);
        }
    }
    ~CaptionStyle() {
        for (std::size_t i = 0; i < m_canvases.size(); ++i) {
            m_canvases[i]->SetPen(m_saved[i].pen);
            m_canvases[i]->SetBrush(m_saved[i].brush);
            m_canvases[i]->SetFont(m_saved[i].font);
        }
    }
    CaptionStyle(const CaptionStyle&) = delete;
    CaptionStyle& operator=(const CaptionStyle&) = delete;

private:
    struct Saved {
        platform::CanvasPen pen;
        platform::CanvasBrush brush;
        platform::CanvasFont font;
    };
    std::array<platform::Canvas*, 2> m_canvases;
    std::array<Saved, 2> m_saved{};
};

int FoundationCount(const DrawContext& context) {
    return std::min(engine::FoundationCountOf(context.gameDef), engine::kDestLineCount);
}

std::string CaptionText(int value) {
    const std::string rank = engine::RankText(value);
    return std::string(rank.size() == kWideRank ? kTightPrefix : kSpacedPrefix) + rank;
}

}  // namespace

std::int16_t CaptionKeyWord(int key) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(key)); }

JokerCaption FindJokerCaption(const DrawContext& context) {
    JokerCaption caption;
    for (int f = 0; f < FoundationCount(context); ++f) {
        const std::string& pile = context.piles.Pile(PileListId::kDest, f);
        for (int j = 0; j < engine::PileCardCount(pile); ++j) {
            if (!engine::IsJoker(engine::PileCardAt(pile, j))) continue;
            caption.foundation = f;
            caption.key = (f + 1) * kKeyPerFoundation + j * engine::kCardCodeWidth + 1;
            JokerValue(pile, j, caption);
            return caption;
        }
    }
    return caption;
}

void DrawJokerCaptions(DrawContext& context) {
    engine::TMainGame& game = context.mainGame;
    const JokerCaption caption = FindJokerCaption(context);
    if (CaptionKeyWord(caption.key) == game.JokerCaptionKey) return;
    const CaptionStyle style(context);
    const int y = game.GetFoundationY(0) - kCaptionRise;
    for (int f = 0; f < FoundationCount(context); ++f) {
        if (f == caption.foundation || !engine::IsPileOnTable(game.GetFoundationX(f))) continue;
        DrawJokerCaption(context, f, y, 0, caption.key, kNoCaptionValue);
    }
    // With no joker the erase above is all there is to do, once: the key says so from now on.
    if (caption.foundation < 0 || caption.value == kNoCaptionValue) game.JokerCaptionKey = engine::kNoJokerCaption;
    if (caption.foundation >= 0)
        DrawJokerCaption(context, caption.foundation, y, caption.suit, caption.key, caption.value);
}

void DrawJokerCaption(DrawContext& context, int foundation, int y, int suit, int key, int value) {
    const int x = context.mainGame.GetFoundationX(foundation) +
                  engine::DivideRoundHalfEven(context.CardWidth(), 2) - kCaptionHalf;
    if (value < engine::kAce || value > engine::kKing) {
        const platform::Rect box{x, y, x + kCaptionWidth, y + kCaptionHeight};
        EraseFromBackground(context, context.Window(), box);
        EraseFromBackground(context, context.Buffer(), box);
        return;
    }
    context.mainGame.JokerCaptionKey = CaptionKeyWord(key);
    platform::Bitmap suitImage;
    const std::size_t suitIndex = static_cast<std::size_t>(std::clamp(suit, 0, engine::kSuitCount - 1));
    context.bitmaps.LoadResBitmap(suitImage, platform::resources::kSuitImages[suitIndex]);
    DrawCaptionBox(context, x, y, x + kCaptionWidth, y + kCaptionHeight);
    const std::string text = CaptionText(value);
    for (platform::Canvas* canvas : {&context.Window(), &context.Buffer()}) {
        const int shift = context.YShift(*canvas);
        canvas->TextOut(x + kTextInset, y + shift, text);
        if (!suitImage.IsEmpty()) canvas->Draw(x + kSuitImageX, y + kSuitImageY + shift, suitImage);
    }
    context.window.UpdateWindow();
}

void DrawCaptionBox(DrawContext& context, int left, int top, int right, int bottom) {
    for (platform::Canvas* canvas : {&context.Window(), &context.Buffer()}) {
        const int shift = context.YShift(*canvas);
        const platform::PenStyle penStyle = canvas->Pen().style;
        const platform::CanvasBrush brush = canvas->Brush();
        canvas->SetBrush({kWhite, platform::BrushStyle::Solid});
        canvas->SetPenStyle(platform::PenStyle::Clear);
        canvas->Rectangle({left, top + shift, right, bottom + shift});
        canvas->SetPenStyle(platform::PenStyle::Solid);
        canvas->MoveTo(left + 1, bottom - 1 + shift);
        canvas->LineTo(right - 1, bottom - 1 + shift);
        canvas->LineTo(right - 1, top + shift);
        canvas->SetPenStyle(penStyle);
        canvas->SetBrush(brush);
    }
}

}  // namespace table
