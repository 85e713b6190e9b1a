#pragma once

#include "bars/controls/item_control.h"
#include "bars/edits/bar_combo.h"
#include "bars/edits/drop_down.h"
#include "bars/edits/edit_controls.h"
#include "bars/extended/tree_drop_down.h"
#include "bars/extended/tree_view_nodes.h"

#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>

namespace platform {
class ImageList;
}

namespace bars {

class TcbBarTreeViewCombo;

// The node of `tree` at the place `node` has in its own tree (the same child indexes from
// the root); none when the tree has no such node.
QTreeWidgetItem* NodeAtSamePlace(const QTreeWidget& tree, const QTreeWidgetItem* node);

// The combo's tree: the drop-down of its field, or the tree of the "Select item" dialog. Its
// lines, buttons, images and events are the combo's.
class TcbBarTreeView : public QTreeWidget, public IComboDropDown {
public:
    static constexpr int kMinimumSize = TreeDropDownWindow::kMinimumSize;

    explicit TcbBarTreeView(TcbBarTreeViewCombo& combo);
    ~TcbBarTreeView() override;

    bool DropDownMode() const { return m_dropDownMode; }
    // The combo's own tree drops down in a window of its own, with the sizing strip.
    void SetDropDownMode(bool value);
    TreeDropDownWindow* DropDownWindow() const { return m_window.get(); }
    // The drop-down's size, or the tree's before it ever dropped down; at least 100 x 100.
    QSize DropDownSize() const;
    void SetDropDownSize(QSize size);

    // A point on a node's label, icon or state icon (not its expand button, indent or the
    // space after).
    QTreeWidgetItem* NodeLabelAt(QPoint viewport) const;
    QTreeWidgetItem* NodeOf(const QModelIndex& index) const { return itemFromIndex(index); }
    // Enter, a release or a double-click on a label: the selected node, when allowed. In the
    // "Select item" dialog the combo's own node at the same place is asked for and handed to
    // OnDialogChoice.
    bool Choose();
    std::function<void(QTreeWidgetItem* node)> OnDialogChoice;

    platform::Size WindowSize() const override;
    void MoveTo(platform::Point screen) override;
    void ShowWithoutActivation() override;
    void HideWindow() override;
    bool IsShown() const override;
    // The keys the open field hands over: Enter chooses, the others act as in any tree
    // (arrows, Home, End, the page keys, typed letters searching the nodes).
    void Key(int key, unsigned shift) override;

protected:
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CurrentChanged(QTreeWidgetItem* node, QTreeWidgetItem* previous);
    // Expanding or collapsing with the consent of the combo's event; refused, it is undone.
    void Unfolded(const QModelIndex& index, bool expanded);

    TcbBarTreeViewCombo& m_combo;
    bool m_dropDownMode = false;
    std::unique_ptr<TreeDropDownWindow> m_window;
    // Set while a refused change is being undone.
    bool m_undoing = false;
};

class TcbBarTreeViewCombo : public TCustomcbBarCombo {
public:
    static constexpr const char* kClassName = "TcbBarTreeViewCombo";
    using NodeEvent = std::function<void(TcbBarTreeViewCombo& item, QTreeWidgetItem* node)>;
    using NodeAllowEvent = std::function<void(TcbBarTreeViewCombo& item, QTreeWidgetItem* node, bool& allow)>;
    using CanSelectNodeEvent = NodeAllowEvent;
    using CompareEvent = std::function<void(TcbBarTreeViewCombo& item, QTreeWidgetItem* node1, QTreeWidgetItem* node2,
                                            int data, int& compare)>;

    TcbBarTreeViewCombo(TcbBarManager* manager, QWidget* owner);
    ~TcbBarTreeViewCombo() override;

