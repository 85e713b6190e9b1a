#include <algorithm>
#include <optional>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/play/card_move_support.h"
#include "engine/play/card_moves.h"
#include "engine/state/game.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_general.h"
#include "engine/ports/table_port.h"

// AutoMoveCard: a card's first legal target anywhere on the table.
namespace engine {

namespace {

bool IsPileEmpty(const Game& game, PileListId list, int index) {
    return PileCardCount(game.board.piles.Pile(list, index)) == 0;
}

// Under these base codes the first card played fixes the base of every foundation, so the
// automatic play leaves empty foundations for the player to start.
bool FoundationsWaitForPlayer(const Game& game) {
    const int count = moves::PileCount(game, pile_kind::kFoundation);
    for (int i = 0; i < count; ++i) {
        const int base = game.gameDef.At(words::kFoundationBase, i);
        if (base != base_code::kFoundationRank && base != base_code::kFoundationRankFirstFromReserve) return false;
        if (!IsPileEmpty(game, PileListId::kDest, i)) return false;
    }
    return true;
}

// The tableau pile holding the card; nothing when it lies elsewhere.
std::optional<int> TableauOf(const Game& game, int card) {
    const int located = game.board.piles.LocateCard(card, moves::PileCount(game, pile_kind::kTableau),
                                                    moves::PileCount(game, pile_kind::kReserve));
    if (located < 1) return std::nullopt;
    return located - 1;
}

// One search: the card offered to one target, at the target's own place.
class TargetSearch {
public:
    TargetSearch(Game& game, IGeometry& geometry, int card, bool autoplay)
        : m_game(game), m_geometry(geometry), m_card(card), m_autoplay(autoplay) {}

    bool Try(int kind, int index) {
        if (!moves::IsOnTable(m_game, m_geometry, kind, index)) return false;
        const std::optional<TableRect> place = moves::TopCardPlace(m_game, m_geometry, kind, index);
        if (!place) return false;
        return TryMoveToTargets(m_game, m_card, place->left, place->top, place->right, place->bottom, true, true,
                                m_autoplay, kind, index);
    }

    bool TryEach(int kind) {
        for (int i = 0; i < moves::PileCount(m_game, kind); ++i) {
            if (Try(kind, i)) return true;
        }
        return false;
    }

    // Piles holding cards before empty ones, the card's own pile never.
    bool TryTableau(std::optional<int> source) {
        const int count = moves::PileCount(m_game, pile_kind::kTableau);
        for (const bool wantEmpty : {false, true}) {
            for (int i = 0; i < count; ++i) {
                if (i == source || IsPileEmpty(m_game, PileListId::kFila, i) != wantEmpty) continue;
                if (Try(pile_kind::kTableau, i)) return true;
            }
        }
        return false;
    }

private:
    Game& m_game;
    IGeometry& m_geometry;
    int m_card;
    bool m_autoplay;
};

void ClearLifted(Game& game) {
    game.mainGame.LiftedCard = 0;
    game.mainGame.LiftedTopCard = 0;
    game.lift.singleCard = true;
}

}  // namespace

bool AutoMoveCard(Game& game, int card, int x, int y, bool single, bool autoplay, bool tryTableau,
                  bool tryReserves, bool tryFoundations, int bottom, int right) {
    IGeometry* geometry = moves::Geometry(game);
    if (geometry == nullptr || card < kFirstCard || game.board.cards.IsFaceDown(card)) {
        ClearLifted(game);
        return false;
    }
    const std::optional<int> source = TableauOf(game, card);
    int dragHeight = geometry->CardHeight();
    if (!single) {
        if (!source) {
            ClearLifted(game);
            return false;
        }
        const std::string pile = moves::TargetName(game, pile_kind::kTableau, *source);
        dragHeight = std::max(geometry->PileBottomY(pile) - y, geometry->CardHeight());
        // The lifted stack reaches down to the pile's last card.
        bottom = y + dragHeight;
        game.services.tableView->SetDragImageHeight(dragHeight);
    }
    geometry->SetDragHeight(dragHeight);
    game.lift.singleCard = single;

    game.mainGame.LiftedCard = static_cast<std::int16_t>(card);
    game.mainGame.LiftedTopCard = 0;
    game.services.tableView->ClearDragGrab();
    geometry->SetDragRects(x, y, right, bottom);
    game.mainGame.DragImagePos = {};

    const bool skipFoundations = autoplay && FoundationsWaitForPlayer(game);
    TargetSearch search(game, *geometry, card, autoplay);
    bool moved = false;
    if (tryFoundations && single && !skipFoundations) moved = search.TryEach(pile_kind::kFoundation);
    if (!moved && tryTableau) moved = search.TryTableau(source);
    if (!moved && tryReserves && single) moved = search.TryEach(pile_kind::kReserve);
    // The waste takes one card: a stack sent there would leave its upper cards behind.
    if (!moved && tryTableau && single) moved = search.Try(pile_kind::kWaste, 0);

    ClearLifted(game);
    return moved;
}

}  // namespace engine
