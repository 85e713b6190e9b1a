#include "platform/core/bar_error.h"

#include "platform/core/bar_strings.h"

#include <string>

namespace platform {

BarError::BarError(int stringId) : std::runtime_error(std::string(BarString(stringId))), m_stringId(stringId) {}

}  // namespace platform
