#pragma once

#include <stdexcept>

namespace platform {

// The toolbar and menu framework reports misuse (a manager without a form, a second
// manager on one form, a recursive sub item) with one of its string-table texts.
class BarError : public std::runtime_error {
public:
    explicit BarError(int stringId);
    int StringId() const { return m_stringId; }

private:
    int m_stringId;
};

}  // namespace platform
