#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "bars/windows/dock_control.h"
#include "bars/windows/toolbar_window.h"
#include "bars/menus/menu_windows.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/windows/toolbar_windows.h"
#include "platform/core/system_colours.h"
#include "platform/qt/canvas.h"
#include "tools/bars_gallery/bars_gallery.h"
#include "bars/customize/customizing_site.h"
#include "tests/support/fake_services.h"
#include "tests/support/file_oddities.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

namespace bars::testing {
namespace {

class GalleryTest : public ::testing::Test {
public:
    GalleryTest() { gallery->Show(); }
    ~GalleryTest() override {
        gallery.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RemoveMenuWindows();
        RemoveToolbarWindows();
    }
    static TcbBarControl& WindowOf(const TcbBar& bar) { return *dynamic_cast<TcbBarControl*>(bar.ItemLinks().Window()); }
    platform::Colour ScreenPixel(int x, int y) {
        QImage picture = gallery->Picture();
        return platform::Canvas(picture).Pixel(x, y);
    }

    std::unique_ptr<gallery::BarsGallery> gallery = std::make_unique<gallery::BarsGallery>();
};

TEST_F(GalleryTest, LaysOutTheMenuBarTwoToolbarsOnOneRowAndAFloatingBar) {
    const DockRows& top = DockAreasOf(gallery->Manager()).Area(dsTop)->Rows();
    ASSERT_EQ(top.RowCount(), 2);
    EXPECT_EQ(top.RowIndex(WindowOf(gallery->MainMenu())), 0);
    EXPECT_EQ(top.RowIndex(WindowOf(gallery->Standard())), 1);
    EXPECT_EQ(top.RowIndex(WindowOf(gallery->Formatting())), 1);
    EXPECT_EQ(WindowOf(gallery->MainMenu()).width(), gallery->Form().width());
    EXPECT_TRUE(WindowOf(gallery->Floating()).isWindow());
    EXPECT_EQ(gallery->Floating().DockingStyle(), dsNone);
}

TEST_F(GalleryTest, PictureShowsTheDockedGripAndTheFloatingCaption) {
    const QPoint form = gallery->Form().geometry().topLeft();
    // The enhanced grip of the menu bar: its highlight, 3 pixels in.
    EXPECT_EQ(ScreenPixel(form.x() + 3, form.y() + 10), platform::SystemColour(platform::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(ScreenPixel(form.x() + 4, form.y() + 10), platform::SystemColour(platform::COLOR_BTNFACE));
    EXPECT_EQ(ScreenPixel(form.x() + 5, form.y() + 10), platform::SystemColour(platform::COLOR_BTNSHADOW));
    const TcbBarControl& floating = WindowOf(gallery->Floating());
    EXPECT_EQ(ScreenPixel(floating.x() + 20, floating.y() + 6), platform::SystemColour(platform::COLOR_ACTIVECAPTION));
    EXPECT_EQ(ScreenPixel(799, 599), platform::Rgb(0, 128, 128));  // the desktop
}

TEST_F(GalleryTest, GroupedButtonsAndClicksGoThroughTheWindows) {
    TcbBar& alignment = gallery->Formatting();
    TcbBarControl& window = WindowOf(alignment);
    const platform::Rect centre = alignment.ItemLinks().Items(1)->ItemRect();
    const platform::Point at{(centre.left + centre.right) / 2, (centre.top + centre.bottom) / 2};
    window.MouseMove(at);
    window.LButtonDown(at);
    window.LButtonUp(at);
    EXPECT_TRUE(gallery->Button("btnCentre").Down());
    EXPECT_FALSE(gallery->Button("btnLeft").Down());
    EXPECT_EQ(gallery->Clicks(), (std::vector<std::string>{"btnCentre"}));
}

TEST_F(GalleryTest, OpensMenusAndSubMenusByPathForItsPictures) {
    ASSERT_TRUE(gallery->OpenMenu("Game/Recent games"));
    auto* game = dynamic_cast<TcbBarSubMenuControl*>(TCustomcbBarControl::ActiveBarControl()->ParentBarWindow());
    ASSERT_NE(game, nullptr);
    auto* recent = dynamic_cast<TcbBarSubMenuControl*>(TCustomcbBarControl::ActiveBarControl());
    ASSERT_NE(recent, nullptr);
    // The list's eleven entries stand in its place, the chosen one checked.
    ASSERT_EQ(recent->ItemLinks()->ShownLinks().size(), 11u);
    EXPECT_EQ(recent->ItemLinks()->ShownLinks()[1]->Caption(), "&2 Spider");
    // The menu is on the picture: its frame's face-coloured top line.
    const int x = recent->x() + recent->width() / 2;
    EXPECT_EQ(ScreenPixel(x, recent->y()), platform::SystemColour(platform::COLOR_BTNFACE));
    EXPECT_FALSE(gallery->OpenMenu("Nowhere"));
}

TEST_F(GalleryTest, ThePersonalizedMenuShowsItsRecentEntriesAndTheExpandRow) {
    ASSERT_TRUE(gallery->OpenMenu("Options"));
    auto* options = dynamic_cast<TcbBarSubMenuControl*>(TCustomcbBarControl::ActiveBarControl());
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->ItemLinks()->ShownLinks().size(), 3u);
    EXPECT_TRUE(options->HasExpandRow());
}

TEST(GalleryLayoutFileTest, NoOddityInPlaceOfTheLayoutFileStopsTheGalleryOrIsReplaced) {
    for (const test_support::FileOddity oddity : test_support::kFileOddities) {
        SCOPED_TRACE(test_support::NameOf(oddity));
        test_support::TempFolder folder;
        const std::filesystem::path file = folder.Path() / "layout.ini";
        test_support::MakeFileOddity(file, oddity);
        test_support::ScriptedMessages messages;
        SetCustomizingMessages(&messages);
        {
            gallery::BarsGallery shown(file.string());
            shown.Show();
            // Nothing was read: the gallery shows its bars as built.
            EXPECT_TRUE(shown.Standard().Visible());
            EXPECT_TRUE(shown.Floating().Visible());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RemoveMenuWindows();
        RemoveToolbarWindows();
        SetCustomizingMessages(nullptr);
        EXPECT_TRUE(test_support::IsFileOddityIntact(file, oddity));
        // Unreadable: told once as it was read and once as it could not be saved.
        const std::size_t told = test_support::CannotBeRead(oddity) ? 2 : 0;
        EXPECT_EQ(messages.Count(test_support::MessageEvent::Kind::Error), told);
        if (!test_support::CannotBeRead(oddity)) {
            EXPECT_TRUE(std::filesystem::is_regular_file(test_support::DanglingTarget(file)));
        }
    }
}

}  // namespace
}  // namespace bars::testing
