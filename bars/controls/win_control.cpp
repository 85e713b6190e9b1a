#include "bars/controls/win_control.h"

#include "bars/controls/bar_window.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/toolbars/bar.h"

#include <QLineEdit>
#include <QWidget>

#include <limits>

namespace bars {

TcbBarWinControl::TcbBarWinControl(TcbBarItemLink& link) : TcbBarItemControl(link) { CreateWindowControl(); }

TcbBarWinControl::~TcbBarWinControl() { DestroyWindowControl(); }

void TcbBarWinControl::CreateWindowControl() {
    auto* parent = dynamic_cast<QWidget*>(BarWindow());
    if (!parent || m_edit) return;
    m_edit = new QLineEdit(parent);
    // The platform's 255-character default would cut long texts.
    m_edit->setMaxLength(std::numeric_limits<int>::max());
    m_edit->setFrame(false);
    m_edit->hide();
}

void TcbBarWinControl::DestroyWindowControl() {
    SetFocused(false);
    delete m_edit.data();
}

bool TcbBarWinControl::RunsItemClick() const {
    const IBarWindow* window = BarWindow();
    if (!window || window->IsMenu()) return false;
    const TcbBarDockingStyle side = window->DockingStyle();
    const TcbBar* bar = Link().Collection() ? Link().Collection()->Owner().AsBar() : nullptr;
    return (side == dsLeft || side == dsRight) && bar && bar->RotateWhenVertical();
}

void TcbBarWinControl::Deactivate(bool immediate) {
    TcbBarItemControl::Deactivate(immediate);
    SetFocused(false);
}

void TcbBarWinControl::BeforeClick(bool) { SetFocused(true); }

std::string TcbBarWinControl::GetText() const { return m_edit ? m_edit->text().toStdString() : std::string(); }

void TcbBarWinControl::SetText(const std::string& text) {
    if (m_edit) m_edit->setText(QString::fromStdString(text));
}

void TcbBarWinControl::SetFocused(bool focused) {
    if (m_focused == focused) return;
    m_focused = focused;
    if (!m_edit) return;
    m_edit->setVisible(focused);
    if (focused) m_edit->setFocus();
}

void TcbBarWinControl::SetEditRect(const platform::Rect& rect) {
    m_editRect = rect;
    if (m_edit) m_edit->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace bars
