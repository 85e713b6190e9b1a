#include "bars/extended/tree_view_combo.h"

#include "bars/controls/win_control.h"
#include "bars/extended/extended_dialogs.h"
#include "bars/extended/item_glyphs.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/image_list.h"
#include "platform/qt/window_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>
#include <vector>

namespace bars {

QTreeWidgetItem* NodeAtSamePlace(const QTreeWidget& tree, const QTreeWidgetItem* node) {
    std::vector<int> path;
    for (; node; node = node->parent()) {
        auto* item = const_cast<QTreeWidgetItem*>(node);
        if (node->parent())
            path.push_back(node->parent()->indexOfChild(item));
        else
            path.push_back(node->treeWidget() ? node->treeWidget()->indexOfTopLevelItem(item) : -1);
    }
    QTreeWidgetItem* found = nullptr;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        found = found ? found->child(*it) : tree.topLevelItem(*it);
        if (!found) return nullptr;
    }
    return found;
}

// ---- tree -----------------------------------------------------------------------------

TcbBarTreeView::TcbBarTreeView(TcbBarTreeViewCombo& combo) : m_combo(combo) {
    hide();
    header()->hide();
    // Long labels scroll sideways rather than being cut.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMinimumSize(kMinimumSize, kMinimumSize);
    resize(200, 150);
    // Where the scroll bars meet, button face.
    auto* corner = new QWidget(this);
    corner->setAutoFillBackground(true);
    QPalette palette = corner->palette();
    palette.setColor(QPalette::Window, SystemQColor(platform::COLOR_BTNFACE));
    corner->setPalette(palette);
    setCornerWidget(corner);
    setItemDelegate(new TreeNodeDelegate(
        this, {[this](const QModelIndex& index) { return NodeOf(index); },
               [this](QTreeWidgetItem& node, bool selected) { return m_combo.NodeImage(node, selected); },
               [this](QTreeWidgetItem& node) { return m_combo.NodeStateImage(node); }}));
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node, QTreeWidgetItem* previous) { CurrentChanged(node, previous); });
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) { Unfolded(index, true); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) { Unfolded(index, false); });
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex& parent, int first, int last) {
        for (int row = first; row <= last; ++row) {
            QTreeWidgetItem* gone = itemFromIndex(model()->index(row, 0, parent));
            for (QTreeWidgetItem* node = m_combo.ChosenNode(); node; node = node->parent())
                if (node == gone) m_combo.SetChosenNode(nullptr);
        }
    });
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* node, int) {
        if (node == m_combo.ChosenNode()) m_combo.SetChosenNode(node);
    });
}

TcbBarTreeView::~TcbBarTreeView() {
    // The window would take the tree with it.
    if (m_window) setParent(nullptr);
}

void TcbBarTreeView::CurrentChanged(QTreeWidgetItem* node, QTreeWidgetItem* previous) {
    if (m_undoing) return;
    bool allow = true;
    if (node && m_combo.OnChanging) m_combo.OnChanging(m_combo, node, allow);
    if (!allow) {
        m_undoing = true;
        setCurrentItem(previous);
        m_undoing = false;
        return;
    }
    if (m_combo.OnTreeViewChange) m_combo.OnTreeViewChange(m_combo, node);
    m_combo.SelectionChanged(node);
}

void TcbBarTreeView::Unfolded(const QModelIndex& index, bool expanded) {
    QTreeWidgetItem* node = itemFromIndex(index);
    if (m_undoing || !node) return;
    bool allow = true;
    const auto& asking = expanded ? m_combo.OnExpanding : m_combo.OnCollapsing;
    if (asking) asking(m_combo, node, allow);
    if (!allow) {
        m_undoing = true;
        node->setExpanded(!expanded);
        m_undoing = false;
        return;
    }
    if (const auto& told = expanded ? m_combo.OnExpanded : m_combo.OnCollapsed) told(m_combo, node);
}

void TcbBarTreeView::SetDropDownMode(bool value) {
    if (value == m_dropDownMode) return;
    m_dropDownMode = value;
    if (!value || m_window) return;
    setFrameStyle(QFrame::NoFrame);
    m_window = std::make_unique<TreeDropDownWindow>(*this);
    m_window->OnClose = [this] { m_combo.CloseMenus(); };
}

