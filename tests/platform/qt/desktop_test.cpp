#include "platform/qt/desktop.h"

#include "tests/support/fake_services.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace platform {
namespace {

TEST(FontCatalog, ListsTheInstalledFonts) {
    // The project installs the DejaVu fonts on every machine it builds on.
    const std::vector<std::string> families = FontCatalog().FontFamilies();
    EXPECT_NE(std::find(families.begin(), families.end(), "DejaVu Sans"), families.end());
}

// Opening things that exist would start other programs; only the failures are tried here.
TEST(DesktopShellOpen, NothingToOpenFails) {
    DesktopShellOpen shell;
    EXPECT_EQ(shell.Open("", "", "", 4), kShellFileNotFound);
}

TEST(DesktopShellOpen, AMissingFileFails) {
    test_support::TempFolder folder;
    DesktopShellOpen shell;
    EXPECT_EQ(shell.Open("missing.txt", "", folder.Path().string(), 4), kShellFileNotFound);
    EXPECT_EQ(shell.Open((folder.Path() / "gone.html").string(), "", "", 4), kShellFileNotFound);
}

}  // namespace
}  // namespace platform
