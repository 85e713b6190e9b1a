#include "engine/session/status_panels.h"

#include <gtest/gtest.h>

#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "tests/engine/status_fixture.h"

namespace {

using engine::ShellCommand;
using engine::ShellPanel;
using engine::ShellRect;
using test_support::ShellEvent;

class StatusPanelsTest : public ::testing::Test, protected status_test::StatusFixture {
protected:
    ShellRect Bounds(ShellPanel panel) const { return shell.PanelBounds(panel); }
    bool Visible(ShellPanel panel) const { return shell.IsPanelVisible(panel); }
    std::string PreferenceValue(std::string_view key) const {
        return engine::PreferenceFile(fake.Paths()).ReadString(engine::kSectionPreference, key, "absent");
    }
    void MakeDataFolder() { fake.Folder().WriteFile("Data/CFG.DAT", "[Preference]\r\n"); }
};

TEST_F(StatusPanelsTest, LayoutAtDesignSize) {
    engine::LayoutStatus(ctx);
    EXPECT_EQ(Bounds(ShellPanel::kTempo), (ShellRect{751 - 80 - 15, 10, 80, 25}));  // (46 - 25) / 2 = 10.5 rounds to 10
    EXPECT_EQ(Bounds(ShellPanel::kScore), (ShellRect{656 - 70 - 5, 10, 70, 26}));
    EXPECT_EQ(Bounds(ShellPanel::kGreyLine), (ShellRect{0, 46, 751, 1}));
    EXPECT_EQ(Bounds(ShellPanel::kBlackLine), (ShellRect{0, 47, 751, 1}));
    EXPECT_TRUE(Visible(ShellPanel::kTempo));
    EXPECT_TRUE(Visible(ShellPanel::kScore));
}

TEST_F(StatusPanelsTest, ScoreTakesTheClocksPlaceWhenTheClockIsOff) {
    SetField(engine::fields::kShowTime, "N");
    engine::LayoutStatus(ctx);
    EXPECT_EQ(Bounds(ShellPanel::kScore).left, 751 - 70 - 15);
    EXPECT_FALSE(Visible(ShellPanel::kTempo));
    EXPECT_TRUE(Visible(ShellPanel::kScore));
}

TEST_F(StatusPanelsTest, NarrowWindowHidesBothPanels) {
    shell.ArrangeWindow({0, 0, 400, 300}, 260);
    engine::LayoutStatus(ctx);
    EXPECT_FALSE(Visible(ShellPanel::kTempo));
    EXPECT_FALSE(Visible(ShellPanel::kScore));
}

TEST_F(StatusPanelsTest, PanelMustClearTheLastButtonByMoreThanThreePixels) {
    // Clock at 656; score at 581.
    shell.ArrangeLastButtonRight(ShellPanel::kLargeToolbar, 578);
    engine::LayoutStatus(ctx);
    EXPECT_FALSE(Visible(ShellPanel::kScore));
    EXPECT_TRUE(Visible(ShellPanel::kTempo));
    shell.ArrangeLastButtonRight(ShellPanel::kLargeToolbar, 577);
    engine::LayoutStatus(ctx);
    EXPECT_TRUE(Visible(ShellPanel::kScore));
}

TEST_F(StatusPanelsTest, MaximisedWindowBeforeFirstActivationUsesTheScreenWidth) {
    shell.ArrangeMaximized(true, 1024);
    engine::LayoutStatus(ctx);
    EXPECT_EQ(Bounds(ShellPanel::kTempo).left, 656);
    registers.SetFlag(engine::flag::kStartupPending, 1);
    engine::LayoutStatus(ctx);
    EXPECT_EQ(Bounds(ShellPanel::kTempo).left, 1024 + 8 - 80 - 15);
    EXPECT_EQ(Bounds(ShellPanel::kGreyLine).width, 1032);
}

TEST_F(StatusPanelsTest, SmallToolbarPlacesPanelsByItsHeight) {
    shell.ArrangePanel(ShellPanel::kLargeToolbar, {0, 0, 751, 46}, false);
    shell.ArrangePanel(ShellPanel::kSmallToolbar, {0, 2, 751, 24}, true);
    shell.ArrangePanel(ShellPanel::kTempo, {0, 0, 80, 20}, true);
    shell.ArrangePanel(ShellPanel::kScore, {0, 0, 70, 20}, true);
    engine::LayoutStatus(ctx);
    EXPECT_EQ(Bounds(ShellPanel::kTempo).top, 2 + 2);
    EXPECT_EQ(Bounds(ShellPanel::kScore).top, 4);
    EXPECT_EQ(Bounds(ShellPanel::kGreyLine).top, 26);
    EXPECT_EQ(Bounds(ShellPanel::kBlackLine).top, 27);
}

TEST_F(StatusPanelsTest, MovingPanelIsHiddenBeforeItMoves) {
    engine::LayoutStatus(ctx);
    const auto& events = shell.Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0].kind, ShellEvent::Kind::PanelVisible);
    EXPECT_EQ(events[0].target, static_cast<int>(ShellPanel::kTempo));
    EXPECT_FALSE(events[0].on);
    EXPECT_EQ(events[1].kind, ShellEvent::Kind::PanelBounds);

    // Laid out again in place: nothing is hidden on the way.
    shell.ClearEvents();
    engine::LayoutStatus(ctx);
    for (const ShellEvent& event : shell.Events()) {
        if (event.kind == ShellEvent::Kind::PanelVisible) {
            EXPECT_TRUE(event.on);
        }
    }
}

