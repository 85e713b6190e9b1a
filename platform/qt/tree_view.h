#pragma once

#include <QPixmap>
#include <QTreeWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A tree of captioned nodes, each carrying a number of its own (its state index) and an
// icon from the tree's image list. Folders may be filled when they first open.
class TreeView : public QTreeWidget {
    Q_OBJECT
public:
    using Node = QTreeWidgetItem;

    TreeView(QWidget* parent, std::string_view name);

    // A node below the parent (none: a top node), after the parent's last child.
    Node* AddChild(Node* parent, std::string_view text, int stateIndex);
    void DeleteNode(Node* node);

    static int StateIndex(const Node* node);
    static void SetStateIndex(Node* node, int value);
    static std::string Text(const Node* node);
    // The node's icon, an index into the image list; -1 shows none.
    void SetImageIndex(Node* node, int index);
    static int ImageIndex(const Node* node);
    void SetImages(std::vector<QPixmap> images) { m_images = std::move(images); }
    int ImageCount() const { return static_cast<int>(m_images.size()); }

    // Every node in tree order (a node, then its children), as the index of the items counts.
    std::vector<Node*> Nodes() const;
    // The first node in tree order whose state index is that value, or none.
    Node* FindNode(int stateIndex) const;

    Node* Selected() const { return currentItem(); }
    // Selects the node (none: clears the selection) and brings it into view.
    void Select(Node* node);
    // Opens a folder as the player's click on its button does.
    void Expand(Node* node);

    // After the selection changed.
    std::function<void(Node* node)> onChange;
    // Before a folder opens; the handler may fill it.
    std::function<void(Node* node)> onExpanding;
    std::function<void()> onDblClick;

private:
    std::vector<QPixmap> m_images;
};

}  // namespace platform
