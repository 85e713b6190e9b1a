#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <string>
#include <vector>

#include "platform/core/timer_service.h"
#include "platform/qt/application.h"
#include "platform/qt/controls.h"
#include "platform/qt/form.h"
#include "platform/qt/form_timer.h"
#include "platform/qt/popup_menu.h"
#include "platform/qt/screen_cursor.h"

namespace {

using platform::Form;

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetClientSize(300, 200);
        form.events.onShow = [this] { log.push_back("show"); };
        form.events.onCloseQuery = [this](bool& canClose) {
            log.push_back("query");
            canClose = allowClose;
        };
        form.events.onClose = [this](platform::CloseAction&) { log.push_back("close"); };
        form.events.onHide = [this] { log.push_back("hide"); };
    }

    platform::Application app;
    Form form;
    std::vector<std::string> log;
    bool allowClose = true;
};

TEST_F(FormTest, ACloseAsksFirstAndARefusalKeepsTheFormShown) {
    form.Show();
    allowClose = false;
    EXPECT_FALSE(form.Close());
    EXPECT_TRUE(form.isVisible());
    allowClose = true;
    EXPECT_TRUE(form.Close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(log, (std::vector<std::string>{"show", "query", "query", "close", "hide"}));
}

TEST_F(FormTest, TheShowHookAnswersAModalShowAfterTheShowEvent) {
    std::string seen;
    app.SetShowHook([&](Form& shown) {
        seen = shown.Caption();
        return platform::kModalOk;
    });
    form.SetCaption("Options");
    EXPECT_EQ(form.ShowModal(), platform::kModalOk);
    EXPECT_EQ(seen, "Options");
    EXPECT_EQ(log, (std::vector<std::string>{"show"}));
    // A hook that gives no result closed the form like its close button.
    app.SetShowHook([](Form&) { return platform::kModalNone; });
    EXPECT_EQ(form.ShowModal(), platform::kModalCancel);
}

// A fixed border holds the size the form was laid out to while it shows; between shows the
// form may be laid out to another size, which the next show holds. A sizeable one is free.
TEST_F(FormTest, AFixedBorderHoldsTheLaidOutSizeWhileTheFormShows) {
    form.SetBorderStyle(platform::BorderStyle::kDialog);
    form.Show();
    EXPECT_EQ(form.minimumSize(), QSize(300, 200));
    EXPECT_EQ(form.maximumSize(), QSize(300, 200));
    form.resize(500, 400);
    EXPECT_EQ(form.size(), QSize(300, 200));
    form.Hide();
    form.SetClientSize(300, 260);
    form.Show();
    EXPECT_EQ(form.size(), QSize(300, 260));
    EXPECT_EQ(form.maximumSize(), QSize(300, 260));
    form.Hide();

    form.SetBorderStyle(platform::BorderStyle::kSizeable);
    form.Show();
    form.resize(500, 400);
    EXPECT_EQ(form.size(), QSize(500, 400));
}

TEST_F(FormTest, AlignedPanelsStackFromTheirEdgesAndHiddenOnesTakeNoRoom) {
    auto* first = new platform::Panel(&form, "pnlA");
    auto* hidden = new platform::Panel(&form, "pnlB");
    auto* second = new platform::Panel(&form, "pnlC");
    auto* bottom = new platform::Panel(&form, "pnlD");
    for (auto* p : {first, hidden, second}) p->SetAlignment(platform::Align::kTop);
    bottom->SetAlignment(platform::Align::kBottom);
    first->resize(10, 46);
    hidden->resize(10, 24);
    second->resize(10, 25);
    bottom->resize(10, 20);
    hidden->hide();
    form.SetClientSize(400, 300);
    form.Show();
    EXPECT_EQ(first->geometry(), QRect(0, 0, 400, 46));
    EXPECT_EQ(second->geometry(), QRect(0, 46, 400, 25));
    EXPECT_EQ(bottom->geometry(), QRect(0, 280, 400, 20));
    EXPECT_EQ(form.Control<platform::Panel>("pnlC"), second);
    EXPECT_EQ(form.Components().size(), 4u);
}

TEST_F(FormTest, LatchingSpeedButtonsOfAGroupReleaseEachOther) {
    platform::SpeedButton a(&form, "a"), b(&form, "b"), lone(&form, "lone");
    a.SetGroupIndex(1);
    b.SetGroupIndex(1);
    lone.SetGroupIndex(2);
    lone.SetAllowAllUp(true);
    int clicks = 0;
    lone.onClick = [&] { clicks += lone.IsDown() ? 1 : 10; };
    a.Click();
    b.Click();
    EXPECT_FALSE(a.IsDown());
    EXPECT_TRUE(b.IsDown());
    b.Click();  // a group without AllowAllUp keeps one down
    EXPECT_TRUE(b.IsDown());
    lone.Click();
    lone.Click();
    EXPECT_EQ(clicks, 11);  // down then up, the handler seeing the new state each time
    lone.setEnabled(false);
    lone.Click();
    EXPECT_EQ(clicks, 11);
}

TEST_F(FormTest, TheMessageHandlerSeesEachInputOnceAtWindowLevelAndMaySwallowIt) {
    auto* panel = new platform::Panel(&form, "pnl");
    panel->setGeometry(0, 0, 300, 50);
    int presses = 0;
    form.events.onMouseDown = [&](platform::FormMouseButton, platform::FormShift, int, int) { ++presses; };
    form.Show();
    std::vector<unsigned> messages;
    bool swallow = false;
    app.SetOnMessage([&](const platform::AppMessage& m) {
        messages.push_back(m.message);
        return swallow;
    });
    auto press = [&](Qt::MouseButton button, QPointF at) {
        QMouseEvent down(QEvent::MouseButtonPress, at, form.mapToGlobal(at), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(form.windowHandle(), &down);
    };
    press(Qt::LeftButton, {100, 100});
    press(Qt::RightButton, {10, 10});  // over the panel: one message still
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(form.windowHandle(), &key);
    swallow = true;
    press(Qt::LeftButton, {100, 100});
    EXPECT_EQ(messages, (std::vector<unsigned>{513, 516, 256, 513}));
    EXPECT_EQ(presses, 1);
}

TEST_F(FormTest, TheFirstFormMadeThroughTheApplicationIsTheMainForm) {
    auto* splash = new Form();
    Form* main = app.CreateForm<Form>();
    Form* chooser = app.CreateForm<Form>();
    EXPECT_EQ(app.MainForm(), main);
    delete splash;
    delete chooser;
    delete main;
}

TEST(PopupMenuTest, OnlyVisibleEnabledEntriesRunTheirHandlers) {
    platform::PopupMenu menu(nullptr, "popTB");
    int runs = 0;
    menu.Add("one", "One", [&] { ++runs; });
    menu.AddSeparator();
    menu.Add("two", "Two", [&] { runs += 10; }).enabled = false;
    menu.Add("three", "Three", [&] { runs += 100; }).visible = false;
    EXPECT_TRUE(menu.Choose("one"));
    EXPECT_FALSE(menu.Choose("two"));
    EXPECT_FALSE(menu.Choose("three"));
    EXPECT_FALSE(menu.Choose("missing"));
    EXPECT_EQ(runs, 1);
}

TEST(ScreenCursorTest, TheHourglassCoversTheApplicationUntilTheArrowComesBack) {
    platform::ScreenCursor cursor([](int) { return QCursor(Qt::CrossCursor); });
    cursor.Set(platform::kHourglassCursorId);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    cursor.Set(12);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    cursor.Set(platform::kArrowCursorId);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(cursor.Current(), platform::kArrowCursorId);
}

}  // namespace

namespace {

TEST(FormTimerTest, TicksOnTheTimerServiceOnlyWhileEnabled) {
    platform::VirtualTimerService timers;
    platform::ScopedTimerService installed(timers);
    platform::FormTimer timer(nullptr, "Timer1", 1000);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.SetEnabled(true);
    timers.Advance(2500);
    timer.SetEnabled(false);
    timers.Advance(5000);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(timers.Count(), 0u);
}

}  // namespace
