#pragma once

namespace platform {
class IClock;
class IMessages;
class IShellOpen;
class IProcess;
class PathResolver;
class RandomGenerator;
}  // namespace platform

namespace engine {

// The platform services the engine calls. The program wires the real ones;
// tests wire doubles (tests/support/fake_services.h).
struct Services {
    platform::IClock* clock = nullptr;
    platform::RandomGenerator* random = nullptr;
    platform::IMessages* messages = nullptr;
    platform::IShellOpen* shell = nullptr;
    platform::IProcess* process = nullptr;
    const platform::PathResolver* paths = nullptr;
};

}  // namespace engine
