#include "platform/core/virtual_keys.h"
#include "tests/bars/links_fixture.h"

namespace bars::testing {
namespace {

TEST_F(LinksTest, AcceleratorIsTheLastMarkedCharacter) {
    using platform::kShiftAlt;
    using platform::kShiftCtrl;
    using platform::kShiftNone;
    using platform::kShiftShift;
    TcbBarItemLink& file = Add("F", "&File");
    TcbBarItemLink& doubled = Add("D", "Fish && Chips");
    TcbBarItemLink& newGame = Add("N", "&New game");
    EXPECT_TRUE(file.IsAccelerator('F', kShiftNone));
    EXPECT_TRUE(file.IsAccelerator('F', kShiftShift));
    EXPECT_TRUE(file.IsAccelerator('F', kShiftAlt));
    EXPECT_FALSE(file.IsAccelerator('F', kShiftCtrl));
    EXPECT_FALSE(file.IsAccelerator('I', kShiftNone));
    EXPECT_FALSE(doubled.IsAccelerator('C', kShiftNone));
    EXPECT_TRUE(newGame.IsAccelerator('N', kShiftNone));
    EXPECT_FALSE(newGame.IsAccelerator('G', kShiftNone));
    newGame.SetUserCaption("Ne&w");
    EXPECT_TRUE(newGame.IsAccelerator('W', kShiftNone));
}

TEST_F(LinksTest, SearchForASharedAcceleratorGoesRoundFromTheStart) {
    // Menus of the menu bar, as the main window has them.
    auto menu = [&](const std::string& name, const std::string& caption) -> TcbBarItemLink& {
        auto& item = NewItem<TcbBarSubItem>(name);
        item.SetCaption(caption);
        return Link(links, item);
    };
    TcbBarItemLink& first = menu("mnuGame", "&Game");
    menu("mnuHelp", "&Help");
    TcbBarItemLink& third = menu("mnuGo", "&Go");
    EXPECT_EQ(links.FindByAccelerator('G', 0, &first), &third);
    EXPECT_EQ(links.FindByAccelerator('G', 0, &third), &first);
    EXPECT_EQ(links.FindByAccelerator('G', 0, nullptr), &third);
    EXPECT_EQ(links.FindByAccelerator('X', 0, &first), nullptr);
    third.Item()->SetEnabled(false);
    EXPECT_EQ(links.FindByAccelerator('G', 0, &first), &first);
}

}  // namespace
}  // namespace bars::testing
