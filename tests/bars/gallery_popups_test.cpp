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
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    EXPECT_EQ(menu->ItemLinks()->Count(), gallery->Manager().Bars().Count() + 1);
    menu->CloseAll();
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
}

}  // namespace
}  // namespace bars::testing
