#include "bars/services/bar_window_chain.h"

namespace bars {

LiveBarWindows& LiveBarWindows::Instance() {
    static LiveBarWindows windows;
    return windows;
}

}  // namespace bars
