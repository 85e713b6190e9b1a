#include "engine/undo/undo_store.h"

#include <algorithm>
#include <cstddef>

#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_text.h"
#include "engine/model/registers.h"
#include "engine/base/system_utils.h"
#include "engine/model/table_object.h"
#include "engine/ports/table_port.h"

namespace engine {

namespace {

std::size_t Index(PileListId list) {
    return static_cast<std::size_t>(list);
}

int FoundationZeroLine() {
    return SnapshotListOffset(PileListId::kDest);
}

}  // namespace

UndoStore::UndoStore(PileStore& piles, const GameDefRecord& game, Registers& registers, TMainGame& table,
                     const Services& services)
    : m_piles(piles), m_game(game), m_registers(registers), m_table(table), m_services(services) {}

const PileList& UndoStore::UndoList(PileListId list) const {
    return m_undo.lists[Index(list)];
}

const PileList& UndoStore::RedoList(PileListId list) const {
    return m_redo.lists[Index(list)];
}

int UndoStore::UndoStepCount() const {
    return StepCount(m_undo);
}

int UndoStore::RedoStepCount() const {
    return StepCount(m_redo);
}

SnapshotLines UndoStore::CurrentSnapshot() const {
    SnapshotLines lines;
    BoardToLines(m_piles, lines);
    if (KeepsSelectionInFoundation(m_game)) lines[FoundationZeroLine()].clear();
    return lines;
}

UndoStore::Counters UndoStore::CurrentCounters() const {
    return {m_table.RedealCount, m_registers.GetIntReg(kStockDealCountReg), m_table.ActionCount};
}

void UndoStore::RestoreCounters(const Counters& counters) {
    m_table.RedealCount = counters.redealCount;
    m_registers.SetIntReg(kStockDealCountReg, counters.stockDeals);
    m_table.ActionCount = counters.actionCount;
    // The redraw shows the empty stock unlit; a flag left set would let the next press
    // redeal without first showing the mark.
    m_table.StockHighlightShown = 0;
}

void UndoStore::PushUndoSnapshot(bool undo, std::uint8_t clear) {
    if (!undo && clear == kClearRedo) {
        ClearSteps(m_redo);
        m_registers.ClearMoveLog(kRedoMoveLog);
        return;
    }
    AppendStep(undo ? m_undo : m_redo, CurrentSnapshot(), CurrentCounters());
    m_registers.AppendLogEntry(undo ? kUndoMoveLog : kRedoMoveLog, "");
}

void UndoStore::DeleteUndoSteps(bool ok, int n) {
    FoldNewestSteps(ok, n);
}

void UndoStore::DeleteStepsSince(int stepCount) {
    const int pushed = UndoStepCount() - stepCount;
    if (pushed > 0) DeleteUndoSteps(true, pushed);
}

void UndoStore::MergeLastUndoSteps(bool ok, int n) {
    // Removing the n newest steps is the fold: what remains of the n + 1 is the board
    // before the first action, a whole step of one snapshot.
    FoldNewestSteps(ok, n);
}

void UndoStore::FoldNewestSteps(bool ok, int n) {
    if (!ok) {
        if (m_services.messages) ShowInfo(*m_services.messages, std::string(kDelLinesMessage));
        return;
    }
    for (int i = 0; i < n; ++i) {
        RemoveNewestStep(m_undo);
        m_registers.MergeLastLogEntries(kUndoMoveLog);
    }
}

void UndoStore::ClearBoard(bool redraw, bool clearAll) {
    if (clearAll) {
        m_piles.ClearPiles();
        ClearSteps(m_undo);
        m_registers.ClearMoveLog(kUndoMoveLog);
    }
    ClearSteps(m_redo);
    m_registers.ClearMoveLog(kRedoMoveLog);
    m_registers.SetFlag(flag::kGameInProgress, 0);
    if (redraw) Redraw(false);
}

bool UndoStore::UndoLastStep() {
    return RestoreNewestStep(m_undo, kUndoMoveLog, m_redo, kRedoMoveLog);
}

bool UndoStore::RedoLastStep() {
    return RestoreNewestStep(m_redo, kRedoMoveLog, m_undo, kUndoMoveLog);
}

bool UndoStore::RestoreNewestStep(Steps& from, int fromLog, Steps& to, int toLog) {
    if (StepCount(from) == 0) return false;
    const SnapshotLines step = NewestStep(from);
    const Counters counters = from.counters.back();
    AppendStep(to, CurrentSnapshot(), CurrentCounters());
    // The card the step moved travels with it, so a redo finds the entry the undo took.
    const std::string entry = m_registers.LastLogEntry(fromLog);
    m_registers.DropLastLogEntry(fromLog);
    m_registers.AppendLogEntry(toLog, entry);
    WriteBack(step);
    // Before the redraw: the stock's empty mark shows whether passes are left.
    RestoreCounters(counters);
    RemoveNewestStep(from);
    Redraw(true);
    return true;
}

void UndoStore::WriteBack(const SnapshotLines& snapshot) {
    const bool keepSelection = KeepsSelectionInFoundation(m_game);
    for (const PileListId list : kSnapshotListOrder) {
        const int offset = SnapshotListOffset(list);
        for (int line = 0; line < PileLineCount(list); ++line) {
            if (keepSelection && list == PileListId::kDest && line == 0) continue;
            m_piles.SetPile(list, line, SnapshotLineToPile(snapshot[offset + line], m_piles.Cards()));
        }
    }
    if (keepSelection) DropSelectedCardsOffBoard();
}

void UndoStore::DropSelectedCardsOffBoard() {
    // The selection outlives the restore, but a card the restored board no longer holds
    // (or holds on the discard line) must not stay selected: removing the pair would put
    // it on the discard line a second time.
    const std::string& selection = m_piles.Pile(PileListId::kDest, 0);
    std::string kept;
    for (int i = 0; i < PileCardCount(selection); ++i) {
        const int card = PileCardAt(selection, i);
        if (IsSelectable(card)) kept += selection.substr(static_cast<std::size_t>(i) * kCardCodeWidth, kCardCodeWidth);
    }
    if (kept != selection) m_piles.SetPile(PileListId::kDest, 0, kept);
}

bool UndoStore::IsSelectable(int card) const {
    for (const PileListId list : kSnapshotListOrder) {
        for (int line = 0; line < PileLineCount(list); ++line) {
            if (list == PileListId::kDest && line == 0) continue;
            if (list == PileListId::kMazzo && line == kThirdStockLine) continue;
            if (FindPileCard(m_piles.Pile(list, line), card) >= 0) return true;
        }
    }
    return false;
}

void UndoStore::Redraw(bool withCards) {
    ITableView* view = m_services.tableView;
    if (!view) return;
    view->PaintBackground();
    if (withCards) view->RepaintTable();
    view->CopyBufferToScreen();
}

void UndoStore::DropNewestUndoSteps(int n) {
    n = std::min(n, UndoStepCount());
    for (int i = 0; i < n; ++i) {
        RemoveNewestStep(m_undo);
        m_registers.DropLastLogEntry(kUndoMoveLog);
    }
}

void UndoStore::SetNewestUndoCounters(const Counters& counters) {
    if (!m_undo.counters.empty()) m_undo.counters.back() = counters;
}

void UndoStore::AppendUndoStep(const SnapshotLines& snapshot, const Counters& counters) {
    AppendStep(m_undo, snapshot, counters);
    m_registers.AppendLogEntry(kUndoMoveLog, "");
}

int UndoStore::StepCount(const Steps& store) {
    int steps = static_cast<int>(store.counters.size());
    for (const PileListId list : kSnapshotListOrder) {
        const int whole = static_cast<int>(store.lists[Index(list)].size()) / PileLineCount(list);
        steps = std::min(steps, whole);
    }
    return steps;
}

void UndoStore::AppendStep(Steps& store, const SnapshotLines& snapshot, const Counters& counters) {
    for (const PileListId list : kSnapshotListOrder) {
        const int offset = SnapshotListOffset(list);
        for (int line = 0; line < PileLineCount(list); ++line) {
            const std::size_t at = static_cast<std::size_t>(offset + line);
            store.lists[Index(list)].push_back(at < snapshot.size() ? snapshot[at] : std::string());
        }
    }
    store.counters.push_back(counters);
}

void UndoStore::RemoveNewestStep(Steps& store) {
    // A list shorter than a step gives up what it has and stops at empty.
    for (const PileListId list : kSnapshotListOrder) {
        PileList& lines = store.lists[Index(list)];
        const std::size_t remove = std::min(lines.size(), static_cast<std::size_t>(PileLineCount(list)));
        lines.resize(lines.size() - remove);
    }
    if (!store.counters.empty()) store.counters.pop_back();
}

void UndoStore::ClearSteps(Steps& store) {
    for (PileList& list : store.lists) list.clear();
    store.counters.clear();
}

SnapshotLines UndoStore::NewestStep(const Steps& store) {
    SnapshotLines snapshot;
    snapshot.reserve(kBoardLineCount);
    for (const PileListId list : kSnapshotListOrder) {
        const PileList& lines = store.lists[Index(list)];
        const std::size_t first = lines.size() - static_cast<std::size_t>(PileLineCount(list));
        snapshot.insert(snapshot.end(), lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end());
    }
    return snapshot;
}

}  // namespace engine
