#include "table/mouse/selection_press.h"

#include <optional>
#include <string>
#include <string_view>

#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/play/face_up.h"
#include "engine/state/game.h"
#include "engine/session/new_game.h"
#include "engine/play/pairing.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_text.h"
#include "engine/ports/shell_port.h"
#include "engine/base/system_utils.h"
#include "engine/undo/undo_move_group.h"
#include "table/mouse/selection_rules.h"

namespace table {

namespace {

namespace words = engine::words;
using engine::PileListId;

// Kind 41 refuses a press on an empty foundation.
constexpr int kKindFoundationsCount = 41;
// Kind 47 keeps its pair in the order pressed; kind 48 fills the tableau instead of removing.
constexpr int kKindPairsApart = 47;
constexpr int kKindFillsTableau = 48;

constexpr int kDealCard = 7;
constexpr unsigned kDefaultBeep = 0;

constexpr engine::PileRef kSelectionRef{PileListId::kDest, engine::kSelectionLine};

void Beep(engine::Game& game) {
    if (game.services.messages != nullptr) engine::SystemBeep(*game.services.messages, kDefaultBeep);
}

void RunStockPress(engine::Game& game, SelectionStockPress stock) {
    engine::UndoMoveGroup group(game.undo);
    switch (stock) {
    case SelectionStockPress::kMonteCarlo:
        engine::ExecuteAction(game, engine::kNoCard, "Stock_To_Pile_Monte_Carlo");
        break;
    case SelectionStockPress::kAddTableaus:
        engine::ExecuteAction(game, kDealCard, "Add_Tableaus");
        break;
    case SelectionStockPress::kClearThenAddTableaus:
        game.Piles().SetPile(kSelectionRef, std::string());
        engine::ExecuteAction(game, engine::kNoCard, "Add_Tableaus");
        break;
    case SelectionStockPress::kNone:
        break;
    }
}

// The complete selection is taken off the table (kind 48: the tableau gaps are filled)
// while clicks and keys are swallowed, as one undo step; a won game then ends.
void CompleteSelection(engine::Game& game, int kind) {
    engine::IShellPort* shell = game.services.shellPort;
    if (shell != nullptr) shell->InstallMessageFilter(engine::MessageFilter::kSwallowInput);
    {
        engine::UndoMoveGroup group(game.undo);
        if (kind != kKindFillsTableau)
            engine::ExecuteAction(game, engine::kNoCard, "Selezionate_Dest");
        else if (game.mainGame.CloseRequested != 1)
            engine::ExecuteAction(game, engine::kNoCard, "Selezionate_Fila");
    }
    if (game.registers.GetFlag(engine::flag::kGameWon) != 0) engine::EndGame(game);
    if (shell != nullptr) shell->RestoreMessageHandler();
}

// What the kind's rule needs to know of the card besides the selection.
SelectionCheck CheckOf(engine::Game& game, int card, bool onTableau) {
    const std::string& selection = game.Piles().Pile(kSelectionRef);
    const engine::RuleContext rules = game.Rules();
    SelectionCheck check;
    check.card = card;
    check.tally = TallySelection(selection);
    check.selectionSum = game.gameDef[words::kSelectionSum];
    check.coveredTableauCard = onTableau && !engine::IsTopCard(rules, card);
    check.faceDown = game.Cards().IsFaceDown(card);
    check.firstCardPile = engine::board::Locate(rules, engine::PileCardAt(selection, 0));
    check.cardPile = engine::board::Locate(rules, card);
    return check;
}

// Puts the card into the selection line, or takes it out when it is there already.
// Membership is read a whole card code at a time: "101201" holds 101 and 201, not 12.
bool ToggleSelection(engine::Game& game, int card) {
    engine::PileStore& piles = game.Piles();
    if (engine::PileContains(engine::CardCodeText(card), piles.Pile(kSelectionRef))) {
        piles.FindCardInPile(kSelectionRef.list, kSelectionRef.line, card, engine::FindMode::kDelete);
        return false;
    }
    piles.AddCardToPile(kSelectionRef.list, kSelectionRef.line, card, {});
    return true;
}

void Highlight(engine::Game& game, const engine::TableRect& rect) {
    if (engine::ITableView* view = game.services.tableView) {
        view->HighlightCard(engine::TableSurface::kWindow, rect);
        view->HighlightCard(engine::TableSurface::kBuffer, rect);
    }
}

void SelectCard(engine::Game& game, const SelectionKindRule& rule, const TablePress& press, bool onTableau) {
    const int card = press.hit.card;
    const std::string before = game.Piles().Pile(kSelectionRef);
    const bool wasFirst = engine::PileCardCount(before) > 0 && engine::PileCardAt(before, 0) == card;
    const bool added = ToggleSelection(game, card);
    const SelectionCheck check = CheckOf(game, card, onTableau);
    // A card taken out is never refused: its highlight must go with it.
    if (added && rule.refuses(check)) {
        Beep(game);
        game.Piles().FindCardInPile(kSelectionRef.list, kSelectionRef.line, card, engine::FindMode::kDelete);
        return;
    }
    const bool isFirst = added ? check.tally.count == 1 : wasFirst;
    if (rule.highlightsFirstCard || !isFirst) Highlight(game, press.hit.rect);
    if (!rule.completes(check)) return;
    if (rule.kind == kKindPairsApart) {
        const std::string& selection = game.Piles().Pile(kSelectionRef);
        game.Piles().SetPile(kSelectionRef, engine::CardCodeText(engine::PileCardAt(selection, 0)) +
                                                engine::CardCodeText(engine::PileCardAt(selection, 1)));
    }
    CompleteSelection(game, rule.kind);
}

}  // namespace

void SelectionPress(MouseParts& parts, const TablePress& press) {
    engine::Game& game = parts.game;
    const int kind = game.gameDef[words::kGameKind];
    const std::string& name = press.hit.name;
    if (!PassesSelectionGate(kind, press.Left(), name)) return;
    const SelectionKindRule& rule = SelectionRuleOf(kind);
    if (name == engine::kStockName && rule.stock != SelectionStockPress::kNone) {
        RunStockPress(game, rule.stock);
        return;
    }

    const int card = press.hit.card;
    const std::optional<engine::PileRef> pile = engine::ParsePileName(name);
    if (card < engine::kFirstCard) {
        if (kind == kKindFoundationsCount && pile && pile->list == PileListId::kDest) Beep(game);
        return;
    }
    const bool onTableau = pile && pile->list == PileListId::kFila;
    if (rule.turnsFaceDownTop && press.Left() && onTableau && game.Cards().IsFaceDown(card) &&
        engine::IsTopCard(game.Rules(), card)) {
        engine::TurnCardFaceUp(game, card, press.hit.rect.left, press.hit.rect.top, pile->line);
        return;
    }
    if (!IsSelectablePlace(rule.places, name)) {
        if (rule.otherPilesDealToWaste && game.Piles().Pile(PileListId::kMazzo, engine::kWasteLine).empty()) {
            engine::UndoMoveGroup group(game.undo);
            engine::ExecuteAction(game, card, engine::kWasteName);
        }
        return;
    }
    SelectCard(game, rule, press, onTableau);
}

}  // namespace table
