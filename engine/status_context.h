#pragma once

#include "engine/game_record.h"
#include "engine/pile_store.h"
#include "engine/registers.h"
#include "engine/services.h"
#include "engine/settings_block.h"
#include "engine/table_object.h"

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
