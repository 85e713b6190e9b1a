#pragma once

namespace platform {
class IClock;
class IMessages;
class IShellOpen;
class IProcess;
class PathResolver;
class RandomGenerator;
class IResourceLibrary;
class ISoundPlayer;
class ICursorTable;
class IFontCatalog;
}  // namespace platform

namespace engine {

class IAdviceBox;

// The platform services the engine calls. The program wires the real ones;
// tests wire doubles (tests/support/fake_services.h).
struct Services {
    platform::IClock* clock = nullptr;
    platform::RandomGenerator* random = nullptr;
    platform::IMessages* messages = nullptr;
    platform::IShellOpen* shell = nullptr;
    platform::IProcess* process = nullptr;
    const platform::PathResolver* paths = nullptr;
    // The card resource library object; the engine uses it once the loader has opened it.
    platform::IResourceLibrary* resources = nullptr;
    platform::ISoundPlayer* sound = nullptr;
    platform::ICursorTable* cursors = nullptr;
    platform::IFontCatalog* fonts = nullptr;
    IAdviceBox* advice = nullptr;  // the dismissable hint box (engine/advice.h)
};

}  // namespace engine
