#include "engine/startup/globals.h"

#include "engine/state/game.h"
#include "engine/ports/services.h"
#include "engine/ports/table_globals.h"
#include "platform/core/paths.h"
#include "platform/core/resource_library.h"

namespace engine {

std::unique_ptr<Game> CreateGlobals(const Services& services) {
    // The table object, the lists and the stores come into being with the game state.
    auto game = std::make_unique<Game>(services);
    if (services.tableGlobals != nullptr) services.tableGlobals->CreateTableGlobals();
    game->settings.InitSettingsBlock(services.paths != nullptr ? services.paths->ProgramFolderText() : std::string());
    return game;
}

void FreeGlobals(std::unique_ptr<Game>& game) {
    if (!game) return;
    const Services services = game->services;
    if (services.tableGlobals != nullptr) services.tableGlobals->FreeTableGlobals();
    game->settings.DoneSettingsBlock();
    game->mainGame.Done();
    // Nothing may reach the library through the media once it is closed.
    game->media.SetCardLibraryHandle(nullptr);
    game.reset();
    if (services.resources != nullptr) services.resources->Close();
}

}  // namespace engine
