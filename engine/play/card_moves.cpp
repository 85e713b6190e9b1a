#include "engine/play/card_moves.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/game_kinds.h"
#include "engine/play/action_executor.h"
#include "engine/model/card_codes.h"
#include "engine/play/card_move_support.h"
#include "engine/rules/drop_targets.h"
#include "engine/play/first_action.h"
#include "engine/state/game.h"
#include "engine/rules/pile_acceptance.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/table_port.h"
#include "engine/undo/undo_move_group.h"

namespace engine {

namespace {

// The game builds its waste up or down in suit (WasteBuild).
constexpr int kWasteBuildsInSuit = 2;
// WasteDropMode: nothing is ever dropped on the waste.
constexpr int kWasteTakesNoDrop = 4;
// FoundationFanMode: only the top card shows, one face-up step lower.
constexpr int kFanTopStepDown = 7;
// TableauFanMode: the two special row modes, on which nothing is dropped.
constexpr int kFanRowMode = 8;
constexpr int kFanRowModeReverse = 9;

// ReplaceLastLogEntry's card in kind 23.
constexpr int kLoggedTableauEntry = 1;

// The covered area sorts as six decimal digits.
constexpr int kMaxArea = 999999;

std::int16_t To16(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(),
                                                     std::numeric_limits<std::int16_t>::max()));
}

DropRect ToDropRect(int left, int top, int right, int bottom) {
    return DropRect{To16(left), To16(top), To16(right), To16(bottom)};
}

DropRect ToDropRect(const TableRect& rect) {
    return ToDropRect(rect.left, rect.top, rect.right, rect.bottom);
}

int GameKind(const Game& game) {
    return game.gameDef[words::kGameKind];
}

bool IsNoTableauKind(int kind) {
    return kind == game_kind::kNoTableauMoves || kind == game_kind::kOffTableSource;
}

// The waste takes a card of its top card's suit one rank away, King and Ace touching.
bool WasteAccepts(const Game& game, int card) {
    if (game.gameDef[words::kWasteBuild] != kWasteBuildsInSuit) return false;
    const int top = PileTopCard(game.board.piles.Pile(PileListId::kMazzo, kWasteLine));
    if (top < kFirstCard) return false;
    const int rank = CardRank(card);
    const int topRank = CardRank(top);
    return CardSuit(top) == CardSuit(card) && (topRank == NextRank(rank) || topRank == PrevRank(rank));
}

bool PileAccepts(Game& game, int card, int kind, const std::string& name) {
    switch (kind) {
    case pile_kind::kTableau:
        if (IsNoTableauKind(GameKind(game))) return false;
        [[fallthrough]];
    case pile_kind::kFoundation:
    case pile_kind::kReserve: {
        DropContext drops = game.Drops();
        return CanDropOnPile(drops, card, name);
    }
    case pile_kind::kWaste:
        return WasteAccepts(game, card);
    default:
        return false;
    }
}

bool IsTargetOffered(const Game& game, const IGeometry& geometry, int kind, int index) {
    if (!moves::IsOnTable(game, geometry, kind, index)) return false;
    return kind != pile_kind::kWaste || game.gameDef[words::kWasteDropMode] != kWasteTakesNoDrop;
}

// Where the sliding card comes to rest.
TableRect SlideTarget(Game& game, const IGeometry& geometry, int kind, int index, const std::string& name,
                      const TableRect& topPlace) {
    const bool nextPlace = kind == pile_kind::kTableau ||
                           (kind == pile_kind::kFoundation &&
                            game.gameDef[words::kFoundationFanMode] == kFanTopStepDown);
    if (!nextPlace) return topPlace;
    TableRect place = topPlace;
    place.left = geometry.CardX(name, index, 0, true);
    place.top = geometry.CardY(name, index, 0, true);
    return place;
}

struct CoveredPile {
    int area;
    int kind;
    int index;
};

void AddIfCovered(Game& game, const IGeometry& geometry, const DropRect& dropped, int kind, int index,
                  std::vector<CoveredPile>& covered) {
    const std::optional<TableRect> place = moves::TopCardPlace(game, geometry, kind, index);
    if (!place) return;
    const DropRect pile = ToDropRect(*place);
    if (!RectsOverlap(dropped, pile)) return;
    covered.push_back({std::clamp(OverlapArea(dropped, pile), 0, kMaxArea), kind, index});
}

}  // namespace

std::string MoveActionName(int kind, int index, bool autoplay) {
    const std::string number = std::to_string(index + 1);
    switch (kind) {
    case pile_kind::kFoundation:
        return (autoplay ? "Dest_Autoplay" : "Dest") + number;
    case pile_kind::kTableau:
        return "Fila" + number;
    case pile_kind::kReserve:
        return "Appogg" + number;
    case pile_kind::kWaste:
        return "Stock02";
    default:
        return {};
    }
}

