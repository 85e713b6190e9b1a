#pragma once

#include "bars/customize/customizing_site.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace bars {

class TcbBar;
class TcbBarItem;

// The customizing window: toolbars (new, rename, delete, reset, shown or not), categories
// and their commands (which the user drags onto the bars), and the manager's display
// options. One per process, shown without blocking the program.
class TcbBarCustomizingForm : public QWidget, public ICustomizingSite {
public:
    explicit TcbBarCustomizingForm(TcbBarManager& manager);
    ~TcbBarCustomizingForm() override;

    // ICustomizingSite.
    TcbBarManager& Manager() const override { return m_manager; }
    bool ContainsScreenPoint(platform::Point screen) const override;
    int CategoryAt(platform::Point screen) const override;
    void SelectCategory(int index) override;
    void Refresh() override;
    void CustomizingEnded() override;
    // Selects the command's category and the command on the Commands page.
    void ShowCommand(const TcbBarItem* item) override;
    void FormShown(bool shown) override;
    bool IsModal() const override { return isVisible() && isModal(); }
    void BringToFront() override;

    TcbBar* SelectedBar() const;
    int SelectedCategory() const;
    TcbBarItem* SelectedCommand() const;
    // The items of the selected category, in the manager's order.
    std::vector<TcbBarItem*> Commands() const;

    void BBarNewClick();
    void BBarRenameClick();
    void BBarDeleteClick();
    void BBarResetClick();
    void CategoriesAddClick();
    void CategoriesInsertClick();
    void CategoriesRenameClick();
    void CategoriesDeleteClick();
    void CategoriesVisibleClick();
    void CommandsAddClick();
    void CommandsDeleteClick();
    void CommandsClearClick();
    void CommandsMoveUpClick();
    void CommandsMoveDownClick();
    // Opens the sub-menu editor for the selected command when it is a sub item.
    void CommandsSubMenuEditorClick();
    void ResetUsageDataClick();
    // The manager's help-button event, or else the manager's help context.
    void HelpClick();
    // The option boxes set the manager's switches.
    void OptionsChanged();

    QTabWidget* PageControl;
    QListWidget* LBars;
    QPushButton *BBarNew, *BBarRename, *BBarDelete, *BBarReset;
    QListWidget* LCategories;
    QListWidget* LCommands;
    QLabel* LDescription;
    QPushButton *BCategoryAdd, *BCategoryInsert, *BCategoryRename, *BCategoryDelete, *BCategoryVisible;
    QPushButton *BCommandAdd, *BCommandDelete, *BCommandClear, *BCommandUp, *BCommandDown, *BCommandSubMenu;
    QComboBox* CBAnimations;
    QCheckBox *CBShowHint, *CBShortCutInHint, *CBLargeIcons, *CBRecentFirst, *CBFullMenus;
    QPushButton* BResetUsage;
    QPushButton* BClose;
    QPushButton* BHelp;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolbarsPage();
    void BuildCommandsPage();
    void BuildOptionsPage();
    void FillBars();
    void FillCategories();
    void FillCommands();
    void FillOptions();
    // The manager's glyph and ShowHelpButton.
    void FillHelpButton();
    void RefreshPage();
    void MoveCommand(int step);

    TcbBarManager& m_manager;
    bool m_filling = false;
    bool m_editorShownWithForm = false;
    QPoint m_commandPress{-1, -1};
};

// Switches customizing on for the manager and shows its window; the open window when one
// exists already (for any manager: one per process); none for a manager whose CanCustomize
// is off or that refuses customizing.
TcbBarCustomizingForm* ShowCustomizingForm(TcbBarManager& manager);
// Switches customizing off and frees the window.
void CloseCustomizingForm();
TcbBarCustomizingForm* CustomizingForm();
// Makes the "Customize..." entries of the pop-ups and dock areas open this window.
void InstallCustomizingForm();

}  // namespace bars
