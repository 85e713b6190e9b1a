#include "bars/extended/bar_spin_edit.h"

#include "bars/links/item_link.h"

#include <QLocale>

#include <cmath>

namespace bars {

char LocaleDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    // A separator beyond ASCII cannot be typed into the field's character filter.
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? static_cast<char>(point.at(0).unicode()) : '.';
}

TcbBarSpinEdit::TcbBarSpinEdit(TcbBarManager* manager, QWidget* owner) : TcbBarEdit(manager, owner) {
    TcbBarEdit::SetText("0");
}

double TcbBarSpinEdit::Value() const { return ValueOf(Text()); }

SpinNumberFormat TcbBarSpinEdit::Format() const {
    SpinNumberFormat format = m_format;
    format.decimalSeparator = LocaleDecimalSeparator();
    return format;
}

void TcbBarSpinEdit::SetValue(double value) {
    // Infinities and NaN are no value: refused.
    if (!std::isfinite(value)) return;
    value = Limited(value);
    if (value != Value()) SetText(SpinDisplayText(value, Format()));
}

void TcbBarSpinEdit::SetText(const std::string& value) {
    const double number = ReadAnyNumber(WithoutPrefix(value, m_format.prefix), LocaleDecimalSeparator()).value_or(Value());
    TcbBarEdit::SetText(SpinDisplayText(Limited(number), Format()));
}

double TcbBarSpinEdit::FieldValue() const { return ValueOf(CurText()); }

void TcbBarSpinEdit::SetFieldValue(double value) {
    if (!std::isfinite(value)) return;
    value = Limited(value);
    if (value != FieldValue()) SetCurText(SpinDisplayText(value, Format()));
}

void TcbBarSpinEdit::SetIncrement(double value) {
    if (!std::isfinite(value)) return;
    value = MakeWhole(value, ValueType());
    if (ValueType() == svtInteger ? value < 1 : value <= 0) value = 1;
    m_increment = value;
}

void TcbBarSpinEdit::SetMinValue(double value) {
    if (!std::isfinite(value)) return;
    value = MakeWhole(value, ValueType());
    if (value == m_minValue) return;
    m_minValue = value;
    if (m_maxValue < m_minValue) m_maxValue = m_minValue;
    LimitsChanged();
}

void TcbBarSpinEdit::SetMaxValue(double value) {
    if (!std::isfinite(value)) return;
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
    TcbBarEdit::SetText(SpinDisplayText(value0, Format()));
}

void TcbBarSpinEdit::SetPrefixPlace(TcbBarSpinEditPrefixPlace value) {
    const double value0 = Value();
    m_format.prefixPlace = value;
    TcbBarEdit::SetText(SpinDisplayText(value0, Format()));
}

void TcbBarSpinEdit::Step(TcbBarSpinEditButton button) {
    if (button == sbNone) return;
    SetFieldValue(FieldValue() + (button == sbUp ? m_increment : -m_increment));
    if (OnButtonClick) OnButtonClick(*this, button);
}

bool TcbBarSpinEdit::AcceptsChar(char c) const {
    if ((c >= '0' && c <= '9') || c == '\b') return true;
    if (c == '-') return m_minValue < 0;
    if (c == LocaleDecimalSeparator()) return ValueType() == svtFloat;
    return false;
}

}  // namespace bars
