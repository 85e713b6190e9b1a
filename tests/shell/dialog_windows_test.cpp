#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/model/preference_fields.h"
#include "shell/chooser/open_game_form.h"
#include "shell/dialogs/about_form.h"
#include "shell/dialogs/advice_form.h"
#include "shell/dialogs/news_forms.h"
#include "shell/options/options_form.h"
#include "tests/shell/dialog_fixture.h"
#include "tests/shell/modal_player.h"

namespace {

using Make = std::function<std::unique_ptr<platform::Form>(const shell::DialogContext&)>;

template <typename F>
Make Maker() {
    return [](const shell::DialogContext& context) { return std::make_unique<F>(context, nullptr); };
}

struct DialogCase {
    const char* name;
    Make make;
    const char* defaultButton;
    const char* cancelButton;  // nullptr: Escape presses nothing
};

void PrintTo(const DialogCase& dialog, std::ostream* out) { *out << dialog.name; }

constexpr int kMostTabs = 40;

// Each window of the program, shown as the player meets it, driven by keys alone.
class DialogWindowsTest : public shell_test::DialogTest, public ::testing::WithParamInterface<DialogCase> {
protected:
    DialogWindowsTest() {
        UseGames({shell_test::ChooserGame(1, "Klondike"), shell_test::ChooserGame(2, "Freecell")});
        SetField(engine::fields::kGame, "0002");
        // A window a button opens in turn (the sign-up from the invitation) is answered at once.
        AnswerModal(nullptr, platform::kModalCancel);
    }

    // A fresh window on the screen with the keyboard; every click of its push buttons is noted.
    platform::Form& Open() {
        m_form = GetParam().make(Context());
        for (QPushButton* button : m_form->findChildren<QPushButton*>())
            QObject::connect(button, &QPushButton::clicked, [this, button] { clicked.push_back(Name(button)); });
        m_form->Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        return *m_form;
    }
    // The push buttons the player can reach, by name.
    std::vector<std::string> Buttons() {
        Open();
        std::vector<std::string> names;
        for (QPushButton* button : m_form->findChildren<QPushButton*>())
            if (button->isVisibleTo(m_form.get()) && button->isEnabled()) names.push_back(Name(button));
        return names;
    }
    // Tabs until the focus is on the control the test wants; false when it never comes.
    bool TabTo(const std::function<bool(QWidget*)>& wanted) {
        for (int i = 0; i < kMostTabs; ++i) {
            if (wanted(m_form->focusWidget())) return true;
            shell_test::Stroke(m_form->windowHandle(), Qt::Key_Tab);
        }
        return wanted(m_form->focusWidget());
    }
    void Press(Qt::Key key) {
        clicked.clear();
        shell_test::Stroke(m_form->windowHandle(), key);
    }

    static std::string Name(const QObject* object) { return object->objectName().toStdString(); }

    std::vector<std::string> clicked;

private:
    std::unique_ptr<platform::Form> m_form;
};

TEST_P(DialogWindowsTest, ReturnPressesTheFocusedButtonElseTheDefaultAndEscapeTheCancelButton) {
    const DialogCase& dialog = GetParam();
    const std::vector<std::string> buttons = Buttons();
    ASSERT_FALSE(buttons.empty());
    for (const std::string& name : buttons) {
        platform::Form& form = Open();
        auto* button = form.Control<QPushButton>(name);
        ASSERT_TRUE(TabTo([button](QWidget* focus) { return focus == button; })) << name << " never has the focus";
        // The default frame marks the button that Return presses.
        for (QPushButton* other : form.findChildren<QPushButton*>())
            EXPECT_EQ(other->isDefault(), other == button) << name << " focused, " << Name(other) << " framed";
        Press(Qt::Key_Return);
        EXPECT_EQ(clicked, std::vector<std::string>{name}) << "Return on " << name;
    }

    // With the focus on a control that is no push button, Return presses the default button.
    platform::Form& form = Open();
    if (TabTo([](QWidget* focus) { return focus != nullptr && qobject_cast<QPushButton*>(focus) == nullptr; })) {
        EXPECT_TRUE(form.Control<QPushButton>(dialog.defaultButton)->isDefault());
        Press(Qt::Key_Return);
        EXPECT_EQ(clicked, std::vector<std::string>{dialog.defaultButton}) << "Return on " << Name(form.focusWidget());
    }
    // Escape presses the cancel button, wherever the focus is.
    Open();
    ASSERT_TRUE(TabTo([](QWidget* focus) { return qobject_cast<QPushButton*>(focus) != nullptr; }));
    Press(Qt::Key_Escape);
    EXPECT_EQ(clicked, dialog.cancelButton != nullptr ? std::vector<std::string>{dialog.cancelButton}
                                                      : std::vector<std::string>{});
}

// A window with a fixed border keeps the size it was laid out to, and its title bar offers
// neither minimising nor maximising.
TEST_P(DialogWindowsTest, KeepsItsSizeAndOffersNoMinimiseOrMaximise) {
    platform::Form& form = Open();
    EXPECT_EQ(form.minimumSize(), form.size());
    EXPECT_EQ(form.maximumSize(), form.size());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, DialogWindowsTest,
    ::testing::Values(DialogCase{"Options", Maker<shell::TfrmCustomize_Freeware>(), "btnOK", "btnAnnulla"},
                      DialogCase{"Chooser", Maker<shell::TfrmOpenGame>(), "btnOK", "btnCancel"},
                      DialogCase{"About", Maker<shell::TfrmAbout>(), "btnOK", "btnOK"},
                      DialogCase{"Newsletter", Maker<shell::TfrmNews>(), "btnSend", "btnCancel"},
                      DialogCase{"SignUp", Maker<shell::TfrmNews2>(), "btnOK", "btnCancel"},
                      DialogCase{"Advice", Maker<shell::TfrmMsgAdvice>(), "btnOK", nullptr}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });

}  // namespace
