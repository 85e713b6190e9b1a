#include "bars/popups/drop_down_list.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/canvas.h"
#include "platform/qt/mouse_capture.h"
#include "platform/qt/window_handles.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(canvas.Pixel(list.width() - 4, LineCentre(3).y), platform::SystemColour(platform::COLOR_HIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(list.width() - 4, LineCentre(1).y), platform::SystemColour(platform::COLOR_WINDOW));
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

}  // namespace
}  // namespace bars::testing
