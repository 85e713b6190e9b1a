#include "bars/customize/customizing_form.h"
#include "bars/customize/dialog_places.h"
#include "bars/customize/editors.h"
#include "bars/customize/sub_menu_editor.h"
#include "bars/customize/customizing_site.h"
#include "platform/qt/work_area.h"
#include "tests/bars/recorded_messages.h"
#include "tests/bars/windows_fixture.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace bars::testing {
namespace {

constexpr platform::Rect kScreen{0, 0, 1024, 768};

TEST(PlaceBesideDialog, AfterTheDialogWhenThereIsRoomElseBeforeItAndAlwaysOnTheScreen) {
    const platform::Size frame{200, 300};
    EXPECT_EQ(PlaceBesideDialog({100, 50, 500, 450}, frame, kScreen), (platform::Point{508, 50}));
    // The dialog at its default place on the right half of the screen.
    EXPECT_EQ(PlaceBesideDialog({600, 50, 1005, 450}, frame, kScreen), (platform::Point{392, 50}));
    // No room on either side: on the screen's left edge; low down: up to the bottom.
    EXPECT_EQ(PlaceBesideDialog({100, 600, 900, 760}, frame, kScreen), (platform::Point{0, 468}));
    EXPECT_EQ(PlaceBesideDialog({-400, -20, 50, 300}, frame, kScreen), (platform::Point{58, 0}));
}

// A window with a caption leaves room beside its caption's text, drawn bold as window managers
// draw it, for the frame's icon and three buttons: about 100 pixels under openbox.
bool CaptionFits(QWidget& window) {
    window.adjustSize();
    QFont bold = window.font();
    bold.setBold(true);
    constexpr int kIconAndThreeButtons = 100;
    return window.width() >= QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + kIconAndThreeButtons;
}

class CustomizingEditorsTest : public WindowsTest {
public:
    CustomizingEditorsTest() {
        platform::OverrideWorkArea(kScreen);
        SetCustomizingMessages(&messages);
        SetEditorShowHook([this](QDialog& editor) {
            if (auto* named = dynamic_cast<TcbBarNameEd*>(&editor)) named->EName->setText("Mine");
            return true;
        });
        ShowBar("Tools", dsTop, 3);
    }
    ~CustomizingEditorsTest() override {
        CloseCustomizingForm();
        FlushDeletes();
        SetEditorShowHook(nullptr);
        SetCustomizingMessages(nullptr);
        platform::OverrideWorkArea(std::nullopt);
    }
    // The customizing window where a window manager puts it on the right of a 1024-pixel
    // screen: its right edge 19 pixels from the screen's.
    TcbBarCustomizingForm& OpenAtTheRight() {
        TcbBarCustomizingForm& dialog = *ShowCustomizingForm(*manager);
        dialog.resize(400, 420);
        dialog.move(kScreen.right - 19 - dialog.frameGeometry().width(), 60);
        return dialog;
    }
    static bool OnScreen(const QRect& r) {
        return r.left() >= kScreen.left && r.top() >= kScreen.top && r.right() < kScreen.right &&
               r.bottom() < kScreen.bottom;
    }

    RecordedMessages messages;
};

TEST_F(CustomizingEditorsTest, TheSubMenuEditorOpensOnTheScreenBesideTheDialogWithItsCaptionWhole) {
    auto& sub = NewItem<TcbBarSubItem>("mnuFile");
    Link(sub.ItemLinks(), *manager->ItemByName("Tools0"));
    TcbBarCustomizingForm& dialog = OpenAtTheRight();
    TcbBarSubMenuEditor* editor = ShowSubMenuEditor(sub);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(OnScreen(editor->frameGeometry())) << editor->x() << " " << editor->width();
    EXPECT_LE(editor->frameGeometry().right(), dialog.frameGeometry().left()) << "beside it, not over it";
    EXPECT_EQ(editor->y(), dialog.y());
    EXPECT_TRUE(CaptionFits(*editor)) << editor->width();
}

TEST_F(CustomizingEditorsTest, ANewToolbarFloatsOnTheScreenAndKeepsWhereItIs) {
    TcbBarCustomizingForm& dialog = OpenAtTheRight();
    dialog.BBarNewClick();
    ASSERT_EQ(manager->Bars().Count(), 2);
    const TcbBar& bar = *manager->Bars().Items(1);
    const TcbBarControl& window = WindowOf(bar);
    EXPECT_TRUE(OnScreen(window.geometry()));
    EXPECT_LE(window.geometry().right(), dialog.frameGeometry().left());
    EXPECT_EQ(bar.FloatLeft(), window.x());
    EXPECT_EQ(bar.FloatTop(), window.y());
}

TEST_F(CustomizingEditorsTest, TheNameAndCommandEditorsShowTheirCaptionsAndLabels) {
    for (bool category : {false, true})
        for (int kind : {TcbBarNameEd::Add, TcbBarNameEd::Insert, TcbBarNameEd::Rename}) {
            TcbBarNameEd editor(category, kind);
            EXPECT_TRUE(CaptionFits(editor)) << editor.windowTitle().toStdString() << " " << editor.width();
        }
    TcbBarItemAddEditor add(*manager, 0);
    auto* layout = dynamic_cast<QFormLayout*>(add.layout());
    ASSERT_NE(layout, nullptr);
    auto* label = dynamic_cast<QLabel*>(layout->labelForField(add.CCategory));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Cate&gory:");
}

}  // namespace
}  // namespace bars::testing
