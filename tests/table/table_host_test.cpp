#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "table/table_host.h"
#include "table/draw/table_refresh.h"
#include "tests/table/freecell_solver.h"
#include "tests/table/mouse_fixture.h"

namespace mouse_test {
namespace {

using engine::PileListId;

constexpr int kGrab = 10;

// Freecell on a table host, driven by mouse events as the window system sends them.
class TableHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Widgets need the widget application; a test program without one cannot show them.
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
            GTEST_SKIP() << "the table host needs a QApplication in the test program";
        host = std::make_unique<table::TableHost>();
        rig = std::make_unique<TableRig>(*host, host->Surface());
        host->SetMouse(&rig->Mouse());
        host->SetContext(&rig->Context());
        host->SetResizeHandler([this] {
            ++resizes;
            table::RefreshTable(rig->Context());
        });
        host->resize(kWindowWidth, kWindowHeight);
        host->show();
        ASSERT_TRUE(rig->StartFreecell(kFreecellNumber));
    }

    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, int x, int y) {
        const QPointF local(x, y);
        QMouseEvent event(type, local, host->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(host.get(), &event);
    }
    void Drag(const engine::TableRect& from, int toX, int toY) {
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from.left + kGrab, from.top + kGrab);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, (from.left + toX) / 2 + kGrab, (from.top + toY) / 2);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, toX + kGrab, toY + kGrab);
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, toX + kGrab, toY + kGrab);
    }
    // What the window shows: its paint event's copy of the table image.
    QImage Shown() { return host->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage Image() { return host->Image().Image().Image(); }

    std::unique_ptr<table::TableHost> host;
    std::unique_ptr<TableRig> rig;
    int resizes = 0;
};

TEST_F(TableHostTest, AClickWithoutMoveChangesNoPixelOfTheWindow) {
    const QImage before = Shown();
    EXPECT_TRUE(before == Image());
    const engine::TableRect top = rig->TopPlace("Fila3", 2);
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, top.left + kGrab, top.top + kGrab);
    EXPECT_NE(rig->G().mainGame.LiftedCard, 0);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, top.left + kGrab, top.top + kGrab);
    EXPECT_EQ(rig->G().mainGame.LiftedCard, 0);
    EXPECT_TRUE(Shown() == before);
}

TEST_F(TableHostTest, DraggedEventsMoveACardToAFreeCell) {
    const int card = engine::PileTopCard(rig->Pile(PileListId::kFila, 0));
    const engine::TableRect cell = rig->TopPlace("Appogg2", 1);
    Drag(rig->TopPlace("Fila1", 0), cell.left, cell.top);
    EXPECT_EQ(rig->Pile(PileListId::kAppogg, 1), engine::CardCodeText(card));
    EXPECT_EQ(rig->G().undo.UndoStepCount(), 1);
    // The window paints the off-screen table into its image first, then shows the image.
    const QImage shown = Shown();
    EXPECT_TRUE(shown == Image());
}

TEST_F(TableHostTest, TheSecondPressOfADoubleClickIsTheDoubleClickMove) {
    rig->SetField(engine::fields::kDoubleClickToTableaus, "Y");
    const engine::TableRect top = rig->TopPlace("Fila1", 0);
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, top.left + kGrab, top.top + kGrab);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, top.left + kGrab, top.top + kGrab);
    Send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, top.left + kGrab, top.top + kGrab);
    // The double-click move ran first, so the press that comes with it only clears the
    // pending second click and lifts nothing.
    EXPECT_EQ(rig->G().mainGame.LiftedCard, 0);
    EXPECT_FALSE(rig->Flag(engine::flag::kSecondClickPending));
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, top.left + kGrab, top.top + kGrab);
}

TEST_F(TableHostTest, AResizeResizesTheImageAndLaysTheTableOutAgain) {
    const int before = resizes;
    host->resize(kWindowWidth + 100, kWindowHeight + 50);
    EXPECT_GT(resizes, before);
    EXPECT_EQ(Image().width(), kWindowWidth + 100);
    EXPECT_EQ(Image().height(), kWindowHeight + 50);
    // The window paints the off-screen table into its image first, then shows the image.
    const QImage shown = Shown();
    EXPECT_TRUE(shown == Image());
}

TEST_F(TableHostTest, AWholeGameIsWonByMouseEventsAlone) {
    const std::vector<engine::PlayerAction> moves = WinningMoves(rig->G(), kSolverBudget);
    ASSERT_FALSE(moves.empty());
    ASSERT_TRUE(PlayByDrags(*rig, moves, [this](const engine::TableRect& from, int x, int y) { Drag(from, x, y); }));
    for (int f = 0; f < 4; ++f) EXPECT_EQ(engine::PileCardCount(rig->Pile(PileListId::kDest, f)), 13);
    EXPECT_FALSE(rig->Flag(engine::flag::kGameInProgress));
    EXPECT_EQ(rig->Shell().CountWindowCalls("filter:win"), 1u);
}

}  // namespace
}  // namespace mouse_test
