#include "bars/extended/bar_color_combo.h"

#include "bars/extended/extended_dialogs.h"
#include "bars/extended/extended_support.h"
#include "bars/extended/item_glyphs.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/bar_strings.h"
#include "platform/core/system_colours.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/canvas.h"
#include "platform/qt/classic_draw.h"

#include <algorithm>

namespace bars {

namespace {
constexpr int kSixteen = 16;

std::string String(int id) { return std::string(platform::BarString(id)); }

// Clears a flag when the scope ends, however it ends.
class FlagReset {
public:
    explicit FlagReset(bool& flag) : m_flag(flag) {}
    ~FlagReset() { m_flag = false; }
    FlagReset(const FlagReset&) = delete;
    FlagReset& operator=(const FlagReset&) = delete;

private:
    bool& m_flag;
};
}  // namespace

TcbBarColorCombo::TcbBarColorCombo(TcbBarManager* manager, QWidget* owner)
    : TcbBarCustomCombo(manager, owner),
      m_autoColorText(String(platform::bar_string::kAutomaticColour)),
      m_customColorText(String(platform::bar_string::kCustomColour)) {
    SetGlyph(ItemGlyph("CBBARCOLORCOMBO"));
    SetShowEditor(false);
    SetDropDownCount(kSixteen);
    FillEntries();
    TcbBarCustomCombo::SetItemIndex(0);
}

void TcbBarColorCombo::FillEntries() {
    std::vector<std::string> names;
    if (m_entries.showAuto) names.push_back(m_autoColorText);
    for (int i = 0; i < kSixteen; ++i) names.push_back(ComboColourName(i));
    m_settingColor = true;
    FlagReset reset(m_settingColor);
    SetItems(std::move(names));
    TcbBarCustomCombo::SetItemIndex(m_entries.IndexOf(m_color));
}

void TcbBarColorCombo::SetColor(platform::Colour value) {
    m_color = value;
    const int index = m_entries.IndexOf(value);
    if (index == ItemIndex() && index != -1) {
        RepaintControls();
        DoChange();
        return;
    }
    m_settingColor = true;
    FlagReset reset(m_settingColor);
    TcbBarCustomCombo::SetItemIndex(index);
    // "(custom)" is no entry text: the value shows through DrawItem.
    RepaintControls();
}

void TcbBarColorCombo::SetItemIndex(int value) {
    if (!m_settingColor) m_color = m_entries.ColourOf(value, m_color);
    TcbBarCustomCombo::SetItemIndex(value);
}

void TcbBarColorCombo::SetText(const std::string& value) {
    if (!m_settingColor) {
        const auto found = std::find(Items().begin(), Items().end(), value);
        if (found != Items().end()) m_color = m_entries.ColourOf(static_cast<int>(found - Items().begin()), m_color);
    }
    TcbBarCustomCombo::SetText(value);
}

void TcbBarColorCombo::SetAutoColor(platform::Colour value) {
    m_entries.autoColour = value;
    FillEntries();
}

void TcbBarColorCombo::SetAutoColorText(const std::string& value) {
    m_autoColorText = value;
    FillEntries();
}

void TcbBarColorCombo::SetCustomColorText(const std::string& value) {
    m_customColorText = value;
    RepaintControls();
}

void TcbBarColorCombo::SetShowAutoColor(bool value) {
    if (value == m_entries.showAuto) return;
    const int oldDefault = m_entries.Count();
    m_entries.showAuto = value;
    if (DropDownCount() == oldDefault) SetDropDownCount(m_entries.Count());
    FillEntries();
}

void TcbBarColorCombo::SetShowCustomColorButton(bool value) {
    if (value == m_showCustomColorButton) return;
    m_showCustomColorButton = value;
    RepaintControls();
}

void TcbBarColorCombo::DrawItem(platform::Canvas& canvas, int index, const platform::Rect& rect, unsigned state) {
    if (OnDrawItem) {
        OnDrawItem(*this, canvas, index, rect, state);
        return;
    }
    const platform::Colour text = FillListEntry(canvas, rect, (state & odsSelected) != 0);
    const bool entry = index >= 0 && index < m_entries.Count();
    if (entry || IsValidColour(m_color)) {
        const platform::Rect swatch{rect.left + 2, rect.top + 2, rect.left + kSwatchIndent - 4, rect.bottom - 2};
        FrameRectIn(canvas, swatch, text);
        const platform::Rect inner{swatch.left + 1, swatch.top + 1, swatch.right - 1, swatch.bottom - 1};
        FrameRectIn(canvas, inner, platform::SystemColour(platform::COLOR_BTNSHADOW));
        canvas.FillSolidRect({inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1},
                             ResolvedColour(entry ? m_entries.ColourOf(index, m_color) : m_color));
    }
    canvas.SetFontColour(text);
    const std::string name = entry ? Items()[static_cast<std::size_t>(index)] : m_customColorText;
    canvas.TextOut(rect.left + kSwatchIndent, rect.top + (rect.Height() - canvas.TextHeight("Qq")) / 2, name);
}

void TcbBarColorCombo::DoClick() {
    FlagReset reset(m_customButton);
    TcbBarCustomCombo::DoClick();
    if (OnClick || ReadOnly() || !Dialogs().chooseColour) return;
    platform::Colour colour = m_customButton ? m_customStart : m_color;
    if (Dialogs().chooseColour(colour)) SetColor(colour);
}

void TcbBarColorCombo::PressCustomButton(platform::Colour start) {
    m_customButton = true;
    m_customStart = start;
    FlagReset reset(m_customButton);
    DirectClick();
}

// ---- control --------------------------------------------------------------------------

int CustomColourButtonWidth(const platform::Rect& field) {
    const int width = (field.Height() - 4) / 7 * 7 + 4;
    return width > 0 && width < field.Width() / 2 ? width : 0;
}

TcbBarColorComboControl::TcbBarColorComboControl(TcbBarItemLink& link) : TcbBarComboControl(link) {}

TcbBarColorCombo* TcbBarColorComboControl::ColorCombo() const { return dynamic_cast<TcbBarColorCombo*>(Item()); }

bool TcbBarColorComboControl::IsSelected() const { return TcbBarComboControl::IsSelected() || ClickHold(); }

void TcbBarColorComboControl::Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) {
    const TcbBarColorCombo* combo = ColorCombo();
    const int width = combo && combo->ShowCustomColorButton() ? CustomColourButtonWidth(rect) : 0;
    m_customRect = {};
    if (width == 0) {
        TcbBarComboControl::Draw(canvas, rect, place);
        return;
    }
    TcbBarComboControl::Draw(canvas, {rect.left, rect.top, rect.right - width, rect.bottom}, place);
    const platform::Colour face = platform::SystemColour(platform::COLOR_BTNFACE);
    platform::Rect strip{rect.right - width, rect.top, rect.right, rect.bottom};
    FrameRectIn(canvas, strip, face);
    strip = {strip.left, strip.top + 1, strip.right, strip.bottom - 1};
    FrameRectIn(canvas, strip, face);
    m_customRect = {strip.left + 1, strip.top + 1, strip.right - 1, strip.bottom - 1};
    platform::Rect edge = m_customRect;
    if (IsSelected())
        platform::DrawEdge(canvas, edge, ClickHold() ? platform::BDR_SUNKENOUTER : platform::BDR_RAISEDINNER,
                           platform::BF_RECT);
    else
        FrameRectIn(canvas, edge, face);
    const platform::Rect inner{m_customRect.left + 1, m_customRect.top + 1, m_customRect.right - 1,
                               m_customRect.bottom - 1};
    canvas.FillSolidRect(inner, face);
    const int d = inner.Width() / 7;
    const int shift = ClickHold() ? 1 : 0;
    const auto dots = [&](int dx, int dy, platform::Colour colour) {
        for (int k : {1, 3, 5}) {
            const int x = inner.left + k * d + shift + dx, bottom = inner.bottom - d + shift + dy;
            canvas.FillSolidRect({x, bottom - d, x + d, bottom}, colour);
        }
    };
    if (GetEnabled()) {
        dots(0, 0, platform::SystemColour(platform::COLOR_BTNTEXT));
    } else {
        dots(1, 1, platform::SystemColour(platform::COLOR_BTNHIGHLIGHT));
        dots(0, 0, platform::SystemColour(platform::COLOR_BTNSHADOW));
    }
}

