#include "bars/controls/win_control.h"

#include "bars/controls/typing_limit.h"
#include "bars/edits/bar_edit.h"
#include "bars/hooks/shortcut_dispatch.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/toolbars/bar.h"
#include "bars/manager/bar_manager.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/key_map.h"
#include "platform/qt/key_target.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <limits>

namespace bars {

namespace {

// Hands the edit window's events to its control before the edit sees them.
class EditFilter : public QObject {
public:
    explicit EditFilter(TcbBarWinControl& control) : m_control(control) {}
    bool eventFilter(QObject*, QEvent* event) override { return m_control.EditEvent(*event); }

private:
    TcbBarWinControl& m_control;
};

}  // namespace

TcbBarWinControl::TcbBarWinControl(TcbBarItemLink& link) : TcbBarItemControl(link) { CreateWindowControl(); }

TcbBarWinControl::~TcbBarWinControl() { DestroyWindowControl(); }

TcbBarWindowItem* TcbBarWinControl::WindowItem() const { return dynamic_cast<TcbBarWindowItem*>(Item()); }

TCustomcbBarControl* TcbBarWinControl::Window() const { return dynamic_cast<TCustomcbBarControl*>(BarWindow()); }

void TcbBarWinControl::CreateWindowControl() {
    TCustomcbBarControl* window = Window();
    if (!window || m_edit) return;
    m_edit = new QLineEdit(window);
    m_edit->hide();
    // The platform's 255-character default would cut long texts; the item's own maximum
    // holds typing alone.
    m_edit->setMaxLength(std::numeric_limits<int>::max());
    m_typingLimit = new TypingLimit(m_edit);
    m_edit->setValidator(m_typingLimit);
    m_edit->setFrame(false);
    m_edit->resize(100, 100);
    m_filter = std::make_unique<EditFilter>(*this);
    m_edit->installEventFilter(m_filter.get());
    QObject::connect(m_edit.data(), &QLineEdit::textEdited, m_filter.get(), [this] {
        if (m_settingText) return;
        if (TcbBarWindowItem* item = WindowItem()) item->DoCurChange();
        FieldChanged();
    });
}

bool TcbBarWinControl::RunsItemClick() const { return Link().InRotatedVerticalBar(); }

void TcbBarWinControl::DestroyWindowControl() {
    SetFocused(false);
    if (m_edit) m_edit->removeEventFilter(m_filter.get());
    delete m_edit.data();
    m_filter.reset();
}

void TcbBarWinControl::SetTypingLimit(int limit) {
    if (m_typingLimit) m_typingLimit->SetLimit(limit);
}

std::string TcbBarWinControl::GetText() const { return m_edit ? m_edit->text().toStdString() : std::string(); }

void TcbBarWinControl::SetText(const std::string& text) {
    if (!m_edit) return;
    m_settingText = true;
    const QString value = QString::fromStdString(text);
    if (m_typingLimit) m_typingLimit->TakeText(value);
    m_edit->setText(value);
    m_edit->selectAll();
    m_settingText = false;
    // A field without a text area draws the text itself.
    if (const auto* edit = dynamic_cast<const TcbBarEdit*>(Item()); edit && edit->HidesEditor()) Repaint();
}

void TcbBarWinControl::PlaceEditWindow() {
    TCustomcbBarControl* window = Window();
    if (!window || !m_edit) return;
    const platform::Point screen = window->ClientToScreenPoint({m_editRect.left, m_editRect.top});
    const QPoint at = window->mapFromGlobal(QPoint(screen.x, screen.y));
    // A field without a text area keeps the focus in an edit window of no size: the control
    // goes on drawing its value (a swatch, a mark, an image) itself.
    const auto* edit = dynamic_cast<const TcbBarEdit*>(Item());
    const bool hidden = edit && edit->HidesEditor();
    m_edit->setGeometry(at.x(), at.y(), hidden ? 0 : m_editRect.Width(), hidden ? 0 : m_editRect.Height());
}

void TcbBarWinControl::SetFocused(bool value) {
    if (value == m_focused || !m_edit) return;
    m_focused = value;
    if (value) {
        m_previousFocus = QApplication::focusWidget();
        if (!m_previousFocus && Manager()) m_previousFocus = Manager()->OwnerForm();
        if (!IsActive()) Activate(true);
        PlaceEditWindow();
        m_edit->show();
        SetText(WindowItem() ? WindowItem()->Text() : std::string());
        m_edit->setFocus();
        // A floating bar or a pop-up is never the active window: the keys come to the field
        // from whichever window has them.
        if (TCustomcbBarControl* window = Window(); window && window->isWindow()) platform::SetKeyTarget(m_edit);
    } else {
        if (platform::KeyTarget() == m_edit) platform::SetKeyTarget(nullptr);
        m_edit->hide();
        if (m_previousFocus) m_previousFocus->setFocus();
        m_previousFocus = nullptr;
    }
    Repaint();
}

void TcbBarWinControl::Deactivate(bool immediate) {
    TcbBarItemControl::Deactivate(immediate);
    SetFocused(false);
}

void TcbBarWinControl::BeforeClick(bool) { SetFocused(true); }

void TcbBarWinControl::EndEditing(bool cancel) {
    TCustomcbBarControl* window = Window();
    if (!window) {
        SetFocused(false);
        return;
    }
    window->SelectControl(nullptr);
    SetFocused(false);
    // Esc is the window's own Esc: in a menu it closes that menu alone and leaves its opener
    // selected; Enter closes the whole chain.
    if (cancel && window->KeyDown(platform::VK_ESCAPE)) return;
    window->CloseAll();
}

bool TcbBarWinControl::ControlKeyDown(int key, unsigned) {
    switch (key) {
    case platform::VK_TAB:
        if (TCustomcbBarControl* window = Window()) window->KeyDown(platform::VK_TAB);
        return true;
    case platform::VK_RETURN: EndEditing(false); return true;
    case platform::VK_ESCAPE: EndEditing(true); return true;
    default: return false;
    }
}

bool TcbBarWinControl::EditEvent(QEvent& event) {
    TcbBarWindowItem* item = WindowItem();
    if (!item) return false;
    switch (event.type()) {
    case QEvent::KeyPress: {
        auto& keyEvent = static_cast<QKeyEvent&>(event);
        int key = platform::VirtualKeyOfQtKey(keyEvent.key(), keyEvent.modifiers());
        const unsigned shift = platform::ShiftStateOf(keyEvent.modifiers());
        // Handlers may free this control (a click that hides the bar): look through a token.
        const auto alive = AliveToken();
        item->KeyDown(key, shift);
        if (key == 0 || !*alive) return true;
        const QString text = keyEvent.text();
        if (!text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() < 0x80) {
            char c = static_cast<char>(text.at(0).unicode());
            item->KeyPress(c);
            if (c == 0 || !*alive || !ControlKeyPress(c)) return true;
        }
        if (ControlKeyDown(key, shift) || !*alive) return true;
        const bool system = key == platform::VK_F10 || key == platform::VK_MENU || (shift & platform::kShiftAlt) != 0;
        return system && SystemKey(key, shift);
    }
    case QEvent::KeyRelease: {
        auto& keyEvent = static_cast<QKeyEvent&>(event);
        int key = platform::VirtualKeyOfQtKey(keyEvent.key(), keyEvent.modifiers());
        item->KeyUp(key, platform::ShiftStateOf(keyEvent.modifiers()));
        return key == 0;
    }
    case QEvent::FocusIn: item->DoEnter(); return false;
    case QEvent::FocusOut: FocusLost(static_cast<QFocusEvent&>(event)); return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return MouseEvent(static_cast<QMouseEvent&>(event));
    default: return false;
    }
}

bool TcbBarWinControl::SystemKey(int key, unsigned shift) {
    if (key == platform::VK_MENU) {
        MarkAltAlone();
        return false;
    }
    TcbBarManager* manager = Manager();
    EndEditing(false);
    if (manager) DispatchShortCut(*manager, platform::ShortCut(key, shift));
    return true;
}

void TcbBarWinControl::FocusLost(const QFocusEvent& event) {
    TCustomcbBarControl* window = Window();
    QWidget* next = QApplication::focusWidget();
    const bool outside = !window || !next || (next != window && !window->isAncestorOf(next));
    // A drop-down list takes the focus as a pop-up of the field itself.
    if (m_focused && outside && event.reason() != Qt::PopupFocusReason) {
        // The focus has gone where the user put it: closing must not take it back.
        m_previousFocus = nullptr;
        EndEditing(false);
        return;
    }
    if (TcbBarWindowItem* item = WindowItem()) item->DoExit();
}

bool TcbBarWinControl::MouseEvent(const QMouseEvent& event) {
    TCustomcbBarControl* window = Window();
    if (!window) return false;
    const QPoint global = event.globalPosition().toPoint();
    if (event.type() == QEvent::MouseButtonPress && event.button() == Qt::RightButton) {
        QMouseEvent passed(event.type(), window->mapFromGlobal(global), global, event.button(), event.buttons(),
                           event.modifiers());
        QCoreApplication::sendEvent(window, &passed);
        return true;
    }
    const platform::Point origin = window->ClientToScreenPoint({0, 0});
    const platform::Point p{global.x() - origin.x, global.y() - origin.y};
    // A click into the open field takes its whole text, ready to be typed over.
    const bool press = event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
    if (m_focused && m_edit && m_editRect.Contains(p) && (event.buttons() & Qt::LeftButton)) {
        if (press) m_edit->selectAll();
        // Neither the press nor a drag after it moves the caret into the selection.
        return press || event.type() == QEvent::MouseMove;
    }
    return !m_editRect.Contains(p) && !window->GetItemRect(this).Contains(p);
}

}  // namespace bars
