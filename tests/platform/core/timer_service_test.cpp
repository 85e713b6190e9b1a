#include "platform/core/timer_service.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::VirtualTimerService;
using platform::WindowHandle;

constexpr WindowHandle kWindowA = 0x100;
constexpr WindowHandle kWindowB = 0x200;

class TimerServiceTest : public ::testing::Test {
protected:
    platform::TimerCallback Log(const std::string& name) {
        return [this, name](unsigned id) { m_log.push_back(name + ":" + std::to_string(id) + "@" + std::to_string(m_timers.Now())); };
    }

    VirtualTimerService m_timers;
    std::vector<std::string> m_log;
};

TEST_F(TimerServiceTest, TimersRepeatAndFireInTimeOrder) {
    m_timers.SetWindowTimer(kWindowA, 7, 80, Log("scroll"));
    const unsigned hint = m_timers.SetTimer(50, Log("poll"));
    m_timers.Advance(170);
    const std::string p = "poll:" + std::to_string(hint);
    EXPECT_EQ(m_log, (std::vector<std::string>{p + "@50", "scroll:7@80", p + "@100", p + "@150", "scroll:7@160"}));
    EXPECT_EQ(m_timers.Now(), 170u);
}

TEST_F(TimerServiceTest, SettingAWindowTimerAgainReplacesItAndRestartsItsInterval) {
    m_timers.SetWindowTimer(kWindowA, 1, 100, Log("old"));
    m_timers.Advance(60);
    m_timers.SetWindowTimer(kWindowA, 1, 100, Log("new"));
    m_timers.SetWindowTimer(kWindowB, 1, 100, Log("other"));  // same id, another window: its own timer
    m_timers.Advance(99);
    EXPECT_TRUE(m_log.empty());
    m_timers.Advance(1);
    EXPECT_EQ(m_log, (std::vector<std::string>{"new:1@160", "other:1@160"}));
    EXPECT_EQ(m_timers.Count(), 2u);
}

TEST_F(TimerServiceTest, KillingByKeyAndByWindow) {
    m_timers.SetWindowTimer(kWindowA, 1, 10, Log("a1"));
    m_timers.SetWindowTimer(kWindowA, 2, 10, Log("a2"));
    m_timers.SetWindowTimer(kWindowB, 1, 10, Log("b1"));
    const unsigned free = m_timers.SetTimer(10, Log("free"));
    EXPECT_TRUE(m_timers.KillWindowTimer(kWindowA, 2));
    EXPECT_FALSE(m_timers.KillWindowTimer(kWindowA, 2));
    m_timers.KillWindowTimers(kWindowB);
    EXPECT_TRUE(m_timers.HasWindowTimer(kWindowA, 1));
    EXPECT_FALSE(m_timers.HasWindowTimer(kWindowB, 1));
    // A windowless timer is not a window timer of "no window", and none can be set.
    EXPECT_FALSE(m_timers.HasWindowTimer(platform::kNoWindow, free));
    EXPECT_FALSE(m_timers.KillWindowTimer(platform::kNoWindow, free));
    m_timers.SetWindowTimer(platform::kNoWindow, free, 10, Log("stray"));
    EXPECT_TRUE(m_timers.KillTimer(free));
    EXPECT_FALSE(m_timers.HasTimer(free));
    m_timers.Advance(10);
    EXPECT_EQ(m_log, (std::vector<std::string>{"a1:1@10"}));
}

TEST_F(TimerServiceTest, CallbacksMaySetAndKillTimersIncludingTheirOwn) {
    unsigned once = 0;
    once = m_timers.SetTimer(30, [&](unsigned id) {
        m_log.push_back("once@" + std::to_string(m_timers.Now()));
        m_timers.KillTimer(id);
        // Started from inside a callback: it fires later in the same advance.
        m_timers.SetWindowTimer(kWindowA, 9, 15, [&](unsigned) {
            m_log.push_back("child@" + std::to_string(m_timers.Now()));
            m_timers.KillWindowTimers(kWindowA);
        });
    });
    m_timers.Advance(100);
    EXPECT_EQ(m_log, (std::vector<std::string>{"once@30", "child@45"}));
    EXPECT_FALSE(m_timers.HasTimer(once));
    EXPECT_EQ(m_timers.Count(), 0u);
}

TEST_F(TimerServiceTest, WindowlessIdsAreNeverZeroAndNeverShared) {
    const unsigned first = m_timers.SetTimer(0, Log("x"));  // a zero interval fires every millisecond
    const unsigned second = m_timers.SetTimer(5, Log("y"));
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    m_timers.Advance(2);
    EXPECT_EQ(m_log.size(), 2u);
}

TEST_F(TimerServiceTest, ScopedInstallRestoresThePreviousService) {
    EXPECT_EQ(platform::InstalledTimerService(), nullptr);
    {
        platform::ScopedTimerService outer(m_timers);
        VirtualTimerService inner;
        {
            platform::ScopedTimerService scoped(inner);
            EXPECT_EQ(platform::InstalledTimerService(), &inner);
        }
        EXPECT_EQ(platform::InstalledTimerService(), &m_timers);
    }
    EXPECT_EQ(platform::InstalledTimerService(), nullptr);
}

}  // namespace
