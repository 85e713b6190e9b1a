#include "bars/extended/bar_spin_edit.h"

#include "bars/extended/spin_edit_control.h"
#include "bars/links/item_link.h"

namespace bars {

TcbBarSpinEdit::TcbBarSpinEdit(TcbBarManager* manager, QWidget* owner) : TcbBarEdit(manager, owner) {
    TcbBarEdit::SetText("0");
}

double TcbBarSpinEdit::Value() const { return ValueOf(Text()); }

void TcbBarSpinEdit::SetValue(double value) {
    value = Limited(value);
    if (value != Value()) SetText(SpinDisplayText(value, m_format));
}

void TcbBarSpinEdit::SetText(const std::string& value) {
    const double number = ReadAnyNumber(WithoutPrefix(value, m_format.prefix)).value_or(Value());
    TcbBarEdit::SetText(SpinDisplayText(Limited(number), m_format));
}

TcbBarSpinEditControl* TcbBarSpinEdit::OpenControl() const {
    TcbBarSpinEditControl* open = nullptr;
    ForEachControl([&](TcbBarItemLink&, TcbBarItemControl& control) {
        auto* spin = dynamic_cast<TcbBarSpinEditControl*>(&control);
        if (spin && spin->Focused() && !open) open = spin;
    });
    return open;
}

double TcbBarSpinEdit::FieldValue() const {
    const TcbBarSpinEditControl* open = OpenControl();
    return open ? ValueOf(open->GetText()) : Value();
}

void TcbBarSpinEdit::SetFieldValue(double value) {
    value = Limited(value);
    if (value == FieldValue()) return;
    if (TcbBarSpinEditControl* open = OpenControl())
        open->SetText(SpinDisplayText(value, m_format));
    else
        SetText(SpinDisplayText(value, m_format));
}

void TcbBarSpinEdit::SetIncrement(double value) {
    value = MakeWhole(value, ValueType());
    if (ValueType() == svtInteger ? value < 1 : value <= 0) value = 1;
    m_increment = value;
}

void TcbBarSpinEdit::SetMinValue(double value) {
    value = MakeWhole(value, ValueType());
    if (value == m_minValue) return;
    m_minValue = value;
    if (m_maxValue < m_minValue) m_maxValue = m_minValue;
    LimitsChanged();
}

void TcbBarSpinEdit::SetMaxValue(double value) {
    value = MakeWhole(value, ValueType());
    if (value == m_maxValue) return;
    m_maxValue = value;
    if (m_minValue > m_maxValue) m_minValue = m_maxValue;
    LimitsChanged();
}

void TcbBarSpinEdit::LimitsChanged() {
    SetValue(Value());
    SetFieldValue(FieldValue());
}

void TcbBarSpinEdit::SetValueType(TcbBarSpinEditValueType value) {
    if (value == ValueType()) return;
    const double remembered = Value();
    const double rememberedField = FieldValue();
    m_format.valueType = value;
    if (value == svtFloat) return;
    SetIncrement(m_increment);
    SetMinValue(m_minValue);
    SetMaxValue(m_maxValue);
    SetValue(remembered);
    SetFieldValue(rememberedField);
}

void TcbBarSpinEdit::SetPrefix(const std::string& value) {
    const double value0 = Value();
    m_format.prefix = value;
    TcbBarEdit::SetText(SpinDisplayText(value0, m_format));
}

void TcbBarSpinEdit::SetPrefixPlace(TcbBarSpinEditPrefixPlace value) {
    const double value0 = Value();
    m_format.prefixPlace = value;
    TcbBarEdit::SetText(SpinDisplayText(value0, m_format));
}

void TcbBarSpinEdit::Step(TcbBarSpinEditButton button) {
    if (button == sbNone) return;
    SetFieldValue(FieldValue() + (button == sbUp ? m_increment : -m_increment));
    if (OnButtonClick) OnButtonClick(*this, button);
}

bool TcbBarSpinEdit::AcceptsChar(char c) const {
    if ((c >= '0' && c <= '9') || c == '\b') return true;
    if (c == '-') return m_minValue < 0;
    if (c == '.') return ValueType() == svtFloat;
    return false;
}

}  // namespace bars
