#include "engine/play/selection_play.h"

#include <optional>
#include <string>
#include <string_view>

#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/play/face_up.h"
#include "engine/state/game.h"
#include "engine/play/end_game.h"
#include "engine/play/pairing.h"
#include "engine/play/selection_rules.h"
#include "engine/rules/pile_sequences.h"
#include "engine/model/pile_text.h"
#include "engine/ports/shell_port.h"
#include "engine/base/system_utils.h"
#include "engine/undo/undo_move_group.h"

namespace engine {

namespace {

// Kind 41 refuses a press on an empty foundation.
constexpr int kKindFoundationsCount = 41;
// Kind 47 keeps its pair in the order pressed; kind 48 fills the tableau instead of removing.
constexpr int kKindPairsApart = 47;
constexpr int kKindFillsTableau = 48;

constexpr int kDealCard = 7;
constexpr unsigned kDefaultBeep = 0;

constexpr PileRef kSelectionRef{PileListId::kDest, kSelectionLine};

void Beep(Game& game) {
    if (game.services.messages != nullptr) SystemBeep(*game.services.messages, kDefaultBeep);
}

void RunStockPress(Game& game, SelectionStockPress stock) {
    UndoMoveGroup group(game.undo);
    switch (stock) {
    case SelectionStockPress::kMonteCarlo:
        ExecuteAction(game, kNoCard, "Stock_To_Pile_Monte_Carlo");
        break;
    case SelectionStockPress::kAddTableaus:
        ExecuteAction(game, kDealCard, "Add_Tableaus");
        break;
    case SelectionStockPress::kClearThenAddTableaus:
        game.Piles().SetPile(kSelectionRef, std::string());
        ExecuteAction(game, kNoCard, "Add_Tableaus");
        break;
    case SelectionStockPress::kNone:
        break;
    }
}

// The complete selection is taken off the table (kind 48: the tableau gaps are filled)
// while clicks and keys are swallowed, as one undo step; a won game then ends.
void CompleteSelection(Game& game, int kind) {
    IShellPort* shell = game.services.shellPort;
    if (shell != nullptr) shell->InstallMessageFilter(MessageFilter::kSwallowInput);
    {
        UndoMoveGroup group(game.undo);
        if (kind != kKindFillsTableau)
            ExecuteAction(game, kNoCard, "Selezionate_Dest");
        else if (game.mainGame.CloseRequested != 1)
            ExecuteAction(game, kNoCard, "Selezionate_Fila");
    }
    if (game.registers.GetFlag(flag::kGameWon) != 0) EndGame(game);
    if (shell != nullptr) shell->RestoreMessageHandler();
}

// What the kind's rule needs to know of the card besides the selection.
SelectionCheck CheckOf(Game& game, int card, bool onTableau) {
    const std::string& selection = game.Piles().Pile(kSelectionRef);
    const RuleContext rules = game.Rules();
    SelectionCheck check;
    check.card = card;
    check.tally = TallySelection(selection);
    check.selectionSum = game.gameDef[words::kSelectionSum];
    check.coveredTableauCard = onTableau && !IsTopCard(rules, card);
    check.faceDown = game.Cards().IsFaceDown(card);
    check.firstCardPile = board::Locate(rules, PileCardAt(selection, 0));
    check.cardPile = board::Locate(rules, card);
    return check;
}

// Puts the card into the selection line, or takes it out when it is there already.
// Membership is read a whole card code at a time: "101201" holds 101 and 201, not 12.
bool ToggleSelection(Game& game, int card) {
    PileStore& piles = game.Piles();
    if (PileContains(CardCodeText(card), piles.Pile(kSelectionRef))) {
        piles.FindCardInPile(kSelectionRef.list, kSelectionRef.line, card, FindMode::kDelete);
        return false;
    }
    piles.AddCardToPile(kSelectionRef.list, kSelectionRef.line, card, {});
    return true;
}

void Highlight(Game& game, const TableRect& rect) {
    if (ITableView* view = game.services.tableView) {
        view->HighlightCard(TableSurface::kWindow, rect);
        view->HighlightCard(TableSurface::kBuffer, rect);
    }
}

void SelectCard(Game& game, const SelectionKindRule& rule, int card, const TableRect& rect, bool onTableau) {
    const std::string before = game.Piles().Pile(kSelectionRef);
    const bool wasFirst = PileCardCount(before) > 0 && PileCardAt(before, 0) == card;
    const bool added = ToggleSelection(game, card);
    const SelectionCheck check = CheckOf(game, card, onTableau);
    // A card taken out is never refused: its highlight must go with it.
    if (added && rule.refuses(check)) {
        Beep(game);
        game.Piles().FindCardInPile(kSelectionRef.list, kSelectionRef.line, card, FindMode::kDelete);
        return;
    }
    const bool isFirst = added ? check.tally.count == 1 : wasFirst;
    if (rule.highlightsFirstCard || !isFirst) Highlight(game, rect);
    if (!rule.completes(check)) return;
    if (rule.kind == kKindPairsApart) {
        const std::string& selection = game.Piles().Pile(kSelectionRef);
        game.Piles().SetPile(kSelectionRef, CardCodeText(PileCardAt(selection, 0)) +
                                                CardCodeText(PileCardAt(selection, 1)));
    }
    CompleteSelection(game, rule.kind);
}

}  // namespace

void SelectionGamePress(Game& game, bool left, std::string_view name, int card, const TableRect& rect) {
    const int kind = game.gameDef[words::kGameKind];
    if (!PassesSelectionGate(kind, left, name)) return;
    const SelectionKindRule& rule = SelectionRuleOf(kind);
    if (name == kStockName && rule.stock != SelectionStockPress::kNone) {
        RunStockPress(game, rule.stock);
        return;
    }

    const std::optional<PileRef> pile = ParsePileName(name);
    if (card < kFirstCard) {
        if (kind == kKindFoundationsCount && pile && pile->list == PileListId::kDest) Beep(game);
        return;
    }
    const bool onTableau = pile && pile->list == PileListId::kFila;
    if (rule.turnsFaceDownTop && left && onTableau && game.Cards().IsFaceDown(card) &&
        IsTopCard(game.Rules(), card)) {
        TurnCardFaceUp(game, card, rect.left, rect.top, pile->line);
        return;
    }
    if (!IsSelectablePlace(rule.places, name)) {
        if (rule.otherPilesDealToWaste && game.Piles().Pile(PileListId::kMazzo, kWasteLine).empty()) {
            UndoMoveGroup group(game.undo);
            ExecuteAction(game, card, kWasteName);
        }
        return;
    }
    SelectCard(game, rule, card, rect, onTableau);
}

}  // namespace engine
