#include "bars/edits/edit_controls.h"

#include "bars/edits/bar_custom_combo.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/popups/bar_hints.h"
#include "bars/registry/item_class_registry.h"
#include "bars/services/captions.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"

#include <QImage>
#include <QLineEdit>

namespace bars {

namespace {

constexpr int kPlaceMenu = 1;
using platform::SystemColour;

void FrameRect(platform::Canvas& canvas, const platform::Rect& r, platform::Colour colour) {
    canvas.FillSolidRect({r.left, r.top, r.right, r.top + 1}, colour);
    canvas.FillSolidRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    canvas.FillSolidRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    canvas.FillSolidRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}

platform::Rect Deflated(const platform::Rect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

bool InMenu(const TcbBarItemControl& control) { return control.BarWindow() && control.BarWindow()->IsMenu(); }

int g_droppedDown = 0;

}  // namespace

// ---- edit -----------------------------------------------------------------------------

TcbBarEditControl::TcbBarEditControl(TcbBarItemLink& link) : TcbBarWinControl(link) {}

TcbBarEdit* TcbBarEditControl::Edit() const { return dynamic_cast<TcbBarEdit*>(Item()); }

int TcbBarEditControl::CaptionWidth() const {
    const TCustomcbBarControl* window = Window();
    if (!window) return 0;
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    canvas.SetFont(window->FontHandle());
    return canvas.TextWidth(StripAccelerators(GetCaption()));
}

int TcbBarEditControl::GetWidth() const {
    const int width = Link().Width();
    return InMenu(*this) ? width + CaptionWidth() + 6 : width;
}

int TcbBarEditControl::GetHeight() const { return Window() ? Window()->ItemHeight() : 0; }

platform::Rect TcbBarEditControl::BoxRect(const platform::Rect& rect, int place) const {
    if (place != kPlaceMenu) return rect;
    return {rect.left + kCaptionMargin + CaptionWidth() + kCaptionGap, rect.top, rect.right, rect.bottom};
}

platform::Rect TcbBarEditControl::ValueRect(const platform::Rect& box) const { return Deflated(box, 2); }

void TcbBarEditControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const bool enabled = GetEnabled();
    const bool selected = IsSelected();
    canvas.FillSolidRect(rect, Background());
    if (place == kPlaceMenu) {
        if (selected && enabled)
            canvas.FillSolidRect({rect.left, rect.top, BoxRect(rect, place).left - 2, rect.bottom},
                                 SystemColour(platform::COLOR_HIGHLIGHT));
        canvas.SetFont(Window() ? Window()->FontHandle() : canvas.Font());
        DrawCaption(canvas, GetCaption(), {rect.left + kCaptionMargin, rect.top, rect.right, rect.bottom},
                    CaptionAlignment::Left, enabled, selected, false);
    }
    const platform::Rect box = BoxRect(rect, place);
    platform::Rect frame = box;
    if (selected)
        platform::DrawEdge(canvas, frame, platform::BDR_SUNKENOUTER, platform::BF_RECT);
    else
        FrameRect(canvas, frame, Background());
    FrameRect(canvas, Deflated(box, 1), enabled ? Background() : SystemColour(platform::COLOR_BTNFACE));
    const platform::Rect value = ValueRect(box);
    SetEditRect(value);
    // The open field covers the box and nothing is drawn under it, unless the field has no
    // text area: then the value shows as when closed.
    if (enabled && Focused() && !(Edit() && Edit()->HidesEditor())) return;
    canvas.FillSolidRect(Deflated(box, 2), SystemColour(enabled ? platform::COLOR_WINDOW : platform::COLOR_BTNFACE));
    if (Window()) canvas.SetFont(Window()->FontHandle());
    DrawValue(canvas, value);
}

void TcbBarEditControl::DrawValue(platform::Canvas& canvas, const platform::Rect& rect) {
    const TcbBarEdit* edit = Edit();
    if (!edit) return;
    canvas.SetFontColour(SystemColour(GetEnabled() ? platform::COLOR_WINDOWTEXT : platform::COLOR_GRAYTEXT));
    // A disabled box is button face: no white box behind its text.
    canvas.SetBrushStyle(platform::BrushStyle::Clear);
    const std::string text = FitText(canvas, edit->Text(), rect.Width() - 2);
    canvas.TextOut(rect.left + 1, rect.top + (rect.Height() - canvas.TextHeight("Qq")) / 2, text);
}

void TcbBarEditControl::SetFocused(bool value) {
    // Before the text goes in: it opens selected whole and as long as the program set it.
    if (value && EditWindow() && Edit()) {
        EditWindow()->setReadOnly(Edit()->ReadOnly() || Edit()->HidesEditor());
        SetTypingLimit(Edit()->MaxLength());
    }
    TcbBarWinControl::SetFocused(value);
}

void TcbBarEditControl::Commit() {
    if (TcbBarEdit* edit = Edit()) edit->SetText(GetText());
}

bool TcbBarEditControl::ControlKeyDown(int key, unsigned shift) {
    if (key == platform::VK_RETURN || key == platform::VK_TAB) {
        const auto alive = AliveToken();
        Commit();
        if (!*alive) return true;
        if (key == platform::VK_RETURN && Link().Collection()) {
            TcbBarItemLink& source = Link().RepresentedLink();
            source.Collection()->UseLink(source, true);
        }
    }
    return TcbBarWinControl::ControlKeyDown(key, shift);
}

// ---- combo ----------------------------------------------------------------------------

TCustomcbBarComboControl::TCustomcbBarComboControl(TcbBarItemLink& link) : TcbBarEditControl(link) {}

TCustomcbBarComboControl::~TCustomcbBarComboControl() {
    if (!m_droppedDown) return;
    m_droppedDown = false;
    --g_droppedDown;
    if (TCustomcbBarCombo* combo = Combo()) combo->CloseUp();
}

TCustomcbBarCombo* TCustomcbBarComboControl::Combo() const { return dynamic_cast<TCustomcbBarCombo*>(Item()); }

platform::Rect TCustomcbBarComboControl::ArrowRect() const {
    const platform::Rect inner = Deflated(m_box, 2);
    return {inner.right - kArrowPartWidth, inner.top, inner.right, inner.bottom};
}

platform::Rect TCustomcbBarComboControl::ValueRect(const platform::Rect& box) const {
    platform::Rect value = Deflated(box, 2);
    value.right -= kArrowPartWidth;
    return value;
}

void TCustomcbBarComboControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    m_box = BoxRect(rect, place);
    TcbBarEditControl::Draw(canvas, rect, place);
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const platform::Rect arrow = ArrowRect();
    canvas.FillSolidRect(arrow, SystemColour(platform::COLOR_BTNFACE));
    const platform::Colour colour = SystemColour(GetEnabled() ? platform::COLOR_BTNTEXT : platform::COLOR_GRAYTEXT);
    const int x = arrow.left + (arrow.Width() - 5) / 2, y = arrow.top + (arrow.Height() - 3) / 2;
    for (int k = 0; k < 3; ++k) canvas.FillSolidRect({x + k, y + k, x + 5 - k, y + k + 1}, colour);
}

