#include "bars/controls/win_control.h"
#include "bars/edits/bar_edit.h"
#include "bars/popups/customizing_popup.h"
#include "bars/popups/toolbars_popup.h"
#include "platform/qt/key_target.h"
#include "tests/bars/menus_fixture.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

namespace bars::testing {
namespace {

// The form is the active window with a field of its own holding the focus; keys come to the
// form's native window, as the platform hands them over, and pass the framework's hooks.
class TopLevelFieldTest : public MenusTest {
public:
    TopLevelFieldTest() {
        InstallPopupWindows();
        formField = new QLineEdit(form.get());
        formField->setGeometry(10, 200, 100, 20);
        formField->show();
        formField->setFocus();
    }
    ~TopLevelFieldTest() override {
        if (TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl()) active->CloseAll();
        FlushDeletes();
        RemovePopupWindows();
    }
    void Key(int qtKey, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, qtKey, modifiers, text);
            QCoreApplication::sendEvent(form->windowHandle(), &event);
        }
    }
    void Type(const QString& text) {
        for (QChar c : text) Key(Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c));
    }
    // A field on a floating bar, opened by a click on it.
    TcbBarEdit& FloatingField() {
        floating = &ShowFloating("Floating", 1, 250, 60, 160);
        auto& edit = NewItem<TcbBarEdit>("edFind");
        edit.SetWidth(100);
        Link(floating->ItemLinks(), edit);
        WindowOf(*floating).Rebuild();
        ClickAt(WindowOf(*floating), CentreOf(*floating, 1));
        return edit;
    }
    static TcbBarWinControl* FieldOf(const TcbBarItem& item) {
        for (int i = 0; i < item.LinkCount(); ++i)
            if (auto* field = dynamic_cast<TcbBarWinControl*>(item.Links(i)->Control())) return field;
        return nullptr;
    }

    QLineEdit* formField;
    TcbBar* floating = nullptr;
};

TEST_F(TopLevelFieldTest, AFieldOfAFloatingBarTakesTheKeysUntilAPressElsewhere) {
    TcbBarEdit& edit = FloatingField();
    TcbBarWinControl* field = FieldOf(edit);
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(field->Focused());
    EXPECT_EQ(platform::KeyTarget(), field->EditWindow());
    Type("ace");
    Key(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "ace");
    EXPECT_TRUE(formField->text().isEmpty());
    EXPECT_EQ(platform::KeyTarget(), nullptr);

    // A press on the form ends the field's editing; the form's keys are its own again.
    ClickAt(WindowOf(*floating), CentreOf(*floating, 1));
    ASSERT_TRUE(FieldOf(edit)->Focused());
    const QPoint onForm = form->mapToGlobal(QPoint(50, 150));
    platform::InputHooks::Instance().DispatchMouse(
        {platform::WM_LBUTTONDOWN, {onForm.x(), onForm.y()}, platform::HandleOf(form.get()), platform::HTCLIENT});
    EXPECT_FALSE(FieldOf(edit)->Focused());
    EXPECT_EQ(platform::KeyTarget(), nullptr);
    Type("k");
    EXPECT_EQ(edit.Text(), "ace");
}

TEST_F(TopLevelFieldTest, TheCustomizingPopupsNameFieldRenamesTheLink) {
    TcbBar& bar = ShowBar("Standard", dsTop, 2);
    manager->SetCustomizing(true);
    TcbBarItemLink& link = *bar.ItemLinks().Items(1);
    auto* popup = dynamic_cast<TcbBarCustomizingPopup*>(ShowCustomizingPopup(link, {100, 100}));
    ASSERT_NE(popup, nullptr);
    constexpr int kNameEntry = 2;
    ClickAt(*popup, Centre(popup->Entries(), kNameEntry));
    TcbBarWinControl* field = dynamic_cast<TcbBarWinControl*>(popup->Entries().Items(kNameEntry)->Control());
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(field->Focused());
    EXPECT_EQ(field->GetText(), link.Caption());
    Key(Qt::Key_A, {}, Qt::ControlModifier);
    Type("Deal");
    Key(Qt::Key_Return);
    EXPECT_EQ(link.Caption(), "Deal");
    EXPECT_TRUE(formField->text().isEmpty());
    FlushDeletes();
    manager->SetCustomizing(false);
}

TEST_F(TopLevelFieldTest, EscClosesTheCustomizingPopupWithoutTakingItsNameField) {
    TcbBar& bar = ShowBar("Standard", dsTop, 2);
    manager->SetCustomizing(true);
    TcbBarItemLink& link = *bar.ItemLinks().Items(0);
    QPointer<TcbBarCustomizingPopup> popup =
        dynamic_cast<TcbBarCustomizingPopup*>(ShowCustomizingPopup(link, {100, 100}));
    ASSERT_NE(popup, nullptr);
    Key(Qt::Key_Escape);
    FlushDeletes();
    EXPECT_TRUE(popup.isNull());

    popup = dynamic_cast<TcbBarCustomizingPopup*>(ShowCustomizingPopup(link, {100, 100}));
    ASSERT_NE(popup, nullptr);
    ClickAt(*popup, Centre(popup->Entries(), 2));
    Key(Qt::Key_A, {}, Qt::ControlModifier);
    Type("x");
    Key(Qt::Key_Escape);
    FlushDeletes();
    EXPECT_TRUE(popup.isNull());
    EXPECT_EQ(link.Caption(), "&Standard0");
    EXPECT_EQ(platform::KeyTarget(), nullptr);
    manager->SetCustomizing(false);
}

}  // namespace
}  // namespace bars::testing
