#include "platform/qt/tree_view.h"

#include <QHeaderView>

#include "platform/qt/controls.h"

namespace platform {

namespace {

constexpr int kStateRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;

void CollectNodes(QTreeWidgetItem* node, std::vector<QTreeWidgetItem*>& nodes) {
    nodes.push_back(node);
    for (int i = 0; i < node->childCount(); ++i) CollectNodes(node->child(i), nodes);
}

}  // namespace

TreeView::TreeView(QWidget* parent, std::string_view name) : QTreeWidget(parent) {
    setObjectName(ToQString(name));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
        if (onChange) onChange(current);
    });
    // The folder is filled as it opens: the children added here show at once.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* node) {
        if (onExpanding) onExpanding(node);
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem*, int) {
        if (onDblClick) onDblClick();
    });
}

TreeView::Node* TreeView::AddChild(Node* parent, std::string_view text, int stateIndex) {
    Node* node = parent != nullptr ? new Node(parent) : new Node(this);
    node->setText(0, ToQString(text));
    SetStateIndex(node, stateIndex);
    node->setData(0, kImageRole, -1);
    return node;
}

void TreeView::DeleteNode(Node* node) {
    if (node == currentItem()) setCurrentItem(nullptr);
    delete node;
}

int TreeView::StateIndex(const Node* node) { return node != nullptr ? node->data(0, kStateRole).toInt() : 0; }

void TreeView::SetStateIndex(Node* node, int value) { node->setData(0, kStateRole, value); }

std::string TreeView::Text(const Node* node) { return node != nullptr ? node->text(0).toStdString() : std::string(); }

void TreeView::SetImageIndex(Node* node, int index) {
    node->setData(0, kImageRole, index);
    const bool shown = index >= 0 && index < ImageCount();
    node->setIcon(0, shown ? QIcon(m_images[static_cast<std::size_t>(index)]) : QIcon());
}

int TreeView::ImageIndex(const Node* node) { return node != nullptr ? node->data(0, kImageRole).toInt() : -1; }

std::vector<TreeView::Node*> TreeView::Nodes() const {
    std::vector<Node*> nodes;
    for (int i = 0; i < topLevelItemCount(); ++i) CollectNodes(topLevelItem(i), nodes);
    return nodes;
}

TreeView::Node* TreeView::FindNode(int stateIndex) const {
    for (Node* node : Nodes())
        if (StateIndex(node) == stateIndex) return node;
    return nullptr;
}

void TreeView::Select(Node* node) {
    setCurrentItem(node);
    if (node != nullptr) scrollToItem(node);
}

void TreeView::Expand(Node* node) {
    if (node != nullptr) expandItem(node);
}

}  // namespace platform
