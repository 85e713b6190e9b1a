#include "engine/model/settings_block.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/core/paths.h"
#include "tests/support/fake_services.h"

namespace {

using engine::SettingsBlock;

TEST(SettingsBlockTest, FieldIsStoredLeftAlignedAndCutToWidth) {
    SettingsBlock block;
    block.SetField(74, 2, "7");
    EXPECT_EQ(block.GetField(74, 2), "7");
    EXPECT_EQ(block.GetField(74, 1), "7");
    EXPECT_EQ(block.GetField(75, 1), "");

    block.SetField(62, 4, "   12");
    EXPECT_EQ(block.GetField(62, 4), "12");

    block.SetField(189, 5, "Freecell");
    EXPECT_EQ(block.GetField(189, 5), "Freec");
    EXPECT_EQ(block.GetField(189, 8), "Freec");
}

TEST(SettingsBlockTest, NeverWrittenFieldReadsEmpty) {
    SettingsBlock block;
    EXPECT_EQ(block.GetField(141, 1), "");
    EXPECT_EQ(block.GetField(501, 200), "");
}

TEST(SettingsBlockTest, WritesNeverTouchNeighbours) {
    SettingsBlock block;
    block.SetField(141, 1, "Y");
    block.SetField(143, 1, "N");
    block.SetField(142, 1, "LONGER");
    EXPECT_EQ(block.GetField(141, 1), "Y");
    EXPECT_EQ(block.GetField(142, 1), "L");
    EXPECT_EQ(block.GetField(143, 1), "N");
    EXPECT_EQ(block.GetField(141, 3), "YLN");
}

TEST(SettingsBlockTest, PositionsMapOntoThreeStrings) {
    SettingsBlock block;
    block.SetField(249, 1, "A");
    block.SetField(251, 1, "B");
    block.SetField(999, 1, "C");
    EXPECT_EQ(block.GetField(249, 1), "A");
    EXPECT_EQ(block.GetField(251, 1), "B");
    EXPECT_EQ(block.GetField(999, 1), "C");
    // The last character of the first string is not the first of the second.
    EXPECT_EQ(block.GetField(249, 3), "A");
    // A field reading past the end of a string gets fewer characters.
    EXPECT_EQ(block.GetField(999, 5), "C");
    // Fields beyond the 250 characters of the third string stay where they were put.
    block.SetField(760, 2, "DE");
    EXPECT_EQ(block.GetField(760, 2), "DE");
    EXPECT_EQ(block.GetField(751, 9), "");
    EXPECT_EQ(block.GetField(999, 1), "C");
}

TEST(SettingsBlockTest, PositionsWithoutFieldAreIgnored) {
    SettingsBlock block;
    block.SetField(251, 5, "ABCDE");
    block.SetField(501, 3, "XYZ");
    for (const int position : {0, -4, 250, 500, 1000, 1500}) {
        block.SetField(position, 3, "!!!");
        EXPECT_EQ(block.GetField(position, 3), "") << position;
    }
    // Nothing shifted by the ignored writes.
    EXPECT_EQ(block.GetField(251, 5), "ABCDE");
    EXPECT_EQ(block.GetField(501, 3), "XYZ");
    EXPECT_EQ(block.GetField(1, 3), "");
}

TEST(SettingsBlockTest, ResetWritesThePathFields) {
    SettingsBlock block;
    block.SetField(141, 1, "N");
    block.InitSettingsBlock("/games/corvanet/");
    EXPECT_EQ(block.GetField(141, 1), "");
    EXPECT_EQ(block.GetField(1, 20), "DATA\\CFG.DAT");
    EXPECT_EQ(block.GetField(501, 200), "/games/corvanet/");
    EXPECT_EQ(block.PreferenceFileName(), "/games/corvanet/DATA\\CFG.DAT");

    block.SetField(141, 1, "N");
    block.DoneSettingsBlock();
    EXPECT_EQ(block.GetField(141, 1), "N");
    block.ResetSettingsBlock(false, "/elsewhere/");
    EXPECT_EQ(block.GetField(501, 200), "/games/corvanet/");
}

TEST(SettingsBlockTest, SessionCountersStartAtZero) {
    SettingsBlock block;
    block.SetField(112, 4, "0042");
    block.ResetSessionCounters();
    EXPECT_EQ(block.GetField(112, 4), "0000");
    EXPECT_EQ(block.GetField(116, 4), "0000");
}

TEST(SettingsBlockTest, DeepProgramFolderStillFindsThePreferenceFile) {
    test_support::TempFolder folder;
    // Deeper than the 200 characters of the folder field.
    std::filesystem::path deep = folder.Path();
    while (deep.string().size() <= 220) deep /= "a_rather_long_folder_name";
    std::filesystem::create_directories(deep / "Data");
    platform::PathResolver paths(deep);

    SettingsBlock block;
    block.InitSettingsBlock(paths.ProgramFolderText());
    EXPECT_EQ(block.GetField(501, 200).size(), 200u);
    EXPECT_EQ(engine::PreferenceFilePath(block, paths), deep / "Data" / "CFG.DAT");
}

}  // namespace
