#include "bars/extended/tree_view_nodes.h"

#include "platform/core/system_colours.h"
#include "platform/qt/canvas_pixels.h"
#include "platform/qt/image_list.h"

#include <QPainter>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace bars {

namespace {

constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;
constexpr int kStateImageRole = Qt::UserRole + 3;
constexpr int kButtonSize = 9;

int IndexIn(const QTreeWidgetItem& node, int role) {
    const QVariant value = node.data(0, role);
    return value.isValid() ? value.toInt() : -1;
}

bool HasNextSibling(const QTreeWidgetItem& node) {
    auto* self = const_cast<QTreeWidgetItem*>(&node);
    if (const QTreeWidgetItem* parent = node.parent()) return parent->indexOfChild(self) < parent->childCount() - 1;
    const QTreeWidget* tree = node.treeWidget();
    return tree && tree->indexOfTopLevelItem(self) < tree->topLevelItemCount() - 1;
}

bool IsFirstRoot(const QTreeWidgetItem& node) {
    const QTreeWidget* tree = node.treeWidget();
    return !node.parent() && tree && tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(&node)) == 0;
}

// Every other pixel, so that lines of neighbouring rows join up.
void DottedLine(QPainter& painter, QPoint from, QPoint to) {
    const bool across = from.y() == to.y();
    const int start = across ? from.x() : from.y(), end = across ? to.x() : to.y();
    for (int i = start; i <= end; ++i)
        if ((i & 1) == 0) painter.drawPoint(across ? QPoint(i, from.y()) : QPoint(from.x(), i));
}

void SortLevel(QTreeWidgetItem& parent, const NodeComparison& compare) {
    QList<QTreeWidgetItem*> children = parent.takeChildren();
    std::stable_sort(children.begin(), children.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) { return compare(a, b) < 0; });
    parent.addChildren(children);
    for (QTreeWidgetItem* child : children) SortLevel(*child, compare);
}

}  // namespace

int NodeImageIndex(const QTreeWidgetItem& node) { return IndexIn(node, kImageRole); }
void SetNodeImageIndex(QTreeWidgetItem& node, int index) { node.setData(0, kImageRole, index); }
int NodeSelectedIndex(const QTreeWidgetItem& node) { return IndexIn(node, kSelectedImageRole); }
void SetNodeSelectedIndex(QTreeWidgetItem& node, int index) { node.setData(0, kSelectedImageRole, index); }
int NodeStateIndex(const QTreeWidgetItem& node) { return IndexIn(node, kStateImageRole); }
void SetNodeStateIndex(QTreeWidgetItem& node, int index) { node.setData(0, kStateImageRole, index); }

QColor SystemQColor(int index) { return QColor::fromRgb(platform::pixels::ToQRgb(platform::SystemColour(index))); }

QPixmap ListImage(const platform::ImageList* images, int index) {
    if (!images || index < 0 || index >= images->Count()) return {};
    return QPixmap::fromImage(images->Image(index));
}

void SortNodes(QTreeWidget& tree, const NodeComparison& compare) {
    // The current node and the expanded ones stay so through the move.
    QTreeWidgetItem* current = tree.currentItem();
    std::vector<QTreeWidgetItem*> expanded;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        if ((*it)->isExpanded()) expanded.push_back(*it);
    SortLevel(*tree.invisibleRootItem(), compare);
    for (QTreeWidgetItem* node : expanded) node->setExpanded(true);
    if (current) tree.setCurrentItem(current);
}

void DrawBranches(QPainter& painter, const QRect& rect, const QTreeWidgetItem& node, int indent, BranchLook look) {
    if (rect.width() < indent || indent <= 0) return;
    painter.fillRect(rect, SystemQColor(platform::COLOR_WINDOW));
    const int middle = rect.top() + rect.height() / 2;
    int centre = rect.right() + 1 - indent + indent / 2;
    if (look.lines) {
        painter.setPen(SystemQColor(platform::COLOR_BTNSHADOW));
        DottedLine(painter, QPoint(centre, middle), QPoint(rect.right() - 2, middle));
        DottedLine(painter, QPoint(centre, IsFirstRoot(node) ? middle : rect.top()),
                   QPoint(centre, HasNextSibling(node) ? rect.bottom() : middle));
        // The lines of the ancestors that have nodes below this one pass through its row.
        int column = centre - indent;
        for (const QTreeWidgetItem* up = node.parent(); up && column >= rect.left(); up = up->parent(), column -= indent)
            if (HasNextSibling(*up)) DottedLine(painter, QPoint(column, rect.top()), QPoint(column, rect.bottom()));
    }
    const bool children = node.childCount() > 0 || node.childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
    if (!look.buttons || !children) return;
    const QRect box(centre - kButtonSize / 2, middle - kButtonSize / 2, kButtonSize, kButtonSize);
    painter.fillRect(box, SystemQColor(platform::COLOR_WINDOW));
    painter.setPen(SystemQColor(platform::COLOR_BTNSHADOW));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(SystemQColor(platform::COLOR_WINDOWTEXT));
    painter.drawLine(box.left() + 2, middle, box.right() - 2, middle);
    if (!node.isExpanded()) painter.drawLine(centre, box.top() + 2, centre, box.bottom() - 2);
}

TreeNodeDelegate::TreeNodeDelegate(QObject* parent, Images images) : QStyledItemDelegate(parent), m_images(std::move(images)) {}

void TreeNodeDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    QTreeWidgetItem* node = m_images.node(index);
    if (!node) return;
    const QPixmap image = m_images.image(*node, (option->state & QStyle::State_Selected) != 0);
    if (image.isNull()) return;
    option->icon = QIcon(image);
    option->decorationSize = image.size();
    option->features |= QStyleOptionViewItem::HasDecoration;
}

void TreeNodeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QTreeWidgetItem* node = m_images.node(index);
    const QPixmap state = node ? m_images.state(*node) : QPixmap();
    if (state.isNull()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The state image stands before the node's image and label.
    const QRect place(option.rect.left(), option.rect.top() + (option.rect.height() - state.height()) / 2, state.width(),
                      state.height());
    painter->drawPixmap(place, state);
    QStyleOptionViewItem rest = option;
    rest.rect.setLeft(option.rect.left() + state.width());
    QStyledItemDelegate::paint(painter, rest, index);
}

QSize TreeNodeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (QTreeWidgetItem* node = m_images.node(index)) {
        const QPixmap state = m_images.state(*node);
        size.rwidth() += state.width();
        size.setHeight(std::max(size.height(), state.height()));
    }
    return size;
}

}  // namespace bars
