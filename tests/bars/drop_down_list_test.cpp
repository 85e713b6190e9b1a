#include "bars/popups/drop_down_list.h"
#include "platform/core/timer_service.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/canvas.h"
#include "platform/qt/cursor_position.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"
#include "platform/qt/window_list.h"

#include <gtest/gtest.h>

#include <QScrollBar>

namespace bars::testing {
namespace {

class DropDownListTest : public ::testing::Test {
public:
    DropDownListTest() {
        std::vector<std::string> items;
        for (int i = 0; i < 10; ++i) items.push_back("Game " + std::to_string(i));
        list.SetItems(items);
        list.OnSelectionChange = [this](int index) { selections.push_back(index); };
        list.OnChoose = [this](int index) { chosen.push_back(index); };
    }
    platform::Point LineCentre(int line) const {
        return {20, TcbBarDropDownListBox::kFrame + line * list.ItemHeight() + list.ItemHeight() / 2};
    }

    TcbBarDropDownListBox list;
    std::vector<int> selections;
    std::vector<int> chosen;
};

TEST_F(DropDownListTest, TheOpeningClickDraggedIntoTheListChoosesTheLineWhereItComesUp) {
    list.DropDown({100, 100}, 120, 5);
    EXPECT_EQ(list.height(), 5 * list.ItemHeight() + 4);
    EXPECT_FALSE(list.OpeningClick());
    list.TrackMouse();
    EXPECT_TRUE(list.OpeningClick());
    EXPECT_EQ(platform::GetCapture(), platform::HandleOf(&list));
    list.MouseMove({20, -10});
    EXPECT_TRUE(list.OpeningClick());
    list.MouseMove(LineCentre(2));
    EXPECT_FALSE(list.OpeningClick());
    list.MouseMove(LineCentre(3));
    list.LButtonUp();
    EXPECT_EQ(selections, (std::vector<int>{2, 3}));
    EXPECT_EQ(chosen, std::vector<int>{3});
    QImage surface = list.Surface();
    platform::Canvas canvas(surface);
    EXPECT_EQ(canvas.Pixel(0, 0), platform::SystemColour(platform::COLOR_3DLIGHT));
    // Ten lines in five: the scroll bar stands beside them.
    const int right = list.width() - 2 - list.ScrollBar()->width();
    EXPECT_EQ(canvas.Pixel(right - 2, LineCentre(3).y), platform::SystemColour(platform::COLOR_HIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(right - 2, LineCentre(1).y), platform::SystemColour(platform::COLOR_WINDOW));
    EXPECT_EQ(canvas.Pixel(right + 2, LineCentre(3).y), platform::SystemColour(platform::COLOR_WINDOW));
}

TEST_F(DropDownListTest, ReleasingTheOpeningClickOutsideKeepsTheListOpenWithoutChoosing) {
    list.DropDown({100, 100}, 120, 5);
    list.TrackMouse();
    list.LButtonUp();
    EXPECT_FALSE(list.OpeningClick());
    EXPECT_EQ(platform::GetCapture(), platform::kNoWindow);
    EXPECT_TRUE(chosen.empty());
    list.DropDown({100, 100}, 120, 5);
    list.TrackMouse();
    list.CaptureChanged();
    EXPECT_FALSE(list.OpeningClick());
}

TEST_F(DropDownListTest, AKeyWithNothingSelectedTakesTheTopVisibleLineFirst) {
    list.DropDown({100, 100}, 120, 5);
    list.SetTopIndex(3);
    list.KeyDown(platform::VK_RETURN);
    EXPECT_EQ(chosen, std::vector<int>{3});
    list.KeyDown(platform::VK_DOWN);
    EXPECT_EQ(list.ItemIndex(), 4);
    list.SetItemIndex(9);
    EXPECT_EQ(list.TopIndex(), 5);
}

TEST_F(DropDownListTest, MoreEntriesThanLinesScrollByTheBarTheWheelAndADragPastAnEdge) {
    platform::VirtualTimerService timers;
    platform::ScopedTimerService scope(timers);
    std::vector<std::string> fonts;
    for (int i = 0; i < 21; ++i) fonts.push_back("Font " + std::to_string(i));
    list.SetItems(fonts);
    list.DropDown({100, 100}, 160, 12);
    ASSERT_TRUE(list.ScrollBar()->isVisible());
    EXPECT_EQ(list.ScrollBar()->maximum(), 9);
    EXPECT_EQ(list.ScrollBar()->geometry().right(), list.width() - 3);
    list.ScrollBar()->setValue(9);
    EXPECT_EQ(list.TopIndex(), 9) << "the last entries come into view";
    list.Wheel(1);
    EXPECT_EQ(list.TopIndex(), 6);
    EXPECT_EQ(list.ScrollBar()->value(), 6);
    list.Wheel(-5);
    EXPECT_EQ(list.TopIndex(), 9);

    // Pressed on a line and dragged above the list: a line at once, then one every 50 ms.
    list.SetTopIndex(5);
    list.LButtonDown(LineCentre(0));
    const platform::Point above = platform::ClientToScreen(&list, {20, -6});
    platform::OverrideCursorPos(above);
    list.MouseMove({20, -6});
    EXPECT_EQ(list.TopIndex(), 4);
    EXPECT_EQ(list.ItemIndex(), 4);
    timers.Advance(2 * TcbBarDropDownListBox::kAutoScrollMs);
    EXPECT_EQ(list.TopIndex(), 2);
    list.MouseMove(LineCentre(1));
    timers.Advance(TcbBarDropDownListBox::kAutoScrollMs);
    EXPECT_EQ(list.TopIndex(), 2) << "back over the lines it stops";
    list.LButtonUp();
    EXPECT_EQ(chosen, std::vector<int>{3});
    platform::OverrideCursorPos(std::nullopt);

    // Without a press in the list, the mouse past its edge scrolls nothing.
    list.MouseMove({20, list.height() + 5});
    EXPECT_EQ(list.TopIndex(), 2);
}

}  // namespace
}  // namespace bars::testing
