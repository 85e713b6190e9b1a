#pragma once

#include "bars/controls/item_control.h"
#include "bars/edits/bar_combo.h"
#include "bars/edits/drop_down.h"
#include "bars/edits/edit_controls.h"

#include <QTreeWidget>

#include <functional>
#include <memory>

namespace platform {
class ImageList;
}

namespace bars {

class TcbBarTreeViewCombo;

// Where the drop-down lies beside its field (0 to 3) and what its resizing strip holds.
struct ResizeStrip {
    int direction = 0;
    bool atBottom = false;
    QRect strip;  // in the drop-down's window
    QRect grip;
    QRect close;
};
// The node of `tree` at the place `node` has in its own tree (the same child indexes from
// the root); none when the tree has no such node.
QTreeWidgetItem* NodeAtSamePlace(const QTreeWidget& tree, const QTreeWidgetItem* node);

// 0 wholly left and not lower, 1 not lower, 2 wholly left and lower, 3 otherwise.
int DropDownDirection(const QRect& dropDown, const QRect& field);
ResizeStrip LayOutResizeStrip(QSize window, int direction, int stripHeight, int buttonWidth);

// The combo's tree: the drop-down of its field, or the tree of the "Select item" dialog.
class TcbBarTreeView : public QTreeWidget, public IComboDropDown {
public:
    static constexpr int kMinimumSize = 100;

    explicit TcbBarTreeView(TcbBarTreeViewCombo& combo);

    bool DropDownMode() const { return m_dropDownMode; }
    void SetDropDownMode(bool value);
    const ResizeStrip& Strip() const { return m_strip; }
    // The strip goes to the side away from the field.
    void PlaceStrip(const QRect& field);

    // A point on a node's label or icon (not its expand button, indent or the space after).
    QTreeWidgetItem* NodeLabelAt(QPoint viewport) const;
    // Enter, a release or a double-click on a label: the selected node, when allowed. In the
    // "Select item" dialog the combo's own node at the same place is asked for and handed to
    // OnDialogChoice.
    bool Choose();
    std::function<void(QTreeWidgetItem* node)> OnDialogChoice;

    platform::Size WindowSize() const override { return {width(), height()}; }
    void MoveTo(platform::Point screen) override { move(screen.x, screen.y); }
    void ShowWithoutActivation() override;
    void HideWindow() override { hide(); }
    bool IsShown() const override { return isVisible(); }
    // The keys the open field hands over: Enter chooses, the others act as in any tree
    // (arrows, Home, End, the page keys, typed letters searching the nodes).
    void Key(int key, unsigned shift) override;

    // The mouse on the close button and the grip, in window coordinates.
    bool StripPress(QPoint p);
    void StripMove(QPoint global);
    void StripRelease(QPoint p);
    bool CloseOver() const { return m_closeOver; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateMargins();
    friend class StripWidget;
    void PaintStrip(QPainter& painter);

    TcbBarTreeViewCombo& m_combo;
    bool m_dropDownMode = false;
    ResizeStrip m_strip;
    bool m_closeOver = false;
    bool m_closePressed = false;
    bool m_sizing = false;
    QWidget* m_stripWidget = nullptr;
    QPoint m_sizingFrom;
    QRect m_sizingStart;
};

class TcbBarTreeViewCombo : public TCustomcbBarCombo {
public:
    static constexpr const char* kClassName = "TcbBarTreeViewCombo";
    using CanSelectNodeEvent = std::function<void(TcbBarTreeViewCombo& item, QTreeWidgetItem* node, bool& allow)>;

    TcbBarTreeViewCombo(TcbBarManager* manager, QWidget* owner);
    ~TcbBarTreeViewCombo() override;

    bool AllowResizing() const { return m_allowResizing; }
    void SetAllowResizing(bool value) { m_allowResizing = value; }
    bool ChooseByDblClick() const { return m_chooseByDblClick; }
    void SetChooseByDblClick(bool value) { m_chooseByDblClick = value; }
    bool FullExpand() const { return m_fullExpand; }
    void SetFullExpand(bool value) { m_fullExpand = value; }
    int DropDownWidth() const { return m_tree->width(); }
    void SetDropDownWidth(int value);
    int DropDownHeight() const { return m_tree->height(); }
    void SetDropDownHeight(int value);
    TcbBarTreeView& Tree() const { return *m_tree; }
    platform::ImageList* Images() const { return m_images; }
    // The nodes' icons take the list's size, so the bars showing the item lay out again.
    void SetImages(platform::ImageList* value);
    void ImageListFreed(const platform::ImageList* images) override;
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

private:
    bool m_allowResizing = true;
    bool m_chooseByDblClick = true;
    bool m_fullExpand = false;
    std::unique_ptr<TcbBarTreeView> m_tree;
    platform::ImageList* m_images = nullptr;
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
