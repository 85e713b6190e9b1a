#include "engine/files/statistics_files.h"

#include <gtest/gtest.h>

#include "tests/support/fake_services.h"

namespace {

class StatisticsFilesTest : public ::testing::Test {
protected:
    bool Any() const { return engine::AnyStatisticsFile(fake.Paths()); }
    void Write(std::string_view name) { fake.Folder().WriteFile(name, "x"); }

    test_support::FakeServices fake;
};

TEST_F(StatisticsFilesTest, NoDataFolder) {
    EXPECT_FALSE(Any());
}

TEST_F(StatisticsFilesTest, TwoDigitNumberCounts) {
    Write("Data/Stat_e07.dat");
    EXPECT_TRUE(Any());
}

TEST_F(StatisticsFilesTest, OneDigitNumberMatchesThePatternOnly) {
    Write("Data/Stat_e7.dat");
    Write("Data/Stat_e100.dat");
    Write("Data/Stat_s07.dat");
    EXPECT_FALSE(Any());
}

TEST_F(StatisticsFilesTest, NamesMatchWithoutRegardToCase) {
    Write("data/STAT_E99.DAT");
    EXPECT_TRUE(Any());
}

}  // namespace
