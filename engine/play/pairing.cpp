#include "engine/play/pairing.h"

#include <string>
#include <string_view>

#include "engine/model/game_kinds.h"
#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/play/end_game.h"
#include "engine/model/pile_text.h"
#include "engine/ports/shell_port.h"
#include "engine/base/system_utils.h"
#include "engine/ports/table_port.h"
#include "engine/undo/undo_move_group.h"
#include "engine/model/board_measures.h"

namespace engine {

namespace {

// The selection never holds more than a pair.
constexpr int kMaxSelectedCards = 2;
constexpr int kSumOfKind3 = 14;
constexpr int kSumOfKind4 = 13;
constexpr unsigned kDefaultBeep = 0;
constexpr std::string_view kRemoveSelection = "Selezionate_Dest";

// The sum of the ranks (Ace 1 .. King 13) of the selected cards, and how many there are.
struct SelectionTotal {
    int sum = 0;
    int count = 0;
};

SelectionTotal TotalOf(std::string_view selection) {
    SelectionTotal total;
    const int cards = PileCardCount(selection);
    for (int i = 0; i < cards; ++i) {
        const int card = PileCardAt(selection, i);
        if (card < kFirstCard) continue;
        total.sum += CardRank(card);
        ++total.count;
    }
    return total;
}

bool CompletesPair(int kind, int sum) {
    return (kind == game_kind::kPairsOf14 && sum == kSumOfKind3) ||
           (kind == game_kind::kPairsOf13 && sum == kSumOfKind4);
}

void RemoveSelection(Game& game) {
    IShellPort* shell = game.services.shellPort;
    // The removal slides cards; a click meanwhile must not start another move.
    if (shell != nullptr) shell->InstallMessageFilter(MessageFilter::kSwallowInput);
    {
        UndoMoveGroup group(game.undo);
        ExecuteAction(game, kNoCard, kRemoveSelection);
    }
    if (game.registers.GetFlag(flag::kGameWon) != 0) EndGame(game);
    if (shell != nullptr) shell->RestoreMessageHandler();
}

// No card lies in slot i of the row: a blank, or no slot at all.
bool IsBlankSlot(std::string_view row, int i) {
    return i >= PileCardCount(row) || PileCardAt(row, i) == kNoCard;
}

}  // namespace

void SelectPairingCard(Game& game, int card, const TableRect& place) {
    if (card < kFirstCard || card > kCardCount) return;
    const int kind = game.gameDef[words::kGameKind];
    int sum = 0;
    if (kind != game_kind::kHighlightAndFill) {
        PileStore& piles = game.Piles();
        // A second click on a selected card takes it back out.
        if (!piles.FindCardInPile(PileListId::kDest, kSelectionLine, card, FindMode::kDelete)) {
            piles.AddCardToPile(PileListId::kDest, kSelectionLine, card, {});
        }
        const SelectionTotal total = TotalOf(piles.Pile(PileListId::kDest, kSelectionLine));
        if (total.count > kMaxSelectedCards) {
            if (game.services.messages != nullptr) SystemBeep(*game.services.messages, kDefaultBeep);
            piles.FindCardInPile(PileListId::kDest, kSelectionLine, card, FindMode::kDelete);
            return;
        }
        sum = total.sum;
    }
    if (ITableView* view = game.services.tableView) {
        view->HighlightCard(TableSurface::kWindow, place);
        view->HighlightCard(TableSurface::kBuffer, place);
    }
    if (CompletesPair(kind, sum)) RemoveSelection(game);
}

bool IsCardUncovered(const Game& game, int card) {
    if (card < kFirstCard) return false;
    const PileStore& piles = game.board.piles;
    const int rows = TableauCountOf(game.gameDef);
    bool laterRowsBlank = true;
    for (int row = rows - 1; row >= 0; --row) {
        const std::string& line = piles.Pile(PileListId::kFila, row);
        const int slot = FindPileCard(line, card);
        if (slot >= 0) {
            if (laterRowsBlank) return true;
            // In the pyramid the two cards of the next row at the same and the next slot
            // lie on this one.
            const std::string& below = piles.Pile(PileListId::kFila, row + 1);
            return IsBlankSlot(below, slot) && IsBlankSlot(below, slot + 1);
        }
        if (!AllZeros(line)) laterRowsBlank = false;
    }
    return false;
}

}  // namespace engine