void TCustomcbBarComboControl::DrawValue(platform::Canvas& canvas, const platform::Rect& rect) {
    if (TCustomcbBarCombo* combo = Combo()) combo->DrawValue(canvas, rect, this);
}

void TCustomcbBarComboControl::SetDroppedDown(bool value) {
    TCustomcbBarCombo* combo = Combo();
    if (!combo || combo->ReadOnly() || value == m_droppedDown) return;
    m_droppedDown = value;
    g_droppedDown += value ? 1 : -1;
    if (value) BarHints::Instance().Hide();
    Repaint();
    if (!value) {
        combo->CloseUp();
        return;
    }
    TCustomcbBarControl* window = Window();
    if (!window) return;
    const platform::Rect r = window->GetItemRect(this);
    const bool horizontal = !window->IsMenu() && window->DockingStyle() != dsLeft && window->DockingStyle() != dsRight;
    const platform::Point corner = horizontal ? platform::Point{r.left, r.bottom} : platform::Point{r.right, r.top};
    combo->DropDown(window->ClientToScreenPoint(corner), {{r.Width(), r.Height()}, horizontal}, this);
}

bool TCustomcbBarComboControl::AnyDroppedDown() { return g_droppedDown > 0; }

void TCustomcbBarComboControl::Deactivate(bool immediate) {
    SetDroppedDown(false);
    TcbBarEditControl::Deactivate(immediate);
}

