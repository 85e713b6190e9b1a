#include "bars/edits/edit_controls.h"
#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/menus/menu_windows.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/bar_hints.h"
#include "bars/popups/hint_window.h"
#include "bars/popups/popup_menu.h"
#include "bars/popups/popup_menu_links.h"
#include "bars/popups/toolbars_popup.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/toolbar_window.h"
#include "bars/windows/toolbar_windows.h"
#include "platform/core/timer_service.h"
#include "platform/qt/cursor_position.h"
#include "tools/bars_gallery/bars_gallery.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace bars::testing {
namespace {

class GalleryPopupsTest : public ::testing::Test {
public:
    ~GalleryPopupsTest() override {
        gallery.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::OverrideCursorPos(std::nullopt);
        RemovePopupWindows();
        RemoveMenuWindows();
        RemoveToolbarWindows();
    }
    void Make(const std::string& layout = {}) {
        gallery = std::make_unique<gallery::BarsGallery>(layout);
        gallery->Show();
        QApplication::setActiveWindow(&gallery->Form());
    }
    static TcbBarControl& WindowOf(const TcbBar& bar) { return *dynamic_cast<TcbBarControl*>(bar.ItemLinks().Window()); }

    // A press and release as the platform delivers them: to the native window under the
    // control, in that window's coordinates.
    static void PlatformClick(QWidget& control, QPoint local, Qt::MouseButton button) {
        QWidget* native = &control;
        while (native->windowHandle() == nullptr && native->parentWidget()) native = native->parentWidget();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
            QMouseEvent event(type, control.mapTo(native, local), control.mapToGlobal(local), button, held, {});
            QApplication::sendEvent(native->windowHandle(), &event);
        }
    }

    platform::VirtualTimerService timers;
    platform::ScopedTimerService timerScope{timers};
    std::unique_ptr<gallery::BarsGallery> gallery;
};

TEST_F(GalleryPopupsTest, ButtonsShowTheirHintsWithShortcuts) {
    Make();
    TcbBarControl& window = WindowOf(gallery->Standard());
    const platform::Rect r = gallery->Standard().ItemLinks().Items(0)->ItemRect();
    const platform::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    platform::OverrideCursorPos(window.ClientToScreenPoint(centre));
    window.MouseMove(centre);
    timers.Advance(BarHints::kShowDelayMs);
    ASSERT_TRUE(BarHints::Instance().IsShown());
    EXPECT_EQ(BarHints::Instance().Window().Text(), "New (Ctrl+N)");
    window.MouseLeave();
}

TEST_F(GalleryPopupsTest, TheTableAreaHasItsMenuAndTheToolbarsArePopupListed) {
    Make();
    QMetaObject::invokeMethod(
        qApp, [&] { gallery->TableMenu().MenuWindow()->CloseAll(); }, Qt::QueuedConnection);
    EXPECT_TRUE(DispatchPopupMenuLinks(gallery->Table(), platform::Point{100, 300}));
    TcbBarSubMenuControl* menu = ShowToolbarsPopup(gallery->Manager(), {200, 200});
    ASSERT_NE(menu, nullptr);
    // Every bar but the main-menu bar, and the customize entry.
    EXPECT_EQ(menu->ItemLinks()->Count(), gallery->Manager().Bars().Count());
    EXPECT_EQ(menu->ItemLinks()->Items(0)->Caption(), gallery->Standard().Caption());
    menu->CloseAll();
}

// After a pop-up menu, a drop-down button's menu or a combo's list, the table (a control of
// the form) still opens its own menu on every right click, and a click on it closes a menu.
TEST_F(GalleryPopupsTest, AfterAnyPopupTheTableOpensItsMenuAndClosesMenus) {
    Make();
    int tableMenus = 0;
    const auto closeTableMenuOnceOpen = [&] {
        QMetaObject::invokeMethod(
            qApp, [&] {
                if (!gallery->TableMenu().IsOpen()) return;
                ++tableMenus;
                gallery->TableMenu().MenuWindow()->CloseAll();
            },
            Qt::QueuedConnection);
    };
    TcbBarControl& standard = WindowOf(gallery->Standard());
    const platform::Rect undo = gallery->Standard().ItemLinks().Items(3)->ItemRect();
    const platform::Point undoArrow{undo.right - 2, (undo.top + undo.bottom) / 2};
    auto* combo = dynamic_cast<TCustomcbBarComboControl*>(gallery->Fields().ItemLinks().Items(1)->Control());
    ASSERT_NE(combo, nullptr);
    const std::function<void()> openers[] = {
        [&] {
            closeTableMenuOnceOpen();
            gallery->TableMenu().Popup(200, 200);
        },
        [&] {
            standard.LButtonDown(undoArrow);
            standard.LButtonUp(undoArrow);
            ASSERT_NE(gallery->UndoMenu().MenuWindow(), nullptr);
            gallery->UndoMenu().MenuWindow()->CloseAll();
        },
        [&] {
            combo->SetDroppedDown(true);
            combo->SetDroppedDown(false);
        }};
    for (const std::function<void()>& open : openers) {
        open();
        tableMenus = 0;
        for (int i = 0; i < 2; ++i) {
            closeTableMenuOnceOpen();
            PlatformClick(gallery->Table(), {300, 60}, Qt::RightButton);
            QCoreApplication::sendPostedEvents(qApp, QEvent::MetaCall);
        }
        EXPECT_EQ(tableMenus, 2);
        ASSERT_TRUE(gallery->OpenMenu("Game"));
        PlatformClick(gallery->Table(), {300, 60}, Qt::LeftButton);
        EXPECT_EQ(TCustomcbBarControl::ActiveBarControl(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    for (QWidget* child : gallery->Form().findChildren<QWidget*>())
        EXPECT_TRUE(child->isWindow() || !child->testAttribute(Qt::WA_NativeWindow)) << child->metaObject()->className();
}

TEST_F(GalleryPopupsTest, TheLayoutComesBackFromItsOwnIniFile) {
    QTemporaryDir folder;
    const std::string layout = (folder.path() + "/gallery.ini").toStdString();
    Make(layout);
    gallery->Floating().SetVisible(false);
    gallery->Standard().ItemLinks().Items(1)->SetVisible(false);
    gallery.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Make(layout);
    EXPECT_FALSE(gallery->Floating().Visible());
    EXPECT_TRUE(gallery->Standard().Visible());
    EXPECT_FALSE(gallery->Standard().ItemLinks().Items(1)->Visible());
    // The form goes, writing its layout, while the file's folder is still there.
    gallery.reset();
}

}  // namespace
}  // namespace bars::testing
