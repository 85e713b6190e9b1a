#include "engine/play/player_actions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "engine/play/action_executor.h"
#include "engine/play/autoplay.h"
#include "engine/play/card_moves.h"
#include "engine/play/end_game.h"
#include "engine/play/face_up.h"
#include "engine/play/pairing.h"
#include "engine/play/player_presses.h"
#include "engine/play/press_rules.h"
#include "engine/ports/geometry_port.h"
#include "engine/ports/table_port.h"
#include "engine/state/game.h"
#include "engine/rules/pile_acceptance.h"
#include "engine/model/board_measures.h"
#include "engine/model/pile_names.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_text.h"
#include "engine/undo/undo_move_group.h"
#include "engine/undo/undo_snapshot.h"
#include "engine/rules/win_rule.h"

namespace engine {

namespace {

constexpr std::string_view kStockText = "stock";
constexpr std::string_view kTurnUpText = "up ";
constexpr std::string_view kSelectText = "pick ";
constexpr std::string_view kDiscardText = "play ";
constexpr char kMoveMark = '>';
constexpr char kPairMark = '+';

const std::string& Line(const Game& game, PileListId list, int line) { return game.board.piles.Pile(list, line); }

int Word(const Game& game, int number) { return game.gameDef[number]; }

int TableauCount(const Game& game) { return TableauCountOf(game.gameDef); }
int ReserveCount(const Game& game) { return ReserveCountOf(game.gameDef); }
int FoundationCount(const Game& game) { return FoundationCountOf(game.gameDef); }

bool FaceUp(const Game& game, int card) { return card > 0 && !game.board.cards.IsFaceDown(card); }

// --- Drag moves -------------------------------------------------------------------------

struct Lift {
    int card;
    bool stack;
    PileRef from;
    int topCard;  // the lifted stack's top card, as the press notes it (0 for other piles)
};

// The cards of a tableau pile a left press lifts: its face-up top, or a face-up card with
// the cards above it (topOnly: the top card alone).
void TableauLifts(Game& game, int index, bool topOnly, std::vector<Lift>& lifts) {
    const std::string& pile = Line(game, PileListId::kFila, index);
    const int lowest = topOnly ? PileCardCount(pile) - 1 : 0;
    for (int i = PileCardCount(pile) - 1; i >= lowest; --i) {
        const int card = PileCardAt(pile, i);
        if (!FaceUp(game, card)) break;
        const TableauPress press = TableauCardPress(game, card, index, true);
        if (press != TableauPress::kLiftCard && press != TableauPress::kLiftStack) continue;
        lifts.push_back({card, press == TableauPress::kLiftStack, {PileListId::kFila, index}, game.mainGame.LiftedTopCard});
    }
}

void TopLift(Game& game, PileListId list, int index, std::vector<Lift>& lifts) {
    const int card = PileTopCard(Line(game, list, index));
    if (FaceUp(game, card)) lifts.push_back({card, false, {list, index}, 0});
}

// A reserve's top card, or every card of an open fan, from the top down.
void ReserveLifts(Game& game, int index, std::vector<Lift>& lifts) {
    const std::string& pile = Line(game, PileListId::kAppogg, index);
    for (int i = PileCardCount(pile) - 1; i >= 0; --i) {
        const int card = PileCardAt(pile, i);
        if (FaceUp(game, card) && LeftReservePress(game, card) != ReservePress::kNothing)
            lifts.push_back({card, false, {PileListId::kAppogg, index}, 0});
    }
}

std::vector<Lift> Lifts(Game& game, bool topsOnly) {
    std::vector<Lift> lifts;
    for (int t = 0; t < TableauCount(game); ++t) TableauLifts(game, t, topsOnly, lifts);
    for (int r = 0; r < ReserveCount(game); ++r) ReserveLifts(game, r, lifts);
    if (MayLiftFromWaste(game, PileTopCard(Line(game, PileListId::kMazzo, kWasteLine))))
        TopLift(game, PileListId::kMazzo, kWasteLine, lifts);
    for (int f = 0; f < FoundationCount(game); ++f) {
        if (MayLiftFromFoundation(game, f, PileTopCard(Line(game, PileListId::kDest, f))))
            TopLift(game, PileListId::kDest, f, lifts);
    }
    return lifts;
}

// The move code's names: "Dest1", "Fila12", "Appogg3". Made once: they are asked for
// every lifted card and every pile.
const std::string& TargetName(PileListId list, int index) {
    static const auto names = [] {
        std::array<std::vector<std::string>, kSnapshotListOrder.size()> all;
        for (const PileListId id : kSnapshotListOrder) {
            for (int line = 0; line < PileLineCount(id); ++line) {
                all[static_cast<std::size_t>(id)].push_back(
                    PileName({id, line}, PileNumberForm::kNoLeadingZero));
            }
        }
        return all;
    }();
    return names[static_cast<std::size_t>(list)][static_cast<std::size_t>(index)];
}

void DragMoves(Game& game, ActionScope scope, std::vector<PlayerAction>& actions) {
    std::vector<PileRef> targets;
    for (int f = 0; f < FoundationCount(game); ++f) targets.push_back({PileListId::kDest, f});
    if (scope == ActionScope::kAll) {
        for (int t = 0; t < TableauCount(game); ++t) targets.push_back({PileListId::kFila, t});
        for (int r = 0; r < ReserveCount(game); ++r) targets.push_back({PileListId::kAppogg, r});
    }
    // A foundation takes one card at a time.
    for (const Lift& lift : Lifts(game, scope != ActionScope::kAll)) {
        game.lift.singleCard = !lift.stack;
        game.mainGame.LiftedCard = static_cast<std::int16_t>(lift.card);
        game.mainGame.LiftedTopCard = static_cast<std::int16_t>(lift.topCard);
        for (const PileRef& target : targets) {
            if (target == lift.from) continue;
            DropContext drops = game.Drops();
            const std::string& name = TargetName(target.list, target.line);
            if (CanDropOnPile(drops, lift.card, name)) {
                actions.push_back({ActionKind::kMove, lift.card, 0, name, lift.stack});
            }
        }
    }
    game.lift.singleCard = true;
    game.mainGame.LiftedCard = 0;
    game.mainGame.LiftedTopCard = 0;
}

void TurnUps(Game& game, std::vector<PlayerAction>& actions) {
    for (int t = 0; t < TableauCount(game); ++t) {
        const int top = PileTopCard(Line(game, PileListId::kFila, t));
        if (top > 0 && TableauCardPress(game, top, t, true) == TableauPress::kTurnUp)
            actions.push_back({ActionKind::kTurnUp, top, 0, {}, false});
    }
}

// --- Carrying actions out -------------------------------------------------------------------

void TakeAction(Game& game, const PlayerAction& action) {
    switch (action.kind) {
        case ActionKind::kMove:
            game.lift.singleCard = !action.stack;
            game.mainGame.LiftedCard = static_cast<std::int16_t>(action.card);
            CanMoveSequence(game.Rules(), game.mainGame, action.card, false);
            ExecuteAction(game, action.card, action.target);
            game.lift.singleCard = true;
            game.mainGame.LiftedCard = 0;
            game.mainGame.LiftedTopCard = 0;
            break;
        case ActionKind::kStock: PressStock(game); break;
        case ActionKind::kTurnUp:
            for (int t = 0; t < TableauCount(game); ++t) {
                if (PileTopCard(Line(game, PileListId::kFila, t)) == action.card) {
                    TurnCardFaceUp(game, action.card, 0, 0, t);
                }
            }
            break;
        case ActionKind::kSelect: PressToSelect(game, action); break;
        case ActionKind::kDiscard: PressToDiscard(game, action.card); break;
    }
}

std::optional<int> ReadInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string ActionText(const PlayerAction& action) {
    switch (action.kind) {
        case ActionKind::kMove:
            return std::to_string(action.card) + (action.stack ? ">>" : ">") + action.target;
        case ActionKind::kStock: return std::string(kStockText);
        case ActionKind::kTurnUp: return std::string(kTurnUpText) + std::to_string(action.card);
        case ActionKind::kSelect:
            return std::string(kSelectText) + std::to_string(action.card) +
                   (action.second != 0 ? kPairMark + std::to_string(action.second) : std::string());
        case ActionKind::kDiscard: return std::string(kDiscardText) + std::to_string(action.card);
    }
    return {};
}

std::optional<PlayerAction> ParseAction(std::string_view text) {
    PlayerAction action;
    if (text == kStockText) {
        action.kind = ActionKind::kStock;
        return action;
    }
    const auto withPrefix = [&](std::string_view prefix, ActionKind kind) -> std::optional<PlayerAction> {
        const std::string_view rest = text.substr(prefix.size());
        const std::size_t plus = rest.find(kPairMark);
        const auto first = ReadInt(rest.substr(0, plus));
        if (!first) return std::nullopt;
        action.kind = kind;
        action.card = *first;
        if (plus != std::string_view::npos) {
            const auto second = ReadInt(rest.substr(plus + 1));
            if (!second || kind != ActionKind::kSelect) return std::nullopt;
            action.second = *second;
        }
        return action;
    };
    if (text.starts_with(kTurnUpText)) return withPrefix(kTurnUpText, ActionKind::kTurnUp);
    if (text.starts_with(kSelectText)) return withPrefix(kSelectText, ActionKind::kSelect);
    if (text.starts_with(kDiscardText)) return withPrefix(kDiscardText, ActionKind::kDiscard);
    const std::size_t mark = text.find(kMoveMark);
    if (mark == std::string_view::npos) return std::nullopt;
    const auto card = ReadInt(text.substr(0, mark));
    if (!card) return std::nullopt;
    action.card = *card;
    action.stack = text.substr(mark + 1).starts_with(kMoveMark);
    action.target = std::string(text.substr(mark + (action.stack ? 2 : 1)));
    if (!ParsePileName(action.target)) return std::nullopt;
    return action;
}

std::vector<PlayerAction> LegalActions(Game& game, ActionScope scope) {
    std::vector<PlayerAction> actions;
    if (game.registers.GetFlag(flag::kGameInProgress) == 0) return actions;
    if (IsPairingGame(game)) {
        AddPairSelections(game, scope != ActionScope::kAll, actions);
    } else if (PlaysOntoDiscard(Word(game, words::kGameKind))) {
        if (scope == ActionScope::kAll) AddDiscardPlays(game, actions);
    } else {
        TurnUps(game, actions);
        DragMoves(game, scope, actions);
    }
    if (scope == ActionScope::kAll && StockPressMoves(game)) actions.push_back({ActionKind::kStock, 0, 0, {}, false});
    return actions;
}

bool PerformAction(Game& game, const PlayerAction& action) {
    // The group leaves one step for a move that changed the board and none otherwise.
    const int steps = game.undo.UndoStepCount();
    {
        UndoMoveGroup group(game.undo);
        TakeAction(game, action);
        const bool over = game.registers.GetFlag(flag::kGameWon) != 0 ||
                          game.registers.GetFlag(flag::kGameInProgress) == 0;
        if (!over) FollowUpMoves(game);
    }
    return game.undo.UndoStepCount() > steps;
}

int PerformActionUngrouped(Game& game, const PlayerAction& action) {
    const int steps = game.undo.UndoStepCount();
    TakeAction(game, action);
    const bool over = game.registers.GetFlag(flag::kGameWon) != 0 ||
                      game.registers.GetFlag(flag::kGameInProgress) == 0;
    if (!over) FollowUpMoves(game);
    return game.undo.UndoStepCount() - steps;
}

bool PlayAction(Game& game, const PlayerAction& action) {
    const bool moved = PerformAction(game, action);
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

bool IsWonNow(const Game& game) {
    if (game.registers.GetFlag(flag::kGameWon) != 0) return true;
    return game.registers.GetFlag(flag::kGameInProgress) == 0 &&
           IsGameWon(game.board.piles, game.gameDef, game.settings);
}

}  // namespace engine