QSize TcbBarTreeView::DropDownSize() const { return m_window ? m_window->size() : size(); }

void TcbBarTreeView::SetDropDownSize(QSize value) {
    const QSize size(std::max(value.width(), kMinimumSize), std::max(value.height(), kMinimumSize));
    if (m_window)
        m_window->resize(size);
    else
        resize(size);
}

platform::Size TcbBarTreeView::WindowSize() const {
    const QSize size = DropDownSize();
    return {size.width(), size.height()};
}

void TcbBarTreeView::MoveTo(platform::Point screen) {
    if (m_window)
        m_window->move(screen.x, screen.y);
    else
        move(screen.x, screen.y);
}

void TcbBarTreeView::ShowWithoutActivation() {
    QWidget* window = m_window ? static_cast<QWidget*>(m_window.get()) : this;
    window->show();
    platform::WindowList::Instance().BringToTop(window);
}

void TcbBarTreeView::HideWindow() {
    if (m_window)
        m_window->hide();
    else
        hide();
}

bool TcbBarTreeView::IsShown() const { return m_window ? m_window->isVisible() : isVisible(); }

QTreeWidgetItem* TcbBarTreeView::NodeLabelAt(QPoint p) const {
    QTreeWidgetItem* node = itemAt(p);
    if (!node) return nullptr;
    const QRect r = visualItemRect(node);
    if (p.x() < r.left()) return nullptr;  // the indent and the expand button
    const QPixmap image = m_combo.NodeImage(*node, false);
    const bool icon = !image.isNull() || !node->icon(0).isNull();
    const int images = m_combo.NodeStateImage(*node).width() + (icon ? iconSize().width() + 4 : 0);
    const int labelRight = r.left() + images + fontMetrics().horizontalAdvance(node->text(0)) + 6;
    return p.x() < labelRight ? node : nullptr;
}

void TcbBarTreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
    if (const QTreeWidgetItem* node = itemFromIndex(index)) DrawBranches(*painter, rect, *node, indentation(), m_combo.Branches());
}

void TcbBarTreeView::mousePressEvent(QMouseEvent* event) {
    // Without buttons there is nothing to click left of a label.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!m_combo.ShowButtons() && index.isValid() && event->position().x() < visualRect(index).left()) {
        QAbstractItemView::mousePressEvent(event);
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

bool TcbBarTreeView::Choose() {
    QTreeWidgetItem* node = currentItem();
    if (!m_dropDownMode && node) node = NodeAtSamePlace(m_combo.Tree(), node);
    if (!node || !m_combo.CanSelect(node)) return false;
    if (m_dropDownMode)
        m_combo.NodeChosen();
    else if (OnDialogChoice)
        OnDialogChoice(node);
    return true;
}

void TcbBarTreeView::Key(int key, unsigned shift) {
    if (key == platform::VK_RETURN) {
        Choose();
        return;
    }
    if ((key >= platform::VK_A && key <= platform::VK_Z) || (key >= platform::VK_0 && key <= platform::VK_9)) {
        keyboardSearch(QString(QChar(key)));
        return;
    }
    static constexpr std::pair<int, ::Qt::Key> kTreeKeys[] = {
        {platform::VK_LEFT, ::Qt::Key_Left},       {platform::VK_RIGHT, ::Qt::Key_Right},
        {platform::VK_UP, ::Qt::Key_Up},           {platform::VK_DOWN, ::Qt::Key_Down},
        {platform::VK_HOME, ::Qt::Key_Home},       {platform::VK_END, ::Qt::Key_End},
        {platform::VK_PRIOR, ::Qt::Key_PageUp},    {platform::VK_NEXT, ::Qt::Key_PageDown},
        {platform::VK_ADD, ::Qt::Key_Plus},        {platform::VK_SUBTRACT, ::Qt::Key_Minus},
        {platform::VK_MULTIPLY, ::Qt::Key_Asterisk}, {platform::VK_SPACE, ::Qt::Key_Space},
        {platform::VK_BACK, ::Qt::Key_Backspace},
    };
    const auto* found = std::find_if(std::begin(kTreeKeys), std::end(kTreeKeys),
                                     [key](const auto& entry) { return entry.first == key; });
    if (found == std::end(kTreeKeys)) return;
    ::Qt::KeyboardModifiers modifiers;
    if (shift & platform::kShiftShift) modifiers |= ::Qt::ShiftModifier;
    if (shift & platform::kShiftCtrl) modifiers |= ::Qt::ControlModifier;
    if (shift & platform::kShiftAlt) modifiers |= ::Qt::AltModifier;
    QKeyEvent event(QEvent::KeyPress, found->second, modifiers);
    QTreeWidget::keyPressEvent(&event);
}

void TcbBarTreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (!m_combo.ChooseByDblClick() && NodeLabelAt(event->position().toPoint())) Choose();
}

void TcbBarTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (m_combo.ChooseByDblClick() && NodeLabelAt(event->position().toPoint())) Choose();
}

void TcbBarTreeView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == ::Qt::Key_Return || event->key() == ::Qt::Key_Enter) {
        Choose();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// ---- combo ----------------------------------------------------------------------------

TcbBarTreeViewCombo::TcbBarTreeViewCombo(TcbBarManager* manager, QWidget* owner)
    : TCustomcbBarCombo(manager, owner), m_tree(std::make_unique<TcbBarTreeView>(*this)) {
    SetGlyph(ItemGlyph("CBBARTREEVIEWCOMBO"));
}

TcbBarTreeViewCombo::~TcbBarTreeViewCombo() = default;

void TcbBarTreeViewCombo::SetDropDownWidth(int value) { m_tree->SetDropDownSize({value, DropDownHeight()}); }
void TcbBarTreeViewCombo::SetDropDownHeight(int value) { m_tree->SetDropDownSize({DropDownWidth(), value}); }

void TcbBarTreeViewCombo::SetImages(platform::ImageList* value) {
    if (value == m_images) return;
    m_images = value;
    if (m_images) m_tree->setIconSize(QSize(m_images->Width(), m_images->Height()));
    RelayoutBars();
}

void TcbBarTreeViewCombo::SetStateImages(platform::ImageList* value) {
    if (value == m_stateImages) return;
    m_stateImages = value;
    m_tree->doItemsLayout();
}

void TcbBarTreeViewCombo::ImageListFreed(const platform::ImageList* images) {
    if (!images) return;
    if (images == m_images) SetImages(nullptr);
    if (images == m_stateImages) SetStateImages(nullptr);
}

void TcbBarTreeViewCombo::SetShowButtons(bool value) {
    m_showButtons = value;
    m_tree->viewport()->update();
}

void TcbBarTreeViewCombo::SetShowLines(bool value) {
    m_showLines = value;
    m_tree->viewport()->update();
}

QPixmap TcbBarTreeViewCombo::NodeImage(QTreeWidgetItem& node, bool selected) {
    if (!m_images) return {};
    if (const NodeEvent& ask = selected ? OnGetSelectedIndex : OnGetImageIndex) ask(*this, &node);
    return ListImage(m_images, selected ? NodeSelectedIndex(node) : NodeImageIndex(node));
}

QPixmap TcbBarTreeViewCombo::NodeStateImage(const QTreeWidgetItem& node) const {
    return ListImage(m_stateImages, NodeStateIndex(node));
}

void TcbBarTreeViewCombo::SetSortType(TcbBarTreeSortType value) {
    m_sortType = value;
    SortIfWanted();
}

void TcbBarTreeViewCombo::SortIfWanted() {
    if (m_sortType != stNone) AlphaSort();
}

void TcbBarTreeViewCombo::AlphaSort() {
    // By the texts, unless OnCompare says otherwise; it starts from their comparison.
    SortNodes(*m_tree, [this](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        int compare = a->text(0).compare(b->text(0), ::Qt::CaseInsensitive);
        if (OnCompare) OnCompare(*this, a, b, 0, compare);
        return compare;
    });
}

void TcbBarTreeViewCombo::SetChosenNode(QTreeWidgetItem* node) {
    m_chosen = node;
    TCustomcbBarCombo::SetText(node ? node->text(0).toStdString() : std::string());
    RepaintControls();
}

QTreeWidgetItem* TcbBarTreeViewCombo::FindNode(const std::string& text) const {
    const QString wanted = QString::fromStdString(text);
    std::function<QTreeWidgetItem*(QTreeWidgetItem*)> search = [&](QTreeWidgetItem* node) -> QTreeWidgetItem* {
        if (node->text(0).compare(wanted, ::Qt::CaseInsensitive) == 0) return node;
        for (int i = 0; i < node->childCount(); ++i)
            if (QTreeWidgetItem* found = search(node->child(i))) return found;
        return nullptr;
    };
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* found = search(m_tree->topLevelItem(i))) return found;
    return nullptr;
}

