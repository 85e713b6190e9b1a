#include "engine/base/system_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_services.h"

namespace {

using test_support::FakeServices;

TEST(SystemUtilsTest, RunShellWrapsTheCallInTheBusyCursor) {
    FakeServices fake;
    std::vector<bool> cursor;
    fake.Shell().SetResult(2);
    const int result = engine::RunShell(fake.Shell(), "http://example.org", "", "", 4,
                                        [&](bool busy) { cursor.push_back(busy); });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(cursor, (std::vector<bool>{true, false}));
    ASSERT_EQ(fake.Shell().Calls().size(), 1u);
    EXPECT_EQ(fake.Shell().Calls()[0].file, "http://example.org");
    EXPECT_EQ(fake.Shell().Calls()[0].showMode, 4);
    // Without a cursor callback it still opens.
    EXPECT_EQ(engine::RunShell(fake.Shell(), "a", "", "", 1), 2);
}

TEST(SystemUtilsTest, FoldersAndTemporaryFiles) {
    FakeServices fake;
    const auto& folder = fake.Folder().Path();
    EXPECT_TRUE(engine::DirExists(folder));
    EXPECT_FALSE(engine::DirExists(folder / "missing"));
    EXPECT_FALSE(engine::DirExists(fake.Folder().WriteFile("file.txt", "x")));
    EXPECT_FALSE(engine::DirExists(""));
    EXPECT_EQ(engine::WindowsDir(), "");

    std::filesystem::path name;
    ASSERT_TRUE(engine::MakeTempFileName(folder, "rpl", name));
    EXPECT_EQ(name.parent_path(), folder);
    EXPECT_TRUE(name.filename().string().starts_with("rpl"));
    EXPECT_TRUE(std::filesystem::exists(name));
    EXPECT_FALSE(engine::MakeTempFileName(folder / "missing", "rpl", name));
}

TEST(SystemUtilsTest, NumColors) {
    EXPECT_EQ(engine::NumColors(8, 1), 256);
    EXPECT_EQ(engine::NumColors(4, 1), 16);
    EXPECT_EQ(engine::NumColors(1, 4), 16);
    EXPECT_EQ(engine::NumColors(16, 1), 65536);
    EXPECT_EQ(engine::NumColors(24, 1), 16777216);
    EXPECT_EQ(engine::NumColors(32, 1), engine::kManyColours);
    EXPECT_EQ(engine::NumColors(24, 2), engine::kManyColours);  // would overflow
}

}  // namespace
