#pragma once

namespace platform {

// Ends the program. The real one exits; tests record the request instead.
class IProcess {
public:
    virtual ~IProcess() = default;
    virtual void Terminate(int exitCode) = 0;
};

}  // namespace platform
