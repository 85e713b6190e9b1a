#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bars {

class TcbBarItem;
class TcbBarManager;

// How the customizing editors are shown: modally by default; tests answer them through a
// hook that gets the filled-in dialog and returns whether it was accepted.
using EditorShowHook = std::function<bool(QDialog& editor)>;
void SetEditorShowHook(EditorShowHook hook);
bool ShowEditor(QDialog& editor);

// The name editor of toolbars and categories: OK only while a name is typed.
class TcbBarNameEd : public QDialog {
public:
    enum Kind { Add = 0, Insert = 1, Rename = 2 };
    TcbBarNameEd(bool category, int kind);

    QLineEdit* EName;
    QPushButton* BOK;
    QPushButton* BCancel;
    QLabel* LName;
};

// Asks for a name; true on OK with the name given back.
bool EditBarName(std::string& name, bool category, int kind);

// The name a new command of the class gets: the class name without its first letter and the
// smallest number from 1 that no component of the manager's form uses (case ignored).
std::string ProposeCommandName(const TcbBarManager& manager, const std::string& className);

// The new-command editor: a class from the offered ones, a name, a caption and a category.
class TcbBarItemAddEditor : public QDialog {
public:
    TcbBarItemAddEditor(TcbBarManager& manager, int category);

    // A class chosen: its name proposal goes into the name field.
    void ClassChanged(int index);

    QComboBox* ComboBox1;
    QLineEdit* EName;
    QLineEdit* ECaption;
    QComboBox* CCategory;
    QPushButton* BOK;

private:
    TcbBarManager& m_manager;
};

// Makes the command the editor describes; none when cancelled.
TcbBarItem* AddCommand(TcbBarManager& manager, int category);

}  // namespace bars
