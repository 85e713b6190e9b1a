#include "platform/core/process.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace platform {
namespace {

TEST(ExitProcessDeathTest, EndsAtOnceWithTheStatusGiven) {
    ExitProcess process;
    EXPECT_EXIT(process.Terminate(1), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(
        {
            std::fputs("said before the end", stderr);
            process.Terminate(7);
            std::fputs("never said", stderr);
        },
        ::testing::ExitedWithCode(7), "^said before the end$");
}

}  // namespace
}  // namespace platform
