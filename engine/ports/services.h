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
class ITableView;
class IShellPort;
class IStartupShell;
class IWindowItems;
class ITableGlobals;
class IHelpViewer;

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
    IAdviceBox* advice = nullptr;  // the dismissable hint box (engine/session/advice.h)
    ITableView* tableView = nullptr;  // redraws of the drawn table (engine/ports/table_port.h)
    IShellPort* shellPort = nullptr;  // the main window's labels, commands and panels (engine/ports/shell_port.h)
    IWindowItems* windowItems = nullptr;  // the main window's items by name (engine/ports/window_items.h)
    IStartupShell* startupShell = nullptr;  // the application at start-up (engine/ports/startup_shell.h)
    ITableGlobals* tableGlobals = nullptr;  // the card table's images and drag state (engine/ports/table_globals.h)
    IHelpViewer* help = nullptr;  // the application's help file (engine/ports/help_viewer.h)
};

}  // namespace engine
