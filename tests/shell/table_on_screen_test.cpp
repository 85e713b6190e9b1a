#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>

#include <string>

#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/model/table_object.h"
#include "shell/table_parts.h"
#include "table/draw/table_buffer.h"
#include "table/layout/table_layout.h"
#include "tests/shell/program_fixture.h"

namespace shell_test {
namespace {

using engine::PileListId;

constexpr int kKlondike = 2;
constexpr int kYukon = 6;
constexpr int kGrab = 10;

// The real main window as the window system shows it: what reached the screen after each
// drag must be the off-screen table, pixel for pixel, wherever no control covers the table.
// With cards sliding (Cards_Animate "Y") and without.
class TableOnScreenTest : public ProgramTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        folder.WriteFile("Data/Stat_e00.dat", "");
        Preference("AutoPlay", "N");
        Preference("Cards_Animate", GetParam());
    }
    void StartGame(int id, const std::string& name) {
        ASSERT_EQ(Start(), 0);
        Activate();
        // The window system shows the window: it is exposed, and its repaints reach the screen.
        QCoreApplication::processEvents();
        ASSERT_TRUE(Main().windowHandle()->isExposed());
        ASSERT_TRUE(Main().StartChosenGame(id, name, Field(engine::fields::kUserDefault.position,
                                                               engine::fields::kUserDefault.width),
                                           false, 0));
        Main().Present();  // as after the chooser's command
    }

    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, int x, int y) {
        const QPointF at(x, y);
        QMouseEvent event(type, at, Main().mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(Main().windowHandle(), &event);
    }
    void Click(int x, int y) {
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, x, y);
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, x, y);
    }
    void Drag(int x, int y, int toX, int toY) {
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, x, y);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, (x + toX) / 2, (y + toY) / 2);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, toX, toY);
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, toX, toY);
    }
    // A place below every pile, where no drop is taken.
    QPoint Nowhere(int x) {
        const QPoint at(x, Main().height() - 20);
        EXPECT_TRUE(program->Table().Layout()->PileAtPoint(at.x(), at.y()).name.empty());
        return at;
    }
    engine::TableRect CardOf(int tableau, int above) {
        const table::TableLayout& layout = *program->Table().Layout();
        const std::string name = engine::PileName({PileListId::kFila, tableau}, engine::PileNumberForm::kNoLeadingZero);
        const int x = layout.CardX(name, tableau, above, false);
        const int y = layout.CardY(name, tableau, above, false);
        return {x, y, x + layout.CardWidth(), y + layout.CardHeight()};
    }
    std::string Pile(PileListId list, int line) { return G().board.piles.Pile(list, line); }

    // The pixels the screen shows otherwise than the off-screen table (from row S), where
    // no control of the window lies over the table.
    int StalePixels() {
        const QImage screen = QGuiApplication::primaryScreen()
                                  ->grabWindow(Main().winId())
                                  .toImage()
                                  .convertToFormat(QImage::Format_RGB32);
        const QImage& buffer = program->Table().Buffers().TableBuffer().Image();
        const int s = Main().ScrollPosition();
        const QRegion table = QRegion(Main().rect()) - Main().childrenRegion();
        int stale = 0;
        for (const QRect& r : table)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (screen.pixel(x, y) != buffer.pixel(x, y + s)) ++stale;
        return stale;
    }
};

TEST_P(TableOnScreenTest, ARefusedWasteCardLeavesNoEdgeOfItsDragOnTheWaste) {
    StartGame(kKlondike, "Klondike");
    const engine::TMainGame& table = G().mainGame;
    for (int i = 0; i < 4; ++i) Click(table.GetStockX(0) + kGrab, table.GetStockY(0) + kGrab);
    ASSERT_EQ(engine::PileCardCount(Pile(PileListId::kMazzo, engine::kWasteLine)), 4);
    const std::string waste = Pile(PileListId::kMazzo, engine::kWasteLine);
    const QPoint away = Nowhere(table.GetStockX(1) + 200);
    Drag(table.GetStockX(1) + kGrab, table.GetStockY(1) + kGrab, away.x(), away.y());
    ASSERT_EQ(Pile(PileListId::kMazzo, engine::kWasteLine), waste);
    EXPECT_EQ(StalePixels(), 0);
}

// Yukon laid out untidily: a stack is refused and goes back, then one is taken.
TEST_P(TableOnScreenTest, StacksDroppedOnUntidyPilesLeaveNoSliverOfTheirDrag) {
    Preference("Piles_TT", "Y");
    StartGame(kYukon, "Yukon");
    // The last pile's third card from the top, face up in every Yukon deal, with the two above it.
    const int last = 6;
    const std::string before = Pile(PileListId::kFila, last);
    const engine::TableRect stack = CardOf(last, 2);
    const QPoint away = Nowhere(stack.left + kGrab);
    Drag(stack.left + kGrab, stack.top + kGrab, away.x(), away.y());
    ASSERT_EQ(Pile(PileListId::kFila, last), before);
    EXPECT_EQ(StalePixels(), 0) << "after a refused stack";

    // Every stack of every pile is offered to every other pile until one is taken.
    bool moved = false;
    for (int from = 1; from < 7 && !moved; ++from) {
        const int count = engine::PileCardCount(Pile(PileListId::kFila, from));
        for (int above = 1; above < count && !moved; ++above) {
            const int card = engine::PileCardAt(Pile(PileListId::kFila, from), count - 1 - above);
            if (G().Cards().IsFaceDown(card)) break;
            for (int to = 0; to < 7 && !moved; ++to) {
                if (to == from) continue;
                const std::string target = Pile(PileListId::kFila, to);
                const engine::TableRect a = CardOf(from, above);
                const engine::TableRect b = CardOf(to, 0);
                Drag(a.left + kGrab, a.top + kGrab, b.left + kGrab, b.top + kGrab);
                moved = Pile(PileListId::kFila, to) != target;
                EXPECT_EQ(StalePixels(), 0) << "after a stack from pile " << from << " to " << to;
            }
        }
    }
    EXPECT_TRUE(moved) << "no stack could be moved in this deal";
}

// Counts the pixels a window paints.
class PaintMeter : public QObject {
public:
    qint64 area = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) area += qint64{r.width()} * r.height();
        return false;
    }
};

TEST_P(TableOnScreenTest, APointerMoveShowsOnlyWhatItChanged) {
    StartGame(kKlondike, "Klondike");
    PaintMeter meter;
    Main().installEventFilter(&meter);
    const engine::TableRect card = CardOf(6, 0);
    for (int x = 100; x < 400; x += 7) Send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, x, card.top - 5);
    timers.Advance(shell::TfrmMain::kFrameMs);
    EXPECT_EQ(meter.area, 0) << "hovering changes nothing";

    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, card.left + kGrab, card.top + kGrab);
    meter.area = 0;
    for (int step = 1; step <= 5; ++step)
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, card.left + kGrab + 3 * step, card.top + kGrab + 2 * step);
    EXPECT_EQ(meter.area, 0) << "moves this close together show with the next frame";
    timers.Advance(shell::TfrmMain::kFrameMs);
    const qint64 cardArea = qint64{card.right - card.left} * (card.bottom - card.top);
    EXPECT_GT(meter.area, cardArea);
    EXPECT_LT(meter.area, 2 * cardArea) << "a card moved by a few pixels shows itself and what it uncovered";
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, card.left + kGrab, card.top + kGrab);
}

INSTANTIATE_TEST_SUITE_P(CardsAnimate, TableOnScreenTest, ::testing::Values("Y", "N"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
}  // namespace shell_test
