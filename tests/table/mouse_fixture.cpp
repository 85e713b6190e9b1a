#include "tests/table/mouse_fixture.h"

#include <QBuffer>

#include <array>
#include <cstdint>

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/files/game_definitions.h"
#include "engine/session/new_game.h"
#include "engine/model/preference_fields.h"
#include "engine/files/preference_keys.h"
#include "engine/base/text_utils.h"
#include "table/layout/table_setup.h"
#include "table/layout/table_window.h"
#include "table/mouse/mouse_press.h"
#include "table/animate/win_animation.h"

namespace mouse_test {

namespace {

namespace fields = engine::fields;

constexpr int kCw = 71;
constexpr int kCh = 96;
constexpr int kFacesPerRow = 5;
constexpr int kStripRows = 3;
constexpr int kShadowThickness = 9;
constexpr int kBorderLines = 16;
// The edges' transparent key (pure blue) and how far it reaches in from each end.
constexpr QRgb kEdgeKey = qRgb(0, 0, 255);
constexpr int kEdgeEnds = 2;
// The press lies this far inside the card.
constexpr int kGrab = 10;

constexpr std::array<std::string_view, 22> kMarkCodes{
    "001", "003", "004", "005", "006", "008", "009", "010", "011", "012", "013",
    "014", "015", "016", "017", "018", "019", "020", "022", "_WASTE", "_TABLEAU", "021"};

std::string PngData(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

QImage Solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The right 3-D edge of a pile: its ends are transparent, as in the drawn edges, where
// the edge would reach past the base's bottom-right corner.
QImage RightEdge(int width, int height, QRgb colour) {
    QImage image = Solid(width, height, colour);
    for (int y = 0; y < height; ++y) {
        if (y >= kEdgeEnds && y < height - kEdgeEnds) continue;
        for (int x = 0; x < width; ++x) image.setPixel(x, y, kEdgeKey);
    }
    return image;
}

// Each face shades across and down, so a face drawn a pixel off shows.
QRgb FacePixel(int index, int x, int y) { return qRgb((x * 3) % 256, (index * 4 + 1) % 256, (y * 2) % 256); }

engine::Services ServicesOf(test_support::FakeServices& fake, test_support::RecordingShellPort& shell,
                            test_support::RecordingSoundPlayer& sound, const platform::PathResolver& paths) {
    engine::Services services = fake.Services();
    services.paths = &paths;
    services.shellPort = &shell;
    services.sound = &sound;
    return services;
}

}  // namespace

void AddTestCardImages(test_support::FakeResourceLibrary& library) {
    for (std::size_t i = 0; i < kMarkCodes.size(); ++i)
        library.AddBitmap("WB" + std::string(kMarkCodes[i]),
                          PngData(Solid(kCw, kCh, qRgb(30, 150, 10 * static_cast<int>(i) + 10))));
    library.AddBitmap("DB007", PngData(Solid(kCw, kCh, qRgb(20, 40, 140))));
    library.AddBitmap("SHADOW_B1", PngData(Solid(kShadowThickness, kCh, qRgb(60, 60, 60))));
    library.AddBitmap("SHADOW_B2", PngData(Solid(kCw, kShadowThickness, qRgb(60, 60, 60))));
    library.AddBitmap("3D_BORDER_B1", PngData(RightEdge(kBorderLines, kCh + 13, qRgb(90, 100, 0))));
    library.AddBitmap("3D_BORDER_B2", PngData(Solid(kCw + 11, kBorderLines, qRgb(100, 90, 0))));
    constexpr std::string_view kSuits = "HDCS";
    for (int s = 0; s < engine::kSuitCount; ++s) {
        QImage strip = Solid(kFacesPerRow * kCw, kStripRows * kCh, qRgb(255, 255, 255));
        for (int j = 0; j < engine::kSuitSize; ++j)
            for (int x = 0; x < kCw; ++x)
                for (int y = 0; y < kCh; ++y)
                    strip.setPixel((j % kFacesPerRow) * kCw + x, (j / kFacesPerRow) * kCh + y,
                                   FacePixel(s * engine::kSuitSize + j, x, y));
        library.AddBitmap(std::string("CB001") + kSuits[static_cast<std::size_t>(s)], PngData(strip));
    }
    QImage joker(kCw, kCh, QImage::Format_RGB32);
    for (int x = 0; x < kCw; ++x)
        for (int y = 0; y < kCh; ++y) joker.setPixel(x, y, FacePixel(engine::kJokerBitmapIndex, x, y));
    library.AddBitmap("JOKER_B", PngData(joker));
}

TableRig::TableRig(table::ITableWindow& window, table::ISurface& surface)
    : m_programPaths(CORVANET_PROGRAM_DIR),
      m_game(ServicesOf(m_fake, m_shell, m_sound, m_programPaths)),
      m_layout(m_game.services,
               table::TableGameState{m_game.settings, m_game.mainGame, m_game.gameDef, m_game.Piles(),
                                     m_game.registers},
               window, nullptr),
      m_bitmaps(m_library, m_programPaths, {}),
      m_images(m_bitmaps, m_game.settings, m_layout.Geometry()),
      m_context{m_game.settings, m_game.gameDef, m_game.mainGame, m_game.Piles(), m_game.registers, m_layout,
                m_images,        m_buffers,      surface,         window,          m_fake.Clock(),   m_bitmaps,
                m_fake.Paths(),  m_fake.Messages()},
      m_view(m_context, table::WinAnimationHost{m_game.registers, m_fake.Random(), {}}),
      m_mouse(m_game, m_context) {
    m_game.services.tableView = &m_view;
    AddTestCardImages(m_library);
    m_game.Cards().FillCardTable();
    m_game.media.SetCardLibraryHandle(&m_library);
    m_context.media = &m_game.media;
    // The winning animation draws its first card and stops.
    m_fake.Folder().WriteFile("DATA/CFG.DAT", "[" + std::string(engine::kSectionPreference) + "]\n" +
                                                  std::string(table::kWinningAnimationsTimeKey) + "=0\n");

    SetField(fields::kCardSize, "B");
    SetField(fields::kCardSet, "001");
    SetField(fields::kBackCard, "007");
    SetField(fields::kCardsShadowed, "N");
    SetField(fields::kPilesTT, "N");
    SetField(fields::kSoundsEnabled, "N");
    SetField(fields::kCardsAnimate, "Y");
    SetField(fields::kSpeedMoveCard, "0");
    SetField(fields::kDealAnimation, "N");
    SetField(fields::kRedealAnimation, "N");
    SetField(fields::kConfirmQuitGame, "N");
    SetField(fields::kCursor, "10");
    SetField(fields::kRightClickToFoundations, "N");
    SetField(fields::kRightClickToTableaus, "N");
    SetField(fields::kDoubleClickToFoundations, "N");
    SetField(fields::kDoubleClickToTableaus, "N");
    SetField(fields::kShowPartialHiddenCard, "N");
    // A shaded background, so a card put back one row off shows.
    SetField(fields::kBackgroundDef, "N");
    SetField(fields::kCustomizedBackground, "N");
    SetField(fields::kBackgroundBmp, "0");
    SetField(fields::kBackgroundCol, "32768");
    SetField(fields::kFadeBackground, "Y");

    m_layout.SetCardImages(&m_images);
    m_layout.SetShadowOffset(0);
    m_layout.Setup().SetCardSize();
    m_buffers.SetSize(window.ScreenWidth() + kBufferMargin, window.ScreenHeight() + kBufferMargin);
}

void TableRig::SetField(engine::fields::Field field, std::string_view value) {
    m_game.settings.SetField(field.position, field.width, value);
}

bool TableRig::StartFreecell(std::string_view gameNumber) {
    if (!engine::LoadGameList(m_game.services, m_game.mainGame)) return false;
    const std::string name = m_game.mainGame.GetGameName(kFreecellId);
    if (name.empty()) return false;
    SetField(fields::kGame, engine::IntToZeroPad(kFreecellId, 4));
    SetField(fields::kGameName, name);
    SetField(fields::kGameNumber, gameNumber);
    m_game.gameDef.Clear();
    engine::StartNewGame(m_game, 0);
    return Flag(engine::flag::kGameInProgress);
}

void TableRig::SetUpHandMadeGame() {
    namespace w = engine::words;
    m_game.gameDef.Clear();
    SetWord(w::kCardCount, engine::kDeckSize);
    SetWord(w::kTableauFanMode, 1);
    SetWord(w::kReserveFanMode, 1);
    SetWord(w::kFoundationCount, 4);
    SetWord(w::kTableauCount, 4);
    SetWord(w::kReserveCount, 2);
    SetWord(w::kStockRowPiles, 3);
    SetWord(w::kStockFaceDown, 1);
    SetWord(w::kSequenceLimit, -1);
    SetWord(w::kTableauMoveVariant, 1);
    SetWord(w::kMaxFoundationCards, engine::kSuitSize);
    SetWord(w::kMaxTableauCards, engine::kNoLimit);
    SetWord(w::kWasteDropMode, 4);
    SetWord(w::kPassLimit, 1);
    for (int i = 0; i < 4; ++i) {
        m_game.gameDef.SetAt(w::kFoundationBase, i, engine::kAce);
        m_game.gameDef.SetAt(w::kFoundationDirection, i, 1);
        m_game.gameDef.SetAt(w::kTableauRuleA, i, -1);
        m_game.gameDef.SetAt(w::kTableauRuleC, i, 3);
        PlaceFoundation(i, 380 + 90 * i, 20);
        PlaceTableau(i, 20 + 90 * i, 150);
    }
    for (int r = 0; r < 2; ++r) PlaceReserve(r, 20 + 90 * r, 440);
    PlaceStockRow(engine::kStockLine, 20, 20);
    PlaceStockRow(engine::kWasteLine, 110, 20);
    PlaceStockRow(engine::kThirdStockLine, 200, 20);
}

void TableRig::Begin() {
    m_layout.Setup().SetFanSteps();
    m_game.registers.SetFlag(engine::flag::kGameInProgress, 1);
    m_game.mainGame.RedealCount = 1;
    m_view.PaintBackground();
    m_view.RepaintTable();
    m_view.CopyBufferToScreen();
}

void TableRig::Repaint() {
    // The layout puts the stock row's piles back at their bases, so their edges are drawn.
    engine::TMainGame& mainGame = m_game.mainGame;
    for (std::size_t line = 0; line < mainGame.StockBase.x.size(); ++line) {
        mainGame.SetStockX(static_cast<int>(line), mainGame.StockBase.x[line]);
        mainGame.SetStockY(static_cast<int>(line), mainGame.StockBase.y[line]);
    }
    m_view.PaintBackground();
    m_view.RepaintTable();
    m_view.CopyBufferToScreen();
}

void TableRig::SetPile(engine::PileListId list, int line, std::initializer_list<int> cards) {
    std::string text;
    for (const int card : cards) {
        const int code = card < 0 ? -card : card;
        text += engine::CardCodeText(code);
        m_game.Cards().SetCardFaceFlag(code, card < 0 ? engine::kFaceDown : engine::kFaceUp);
    }
    m_game.Piles().SetPile(list, line, text);
}

void TableRig::PlaceStockRow(int line, int x, int y) {
    engine::TMainGame& mainGame = m_game.mainGame;
    mainGame.SetStockX(line, static_cast<std::int16_t>(x));
    mainGame.SetStockY(line, static_cast<std::int16_t>(y));
    mainGame.StockBase.x[static_cast<std::size_t>(line)] = static_cast<std::int16_t>(x);
    mainGame.StockBase.y[static_cast<std::size_t>(line)] = static_cast<std::int16_t>(y);
}

void TableRig::PlaceTableau(int index, int x, int y) {
    m_layout.Geometry().SetTableauX(index, static_cast<std::int16_t>(x));
    m_layout.Geometry().SetTableauY(index, static_cast<std::int16_t>(y));
}

void TableRig::PlaceFoundation(int index, int x, int y) {
    m_game.mainGame.SetFoundationX(index, static_cast<std::int16_t>(x));
    m_game.mainGame.SetFoundationY(index, static_cast<std::int16_t>(y));
}

void TableRig::PlaceReserve(int index, int x, int y) {
    m_game.mainGame.SetReserveX(index, static_cast<std::int16_t>(x));
    m_game.mainGame.SetReserveY(index, static_cast<std::int16_t>(y));
}

engine::TableRect TableRig::TopPlace(std::string_view pile, int index) const {
    const int x = m_layout.CardX(pile, index, 0, false);
    const int y = m_layout.CardY(pile, index, 0, false);
    return {x, y, x + kCw, y + kCh};
}

void TableRig::Drag(const engine::TableRect& from, int toX, int toY) {
    m_mouse.TableMouseDown(table::MouseButton::kLeft, {}, from.left + kGrab, from.top + kGrab);
    m_mouse.TableMouseMove(toX + kGrab, toY + kGrab);
    m_mouse.TableMouseUp();
}

void TableRig::Click(int x, int y, table::MouseButton button, bool ctrl) {
    m_mouse.TableMouseDown(button, {false, ctrl, false}, x, y);
    m_mouse.TableMouseUp();
}

MouseTest::MouseTest() {
    window.screenWidth = kScreenWidth;
    window.screenHeight = kScreenHeight;
    window.windowWidth = kWindowWidth;
    window.windowHeight = kWindowHeight;
    window.clientHeight = kWindowHeight;
}

}  // namespace mouse_test
