#include "tests/table/drawing_fixture.h"

#include <QBuffer>
#include <QImage>

#include "engine/model/card_codes.h"
#include "engine/model/preference_fields.h"
#include "table/layout/fan_modes.h"

namespace drawing_test {

namespace {

namespace fields = engine::fields;

constexpr QRgb ToQRgb(platform::Colour c) {
    return qRgb(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c));
}

QImage Solid(int width, int height, platform::Colour colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQRgb(colour));
    return image;
}

constexpr std::array<std::string_view, 23> kMarkCodes{
    "001", "003", "004", "005", "006", "008", "009", "010", "011", "012", "013", "014",
    "015", "016", "017", "018", "019", "020", "021", "022", "_WASTE", "_TABLEAU", "023"};

constexpr int kBorderLines = 16;
constexpr int kShadowThickness = 9;

void AddBigCardImages(test_support::FakeResourceLibrary& library) {
    for (const std::string_view code : kMarkCodes)
        library.AddBitmap("WB" + std::string(code), SolidPng(kCw, kCh, MarkColour(code)));
    library.AddBitmap("DB007", SolidPng(kCw, kCh, kBackColour));
    // Shadows: the shadow colour with a white (left out) first line.
    QImage right = Solid(kShadowThickness, kCh, kShadowColour);
    for (int y = 0; y < kCh; ++y) right.setPixel(0, y, qRgb(255, 255, 255));
    library.AddBitmap("SHADOW_B1", PngData(right));
    QImage bottom = Solid(kCw, kShadowThickness, kShadowColour);
    for (int x = 0; x < kCw; ++x) bottom.setPixel(x, 0, qRgb(255, 255, 255));
    library.AddBitmap("SHADOW_B2", PngData(bottom));
    // Borders: a colour per line, the first column (row) pure blue, left out when drawn.
    QImage rightBorder(kBorderLines, kCh + 13, QImage::Format_RGB32);
    for (int x = 0; x < kBorderLines; ++x)
        for (int y = 0; y < rightBorder.height(); ++y)
            rightBorder.setPixel(x, y, y == 0 ? qRgb(0, 0, 255) : ToQRgb(RightBorderColour(x)));
    library.AddBitmap("3D_BORDER_B1", PngData(rightBorder));
    QImage bottomBorder(kCw + 11, kBorderLines, QImage::Format_RGB32);
    for (int x = 0; x < bottomBorder.width(); ++x)
        for (int y = 0; y < kBorderLines; ++y)
            bottomBorder.setPixel(x, y, x == 0 ? qRgb(0, 0, 255) : ToQRgb(BottomBorderColour(y)));
    library.AddBitmap("3D_BORDER_B2", PngData(bottomBorder));
    // Suit strips: five faces a row, each one colour.
    constexpr std::string_view kSuits = "HDCS";
    for (int s = 0; s < 4; ++s) {
        QImage strip(6 * kCw, 4 * kCh, QImage::Format_RGB32);
        strip.fill(Qt::white);
        for (int j = 0; j < engine::kSuitSize; ++j)
            for (int x = 0; x < kCw; ++x)
                for (int y = 0; y < kCh; ++y)
                    strip.setPixel((j % 5) * kCw + x, (j / 5) * kCh + y, ToQRgb(FaceColour(s * 13 + j)));
        library.AddBitmap(std::string("CB001") + kSuits[static_cast<std::size_t>(s)], PngData(strip));
    }
    library.AddBitmap("JOKER_B", SolidPng(kCw, kCh, FaceColour(engine::kJokerBitmapIndex)));
}

}  // namespace

platform::Colour FaceColour(int bitmapIndex) { return platform::Rgb(200, 3 * bitmapIndex, 90); }

platform::Colour MarkColour(std::string_view code) {
    for (std::size_t i = 0; i < kMarkCodes.size(); ++i)
        if (kMarkCodes[i] == code) return platform::Rgb(30, 150, 8 * static_cast<int>(i) + 10);
    return 0;
}

platform::Colour BottomBorderColour(int row) { return platform::Rgb(100, 10 * row + 5, 0); }
platform::Colour RightBorderColour(int column) { return platform::Rgb(10 * column + 5, 100, 0); }

platform::Colour BackgroundColourAt(int x, int y) { return platform::Rgb(x % 251, y % 241, 77); }

std::string PngData(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string SolidPng(int width, int height, platform::Colour colour) { return PngData(Solid(width, height, colour)); }

DrawingTest::DrawingTest()
    : layout(fake.Services(), table::TableGameState{settings, mainGame, gameDef, board.piles, registers}, window,
             nullptr),
      bitmaps(library, fake.Paths(), {}),
      images(bitmaps, settings, layout.Geometry()),
      context{settings,  gameDef, mainGame,     board.piles,       registers,       layout,
              images,    buffers, surface,      window,            fake.Clock(),    bitmaps,
              fake.Paths(), fake.Messages()} {
    window.screenWidth = kScreenWidth;
    window.screenHeight = kScreenHeight;
    SetField(fields::kCardSize, "B");
    SetField(fields::kCardSet, "001");
    SetField(fields::kBackCard, "007");
    SetField(fields::kCardsShadowed, "N");
    SetField(fields::kPilesTT, "N");
    SetField(fields::kSoundsEnabled, "N");
    layout.SetShadowOffset(0);
    AddBigCardImages(library);
    images.LoadCardImages("B");
    buffers.SetSize(kScreenWidth + kBufferMargin, kScreenHeight + kBufferMargin);
    registers.SetFlag(engine::flag::kGameInProgress, 1);
    mainGame.FaceUpStepY = 18;
    mainGame.FaceDownStepY = 4;
    mainGame.FanMode5Step = 3;
    mainGame.SideBySideGap = 6;
    PaintTestBackground();
}

void DrawingTest::SetPile(engine::PileListId list, int line, std::initializer_list<int> cards) {
    std::string text;
    for (const int card : cards) {
        const int code = card < 0 ? -card : card;
        text += engine::CardCodeText(code);
        board.cards.SetCardFaceFlag(code, card < 0 ? engine::kFaceDown : engine::kFaceUp);
    }
    board.piles.SetPile(list, line, text);
}

void DrawingTest::PlaceTableau(int i, int x, int y) {
    layout.Geometry().SetTableauX(i, static_cast<std::int16_t>(x));
    layout.Geometry().SetTableauY(i, static_cast<std::int16_t>(y));
}

void DrawingTest::PlaceStockRow(int line, int x, int y) {
    mainGame.SetStockX(line, static_cast<std::int16_t>(x));
    mainGame.SetStockY(line, static_cast<std::int16_t>(y));
    mainGame.StockBase.x[static_cast<std::size_t>(line)] = static_cast<std::int16_t>(x);
    mainGame.StockBase.y[static_cast<std::size_t>(line)] = static_cast<std::int16_t>(y);
}

void DrawingTest::PaintTestBackground() {
    QImage& image = buffers.Background().Bitmap().Image();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) row[x] = ToQRgb(BackgroundColourAt(x, y));
    }
    buffers.TableBuffer().Image() = image.copy();
}

}  // namespace drawing_test
