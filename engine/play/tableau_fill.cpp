#include "engine/play/tableau_fill.h"

#include <algorithm>
#include <optional>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/model/table_object.h"
#include "engine/play/tableau_fill_modes.h"
#include "engine/play/tableau_place.h"
#include "engine/model/board_measures.h"

namespace engine {

namespace {

// Fill mode 4 fills nothing more once this card (code 001) is in the undo log.
constexpr int kMode4StopCard = kFirstCard;
constexpr int kNoStockLine = -1;

struct SourcePile {
    PileListId list;
    int line;
    std::string_view name;  // as the table places it
    int stockLine;          // the stock-row line, kNoStockLine for the reserve
};

constexpr SourcePile kStockSource{PileListId::kMazzo, kStockLine, kStockName, kStockLine};
constexpr SourcePile kWasteSource{PileListId::kMazzo, kWasteLine, kWasteName, kWasteLine};
constexpr SourcePile kReserveSource{PileListId::kAppogg, 0, "Appogg1", kNoStockLine};

std::optional<SourcePile> SourceOf(FillSource source) {
    switch (source) {
        case FillSource::kStock: return kStockSource;
        case FillSource::kWaste: return kWasteSource;
        case FillSource::kFirstReserve: return kReserveSource;
        case FillSource::kNone: break;
    }
    return std::nullopt;
}

bool IsEmpty(const Game& game, PileListId list, int line) {
    return game.board.piles.Pile(list, line).empty();
}

bool HoldsCards(const Game& game, const SourcePile& source) {
    return !IsEmpty(game, source.list, source.line);
}

bool AnyReserveHoldsCards(const Game& game) {
    const int reserves = ReserveCountOf(game.gameDef);
    for (int i = 0; i < reserves; ++i) {
        if (!IsEmpty(game, PileListId::kAppogg, i)) return true;
    }
    return false;
}

// The piles from this index on are the open rows that a fill may reach.
int OpenRowStart(const Game& game) {
    return game.gameDef[words::kOpenRowStart] * game.gameDef[words::kOpenRowStartFactor];
}

bool PreconditionsHold(const Game& game, const FillModeRule& rule) {
    const int mode = rule.mode;
    if (mode == fill_mode::kFirstReserve && IsEmpty(game, PileListId::kAppogg, 0)) return false;
    if (rule.needsStockOrWaste && !HoldsCards(game, kStockSource) && !HoldsCards(game, kWasteSource)) return false;
    if (mode == fill_mode::kOnlyWithoutReserves && AnyReserveHoldsCards(game)) return false;
    if (mode == fill_mode::kUntilFirstCardLogged && game.registers.CountCardInLog(kUndoMoveLog, kMode4StopCard) >= 1) {
        return false;
    }
    return true;
}

// One card from the source's top onto the target; false when the source is empty.
bool MoveTopCard(Game& game, const SourcePile& source, std::string_view target, int index) {
    const std::string& pile = game.board.piles.Pile(source.list, source.line);
    if (pile.empty()) return false;
    const int card = PileTopCard(pile);
    int x = kAbsentPileX;
    int y = kAbsentPileX;
    if (const IGeometry* geometry = GeometryOf(game)) {
        const int sourceIndex = source.stockLine == kNoStockLine ? source.line : source.stockLine;
        x = geometry->CardX(source.name, sourceIndex, 0, false);
        y = geometry->CardY(source.name, sourceIndex, 0, false);
    }
    AnimatedFillMove(game, target, index, x, source.stockLine, card, y);
    return true;
}

// Fills one empty pile by the rule: the first source, else the second, one card; or up to
// the rule's count, one after another, from the first source alone.
void FillPile(Game& game, const FillModeRule& rule, std::string_view target, int index) {
    const std::optional<SourcePile> first = SourceOf(rule.first);
    if (!first.has_value()) return;
    if (rule.cards > 1) {
        for (int i = 0; i < rule.cards && HoldsCards(game, *first); ++i) MoveTopCard(game, *first, target, index);
        return;
    }
    if (MoveTopCard(game, *first, target, index)) return;
    if (const std::optional<SourcePile> second = SourceOf(rule.second)) MoveTopCard(game, *second, target, index);
}

bool MayFillTableauPile(const Game& game, const FillModeRule& rule, int index) {
    switch (rule.piles) {
        case FillPiles::kAll: return true;
        case FillPiles::kOpenRows: return index >= OpenRowStart(game);
        case FillPiles::kCornerPiles:
            return std::find(kCornerPiles.begin(), kCornerPiles.end(), index) != kCornerPiles.end();
        case FillPiles::kFromPile10: return index >= kFirstLaterPile;
    }
    return false;
}

std::string TargetName(std::string_view prefix, int index) {
    return std::string(prefix) + std::to_string(index + 1);
}

}  // namespace

bool AutoFillTableau(Game& game) {
    if (game.gameDef[words::kFoundationsOnlyMoves] != 0 && game.mainGame.ActionCount == 0) return false;
    const FillModeRule* rule = FindFillModeRule(game.gameDef[words::kFillMode]);
    if (rule == nullptr || !PreconditionsHold(game, *rule)) return false;

    bool found = false;
    const int piles = TableauCountOf(game.gameDef);
    for (int i = 0; i < piles; ++i) {
        // Earlier fills of this pass count: a pile filled already is no longer empty.
        if (!IsEmpty(game, PileListId::kFila, i) || !MayFillTableauPile(game, *rule, i)) continue;
        found = true;
        FillPile(game, *rule, TargetName(kFilaPrefix, i), i);
    }
    if (rule->fillsReserves) {
        const int reserves = ReserveCountOf(game.gameDef);
        for (int i = 0; i < reserves; ++i) {
            if (!IsEmpty(game, PileListId::kAppogg, i) || i < OpenRowStart(game)) continue;
            found = true;
            FillPile(game, *rule, TargetName(kAppoggPrefix, i), i);
        }
    }
    return found;
}

}  // namespace engine
