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

// The form is the active window, with a field of its own holding the focus; keys come to the
// form's native window as the platform hands them over, through the framework's hooks.
class TopLevelFieldTest : public MenusTest {
public:
    TopLevelFieldTest() {
        InstallPopupWindows();
        formField = new QLineEdit(form.get());
        formField->show();
        formField->setFocus();
    }
    ~TopLevelFieldTest() override { RemovePopupWindows(); }
    void Key(int qtKey, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, qtKey, modifiers, text);
            QCoreApplication::sendEvent(form->windowHandle(), &event);
        }
    }
    // Types over what the field holds.
    void TypeOver(const QString& text) {
        Key(Qt::Key_A, {}, Qt::ControlModifier);
        for (QChar c : text) Key(Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c));
    }

    QLineEdit* formField;
};

TEST_F(TopLevelFieldTest, AFieldOfAFloatingBarTakesTheKeysUntilAPressElsewhere) {
    TcbBar& bar = ShowFloating("Floating", 1, 250, 60, 160);
    auto& edit = NewItem<TcbBarEdit>("edFind");
    Link(bar.ItemLinks(), edit);
    WindowOf(bar).Rebuild();
    ClickAt(WindowOf(bar), CentreOf(bar, 1));
    TypeOver("ace");
    Key(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "ace");
    EXPECT_TRUE(formField->text().isEmpty());
    EXPECT_EQ(platform::KeyTarget(), nullptr);

    ClickAt(WindowOf(bar), CentreOf(bar, 1));
    ASSERT_NE(platform::KeyTarget(), nullptr);
    const QPoint onForm = form->mapToGlobal(QPoint(50, 150));
    platform::InputHooks::Instance().DispatchMouse(
        {platform::WM_LBUTTONDOWN, {onForm.x(), onForm.y()}, platform::HandleOf(form.get()), platform::HTCLIENT});
    EXPECT_EQ(platform::KeyTarget(), nullptr);
    Key(Qt::Key_K, "k");
    EXPECT_EQ(edit.Text(), "ace");
    EXPECT_EQ(formField->text(), "k");
}

// While customizing, keys reach no menu: Esc closes the pop-up, with its name field open too.
TEST_F(TopLevelFieldTest, TheCustomizingPopupsNameFieldRenamesTheLinkAndEscClosesThePopup) {
    TcbBar& bar = ShowBar("Standard", dsTop, 2);
    manager->SetCustomizing(true);
    TcbBarItemLink& link = *bar.ItemLinks().Items(1);
    constexpr int kNameEntry = 2;
    const auto open = [&](bool typing) {
        QPointer<TcbBarCustomizingPopup> popup =
            dynamic_cast<TcbBarCustomizingPopup*>(ShowCustomizingPopup(link, {100, 100}));
        if (popup && typing) ClickAt(*popup, Centre(popup->Entries(), kNameEntry));
        return popup;
    };
    QPointer<TcbBarCustomizingPopup> popup = open(false);
    ASSERT_NE(popup, nullptr);
    Key(Qt::Key_Escape);
    FlushDeletes();
    EXPECT_TRUE(popup.isNull());

    popup = open(true);
    TypeOver("Deal");
    Key(Qt::Key_Return);
    EXPECT_EQ(link.Caption(), "Deal");
    EXPECT_TRUE(formField->text().isEmpty());
    FlushDeletes();

    popup = open(true);
    TypeOver("x");
    Key(Qt::Key_Escape);
    FlushDeletes();
    EXPECT_TRUE(popup.isNull());
    EXPECT_EQ(link.Caption(), "Deal");
    EXPECT_EQ(platform::KeyTarget(), nullptr);
    manager->SetCustomizing(false);
}

}  // namespace
}  // namespace bars::testing
