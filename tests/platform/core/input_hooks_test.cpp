#include "platform/core/input_hooks.h"
#include "platform/core/message_queue.h"
#include "platform/core/virtual_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace platform;

// The hooks and router are process-wide: every test leaves them as it found them.
class InputHooksTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (InputHooks::HookId id : m_ids) m_hooks.Remove(id);
        m_hooks.SetPresenceListener({});
        KeyStates::Instance().Clear();
    }
    InputHooks::HookId Keep(InputHooks::HookId id) {
        m_ids.push_back(id);
        return id;
    }

    InputHooks& m_hooks = InputHooks::Instance();
    std::vector<InputHooks::HookId> m_ids;
    std::vector<std::string> m_log;
};

TEST_F(InputHooksTest, NewestHookFirstAndASwallowStopsTheChain) {
    Keep(m_hooks.AddKeyboardHook([&](const KeyHookMessage& m) {
        m_log.push_back("old " + std::to_string(m.key));
        return false;
    }));
    Keep(m_hooks.AddKeyboardHook([&](const KeyHookMessage& m) {
        m_log.push_back("new " + std::to_string(m.key));
        return m.key == VK_F10;
    }));
    EXPECT_FALSE(m_hooks.DispatchKey({WM_KEYDOWN, 'A', 1, kNoWindow}));
    EXPECT_TRUE(m_hooks.DispatchKey({WM_KEYDOWN, VK_F10, 1, kNoWindow}));
    EXPECT_EQ(m_log, (std::vector<std::string>{"new 65", "old 65", "new 121"}));
    // Kinds stay apart: a mouse message meets no keyboard hook.
    EXPECT_FALSE(m_hooks.DispatchMouse({}));
}

TEST_F(InputHooksTest, AHookMayRemoveHooksWhileItRuns) {
    InputHooks::HookId older = 0;
    older = Keep(m_hooks.AddMouseHook([&](const MouseHookMessage&) {
        m_log.push_back("older");
        return false;
    }));
    InputHooks::HookId self = 0;
    self = Keep(m_hooks.AddMouseHook([&](const MouseHookMessage&) {
        m_log.push_back("self");
        m_hooks.Remove(self);
        m_hooks.Remove(older);
        return false;
    }));
    EXPECT_FALSE(m_hooks.DispatchMouse({WM_LBUTTONDOWN, {5, 5}, kNoWindow, HTCLIENT, 0}));
    EXPECT_FALSE(m_hooks.DispatchMouse({WM_LBUTTONDOWN, {5, 5}, kNoWindow, HTCLIENT, 0}));
    EXPECT_EQ(m_log, (std::vector<std::string>{"self"}));
    EXPECT_FALSE(m_hooks.IsInstalled(self));
}

TEST_F(InputHooksTest, PresenceFollowsTheFirstAndLastHook) {
    std::vector<bool> presence;
    m_hooks.SetPresenceListener([&](bool present) { presence.push_back(present); });
    const auto keyboard = m_hooks.AddKeyboardHook([](const KeyHookMessage&) { return false; });
    const auto window = m_hooks.AddCallWindowHook([&](const CallWindowMessage& m) { m_log.push_back(std::to_string(m.message)); });
    m_hooks.DispatchCallWindow({0x10, WM_ACTIVATE, WA_ACTIVE, 0});
    m_hooks.Remove(keyboard);
    m_hooks.Remove(window);
    m_hooks.Remove(window);
    const auto again = m_hooks.AddKeyboardHook([](const KeyHookMessage&) { return false; });
    m_hooks.Remove(again);
    EXPECT_EQ(presence, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(m_log, (std::vector<std::string>{"6"}));
}

TEST_F(InputHooksTest, ASharedSetIsInstalledByTheFirstOwnerAndRemovedWithTheLast) {
    std::vector<bool> presence;
    m_hooks.SetPresenceListener([&](bool present) { presence.push_back(present); });
    int keys = 0;
    {
        SharedHookSet set([&](const KeyHookMessage&) { return ++keys > 0; }, [](const MouseHookMessage&) { return false; },
                          [](const CallWindowMessage&) {});
        set.Release();  // nothing to release yet
        set.Acquire();
        set.Acquire();
        EXPECT_EQ(m_hooks.Count(), 3u);
        set.Release();
        EXPECT_TRUE(m_hooks.DispatchKey({}));
        set.Release();
        EXPECT_FALSE(set.IsInstalled());
        EXPECT_FALSE(m_hooks.DispatchKey({}));
        set.Acquire();  // a new first owner installs them again
        EXPECT_TRUE(set.IsInstalled());
    }  // going away takes its hooks with it
    EXPECT_EQ(m_hooks.Count(), 0u);
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(presence, (std::vector<bool>{true, false, true, false}));
}

TEST_F(InputHooksTest, KeyStatesAnswerTheHooksQuestions) {
    KeyStates& keys = KeyStates::Instance();
    keys.SetDown(VK_MENU, true);
    keys.SetDown(VK_LBUTTON, true);
    EXPECT_FALSE(keys.AnyDownExcept(VK_MENU));  // Alt alone: mouse buttons do not count
    keys.SetDown(VK_CONTROL, true);
    EXPECT_TRUE(keys.AnyDownExcept(VK_MENU));
    EXPECT_EQ(keys.Modifiers(), kShiftAlt | kShiftCtrl);
    keys.SetDown(999, true);  // out of range: ignored
    EXPECT_FALSE(keys.IsDown(999));
}

TEST(MessageRouter, SendReachesTheRegisteredWindowEvenWhenItUnregistersItself) {
    MessageRouter& router = MessageRouter::Instance();
    constexpr WindowHandle kWindow = 0x4242;
    std::vector<unsigned> seen;
    router.Register(kWindow, [&](const WindowMessage& m) {
        seen.push_back(m.message);
        router.Unregister(kWindow);
        return std::intptr_t{MA_NOACTIVATE};
    });
    EXPECT_EQ(router.Send(kWindow, WM_MOUSEACTIVATE), MA_NOACTIVATE);
    EXPECT_EQ(router.Send(kWindow, WM_MOUSEACTIVATE), 0);
    EXPECT_EQ(seen, (std::vector<unsigned>{WM_MOUSEACTIVATE}));
}

TEST(VirtualMessageQueue, TakesByRangeWithQuitAlwaysFirst) {
    VirtualMessageQueue queue;
    queue.Post({1, WM_PAINT, 0, 0});
    queue.Post({1, WM_MOUSEMOVE, 0, PointParam({3, -4})});
    queue.PostQuit(7);
    queue.Post({1, WM_LBUTTONDOWN, 0, 0});
    const auto quit = queue.Take(WM_MOUSEFIRST, WM_MOUSELAST);
    ASSERT_TRUE(quit);
    EXPECT_EQ(quit->message, WM_QUIT);
    EXPECT_EQ(quit->wParam, 7);
    const auto move = queue.Take(WM_MOUSEFIRST, WM_MOUSELAST);
    ASSERT_TRUE(move);
    EXPECT_EQ(ParamPoint(move->lParam), (Point{3, -4}));
    EXPECT_EQ(queue.Take(WM_MOUSEFIRST, WM_MOUSELAST)->message, WM_LBUTTONDOWN);
    EXPECT_FALSE(queue.Take(WM_MOUSEFIRST, WM_MOUSELAST));
    EXPECT_EQ(queue.Messages().size(), 1u);  // the paint message waits for its own pump
}

}  // namespace
