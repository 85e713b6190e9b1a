#pragma once

#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/registers.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"

namespace engine {

class IStatusView;

// The state the score, clock and status operations read and write. The main window is
// reached through services.shellPort and the drawn table through view; either may be
// null, which shows and draws nothing.
struct StatusContext {
    SettingsBlock& settings;
    const GameDefRecord& game;
    const PileStore& piles;
    TMainGame& table;
    Registers& registers;
    const Services& services;
    IStatusView* view = nullptr;
};

}  // namespace engine