void TCustomcbBarComboControl::BeforeClick(bool byMouse) {
    TcbBarEditControl::BeforeClick(byMouse);
    const TCustomcbBarCombo* combo = Combo();
    const TCustomcbBarControl* window = Window();
    if (!byMouse || !combo || !window) return;
    const platform::Point p = window->LastPress();
    const platform::Rect part = combo->ShowEditor() ? ArrowRect() : m_box;
    if (part.Contains(p)) SetDroppedDown(!m_droppedDown);
}

bool TCustomcbBarComboControl::ControlKeyDown(int key, unsigned shift) {
    TCustomcbBarCombo* combo = Combo();
    if (!combo) return false;
    const bool altArrow = (key == platform::VK_UP || key == platform::VK_DOWN) && shift == platform::kShiftAlt;
    if (key == platform::VK_F4 || altArrow) {
        SetDroppedDown(!m_droppedDown);
        return true;
    }
    if (m_droppedDown && combo->CheckKeyForDropDownWindow(key, shift)) {
        if (IComboDropDown* window = combo->GetDropDownWindow()) window->Key(key, shift);
        return true;
    }
    return TcbBarEditControl::ControlKeyDown(key, shift);
}

// ---- list combo -----------------------------------------------------------------------

TcbBarComboControl::TcbBarComboControl(TcbBarItemLink& link) : TCustomcbBarComboControl(link) {}

TcbBarCustomCombo* TcbBarComboControl::ListCombo() const { return dynamic_cast<TcbBarCustomCombo*>(Item()); }

void TcbBarComboControl::SetFocused(bool value) {
    TcbBarCustomCombo* combo = ListCombo();
    if (value && combo) m_currentIndex = combo->ItemIndex();
    TCustomcbBarComboControl::SetFocused(value);
    if (value && combo && m_currentIndex >= 0) SetText(combo->Items()[static_cast<std::size_t>(m_currentIndex)]);
}

bool TcbBarComboControl::ControlKeyDown(int key, unsigned shift) {
    TcbBarCustomCombo* combo = ListCombo();
    if (combo && !DroppedDown() && shift == platform::kShiftNone && (key == platform::VK_UP || key == platform::VK_DOWN)) {
        const int count = static_cast<int>(combo->Items().size());
        if (count > 0) {
            const int next = m_currentIndex + (key == platform::VK_UP ? -1 : 1);
            m_currentIndex = std::clamp(next, 0, count - 1);
            SetText(combo->Items()[static_cast<std::size_t>(m_currentIndex)]);
        }
        return true;
    }
    return TCustomcbBarComboControl::ControlKeyDown(key, shift);
}

void TCustomcbBarComboControl::CloseOnChoice() {
    const auto alive = AliveToken();
    SetDroppedDown(false);
    if (*alive) EndEditing(false);
}

void TcbBarComboControl::Commit() {
    TcbBarCustomCombo* combo = ListCombo();
    const std::string text = GetText();
    const auto alive = AliveToken();
    TCustomcbBarComboControl::Commit();
    if (!*alive || !combo) return;
    const int count = static_cast<int>(combo->Items().size());
    if (m_currentIndex >= 0 && m_currentIndex < count && combo->ItemIndex() != m_currentIndex &&
        combo->Items()[static_cast<std::size_t>(m_currentIndex)] == text)
        combo->SetItemIndex(m_currentIndex);
}

void TcbBarComboControl::FieldChanged() {
    if (TcbBarCustomCombo* combo = ListCombo()) combo->SyncList(*this, GetText());
}

// ---- registration ---------------------------------------------------------------------

void RegisterEditItemClasses(TcbBarItemClassRegistry& registry) {
    registry.RegisterBarItemClass<TcbBarEdit>(ControlFactory<TcbBarEditControl>(), true);
    registry.RegisterBarItemClass<TCustomcbBarCombo>(ControlFactory<TCustomcbBarComboControl>(), true);
    registry.RegisterBarItemClass<TcbBarCombo>(ControlFactory<TcbBarComboControl>(), true);
}

}  // namespace bars
