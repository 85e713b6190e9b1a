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

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>
#include <vector>

namespace bars {

namespace {

QColor Qt(platform::Colour c) { return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF)); }
QColor Sys(int index) { return Qt(platform::SystemColour(index)); }

int StripHeight() {
    return std::max(platform::SystemMetric(platform::SM_CYHSCROLL) + 2, platform::SystemMetric(platform::SM_CYSMCAPTION)) + 1;
}

}  // namespace

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

int DropDownDirection(const QRect& d, const QRect& f) {
    const bool left = d.right() + 1 <= f.left();
    const bool notLower = d.bottom() <= f.bottom();
    if (notLower) return left ? 0 : 1;
    return left ? 2 : 3;
}

ResizeStrip LayOutResizeStrip(QSize window, int direction, int stripHeight, int buttonWidth) {
    ResizeStrip s;
    s.direction = direction;
    s.atBottom = direction >= 2;
    const int top = s.atBottom ? window.height() - stripHeight : 0;
    s.strip = QRect(0, top, window.width(), stripHeight);
    const bool gripLeft = direction == 0 || direction == 2;
    const int grip = stripHeight - 1;
    s.grip = QRect(gripLeft ? 0 : window.width() - grip, s.atBottom ? top + 1 : top, grip, grip);
    const int closeHeight = std::min(buttonWidth, stripHeight - 2);
    const int closeTop = top + (stripHeight - closeHeight) / 2 + (s.atBottom ? 1 : 0);
    s.close = QRect(gripLeft ? window.width() - buttonWidth - 1 : 1, closeTop, buttonWidth, closeHeight);
    return s;
}

// The strip along the drop-down's edge: it paints itself and hands its mouse to the tree.
class StripWidget : public QWidget {
public:
    StripWidget(TcbBarTreeView& tree) : QWidget(&tree), m_tree(tree) { setMouseTracking(true); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_tree.PaintStrip(painter);
    }
    void mousePressEvent(QMouseEvent* event) override { m_tree.StripPress(ToTree(event)); }
    void mouseMoveEvent(QMouseEvent* event) override { m_tree.StripMove(event->globalPosition().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* event) override { m_tree.StripRelease(ToTree(event)); }
    void leaveEvent(QEvent*) override {
        if (m_tree.m_closeOver && !m_tree.m_closePressed) {
            m_tree.m_closeOver = false;
            update();
        }
    }

private:
    QPoint ToTree(QMouseEvent* event) const { return event->position().toPoint() + pos(); }
    TcbBarTreeView& m_tree;
};

// ---- tree -----------------------------------------------------------------------------

TcbBarTreeView::TcbBarTreeView(TcbBarTreeViewCombo& combo) : m_combo(combo) {
    hide();
    header()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMinimumSize(kMinimumSize, kMinimumSize);
    resize(200, 150);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node, QTreeWidgetItem*) { m_combo.SelectionChanged(node); });
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

void TcbBarTreeView::SetDropDownMode(bool value) {
    if (value == m_dropDownMode) return;
    m_dropDownMode = value;
    if (value) {
        setParent(nullptr);
        setWindowFlags(::Qt::Tool | ::Qt::FramelessWindowHint | ::Qt::WindowStaysOnTopHint |
                       ::Qt::WindowDoesNotAcceptFocus);
        setAttribute(::Qt::WA_ShowWithoutActivating);
        setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    UpdateMargins();
}

void TcbBarTreeView::PlaceStrip(const QRect& field) {
    const QRect window(pos(), size());
    m_strip = LayOutResizeStrip(size(), DropDownDirection(window, field), StripHeight(), StripHeight() - 2);
    UpdateMargins();
}

void TcbBarTreeView::UpdateMargins() {
    const bool strip = m_dropDownMode && m_combo.AllowResizing() && !m_strip.strip.isEmpty();
    const int h = strip ? m_strip.strip.height() : 0;
    setViewportMargins(0, strip && !m_strip.atBottom ? h : 0, 0, strip && m_strip.atBottom ? h : 0);
    if (!strip) {
        if (m_stripWidget) m_stripWidget->hide();
        return;
    }
    if (!m_stripWidget) m_stripWidget = new StripWidget(*this);
    m_stripWidget->setGeometry(m_strip.strip);
    m_stripWidget->show();
    m_stripWidget->update();
}

void TcbBarTreeView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    if (m_strip.strip.isEmpty()) return;
    m_strip = LayOutResizeStrip(size(), m_strip.direction, StripHeight(), StripHeight() - 2);
    UpdateMargins();
}

