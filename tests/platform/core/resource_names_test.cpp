#include "platform/core/resource_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace {

namespace res = platform::resources;

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool Lists(const std::vector<res::ResourceEntry>& all, std::string_view name) {
    return std::any_of(all.begin(), all.end(), [&](const res::ResourceEntry& e) { return e.name == name; });
}

TEST(ResourceNames, EveryNameIsListedOnceWhateverItsCase) {
    std::set<std::string> seen[3];
    for (const res::ResourceEntry& entry : res::AllResources())
        EXPECT_TRUE(seen[static_cast<int>(entry.kind)].insert(Upper(entry.name)).second) << entry.name;
}

TEST(ResourceNames, NamesAreBuiltAsTheDrawingCodeAsksForThem) {
    EXPECT_EQ(res::CardStripName('B', "001", 'H'), "CB001H");
    EXPECT_EQ(res::JokerName('L'), "JOKER_L");
    EXPECT_EQ(res::CardBackName('B', 11), "DB011");  // the big back is also the one to scale
    EXPECT_EQ(res::PileMarkName('M', "_WASTE"), "WM_WASTE");
    EXPECT_EQ(res::ShadowName('B', 2), "SHADOW_B2");
    EXPECT_EQ(res::BorderName('L', 1), "3D_BORDER_L1");
    EXPECT_EQ(res::BackgroundName(7), "B007");
    EXPECT_EQ(res::GamePreviewName(12), "GAME0012");
}

TEST(ResourceNames, TheListHoldsEveryFamilyTheProgramAsksFor) {
    const std::vector<res::ResourceEntry> all = res::AllResources();
    for (std::string_view name : {"CB001H",
                                  "CM003S",
                                  "CL001D",
                                  "JOKER_M",
                                  "DB019",
                                  "DM011",
                                  "DL001",
                                  "WB021",
                                  "WM_TABLEAU",
                                  "WL_WASTE",
                                  "SHADOW_M1",
                                  "3D_BORDER_B2",
                                  "B102",
                                  "B324",
                                  "GAME0001",
                                  "TREE1",
                                  "N_TREE5",
                                  "I_TREE2",
                                  "TREE5_ORIGINAL_TYPE",
                                  "TREE5_CUSTOMIZED_GAMES",
                                  "TREE5_YUKON_TYPE_NOWIN",
                                  "PROG_DISABLED",
                                  "PROG_SKILL_CHANCEONLY",
                                  "TB_AUTOPLAY_DIS",
                                  "SUIT_CLUBS",
                                  "CUR_RIGHT_HAND2B",
                                  "Red_no_a",
                                  "Face_up"})
        EXPECT_TRUE(Lists(all, name)) << name;
    EXPECT_FALSE(Lists(all, res::kStopSoundName));
}

TEST(ResourceNames, SuitStripsHoldSixByFourCards) {
    for (const res::ResourceEntry& entry : res::AllResources()) {
        if (entry.family != res::ResourceFamily::CardStrip) continue;
        const res::CardSizeSpec* size = res::FindCardSize(entry.name[1]);
        ASSERT_NE(size, nullptr) << entry.name;
        EXPECT_EQ(entry.width, 6 * size->width) << entry.name;
        EXPECT_EQ(entry.height, 4 * size->height) << entry.name;
    }
    EXPECT_EQ(res::FindCardSize('B')->width, 71);
    EXPECT_EQ(res::FindCardSize('M')->height, 80);
    EXPECT_EQ(res::FindCardSize('L')->width, 25);
    EXPECT_EQ(res::FindCardSize('X'), nullptr);
}

TEST(ResourceNames, LookupsByNumber) {
    EXPECT_EQ(res::TableCursorName(10), "CUR_ARROW1A");
    EXPECT_EQ(res::TableCursorName(25), "CUR_LEFT_HAND2B");
    EXPECT_EQ(res::TableCursorName(16), "");
    EXPECT_EQ(res::GameTypeKey(4), "TREE5_FREECELL_TYPE");
    EXPECT_EQ(res::GameTypeKey(800), "TREE5_CUSTOMIZED_GAMES");
    EXPECT_EQ(res::GameTypeKey(1), "");
    EXPECT_EQ(res::GameTypeKey(23), "");
}

}  // namespace
