#include "bars/customize/customizing_form.h"
#include "bars/customize/customizing_site.h"
#include "bars/customize/dialog_places.h"
#include "bars/customize/editors.h"
#include "bars/customize/sub_menu_editor.h"
#include "bars/toolbars/bar_collection.h"
#include "platform/qt/work_area.h"
#include "tests/bars/recorded_messages.h"
#include "tests/bars/windows_fixture.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace bars::testing {
namespace {

constexpr platform::Rect kScreen{0, 0, 1024, 768};

TEST(PlaceBesideDialog, AfterTheDialogWhenThereIsRoomElseBeforeItAndAlwaysOnTheScreen) {
    const platform::Size frame{200, 300};
    EXPECT_EQ(PlaceBesideDialog({100, 50, 500, 450}, frame, kScreen), (platform::Point{508, 50}));
    EXPECT_EQ(PlaceBesideDialog({600, 50, 1005, 450}, frame, kScreen), (platform::Point{392, 50}));
    // No room on either side: on the screen's left edge; low down: up to the bottom.
    EXPECT_EQ(PlaceBesideDialog({100, 600, 900, 760}, frame, kScreen), (platform::Point{0, 468}));
}

// Room beside the caption's text, drawn bold as window managers draw it, for the frame's icon
// and three buttons: about 100 pixels under openbox.
bool CaptionFits(QWidget& window) {
    window.adjustSize();
    QFont bold = window.font();
    bold.setBold(true);
    return window.width() >= QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + 100;
}

bool OnScreen(const QRect& r) { return r.left() >= 0 && r.top() >= 0 && r.right() < 1024 && r.bottom() < 768; }

std::string Names(const TcbBarItemLinks& links) {
    std::string names;
    for (int i = 0; i < links.Count(); ++i) names += (i ? " " : "") + links.Items(i)->Item()->Name();
    return names;
}

class CustomizingEditorsTest : public WindowsTest {
public:
    CustomizingEditorsTest() {
        platform::OverrideWorkArea(kScreen);
        SetCustomizingMessages(&messages);
        SetEditorShowHook([](QDialog& editor) {
            if (auto* named = dynamic_cast<TcbBarNameEd*>(&editor)) named->EName->setText("Mine");
            return true;
        });
        tools = &ShowBar("Tools", dsTop, 3);
    }
    ~CustomizingEditorsTest() override {
        CloseCustomizingForm();
        FlushDeletes();
        SetEditorShowHook(nullptr);
        SetCustomizingMessages(nullptr);
        platform::OverrideWorkArea(std::nullopt);
    }

    RecordedMessages messages;
    TcbBar* tools = nullptr;
};

// The customizing window where a window manager puts it on a 1024-pixel screen: its right
// edge 19 pixels from the screen's.
TEST_F(CustomizingEditorsTest, TheSubMenuEditorAndANewToolbarOpenOnTheScreenBesideTheDialog) {
    auto& sub = NewItem<TcbBarSubItem>("mnuFile");
    TcbBarCustomizingForm& dialog = *ShowCustomizingForm(*manager);
    dialog.resize(400, 420);
    dialog.move(kScreen.right - 19 - dialog.frameGeometry().width(), 60);
    TcbBarSubMenuEditor* editor = ShowSubMenuEditor(sub);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(OnScreen(editor->frameGeometry())) << editor->x();
    EXPECT_LE(editor->frameGeometry().right(), dialog.frameGeometry().left()) << "beside it, not over it";
    EXPECT_EQ(editor->y(), dialog.y());
    EXPECT_TRUE(CaptionFits(*editor)) << editor->width();

    dialog.BBarNewClick();
    const TcbBar& bar = *manager->Bars().Items(1);
    const QRect window = WindowOf(bar).geometry();
    EXPECT_TRUE(OnScreen(window));
    EXPECT_LE(window.right(), dialog.frameGeometry().left());
    EXPECT_EQ(QPoint(bar.FloatLeft(), bar.FloatTop()), window.topLeft()) << "stored where it is";
}

TEST_F(CustomizingEditorsTest, TheNameEditorsShowTheirCaptionsAndTheCommandEditorItsCategory) {
    for (bool category : {false, true})
        for (int kind : {TcbBarNameEd::Add, TcbBarNameEd::Insert, TcbBarNameEd::Rename}) {
            TcbBarNameEd editor(category, kind);
            EXPECT_TRUE(CaptionFits(editor)) << editor.windowTitle().toStdString() << " " << editor.width();
        }
    TcbBarItemAddEditor add(*manager, 0);
    auto* label = dynamic_cast<QLabel*>(dynamic_cast<QFormLayout&>(*add.layout()).labelForField(add.CCategory));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Cate&gory:");
}

TEST_F(CustomizingEditorsTest, ResetBringsBackTheLinksAManagerMadeInCodeWasFirstGiven) {
    auto& more = NewItem<TcbBarSubItem>("mnuMore");
    Link(more.ItemLinks(), *manager->ItemByName("Tools1"));
    Link(tools->ItemLinks(), more);
    tools->ItemLinks().Items(2)->SetBeginGroup(true);
    TcbBarCustomizingForm& dialog = *ShowCustomizingForm(*manager);
    // What the user does with them meanwhile.
    tools->ItemLinks().Items(0)->Free();
    tools->ItemLinks().Items(0)->SetVisible(false);
    Link(tools->ItemLinks(), NewItem("Extra"));
    more.ItemLinks().Clear();
    dialog.LBars->setCurrentRow(0);
    messages.answer = false;
    dialog.BBarResetClick();
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Are you sure you want to reset the changes made to the 'Tools' toolbar?"});
    EXPECT_EQ(Names(tools->ItemLinks()), "Tools1 Tools2 mnuMore Extra");

    messages.answer = true;
    dialog.BBarResetClick();
    EXPECT_EQ(Names(tools->ItemLinks()), "Tools0 Tools1 Tools2 mnuMore");
    EXPECT_TRUE(tools->ItemLinks().Items(1)->Visible());
    EXPECT_TRUE(tools->ItemLinks().Items(2)->OwnBeginGroup());
    EXPECT_EQ(Names(more.ItemLinks()), "Tools1");
    EXPECT_NE(tools->ItemLinks().Items(0)->Control(), nullptr) << "the bar shows them";
}

TEST_F(CustomizingEditorsTest, ACustomizingWindowFreedOtherwiseEndsTheCustomizingAndOneFreedLaterTouchesNothing) {
    auto& sub = NewItem<TcbBarSubItem>("mnuFile");
    TcbBarCustomizingForm* dialog = ShowCustomizingForm(*manager);
    ASSERT_NE(ShowSubMenuEditor(sub), nullptr);
    delete dialog;
    EXPECT_FALSE(manager->IsCustomizing());
    EXPECT_EQ(CustomizingSite(), nullptr);
    EXPECT_EQ(SubMenuEditor(), nullptr);
    ASSERT_NE(ShowCustomizingForm(*manager), nullptr);
    EXPECT_TRUE(manager->IsCustomizing());
    // The manager goes first; its window is freed after it.
    form.reset();
    FlushDeletes();
    EXPECT_EQ(CustomizingForm(), nullptr);
}

}  // namespace
}  // namespace bars::testing