bool MoveCardToPile(Game& game, int card, int left, int top, int right, int bottom, bool liftFirst,
                    bool animate, bool autoplay, int targetKind, int targetIndex) {
    IGeometry* geometry = moves::Geometry(game);
    if (geometry == nullptr) return false;
    const std::string name = moves::TargetName(game, targetKind, targetIndex);
    if (name.empty() || !IsTargetOffered(game, *geometry, targetKind, targetIndex)) return false;
    const std::optional<TableRect> place = moves::TopCardPlace(game, *geometry, targetKind, targetIndex);
    if (!place || !RectsOverlap(ToDropRect(left, top, right, bottom), ToDropRect(*place))) return false;
    if (!PileAccepts(game, card, targetKind, name)) return false;

    ITableView& view = *game.services.tableView;
    const bool singleCard = targetKind != pile_kind::kTableau || game.lift.singleCard;
    if (liftFirst) {
        view.RedrawPileWithoutCard(card, singleCard);
        view.BuildDragImage();
    }
    if (animate && !moves::SettingIs(game, fields::kCardsAnimate, moves::kNo)) {
        view.ShiftDragOrigin();
        const TableRect from = geometry->DragRect();
        const TableRect to = SlideTarget(game, *geometry, targetKind, targetIndex, name, *place);
        const bool liftImage = targetKind != pile_kind::kTableau ||
                               moves::SettingIs(game, fields::kPilesTT, moves::kNo) || game.lift.singleCard;
        view.SlideCard(card, from.left, from.top, to.left, to.top, false, false, true, liftImage);
    }

    // The move and whatever it turns up are one undo step.
    UndoMoveGroup group(game.undo);
    const bool moved = ExecuteAction(game, card, MoveActionName(targetKind, targetIndex, autoplay));
    // The image lies on the window alone, where the slide left it or, without one, where it
    // was dropped; the cards are drawn at their places, a little beside it on an untidy pile.
    if (moved) view.InvalidateDragImage();
    if (moved && targetKind == pile_kind::kTableau && GameKind(game) == game_kind::kLoggedTableau)
        game.registers.ReplaceLastLogEntry(kLoggedTableauEntry);
    return moved;
}

bool TryMoveToTargets(Game& game, int card, int left, int top, int right, int bottom, bool liftFirst,
                      bool animate, bool autoplay, int targetKind, int targetIndex) {
    MoveTargets targets;
    if (targetKind == pile_kind::kNoTarget) {
        if (!FindDestinations(game, left, top, right, bottom, targets)) return false;
    } else {
        targets[0] = {targetKind, targetIndex};
    }

    if (game.gameDef[words::kFoundationsOnlyMoves] != 0 && game.mainGame.ActionCount == 0) {
        MoveKinds kinds{};
        for (std::size_t i = 0; i < targets.size(); ++i) kinds[i] = targets[i].kind;
        if (!RestrictToFoundations(game, card, std::nullopt, kinds)) return false;
        for (std::size_t i = 0; i < targets.size(); ++i) targets[i].kind = kinds[i];
    }

    // A row-match game moves its cards within its one row, which no pile move can do:
    // the search finds nothing rather than claim a move that never happened.
    if (GameKind(game) == game_kind::kRowMatch) return false;

    for (const MoveTarget& target : targets) {
        if (target.kind == pile_kind::kNoTarget) continue;
        if (MoveCardToPile(game, card, left, top, right, bottom, liftFirst, animate, autoplay, target.kind,
                           target.index))
            return true;
    }
    return false;
}

bool FindDestinations(Game& game, int left, int top, int right, int bottom, MoveTargets& targets) {
    const IGeometry* geometry = moves::Geometry(game);
    if (geometry == nullptr) return false;
    const DropRect dropped = ToDropRect(left, top, right, bottom);
    std::vector<CoveredPile> covered;
    const auto addKind = [&](int kind) {
        for (int i = 0; i < moves::PileCount(game, kind); ++i) {
            if (IsTargetOffered(game, *geometry, kind, i)) AddIfCovered(game, *geometry, dropped, kind, i, covered);
        }
    };
    addKind(pile_kind::kFoundation);
    const int fan = game.gameDef[words::kTableauFanMode];
    if (fan != kFanRowMode && fan != kFanRowModeReverse) addKind(pile_kind::kTableau);
    addKind(pile_kind::kReserve);
    addKind(pile_kind::kWaste);
    if (covered.empty()) return false;

    // Most covered first; a tie goes to the higher kind, then the higher index.
    std::sort(covered.begin(), covered.end(), [](const CoveredPile& a, const CoveredPile& b) {
        if (a.area != b.area) return a.area > b.area;
        if (a.kind != b.kind) return a.kind > b.kind;
        return a.index > b.index;
    });
    const std::size_t count = std::min(covered.size(), targets.size());
    for (std::size_t i = 0; i < count; ++i) targets[i] = {covered[i].kind, covered[i].index};
    return true;
}

}  // namespace engine