QTreeWidgetItem* TcbBarTreeView::NodeLabelAt(QPoint p) const {
    QTreeWidgetItem* node = itemAt(p);
    if (!node) return nullptr;
    const QRect r = visualItemRect(node);
    if (p.x() < r.left()) return nullptr;  // the indent and the expand button
    const int icon = node->icon(0).isNull() ? 0 : iconSize().width() + 4;
    const int labelRight = r.left() + icon + fontMetrics().horizontalAdvance(node->text(0)) + 6;
    return p.x() < labelRight ? node : nullptr;
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

void TcbBarTreeView::ShowWithoutActivation() { show(); }

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

bool TcbBarTreeView::StripPress(QPoint p) {
    if (m_strip.close.contains(p)) {
        m_closePressed = m_closeOver = true;
        if (m_stripWidget) m_stripWidget->update();
        return true;
    }
    if (m_strip.grip.contains(p)) {
        m_sizing = true;
        m_sizingFrom = mapToGlobal(p);
        m_sizingStart = QRect(pos(), size());
        return true;
    }
    return false;
}

void TcbBarTreeView::StripMove(QPoint global) {
    if (m_sizing) {
        const QPoint by = global - m_sizingFrom;
        QRect r = m_sizingStart;
        const bool left = m_strip.direction == 0 || m_strip.direction == 2;
        if (left)
            r.setLeft(std::min(r.left() + by.x(), r.right() + 1 - kMinimumSize));
        else
            r.setWidth(std::max(kMinimumSize, r.width() + by.x()));
        if (m_strip.atBottom)
            r.setHeight(std::max(kMinimumSize, r.height() + by.y()));
        else
            r.setTop(std::min(r.top() + by.y(), r.bottom() + 1 - kMinimumSize));
        setGeometry(r);
        return;
    }
    const bool over = m_strip.close.contains(mapFromGlobal(global));
    if (over != m_closeOver) {
        m_closeOver = over;
        if (m_stripWidget) m_stripWidget->update();
    }
}

void TcbBarTreeView::StripRelease(QPoint p) {
    m_sizing = false;
    if (!m_closePressed) return;
    m_closePressed = false;
    const bool close = m_strip.close.contains(p) && m_closeOver;
    if (m_stripWidget) m_stripWidget->update();
    if (close) m_combo.CloseMenus();
}

void TcbBarTreeView::PaintStrip(QPainter& painter) {
    const QRect strip(QPoint(0, 0), m_strip.strip.size());
    const QPoint origin = m_strip.strip.topLeft();
    painter.fillRect(strip, Sys(platform::COLOR_BTNFACE));
    const int line = m_strip.atBottom ? 0 : strip.bottom();
    painter.setPen(Sys(platform::COLOR_WINDOWFRAME));
    painter.drawLine(0, line, strip.right(), line);
    painter.setPen(Sys(platform::COLOR_BTNTEXT));
    const QRect close = m_strip.close.translated(-origin);
    const QRect c = close.adjusted(3, 3, -4, -4);
    painter.drawLine(c.topLeft(), c.bottomRight());
    painter.drawLine(c.topRight(), c.bottomLeft());
    if (m_closePressed || m_closeOver) {
        painter.setPen(Sys(m_closePressed && m_closeOver ? platform::COLOR_BTNSHADOW : platform::COLOR_BTNHIGHLIGHT));
        painter.drawRect(close.adjusted(0, 0, -1, -1));
    }
    painter.setPen(Sys(platform::COLOR_BTNSHADOW));
    const QRect grip = m_strip.grip.translated(-origin);
    for (int k = 3; k < grip.width(); k += 4) painter.drawLine(grip.right() - k, grip.bottom(), grip.right(), grip.bottom() - k);
}

// ---- combo ----------------------------------------------------------------------------

TcbBarTreeViewCombo::TcbBarTreeViewCombo(TcbBarManager* manager, QWidget* owner)
    : TCustomcbBarCombo(manager, owner), m_tree(std::make_unique<TcbBarTreeView>(*this)) {
    SetGlyph(ItemGlyph("CBBARTREEVIEWCOMBO"));
}

TcbBarTreeViewCombo::~TcbBarTreeViewCombo() = default;

void TcbBarTreeViewCombo::SetDropDownWidth(int value) { m_tree->resize(std::max(value, TcbBarTreeView::kMinimumSize), m_tree->height()); }
void TcbBarTreeViewCombo::SetDropDownHeight(int value) { m_tree->resize(m_tree->width(), std::max(value, TcbBarTreeView::kMinimumSize)); }

void TcbBarTreeViewCombo::SetImages(platform::ImageList* value) {
    if (value == m_images) return;
    m_images = value;
    if (m_images) m_tree->setIconSize(QSize(m_images->Width(), m_images->Height()));
    RelayoutBars();
}

void TcbBarTreeViewCombo::ImageListFreed(const platform::ImageList* images) {
    if (images && images == m_images) SetImages(nullptr);
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
    if (control && control->Window()) {
        const platform::Rect r = control->Window()->GetItemRect(control);
        const platform::Point at = control->Window()->ClientToScreenPoint({r.left, r.top});
        m_tree->PlaceStrip(QRect(at.x, at.y, r.Width(), r.Height()));
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
    m_tree->hide();
    m_dropControl = {};
}

void TcbBarTreeViewCombo::SelectionChanged(QTreeWidgetItem* node) {
    if (!node) return;
    if (TcbBarWinControl* open = OpenField()) open->SetText(node->text(0).toStdString());
}

void TcbBarTreeViewCombo::DoClick() {
    TCustomcbBarCombo::DoClick();
    if (OnClick || ReadOnly() || !Dialogs().selectTreeNode) return;
    QTreeWidgetItem* node = m_chosen ? m_chosen : m_tree->currentItem();
    if (Dialogs().selectTreeNode(*this, node) && node) SetChosenNode(node);
}

}  // namespace bars
