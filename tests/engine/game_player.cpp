#include "tests/engine/game_player.h"

#include <algorithm>

#include "engine/play/action_executor.h"
#include "engine/play/autoplay.h"
#include "engine/play/card_moves.h"
#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/session/new_game.h"
#include "engine/play/pairing.h"
#include "engine/rules/pile_acceptance.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_text.h"
#include "engine/ports/table_port.h"
#include "engine/undo/undo_move_group.h"
#include "engine/undo/undo_snapshot.h"
#include "tests/engine/player_presses.h"

namespace engine::play_test {

namespace {

// FoundationTakeBack: 1 any foundation top comes back, 2 only from a foundation of two or more.
constexpr int kTakeBackAny = 1;
constexpr int kTakeBackAboveOne = 2;
constexpr std::string_view kDiscardAction = "Waste";
constexpr char kStackMark = '>';

struct Lift {
    int card;
    bool stack;
    PileRef from;
};

bool FaceUp(const Game& game, int card) {
    return card > 0 && !game.board.cards.IsFaceDown(card);
}

// The cards of a tableau pile the table would lift: the top card alone, or a face-up card
// whose stack above follows the pile's rule and may move together.
void TableauLifts(Game& game, int index, std::vector<Lift>& lifts) {
    const std::string& pile = game.Piles().Pile(PileListId::kFila, index);
    const int count = PileCardCount(pile);
    const RuleContext rules = game.Rules();
    for (int i = count - 1; i >= 0; --i) {
        const int card = PileCardAt(pile, i);
        if (!FaceUp(game, card)) break;
        const bool top = i == count - 1;
        if (!top && !IsValidSequence(rules, card, index)) break;
        if (!CanMoveSequence(rules, game.mainGame, card, false)) continue;
        lifts.push_back({card, !top, {PileListId::kFila, index}});
    }
}

void TopLift(Game& game, PileListId list, int index, std::vector<Lift>& lifts) {
    const std::string& pile = game.Piles().Pile(list, index);
    if (PileCardCount(pile) == 0) return;
    const int card = PileTopCard(pile);
    if (FaceUp(game, card)) lifts.push_back({card, false, {list, index}});
}

std::vector<Lift> Lifts(Game& game) {
    const RuleContext rules = game.Rules();
    std::vector<Lift> lifts;
    for (int t = 0; t < board::TableauCount(rules); ++t) TableauLifts(game, t, lifts);
    for (int r = 0; r < board::ReserveCount(rules); ++r) TopLift(game, PileListId::kAppogg, r, lifts);
    TopLift(game, PileListId::kMazzo, kWasteLine, lifts);
    const int takeBack = game.gameDef[words::kFoundationTakeBack];
    for (int f = 0; f < board::FoundationCount(rules); ++f) {
        const int held = PileCardCount(game.Piles().Pile(PileListId::kDest, f));
        if (takeBack == kTakeBackAny || (takeBack == kTakeBackAboveOne && held > 1)) {
            TopLift(game, PileListId::kDest, f, lifts);
        }
    }
    return lifts;
}

std::vector<PileRef> Targets(const Game& game) {
    const RuleContext rules = game.Rules();
    std::vector<PileRef> targets;
    for (int f = 0; f < board::FoundationCount(rules); ++f) targets.push_back({PileListId::kDest, f});
    for (int t = 0; t < board::TableauCount(rules); ++t) targets.push_back({PileListId::kFila, t});
    for (int r = 0; r < board::ReserveCount(rules); ++r) targets.push_back({PileListId::kAppogg, r});
    return targets;
}

}  // namespace

std::vector<PlayerMove> LegalMoves(Game& game) {
    std::vector<PlayerMove> moves;
    if (game.registers.GetFlag(flag::kGameInProgress) == 0) return moves;
    const std::vector<PileRef> targets = Targets(game);
    for (const Lift& lift : Lifts(game)) {
        game.lift.singleCard = !lift.stack;
        game.mainGame.LiftedCard = static_cast<std::int16_t>(lift.card);
        CanMoveSequence(game.Rules(), game.mainGame, lift.card, false);  // notes the stack's top
        for (const PileRef& target : targets) {
            if (target == lift.from) continue;
            DropContext drops = game.Drops();
            const std::string name = PileName(target);
            if (CanDropOnPile(drops, lift.card, name)) moves.push_back({lift.card, name, lift.stack, {}});
        }
    }
    game.lift.singleCard = true;
    game.mainGame.LiftedCard = 0;
    game.mainGame.LiftedTopCard = 0;
    for (const int card : DiscardPlays(game)) moves.push_back({card, std::string(kDiscardAction), false, {}});
    for (std::vector<int>& cards : PairingSelections(game)) {
        const int first = cards.front();
        moves.push_back({first, std::string(kPairSelection), false, std::move(cards)});
    }
    if (StockPressDoesSomething(game)) moves.push_back({0, std::string(kStockPress), false, {}});
    return moves;
}

bool MakeMove(Game& game, const PlayerMove& move) {
    UndoMoveGroup group(game.undo);
    game.lift.singleCard = !move.stack;
    bool moved = false;
    if (move.action == kStockPress || move.action == kPairSelection) {
        const SnapshotLines before = game.undo.CurrentSnapshot();
        if (move.action == kStockPress) {
            PressStock(game);
        } else {
            ClearPairingSelection(game);
            for (const int card : move.selection) ClickPairingCard(game, card);
        }
        moved = game.undo.CurrentSnapshot() != before;
    } else {
        moved = ExecuteAction(game, move.card, move.action);
    }
    game.lift.singleCard = true;
    game.mainGame.LiftedCard = 0;
    game.mainGame.LiftedTopCard = 0;
    if (moved && game.registers.GetFlag(flag::kGameWon) == 0) FollowUpMoves(game);
    return moved;
}

bool PlayMove(Game& game, const PlayerMove& move) {
    const bool moved = MakeMove(game, move);
    if (game.registers.GetFlag(flag::kGameWon) != 0) EndGame(game);
    return moved;
}

bool SendCard(Game& game, int card) {
    const IGeometry* geometry = game.services.tableView != nullptr ? game.services.tableView->Geometry() : nullptr;
    TableRect place;
    if (geometry == nullptr || !geometry->FindCardPosition(card, place)) return false;
    bool moved = false;
    {
        UndoMoveGroup group(game.undo);
        moved = AutoMoveCard(game, card, place.left, place.top, true, false, true, true, true, place.bottom,
                             place.right);
        if (moved && game.registers.GetFlag(flag::kGameWon) == 0) FollowUpMoves(game);
    }
    if (game.registers.GetFlag(flag::kGameWon) != 0) EndGame(game);
    return moved;
}

std::vector<int> BoardCodes(const Game& game) {
    std::vector<int> codes;
    const bool selection = KeepsSelectionInFoundation(game.gameDef);
    for (PileListId list : {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg}) {
        const PileList& lines = game.board.piles.List(list);
        for (std::size_t line = 0; line < lines.size(); ++line) {
            if (selection && list == PileListId::kDest && line == kSelectionLine) continue;
            for (int i = 0; i < PileCardCount(lines[line]); ++i) {
                const int card = PileCardAt(lines[line], i);
                if (card != 0) codes.push_back(card);
            }
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::string MoveText(const PlayerMove& move) {
    std::string text = std::to_string(move.card) + kStackMark;
    if (move.stack) text += kStackMark;
    return text + move.action;
}

PlayerMove ParseMove(const std::string& text) {
    PlayerMove move;
    const std::size_t mark = text.find(kStackMark);
    move.card = std::stoi(text.substr(0, mark));
    move.stack = mark + 1 < text.size() && text[mark + 1] == kStackMark;
    move.action = text.substr(mark + (move.stack ? 2 : 1));
    return move;
}

}  // namespace engine::play_test