void TcbBarColorComboControl::CustomButtonPress() {
    TcbBarColorCombo* combo = ColorCombo();
    if (!combo) return;
    const int index = Focused() ? CurrentIndex() : combo->ItemIndex();
    const platform::Colour start = combo->EntryColour(index);
    TcbBarItemLink& source = Link().RepresentedLink();
    if (source.Collection()) source.Collection()->UseLink(source, true);
    TCustomcbBarControl* window = Window();
    const bool inMenu = window && window->IsMenu();
    const auto alive = AliveToken();
    if (inMenu)
        window->CloseAll();
    else
        SetClickHold(true);
    try {
        combo->PressCustomButton(start);
    } catch (...) {
        if (*alive) SetClickHold(false);
        throw;
    }
    if (*alive) SetClickHold(false);
}

void TcbBarColorComboControl::BeforeClick(bool byMouse) {
    if (byMouse && Window() && m_customRect.Contains(Window()->LastPress())) {
        CustomButtonPress();
        return;
    }
    TcbBarComboControl::BeforeClick(byMouse);
}

bool TcbBarColorComboControl::ControlKeyDown(int key, unsigned shift) {
    if (key == platform::VK_RETURN && shift == platform::kShiftCtrl) {
        CustomButtonPress();
        return true;
    }
    return TcbBarComboControl::ControlKeyDown(key, shift);
}

}  // namespace bars
