#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/controls.h"

namespace platform {

// A check box. onClick runs when the player toggles it (or Click is called), after the
// checked state has changed; setting Checked from code runs nothing.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(QWidget* parent, std::string_view name, std::string_view caption, bool checked = false);

    bool IsChecked() const { return isChecked(); }
    void SetChecked(bool checked) { setChecked(checked); }
    // Toggles the box as a click of the player would.
    void Click();

    std::function<void()> onClick;
};

// A drop-down list of texts to choose from; the player cannot type.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    ComboBox(QWidget* parent, std::string_view name);

    void AddItem(std::string_view text) { addItem(ToQString(text)); }
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }
    // The item at the item index; empty when none is chosen.
    std::string Text() const { return currentText().toStdString(); }
};

// A one-line text entry.
class Edit : public QLineEdit {
    Q_OBJECT
public:
    Edit(QWidget* parent, std::string_view name);

    std::string Text() const { return text().toStdString(); }
    void SetText(std::string_view text) { setText(ToQString(text)); }
};

// A word-wrapped block of text the player reads but does not edit.
class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    Memo(QWidget* parent, std::string_view name);

    std::string Text() const { return toPlainText().toStdString(); }
    void SetText(std::string_view text) { setPlainText(ToQString(text)); }
};

// A label the player clicks, as a link is: underlined navy text, a hand cursor, and onClick
// on a left click.
class LinkLabel : public Label {
    Q_OBJECT
public:
    LinkLabel(QWidget* parent, std::string_view name, std::string_view caption = {});

    // A click of the player.
    void Click();

    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace platform
