#include "tests/table/freecell_solver.h"

#include <string>

#include <gtest/gtest.h>

#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/state/game.h"
#include "engine/undo/undo_snapshot.h"
#include "tests/support/auto_player.h"
#include "tests/support/fake_services.h"
#include "tests/table/mouse_fixture.h"

namespace mouse_test {

std::vector<engine::PlayerAction> WinningMoves(const engine::Game& game, int budget) {
    test_support::FakeServices fake;
    engine::Game scratch(fake.Services());
    scratch.gameDef = game.gameDef;
    scratch.settings = game.settings;
    scratch.registers = game.registers;
    scratch.mainGame = game.mainGame;
    scratch.Cards() = game.board.cards;
    for (const engine::PileListId list : engine::kSnapshotListOrder) {
        for (int line = 0; line < engine::PileLineCount(list); ++line)
            scratch.Piles().SetPile(list, line, game.board.piles.Pile(list, line));
    }
    test_support::AutoPlayer player(scratch, budget);
    if (!player.Solve()) return {};
    return player.Path();
}

namespace {

// Where the card lies: its own place when it is a pile's top card, else its place within a
// tableau pile, with the cards above it left out.
bool FindDragPlace(TableRig& rig, int card, engine::TableRect& rect) {
    if (rig.Layout().FindCardPosition(card, rect)) return true;
    for (int t = 0; t < rig.G().gameDef[engine::words::kTableauCount]; ++t) {
        const std::string& pile = rig.Pile(engine::PileListId::kFila, t);
        for (int i = 0; i < engine::PileCardCount(pile); ++i) {
            if (engine::PileCardAt(pile, i) != card) continue;
            const std::string name =
                engine::PileName({engine::PileListId::kFila, t}, engine::PileNumberForm::kNoLeadingZero);
            const int above = engine::PileCardCount(pile) - 1 - i;
            const engine::TableRect top = rig.TopPlace(name, t);
            rect = {rig.Layout().CardX(name, t, above, false), rig.Layout().CardY(name, t, above, false),
                    rig.Layout().CardX(name, t, above, false) + (top.right - top.left),
                    rig.Layout().CardY(name, t, above, false) + (top.bottom - top.top)};
            return true;
        }
    }
    return false;
}

}  // namespace

bool PlayByDrags(TableRig& rig, const std::vector<engine::PlayerAction>& moves, const DragFn& drag) {
    for (const engine::PlayerAction& move : moves) {
        const std::optional<engine::PileRef> to = engine::ParsePileName(move.target);
        engine::TableRect from;
        if (move.kind != engine::ActionKind::kMove || !to || !FindDragPlace(rig, move.card, from)) {
            ADD_FAILURE() << "no drag for " << engine::ActionText(move);
            return false;
        }
        const engine::TableRect target = rig.TopPlace(move.target, to->line);
        drag(from, target.left, target.top);
        if (!engine::PileContains(engine::CardCodeText(move.card), rig.Pile(to->list, to->line))) {
            ADD_FAILURE() << engine::ActionText(move) << " did not land";
            return false;
        }
    }
    return true;
}

}  // namespace mouse_test