TEST_F(StatusPanelsTest, HideScoreAndSave) {
    MakeDataFolder();
    engine::SetShowScore(ctx, false, true);
    EXPECT_EQ(Field(engine::fields::kShowScore), "N");
    EXPECT_EQ(PreferenceValue("Show_Score"), "N");
    EXPECT_TRUE(shell.IsCommandEnabled(ShellCommand::kShowScore));
    EXPECT_FALSE(Visible(ShellPanel::kScore));
    EXPECT_EQ(Bounds(ShellPanel::kScore).left, 751 - 70 - 5 - 80 - 15);  // laid out again
}

TEST_F(StatusPanelsTest, ShowTimeWithoutSavingKeepsFieldAndFile) {
    MakeDataFolder();
    SetField(engine::fields::kShowTime, "N");
    engine::SetShowTime(ctx, true, false);
    EXPECT_FALSE(shell.IsCommandEnabled(ShellCommand::kShowTime));
    EXPECT_EQ(Field(engine::fields::kShowTime), "N");
    EXPECT_EQ(PreferenceValue("Show_Time"), "absent");
    // The layout follows the field, which still says the clock is off.
    EXPECT_FALSE(Visible(ShellPanel::kTempo));
}

TEST_F(StatusPanelsTest, UnwritablePreferenceFileStillSwitchesThePanel) {
    // No Data folder: the write fails quietly and the setting holds for this run.
    engine::SetShowScore(ctx, false, true);
    EXPECT_EQ(Field(engine::fields::kShowScore), "N");
    EXPECT_FALSE(Visible(ShellPanel::kScore));
}

TEST_F(StatusPanelsTest, CursorInTableIsBelowTheToolbarAndInsideTheWindow) {
    // Window 50,50 751 x 407, client 360: frame and menu 47, toolbar bottom 46.
    const int tableTop = 50 + 47 + 46;
    struct Case {
        engine::ShellPoint point;
        bool inTable;
    };
    for (const Case c : {Case{{100, 200}, true}, Case{{51, tableTop + 1}, true}, Case{{50, 200}, false},
                         Case{{801, 200}, false}, Case{{800, 456}, true}, Case{{100, tableTop}, false},
                         Case{{100, 457}, false}}) {
        shell.ArrangeCursorPos(c.point);
        EXPECT_EQ(engine::IsCursorInTable(shell), c.inTable) << c.point.x << "," << c.point.y;
    }
}

}  // namespace
