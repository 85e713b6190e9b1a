#include "platform/core/process.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void ExitProcess::Terminate(int exitCode) {
    // Whatever was written so far reaches its destination; windows and the event loop are
    // simply left behind, as a program stopped at once leaves them.
    std::fflush(nullptr);
    std::exit(exitCode);
}

}  // namespace platform
