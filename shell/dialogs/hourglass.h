#pragma once

#include "engine/ports/shell_port.h"

namespace shell {

// The hourglass over the program while it lives; the cursor that showed before comes back.
class Hourglass {
public:
    explicit Hourglass(engine::IShellPort* shell, bool show = true) : m_shell(show ? shell : nullptr) {
        if (m_shell == nullptr) return;
        m_previous = m_shell->CurrentCursor();
        m_shell->SetCursor(engine::kHourglassCursor);
    }
    ~Hourglass() {
        if (m_shell != nullptr) m_shell->SetCursor(m_previous);
    }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    engine::IShellPort* m_shell;
    int m_previous = engine::kDefaultCursor;
};

}  // namespace shell
