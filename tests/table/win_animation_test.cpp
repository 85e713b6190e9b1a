#include "table/animate/win_animation.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "table/draw/card_drawing.h"
#include "table/animate/win_effects.h"
#include "tests/table/drawing_fixture.h"

namespace {

using drawing_test::FaceColour;
namespace fields = engine::fields;

using Effect = void (*)(table::WinAnimationRun&);
struct NamedEffect {
    const char* name;
    Effect effect;
};
const std::vector<NamedEffect> kEffects{
    {"Open order", table::AnimateOpenOrder}, {"Left to right", table::AnimateLeftToRight},
    {"Up to down", table::AnimateUpToDown},  {"Festoons", table::AnimateFestoons},
    {"Lines", table::AnimateLines},          {"Circles", table::AnimateCircles},
};

// The main window 820 x 600 (client 800 x 561), a toolbar down to row 40.
class WinAnimationTest : public drawing_test::DrawingTest {
protected:
    WinAnimationTest() {
        SetField(fields::kSpeedMoveCard, "10");
        window.panelBottoms[table::TablePanel::kLargeToolbar] = 40;
        fake.Random().Seed(12345);
        registers.SetFlag(engine::flag::kWinAnimationRunning, 1);
    }

    table::WinAnimationRun Run(std::uint32_t duration) {
        return table::WinAnimationRun(context, registers, fake.Random(), table::WinAnimationAreaOf(context),
                                      duration);
    }

    bool Flag() const { return registers.GetFlag(engine::flag::kWinAnimationRunning) != 0; }

    // Faces 0-51 are told apart by colour; true when some pixel shows face 51 (code 52).
    bool WindowShowsFace(int bitmapIndex) {
        const QImage& image = surface.Image().Image();
        const QRgb wanted = qRgb(platform::RedOf(FaceColour(bitmapIndex)), platform::GreenOf(FaceColour(bitmapIndex)),
                                 platform::BlueOf(FaceColour(bitmapIndex)));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFFu) == (wanted & 0xFFFFFFu)) return true;
        return false;
    }
};

TEST_F(WinAnimationTest, TheAreaComesFromTheWindowAndTheVisibleToolbar) {
    table::WinArea area = table::WinAnimationAreaOf(context);
    EXPECT_EQ(area.width, 820);
    EXPECT_EQ(area.height, 600);
    EXPECT_EQ(area.clientWidth, 812);  // the client area, not the window less a scroll bar
    EXPECT_EQ(area.clientHeight, 561);
    EXPECT_EQ(area.top, 40);
    window.panelBottoms.clear();
    window.panelBottoms[table::TablePanel::kSmallToolbar] = 30;
    EXPECT_EQ(table::WinAnimationAreaOf(context).top, 30);
    window.panelBottoms.clear();
    EXPECT_EQ(table::WinAnimationAreaOf(context).top, 5);
}

TEST_F(WinAnimationTest, TimeZeroEndsAtTheFirstTimeTest) {
    for (const NamedEffect& e : kEffects) {
        registers.SetFlag(engine::flag::kWinAnimationRunning, 1);
        table::WinAnimationRun run = Run(0);
        e.effect(run);
        EXPECT_GE(run.CardsDrawn(), 1) << e.name;
        // The three card patterns test the time after every card; the other three after a
        // segment (a fall, a run between two edges, a ring).
        const std::string name = e.name;
        if (name == "Open order" || name == "Left to right" || name == "Up to down") {
            EXPECT_EQ(run.CardsDrawn(), 1) << name;
        }
    }
}

