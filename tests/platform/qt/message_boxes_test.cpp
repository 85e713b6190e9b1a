#include "platform/qt/message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>

namespace platform {
namespace {

// What a message box showed before the player answered it.
struct SeenBox {
    bool seen = false;
    std::string title;
    std::string text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QWidget* parent = nullptr;
    int width = 0;
};

constexpr int kPollMs = 5;
constexpr int kGiveUpPolls = 400;

QMessageBox* OpenBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) return box;
    }
    return nullptr;
}

// Answers the next message box as a player would: notes what it shows, then presses the
// button, or closes it with Escape when the button is NoButton.
class Answer {
public:
    explicit Answer(QMessageBox::StandardButton press) : m_timer(std::make_unique<QTimer>()) {
        m_timer->setInterval(kPollMs);
        QObject::connect(m_timer.get(), &QTimer::timeout, [this, press] {
            QMessageBox* box = OpenBox();
            if (box == nullptr) {
                if (++m_polls > kGiveUpPolls) m_timer->stop();
                return;
            }
            m_timer->stop();
            m_box.seen = true;
            m_box.title = box->windowTitle().toStdString();
            m_box.text = box->text().toStdString();
            m_box.icon = box->icon();
            m_box.buttons = box->standardButtons();
            m_box.defaultButton = box->standardButton(box->defaultButton());
            m_box.parent = box->parentWidget();
            m_box.width = box->width();
            if (press == QMessageBox::NoButton) {
                box->reject();
            } else {
                box->button(press)->click();
            }
        });
        m_timer->start();
    }

    const SeenBox& Box() const { return m_box; }

private:
    std::unique_ptr<QTimer> m_timer;
    SeenBox m_box;
    int m_polls = 0;
};

TEST(MessageBoxes, InformationUnderTheProgramsCaption) {
    MessageBoxes boxes("Corvanet Solitaire");
    Answer answer(QMessageBox::Ok);
    boxes.ShowInfo("Error 01 - fnGameNumberCardsArray");
    ASSERT_TRUE(answer.Box().seen);
    EXPECT_EQ(answer.Box().title, "Corvanet Solitaire");
    EXPECT_EQ(answer.Box().text, "Error 01 - fnGameNumberCardsArray");
    EXPECT_EQ(answer.Box().icon, QMessageBox::Information);
    EXPECT_EQ(answer.Box().buttons, QMessageBox::Ok);
}

TEST(MessageBoxes, ErrorWithItsTitleAndTheStopIcon) {
    MessageBoxes boxes("Corvanet Solitaire");
    Answer answer(QMessageBox::Ok);
    boxes.ShowError("Error", "Cannot find file:\n/x/<GAMES>.DAT");
    ASSERT_TRUE(answer.Box().seen);
    EXPECT_EQ(answer.Box().title, "Error");
    EXPECT_EQ(answer.Box().text, "Cannot find file:\n/x/<GAMES>.DAT");
    EXPECT_EQ(answer.Box().icon, QMessageBox::Critical);
    EXPECT_EQ(answer.Box().buttons, QMessageBox::Ok);
}

TEST(MessageBoxes, ConfirmationIsOkOnlyWhenOkIsPressed) {
    MessageBoxes boxes("Corvanet Solitaire");
    {
        Answer answer(QMessageBox::Ok);
        EXPECT_TRUE(boxes.Confirm("Exit Corvanet Solitaire?", "Exit"));
        ASSERT_TRUE(answer.Box().seen);
        EXPECT_EQ(answer.Box().title, "Exit");
        EXPECT_EQ(answer.Box().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(answer.Box().defaultButton, QMessageBox::Ok);
    }
    {
        Answer answer(QMessageBox::Cancel);
        EXPECT_FALSE(boxes.Confirm("Exit Corvanet Solitaire?", ""));
        EXPECT_EQ(answer.Box().title, "Corvanet Solitaire");
    }
    {
        // Escape, or the box's close button, declines.
        Answer answer(QMessageBox::NoButton);
        EXPECT_FALSE(boxes.Confirm("Exit Corvanet Solitaire?", ""));
        EXPECT_TRUE(answer.Box().seen);
    }
}

// Return presses the button that has the focus, the default one only while no other has it.
TEST(MessageBoxes, ReturnPressesTheFocusedButton) {
    MessageBoxes boxes("Corvanet Solitaire");
    for (const bool tabToCancel : {true, false}) {
        QTimer::singleShot(0, [tabToCancel] {
            QMessageBox* box = OpenBox();
            ASSERT_NE(box, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowActive(box));
            if (tabToCancel) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        EXPECT_EQ(boxes.Confirm("Exit Corvanet Solitaire?", ""), !tabToCancel);
    }
}

TEST(MessageBoxes, BoxesOpenOverTheOwnerUntilItIsGone) {
    auto owner = std::make_unique<QWidget>();
    MessageBoxes boxes("Corvanet Solitaire", owner.get());
    {
        Answer answer(QMessageBox::Ok);
        boxes.ShowInfo("owned");
        EXPECT_EQ(answer.Box().parent, owner.get());
    }
    owner.reset();
    Answer answer(QMessageBox::Ok);
    boxes.ShowInfo("no owner left");
    ASSERT_TRUE(answer.Box().seen);
    EXPECT_EQ(answer.Box().parent, nullptr);
}

// A box stays above the window that shows it: the modal window that is up, not the main
// window under it, which would otherwise come up over that window with the box.
TEST(MessageBoxes, ABoxBelongsToTheModalWindowThatShowsIt) {
    auto main = std::make_unique<QWidget>();
    MessageBoxes boxes("Corvanet Solitaire", main.get());
    QWidget signUp;
    signUp.setWindowModality(Qt::ApplicationModal);
    signUp.show();
    {
        Answer answer(QMessageBox::Ok);
        boxes.ShowInfo("Please enter at least 3 characters.");
        EXPECT_EQ(answer.Box().parent, &signUp);
    }
    signUp.hide();
    Answer answer(QMessageBox::Ok);
    boxes.ShowInfo("owned by the main window again");
    EXPECT_EQ(answer.Box().parent, main.get());
}

// The window manager's title bar holds the caption beside the window's icon and its
// buttons: a box with a short text is still wide enough for its whole caption.
TEST(MessageBoxes, ABoxIsWideEnoughForItsCaptionInTheTitleBar) {
    constexpr int kIconAndThreeButtons = 4 * 24;
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    MessageBoxes boxes("Corvanet Solitaire");
    {
        Answer answer(QMessageBox::Ok);
        boxes.Confirm("Exit Corvanet Solitaire?", "");
        EXPECT_GE(answer.Box().width, title.horizontalAdvance("Corvanet Solitaire") + kIconAndThreeButtons);
    }
    const std::string caption = "A caption much longer than the question under it";
    Answer answer(QMessageBox::Ok);
    boxes.Confirm("Go?", caption);
    EXPECT_GE(answer.Box().width, title.horizontalAdvance(QString::fromStdString(caption)) + kIconAndThreeButtons);
}

}  // namespace
}  // namespace platform
