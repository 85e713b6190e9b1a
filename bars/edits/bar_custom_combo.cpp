#include "bars/edits/bar_custom_combo.h"

#include "bars/controls/bar_window.h"
#include "bars/edits/edit_controls.h"
#include "bars/links/item_link.h"
#include "bars/manager/bar_manager.h"
#include "bars/services/captions.h"
#include "platform/core/ascii_case.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"

#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace bars {

bool ReaderLess(const std::string& a, const std::string& b) {
    return QString::localeAwareCompare(QString::fromStdString(a).toCaseFolded(),
                                       QString::fromStdString(b).toCaseFolded()) < 0;
}

TcbBarCustomCombo::TcbBarCustomCombo(TcbBarManager* manager, QWidget* owner) : TCustomcbBarCombo(manager, owner) {}

TcbBarCustomCombo::~TcbBarCustomCombo() = default;

void TcbBarCustomCombo::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    if (m_sorted) std::stable_sort(m_items.begin(), m_items.end(), ReaderLess);
    ItemsChanged();
}

void TcbBarCustomCombo::AddItem(const std::string& entry) {
    std::vector<std::string> items = m_items;
    items.push_back(entry);
    SetItems(std::move(items));
}

void TcbBarCustomCombo::ItemsChanged() {
    if (InRange(m_itemIndex) || m_itemIndex == -1)
        RepaintControls();
    else
        SetItemIndex(-1);
}

void TcbBarCustomCombo::SetItemIndex(int value) {
    if (!InRange(value)) value = -1;
    m_itemIndex = value;
    const std::string text = EntryText(value);
    if (text == Text()) {
        RepaintControls();
        DoChange();
    } else {
        SetText(text);
    }
}

void TcbBarCustomCombo::SetText(const std::string& value) {
    if (value != EntryText(m_itemIndex)) {
        const auto found = std::find(m_items.begin(), m_items.end(), value);
        m_itemIndex = found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
    }
    TCustomcbBarCombo::SetText(value);
}

void TcbBarCustomCombo::SetSorted(bool value) {
    if (value == m_sorted) return;
    m_sorted = value;
    if (!value) return;
    std::stable_sort(m_items.begin(), m_items.end(), ReaderLess);
    const auto found = std::find(m_items.begin(), m_items.end(), Text());
    m_itemIndex = found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
    RepaintControls();
}

bool TcbBarCustomCombo::CheckKeyForDropDownWindow(int key, unsigned shift) {
    const bool walking = key == platform::VK_UP || key == platform::VK_DOWN || key == platform::VK_PRIOR ||
                         key == platform::VK_NEXT;
    return walking && shift == platform::kShiftNone;
}

void TcbBarCustomCombo::DrawValue(platform::Canvas& canvas, const platform::Rect& rect, const TcbBarWinControl* control) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const auto* combo = dynamic_cast<const TcbBarComboControl*>(control);
    const int index = combo && combo->Focused() ? combo->CurrentIndex() : m_itemIndex;
    // Drawn apart and copied in: whatever an entry draws stays off the arrow and the frame.
    QImage value(rect.Width(), rect.Height(), QImage::Format_RGB32);
    platform::Canvas part(value);
    part.SetFont(canvas.Font());
    DrawItem(part, index, {0, 0, rect.Width(), rect.Height()}, 0);
    canvas.BlockCopy(rect.left, rect.top, rect.Width(), rect.Height(), value, 0, 0);
}

IComboDropDown* TcbBarCustomCombo::GetDropDownWindow() {
    IComboDropDown* window = TCustomcbBarCombo::GetDropDownWindow();
    return window ? window : &m_list;
}

void TcbBarCustomCombo::DropDown(platform::Point screen, const DropDownAnchor& anchor, TcbBarWinControl* control) {
    m_list.SetEntries(m_items);
    int height = 4;
    const int shown = std::min(static_cast<int>(m_items.size()), m_dropDownCount);
    for (int i = 0; i < shown; ++i) {
        int h = 0;
        MeasureItem(i, h);
        height += h;
    }
    m_list.SetWindowSize({GetDropDownWidth(anchor.control.width), height});
    m_list.SetOwnerWindow(control ? dynamic_cast<QWidget*>(control->BarWindow()) : nullptr);
    TCustomcbBarCombo::DropDown(screen, anchor, control);
    if (auto* combo = dynamic_cast<TcbBarComboControl*>(control)) SyncList(*combo, combo->GetText());
    if (QGuiApplication::mouseButtons() & Qt::LeftButton) GetDropDownWindow()->TrackMouse();
}

