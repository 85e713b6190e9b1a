#pragma once

namespace platform {

// Ends the program. The real one exits; tests record the request instead.
class IProcess {
public:
    virtual ~IProcess() = default;
    virtual void Terminate(int exitCode) = 0;
};

// Ends the process at once with the exit status, without returning to the caller and
// without running exit handlers or static destructors.
class ExitProcess : public IProcess {
public:
    [[noreturn]] void Terminate(int exitCode) override;
};

}  // namespace platform
