#pragma once

#include "bars/edits/bar_custom_combo.h"
#include "bars/edits/edit_controls.h"
#include "bars/extended/colour_table.h"
#include "platform/core/system_colours.h"

namespace bars {

// A colour picker: the sixteen colours (an automatic entry first when shown), "(custom)"
// for any other colour, and the colour dialog through a click, Ctrl+Enter or the
// custom-colour button.
class TcbBarColorCombo : public TcbBarCustomCombo {
public:
    static constexpr const char* kClassName = "TcbBarColorCombo";
    static constexpr int kSwatchIndent = 30;

    TcbBarColorCombo(TcbBarManager* manager, QWidget* owner);

    platform::Colour AutoColor() const { return m_entries.autoColour; }
    void SetAutoColor(platform::Colour value);
    const std::string& AutoColorText() const { return m_autoColorText; }
    void SetAutoColorText(const std::string& value);
    platform::Colour Color() const { return m_color; }
    void SetColor(platform::Colour value);
    const std::string& CustomColorText() const { return m_customColorText; }
    void SetCustomColorText(const std::string& value);
    bool ShowAutoColor() const { return m_entries.showAuto; }
    void SetShowAutoColor(bool value);
    bool ShowCustomColorButton() const { return m_showCustomColorButton; }
    void SetShowCustomColorButton(bool value);
    platform::Colour EntryColour(int index) const { return m_entries.ColourOf(index, m_color); }

    void SetItemIndex(int value) override;
    // An entry's name (Enter in the open field commits it so) chooses that entry's colour
    // before OnChange.
    void SetText(const std::string& value) override;
    void DrawItem(platform::Canvas& canvas, int index, const platform::Rect& rect, unsigned state) override;
    void DoClick() override;
    // The custom-colour button or Ctrl+Enter: the dialog starts from this colour.
    void PressCustomButton(platform::Colour start);

private:
    void FillEntries();

    ColourEntries m_entries{false, platform::clWindowText};
    std::string m_autoColorText;
    std::string m_customColorText;
    platform::Colour m_color = 0;
    bool m_showCustomColorButton = false;
    bool m_customButton = false;
    platform::Colour m_customStart = 0;
    bool m_settingColor = false;
};

class TcbBarColorComboControl : public TcbBarComboControl {
public:
    explicit TcbBarColorComboControl(TcbBarItemLink& link);

    TcbBarColorCombo* ColorCombo() const;
    void Draw(platform::Canvas& canvas, const platform::Rect& rect, int place) override;
    void BeforeClick(bool byMouse) override;
    bool IsSelected() const override;
    // The button's rectangle of the last drawing; empty while none shows.
    const platform::Rect& CustomButtonRect() const { return m_customRect; }
    void CustomButtonPress();

protected:
    bool ControlKeyDown(int key, unsigned shift) override;

private:
    platform::Rect m_customRect;
};

// The custom-colour button's strip width for a field of height h; 0 when the field is too
// narrow for it.
int CustomColourButtonWidth(const platform::Rect& field);

}  // namespace bars
