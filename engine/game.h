#pragma once

#include "engine/card_board.h"
#include "engine/deal_context.h"
#include "engine/game_record.h"
#include "engine/media.h"
#include "engine/pile_acceptance.h"
#include "engine/registers.h"
#include "engine/rule_context.h"
#include "engine/services.h"
#include "engine/settings_block.h"
#include "engine/status_context.h"
#include "engine/table_object.h"
#include "engine/table_view.h"
#include "engine/undo_store.h"

namespace engine {

// The one owner of the game's process-wide state: the settings block, the registers, the
// card table and pile lists, the table object, the current game's record, the undo store
// and the media front. The program makes one at start-up; a test makes a fresh one in a
// line, so no two tests share state. The services are the outer world: the ports of the
// table, the shell and the platform (any may be null where nothing is drawn or shown).
class Game {
public:
    explicit Game(const Services& services) : services(services) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Services services;
    SettingsBlock settings;
    Registers registers;
    CardBoard board;
    TMainGame mainGame;
    GameDefRecord gameDef;
    UndoStore undo{board.piles, gameDef, registers, mainGame, services};
    Media media{services, settings};
    // Whether the lifted stack is one card high (the table's CardHeight = DragHeight).
    LiftState lift{};

    CardTable& Cards() { return board.cards; }
    PileStore& Piles() { return board.piles; }

    // The narrower views that the rule, status and deal operations take.
    RuleContext Rules() const { return RuleContext{board.piles, gameDef, registers, lift, services.messages}; }
    DropContext Drops() { return DropContext{Rules(), mainGame}; }
    StatusContext Status() {
        return StatusContext{settings, gameDef, board.piles, mainGame, registers, services, services.tableView};
    }
    DealContext Deal();
};

}  // namespace engine
