#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QStyledItemDelegate>

#include <functional>

class QPainter;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform {
class ImageList;
}

namespace bars {

// The images of a node in its tree's image lists, -1 for none: the one it shows, the one it
// shows while selected, and its state image. Kept in the node's data.
int NodeImageIndex(const QTreeWidgetItem& node);
void SetNodeImageIndex(QTreeWidgetItem& node, int index);
int NodeSelectedIndex(const QTreeWidgetItem& node);
void SetNodeSelectedIndex(QTreeWidgetItem& node, int index);
int NodeStateIndex(const QTreeWidgetItem& node);
void SetNodeStateIndex(QTreeWidgetItem& node, int index);

// A system colour (an index of platform::SystemColour) for Qt's painter.
QColor SystemQColor(int index);

// An image of a list as a pixmap; null for no list or a bad index.
QPixmap ListImage(const platform::ImageList* images, int index);

// How a tree keeps its nodes in order (by their texts, or as its compare event says): not
// at all, or, for the other three alike, each time the tree shows.
enum TcbBarTreeSortType { stNone, stData, stText, stBoth };
// The children of every node, and the roots, ordered by the comparison (negative: the first
// node goes first); equal nodes keep their order.
using NodeComparison = std::function<int(QTreeWidgetItem* a, QTreeWidgetItem* b)>;
void SortNodes(QTreeWidget& tree, const NodeComparison& compare);

// What a tree draws in the classic way: dotted lines joining the nodes, plus and minus boxes
// before those with children.
struct BranchLook {
    bool lines = true;
    bool buttons = true;
};
// The lines and the box left of the node's label, the node's own column being the last
// `indent` pixels of the rectangle.
void DrawBranches(QPainter& painter, const QRect& rect, const QTreeWidgetItem& node, int indent, BranchLook look);

// Draws each node with its state image and its image from the tree's lists; the images are
// asked for as a node is drawn.
class TreeNodeDelegate : public QStyledItemDelegate {
public:
    struct Images {
        std::function<QTreeWidgetItem*(const QModelIndex& index)> node;
        std::function<QPixmap(QTreeWidgetItem& node, bool selected)> image;
        std::function<QPixmap(QTreeWidgetItem& node)> state;
    };
    TreeNodeDelegate(QObject* parent, Images images);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    Images m_images;
};

}  // namespace bars
