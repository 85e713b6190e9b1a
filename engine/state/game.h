#pragma once

#include "engine/model/card_board.h"
#include "engine/deal/deal_context.h"
#include "engine/model/game_record.h"
#include "engine/files/media.h"
#include "engine/rules/pile_acceptance.h"
#include "engine/model/registers.h"
#include "engine/rules/rule_context.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "engine/model/status_context.h"
#include "engine/model/table_object.h"
#include "engine/ports/table_port.h"
#include "engine/undo/undo_store.h"

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