    bool AllowResizing() const { return m_allowResizing; }
    void SetAllowResizing(bool value) { m_allowResizing = value; }
    bool ChooseByDblClick() const { return m_chooseByDblClick; }
    void SetChooseByDblClick(bool value) { m_chooseByDblClick = value; }
    bool FullExpand() const { return m_fullExpand; }
    void SetFullExpand(bool value) { m_fullExpand = value; }
    int DropDownWidth() const { return m_tree->DropDownSize().width(); }
    void SetDropDownWidth(int value);
    int DropDownHeight() const { return m_tree->DropDownSize().height(); }
    void SetDropDownHeight(int value);
    TcbBarTreeView& Tree() const { return *m_tree; }
    // The tree's nodes: the children of this root.
    QTreeWidgetItem& Items() const { return *m_tree->invisibleRootItem(); }

    // The tree's properties.
    platform::ImageList* Images() const { return m_images; }
    // The nodes' icons take the list's size, so the bars showing the item lay out again.
    void SetImages(platform::ImageList* value);
    platform::ImageList* StateImages() const { return m_stateImages; }
    void SetStateImages(platform::ImageList* value);
    void ImageListFreed(const platform::ImageList* images) override;
    int Indent() const { return m_tree->indentation(); }
    void SetIndent(int value) { m_tree->setIndentation(std::max(0, value)); }
    bool ShowButtons() const { return m_showButtons; }
    void SetShowButtons(bool value);
    bool ShowLines() const { return m_showLines; }
    void SetShowLines(bool value);
    bool ShowRoot() const { return m_tree->rootIsDecorated(); }
    void SetShowRoot(bool value) { m_tree->setRootIsDecorated(value); }
    TcbBarTreeSortType SortType() const { return m_sortType; }
    // A sort type other than stNone puts the nodes in order now and whenever the tree shows.
    void SetSortType(TcbBarTreeSortType value);
    void AlphaSort();
    // The image a node shows (OnGetImageIndex or OnGetSelectedIndex may set it first) and its
    // state image.
    QPixmap NodeImage(QTreeWidgetItem& node, bool selected);
    QPixmap NodeStateImage(const QTreeWidgetItem& node) const;
    BranchLook Branches() const { return {m_showLines, m_showButtons}; }
    QTreeWidgetItem* ChosenNode() const { return m_chosen; }
    void SetChosenNode(QTreeWidgetItem* node);
    // Depth-first from the first root, case ignored.
    QTreeWidgetItem* FindNode(const std::string& text) const;

    void SetText(const std::string& value) override;
    // A text given while loading selects its node once the tree is there.
    void Loaded() override;
    IComboDropDown* GetDropDownWindow() override;
    void DropDown(platform::Point screen, const DropDownAnchor& anchor, TcbBarWinControl* control) override;
    void DoClick() override;
    // The tree chose a node.
    void NodeChosen();
    // The drop-down's close button: the drop-down, its field and the menus close.
    void CloseMenus();
    // While the field is open, it shows the selected node's text.
    void SelectionChanged(QTreeWidgetItem* node);
    bool CanSelect(QTreeWidgetItem* node);

    CanSelectNodeEvent OnCanSelectNode;
    // The tree's events: the allow flags start true, and a refused change does not happen.
    NodeAllowEvent OnChanging;
    NodeEvent OnTreeViewChange;
    NodeAllowEvent OnCollapsing;
    NodeEvent OnCollapsed;
    NodeAllowEvent OnExpanding;
    NodeEvent OnExpanded;
    CompareEvent OnCompare;
    NodeEvent OnGetImageIndex;
    NodeEvent OnGetSelectedIndex;

private:
    void SortIfWanted();

    bool m_allowResizing = true;
    bool m_chooseByDblClick = true;
    bool m_fullExpand = false;
    bool m_showButtons = true;
    bool m_showLines = true;
    TcbBarTreeSortType m_sortType = stNone;
    std::unique_ptr<TcbBarTreeView> m_tree;
    platform::ImageList* m_images = nullptr;
    platform::ImageList* m_stateImages = nullptr;
    QTreeWidgetItem* m_chosen = nullptr;
    GuardedControl<TCustomcbBarComboControl> m_dropControl;
};

}  // namespace bars

namespace bars {
// The tree-view combo's box: the plain combo box.
class TcbBarTreeViewComboControl : public TCustomcbBarComboControl {
public:
    using TCustomcbBarComboControl::TCustomcbBarComboControl;
};
}  // namespace bars
