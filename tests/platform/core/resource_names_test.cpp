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
                                  "Face_up",
                                  "PIC_SPLASH_LOGO",
                                  "PIC_ADVICE_640X480"})
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

TEST(ResourceNames, TheWindowsPicturesAreListedWithTheirSizes) {
    const std::vector<res::ResourceEntry> all = res::AllResources();
    int pictures = 0;
    for (const res::ResourceEntry& entry : all) {
        if (entry.family != res::ResourceFamily::WindowPicture) continue;
        ++pictures;
        EXPECT_EQ(entry.kind, res::ResourceKind::Bitmap);
        EXPECT_GT(entry.width, 0) << entry.name;
        EXPECT_GT(entry.height, 0) << entry.name;
    }
    EXPECT_EQ(pictures, static_cast<int>(res::kWindowPictures.size()));
    // The splash window's client area is 393 wide, its big picture 250 x 200.
    for (const res::WindowPicture& picture : res::kWindowPictures) {
        if (picture.name.starts_with("PIC_SPLASH")) {
            EXPECT_LE(picture.width, 393) << picture.name;
        }
        if (picture.name == "PIC_SPLASH_PICTURE") {
            EXPECT_EQ(picture.width, 250);
            EXPECT_EQ(picture.height, 200);
        }
    }
}

TEST(ResourceNames, KeyColoursAreTheOnesTheDrawingLeavesOut) {
    EXPECT_EQ(res::kShadowKeyColour, 0xFFFFFFu);  // white
    EXPECT_EQ(res::kBorderKeyColour, 0xFF0000u);  // pure blue, red in the low byte
    EXPECT_EQ(res::kIconKeyColour, 128u);         // the options' tree icons are masked with colour 128
}

TEST(ResourceNames, EverySizeHasItsWholeSetOfCardImages) {
    for (const res::CardSizeSpec& size : res::kCardSizes) {
        int strips = 0, backs = 0, marks = 0;
        for (const res::ResourceEntry& entry : res::AllResources()) {
            const bool ofSize = entry.name.size() > 1 && entry.name[1] == size.letter;
            if (entry.family == res::ResourceFamily::CardStrip && ofSize) ++strips;
            if (entry.family == res::ResourceFamily::CardBack && ofSize) ++backs;
            if (entry.family == res::ResourceFamily::PileMark && ofSize) {
                ++marks;
                EXPECT_EQ(entry.width, size.width) << entry.name;
                EXPECT_EQ(entry.height, size.height) << entry.name;
            }
        }
        EXPECT_EQ(strips, static_cast<int>(res::kCardSets.size() * res::kSuitLetters.size())) << size.letter;
        EXPECT_EQ(backs, res::kLastBack - res::kFirstBack + 1) << size.letter;
        EXPECT_EQ(marks, static_cast<int>(res::kPileMarkCodes.size()) + 1) << size.letter;  // and "_TABLEAU"
    }
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