TEST_F(WinAnimationTest, EveryEffectStopsWithinAStepOnceTheFlagIsCleared) {
    for (const NamedEffect& e : kEffects) {
        registers.SetFlag(engine::flag::kWinAnimationRunning, 1);
        table::WinAnimationRun run = Run(60'000);
        int drawnAtClick = -1;
        // The first time events are let through, the player clicks.
        fake.Clock().SetEventPump([&] {
            if (drawnAtClick < 0) {
                drawnAtClick = run.CardsDrawn();
                registers.SetFlag(engine::flag::kWinAnimationRunning, 0);
            }
        });
        e.effect(run);
        ASSERT_GE(drawnAtClick, 0) << e.name;
        EXPECT_EQ(run.CardsDrawn(), drawnAtClick) << e.name;
        EXPECT_FALSE(Flag()) << e.name;
    }
    fake.Clock().SetEventPump({});
}

TEST_F(WinAnimationTest, AClickDuringARowWaitEndsLeftToRightAtOnce) {
    window.windowWidth = 20;  // a row of four cards, then the 700 ms wait
    table::WinAnimationRun run = Run(60'000);
    fake.Clock().SetEventPump([&] { registers.SetFlag(engine::flag::kWinAnimationRunning, 0); });
    const std::uint32_t before = fake.Clock().TotalDelayed();
    table::AnimateLeftToRight(run);
    EXPECT_EQ(run.CardsDrawn(), 4);
    EXPECT_LT(fake.Clock().TotalDelayed() - before, 700u);
    fake.Clock().SetEventPump({});
}

TEST_F(WinAnimationTest, TheKingOfSpadesNeverShows) {
    for (const NamedEffect& e : kEffects) {
        registers.SetFlag(engine::flag::kWinAnimationRunning, 1);
        table::WinAnimationRun run = Run(3'000);
        e.effect(run);
        EXPECT_GT(run.CardsDrawn(), 10) << e.name;
    }
    EXPECT_FALSE(WindowShowsFace(51));
    EXPECT_TRUE(WindowShowsFace(50));
}

TEST_F(WinAnimationTest, RandomPicksOnlyAmongTheFirstThree) {
    std::set<std::string> picked;
    for (int i = 0; i < 200; ++i) picked.insert(table::ChooseWinningAnimation("(Random)", fake.Random()));
    EXPECT_EQ(picked, (std::set<std::string>{"Open order", "Left to right", "Up to down"}));
    EXPECT_EQ(table::ChooseWinningAnimation("Lines", fake.Random()), "Lines");
}

TEST_F(WinAnimationTest, PlayingRunsTheNamedAnimationAndClearsTheFlag) {
    int focused = 0;
    table::WinAnimationHost host{registers, fake.Random(), [&] { ++focused; }};
    registers.SetFlag(engine::flag::kWinAnimationRunning, 0);
    bool flagWhileRunning = false;
    fake.Clock().SetEventPump([&] { flagWhileRunning = Flag(); });
    EXPECT_EQ(table::PlayWinningAnimation(context, host, "Circles", 1), "Circles");
    EXPECT_TRUE(flagWhileRunning);
    EXPECT_FALSE(Flag());
    EXPECT_EQ(focused, 1);
    fake.Clock().SetEventPump({});
}

TEST_F(WinAnimationTest, AnUnknownNameDrawsNothing) {
    table::CopyBufferToScreen(context);
    const QImage before = surface.Image().Image().copy();
    table::WinAnimationHost host{registers, fake.Random(), {}};
    EXPECT_EQ(table::PlayWinningAnimation(context, host, "Fireworks", 5), "Fireworks");
    EXPECT_TRUE(surface.Image().Image() == before);
    EXPECT_FALSE(Flag());
}

TEST_F(WinAnimationTest, AnEmptyNameReadsThePreferences) {
    fake.Folder().WriteFile("DATA/CFG.DAT", "[Preference]\nWinning_Animations=Up to down\nWinning_Animations_Time=0\n");
    table::WinAnimationHost host{registers, fake.Random(), {}};
    const std::uint32_t before = fake.Clock().TickCount();
    EXPECT_EQ(table::PlayWinningAnimation(context, host, "", 30), "Up to down");
    EXPECT_EQ(fake.Clock().TickCount(), before);  // time 0: one card, no pause yet
    fake.Folder().WriteFile("DATA/CFG.DAT", "[Preference]\n");
    const std::string chosen = table::PlayWinningAnimation(context, host, "", 0);
    EXPECT_TRUE(chosen == "Open order" || chosen == "Left to right" || chosen == "Up to down") << chosen;
    // The default time is 30 seconds.
    EXPECT_GE(fake.Clock().TickCount() - before, 30'000u);
}

TEST(TraceCirclePointsTest, TheOutlineOfARing) {
    std::vector<int> xs(300, table::kNoCirclePoint);
    std::vector<int> ys(300, table::kNoCirclePoint);
    table::TraceCirclePoints(150, 299, xs, ys);
    // The first point is the top of the ring, right of the middle; the right half comes
    // first, downwards, then the left half upwards.
    EXPECT_GE(xs[0], 150);
    EXPECT_EQ(ys[0], 0);
    int filled = 0;
    for (std::size_t k = 0; k < xs.size(); ++k) {
        if (xs[k] == table::kNoCirclePoint) break;
        ++filled;
        const int dx = xs[k] - 149;
        const int dy = ys[k] - 149;
        EXPECT_NEAR(dx * dx + dy * dy, 149 * 149, 2 * 149 + 4) << k;
    }
    EXPECT_GT(filled, 140);
    EXPECT_LT(filled, 300);
    EXPECT_LT(xs[filled - 1], 150);
    // Only the entries up to last are written.
    std::vector<int> few(300, table::kNoCirclePoint);
    std::vector<int> fewY(300, table::kNoCirclePoint);
    table::TraceCirclePoints(150, 9, few, fewY);
    EXPECT_NE(few[9], table::kNoCirclePoint);
    EXPECT_EQ(few[10], table::kNoCirclePoint);
}

}  // namespace
