#include "platform/core/process.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void ExitProcess::Terminate(int exitCode) {
    // A stop comes from deep inside the program: while the main window is still being made,
    // or in the middle of an event. Nothing may be torn down under the windows that are up,
    // so no exit handler or static destructor runs. Every file the program writes is complete
    // once its write returns (temporary file and rename); only buffered output is left to flush.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}  // namespace platform
