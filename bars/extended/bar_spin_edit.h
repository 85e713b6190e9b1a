#pragma once

#include "bars/edits/bar_edit.h"
#include "bars/extended/spin_value.h"

#include <functional>

namespace bars {

enum TcbBarSpinEditButton { sbNone, sbUp, sbDown };

// The decimal separator of the current locale ('.' when it is not a single ASCII character).
char LocaleDecimalSeparator();

// A numeric field with up and down buttons. The value lives in the text; limits of 0 and 0
// mean none.
class TcbBarSpinEdit : public TcbBarEdit {
public:
    static constexpr const char* kClassName = "TcbBarSpinEdit";
    using ButtonClickEvent = std::function<void(TcbBarSpinEdit& item, TcbBarSpinEditButton button)>;

    TcbBarSpinEdit(TcbBarManager* manager, QWidget* owner);

    double Value() const;
    void SetValue(double value);
    double MinValue() const { return m_minValue; }
    void SetMinValue(double value);
    double MaxValue() const { return m_maxValue; }
    void SetMaxValue(double value);
    double Increment() const { return m_increment; }
    void SetIncrement(double value);
    TcbBarSpinEditValueType ValueType() const { return m_format.valueType; }
    void SetValueType(TcbBarSpinEditValueType value);
    const std::string& Prefix() const { return m_format.prefix; }
    void SetPrefix(const std::string& value);
    TcbBarSpinEditPrefixPlace PrefixPlace() const { return m_format.prefixPlace; }
    void SetPrefixPlace(TcbBarSpinEditPrefixPlace value);
    void SetText(const std::string& value) override;

    // The open field's value while a control has it open, else Value.
    double FieldValue() const;
    void SetFieldValue(double value);
    // The buttons' step: the field's value plus or minus Increment, then OnButtonClick.
    void Step(TcbBarSpinEditButton button);
    // Whether a typed character may go into the field.
    bool AcceptsChar(char c) const;

    ButtonClickEvent OnButtonClick;

private:
    double Limited(double value) const { return ClampToLimits(MakeWhole(value, ValueType()), m_minValue, m_maxValue); }
    double ValueOf(const std::string& text) const { return SpinValueOfText(text, Format(), m_minValue); }
    // The number format with the locale's decimal separator as it is now.
    SpinNumberFormat Format() const;
    void LimitsChanged();

    SpinNumberFormat m_format;
    double m_minValue = 0;
    double m_maxValue = 0;
    double m_increment = 1;
};

}  // namespace bars