int TcbBarCustomCombo::GetDropDownWidth(int controlWidth) {
    if (m_dropDownWidth >= 1) return m_dropDownWidth;
    const bool scrolls = static_cast<int>(m_items.size()) > m_dropDownCount;
    const int scrollBar = scrolls ? platform::SystemMetric(platform::SM_CXVSCROLL) : 0;
    int width = controlWidth - 4 - scrollBar;
    for (int i = 0; i < static_cast<int>(m_items.size()); ++i) {
        int w = 0;
        MeasureItemWidth(i, w);
        width = std::max(width, w);
    }
    return width + 4 + scrollBar;
}

namespace {
platform::Size MeasureText(const TcbBarManager* manager, const std::string& text) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(scratch);
    if (manager) canvas.SetFont(manager->BarFont());
    return canvas.TextExtent(text);
}
}  // namespace

void TcbBarCustomCombo::MeasureItem(int index, int& height) {
    height = m_itemHeight >= 1 ? m_itemHeight : MeasureText(BarManager(), "Qq").height;
    if (OnMeasureItem) OnMeasureItem(*this, index, height);
}

void TcbBarCustomCombo::MeasureItemWidth(int index, int& width) {
    width = MeasureText(BarManager(), EntryText(index)).width + 2;
}

void TcbBarCustomCombo::DrawItem(platform::Canvas& canvas, int index, const platform::Rect& rect, unsigned state) {
    if (OnDrawItem) {
        OnDrawItem(*this, canvas, index, rect, state);
        return;
    }
    const bool selected = (state & odsSelected) != 0;
    canvas.FillSolidRect(rect, platform::SystemColour(selected ? platform::COLOR_HIGHLIGHT : platform::COLOR_WINDOW));
    canvas.SetBrushStyle(platform::BrushStyle::Clear);
    canvas.SetFontColour(platform::SystemColour(selected ? platform::COLOR_HIGHLIGHTTEXT : platform::COLOR_WINDOWTEXT));
    const std::string text = FitText(canvas, index == -1 ? Text() : EntryText(index), rect.Width() - 1);
    canvas.TextOut(rect.left + 1, rect.top + (rect.Height() - canvas.TextHeight("Qq")) / 2, text);
    if (state & odsFocus) platform::DrawFocusRect(canvas, rect);
}

void TcbBarCustomCombo::SyncList(TcbBarComboControl& control, const std::string& fieldText) {
    int index = control.CurrentIndex();
    if (!(InRange(index) && m_items[static_cast<std::size_t>(index)] == fieldText)) {
        index = PrefixLookup(m_items, fieldText);
        control.SetCurrentIndex(index);
    }
    if (!control.DroppedDown()) return;
    if (InRange(index) && platform::EqualsIgnoreCase(m_items[static_cast<std::size_t>(index)], fieldText)) {
        m_list.SetSelected(index);
    } else {
        m_list.SetSelected(-1);
        m_list.ScrollTo(index);
    }
}

void TcbBarCustomCombo::ListSelected(int index) {
    if (!InRange(index)) return;
    ForEachControl([&](TcbBarItemLink&, TcbBarItemControl& control) {
        auto* combo = dynamic_cast<TcbBarComboControl*>(&control);
        if (!combo || !combo->DroppedDown()) return;
        combo->SetCurrentIndex(index);
        combo->SetText(m_items[static_cast<std::size_t>(index)]);
    });
}

void TcbBarCustomCombo::ListPicked(int index) {
    if (!InRange(index)) return;
    ListSelected(index);
    std::vector<std::pair<TcbBarComboControl*, std::shared_ptr<const bool>>> fields;
    ForEachControl([&](TcbBarItemLink&, TcbBarItemControl& control) {
        if (auto* combo = dynamic_cast<TcbBarComboControl*>(&control); combo && combo->DroppedDown())
            fields.emplace_back(combo, combo->AliveToken());
    });
    for (const auto& [field, alive] : fields)
        if (*alive) field->CloseOnChoice();
    SetItemIndex(index);
}

}  // namespace bars