void TcbBarTreeViewCombo::SetText(const std::string& value) {
    if (!IsLoading())
        if (QTreeWidgetItem* node = FindNode(value)) m_tree->setCurrentItem(node);
    TCustomcbBarCombo::SetText(value);
}

void TcbBarTreeViewCombo::Loaded() {
    TCustomcbBarCombo::Loaded();
    if (QTreeWidgetItem* node = FindNode(Text())) m_tree->setCurrentItem(node);
}

IComboDropDown* TcbBarTreeViewCombo::GetDropDownWindow() {
    IComboDropDown* window = TCustomcbBarCombo::GetDropDownWindow();
    return window ? window : m_tree.get();
}

void TcbBarTreeViewCombo::DropDown(platform::Point screen, const DropDownAnchor& anchor, TcbBarWinControl* control) {
    m_dropControl = GuardedControl<TCustomcbBarComboControl>(dynamic_cast<TCustomcbBarComboControl*>(control));
    m_tree->SetDropDownMode(true);
    SortIfWanted();
    if (BarManager()) {
        const platform::CanvasFont& font = BarManager()->BarFont();
        QFont qfont(QString::fromStdString(font.name));
        qfont.setPointSize(std::max(1, font.size));
        m_tree->setFont(qfont);
    }
    if (m_fullExpand) m_tree->expandAll();
    const std::string field = control && control->Focused() ? control->GetText() : Text();
    if (field != Text())
        if (QTreeWidgetItem* node = FindNode(field)) m_tree->setCurrentItem(node);
    if (!m_tree->currentItem() && m_tree->topLevelItemCount() > 0) m_tree->setCurrentItem(m_tree->topLevelItem(0));
    TCustomcbBarCombo::DropDown(screen, anchor, control);
    TreeDropDownWindow* window = m_tree->DropDownWindow();
    if (!window) return;
    // The strip is kept only while a field on a bar dropped the tree down.
    if (m_allowResizing && control && control->Window()) {
        const platform::Rect r = control->Window()->GetItemRect(control);
        const platform::Point at = control->Window()->ClientToScreenPoint({r.left, r.top});
        window->PlaceStrip(QRect(at.x, at.y, r.Width(), r.Height()));
    } else {
        window->RemoveStrip();
    }
}

bool TcbBarTreeViewCombo::CanSelect(QTreeWidgetItem* node) {
    bool allow = true;
    if (OnCanSelectNode) OnCanSelectNode(*this, node, allow);
    return allow;
}

void TcbBarTreeViewCombo::NodeChosen() {
    QTreeWidgetItem* node = m_tree->currentItem();
    // The field that dropped the tree down may be gone already (the item hidden, the bar
    // rebuilt): the node is still chosen.
    if (TCustomcbBarComboControl* control = m_dropControl.Get()) {
        TcbBarItemLink& source = control->Link().RepresentedLink();
        if (source.Collection()) source.Collection()->UseLink(source, true);
    }
    CloseMenus();
    SetChosenNode(node);
}

void TcbBarTreeViewCombo::CloseMenus() {
    if (TCustomcbBarComboControl* control = m_dropControl.Get()) control->CloseOnChoice();
    m_tree->HideWindow();
    m_dropControl = {};
}

void TcbBarTreeViewCombo::SelectionChanged(QTreeWidgetItem* node) {
    if (!node) return;
    if (TcbBarWinControl* open = OpenField()) open->SetText(node->text(0).toStdString());
}

void TcbBarTreeViewCombo::DoClick() {
    TCustomcbBarCombo::DoClick();
    if (OnClick || ReadOnly() || !Dialogs().selectTreeNode) return;
    SortIfWanted();
    QTreeWidgetItem* node = m_chosen ? m_chosen : m_tree->currentItem();
    if (Dialogs().selectTreeNode(*this, node) && node) SetChosenNode(node);
}

}  // namespace bars
