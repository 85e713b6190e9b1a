#include "engine/play/face_up.h"

#include <string>
#include <string_view>

#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/model/table_object.h"
#include "engine/ports/table_port.h"
#include "engine/play/tableau_place.h"
#include "engine/undo/undo_move_group.h"
#include "engine/model/board_measures.h"

namespace engine {

namespace {

constexpr std::string_view kNo = "N";
constexpr std::string_view kYes = "Y";
constexpr std::string_view kFaceUpSound = "Face_up";
// A turned card starts this much less than the shadow offset up and left of its place,
// as if lifted, and settles onto it.
constexpr int kRaisedCardInset = 2;

bool IsOn(const SettingsBlock& settings, fields::Field field) {
    return settings.GetField(field.position, field.width) != kNo;
}

int ShadowOffset(const Game& game) {
    const IGeometry* geometry = GeometryOf(game);
    return geometry != nullptr ? geometry->ShadowOffset() : kCardShadowOffset;
}

// Where the top card of tableau pile i lies; off the table when no table is laid out.
TableRect TopCardPlace(const Game& game, int card, int pile) {
    const IGeometry* geometry = GeometryOf(game);
    TableRect rect{kAbsentTableauX, kAbsentTableauX, kAbsentTableauX, kAbsentTableauX};
    if (geometry == nullptr) return rect;
    if (!geometry->FindCardPosition(card, rect)) {
        const std::string name = std::string(kFilaPrefix) + std::to_string(pile + 1);
        rect.left = geometry->CardX(name, pile, 0, false);
        rect.top = geometry->CardY(name, pile, 0, false);
    }
    return rect;
}

}  // namespace

bool AutoTurnFaceUp(Game& game) {
    if (!IsOn(game.settings, fields::kAutomaticFaceUp) || game.gameDef[words::kAutoTurnFaceUp] == 0) return false;
    bool turned = false;
    // Several piles turned by one action are one step for the player.
    UndoMoveGroup group(game.undo);
    const int piles = TableauCountOf(game.gameDef);
    for (int pile = 0; pile < piles; ++pile) {
        const std::string& line = game.Piles().Pile(PileListId::kFila, pile);
        const int top = PileTopCard(line);
        if (!game.Cards().IsFaceDown(top)) continue;
        const TableRect place = TopCardPlace(game, top, pile);
        TurnCardFaceUp(game, top, place.left, place.top, pile);
        turned = true;
    }
    return turned;
}

void TurnCardFaceUp(Game& game, int card, int x, int y, int pile) {
    if (card < kFirstCard || card > kCardCount) return;
    game.undo.PushUndoSnapshot(true, kClearRedo);
    game.Cards().SetCardFaceFlag(card, kFaceUp);
    // The turn is a new move: a redo from before it would no longer fit the board.
    game.undo.PushUndoSnapshot(false, kClearRedo);

    const std::string& line = game.Piles().Pile(PileListId::kFila, pile);
    const int count = PileCardCount(line);
    const bool alone = count == 1;
    ITableView* view = game.services.tableView;
    if (view != nullptr) {
        if (alone || (count >= 2 && !game.Cards().IsFaceDown(PileCardAt(line, count - 2)))) {
            view->RedrawPileWithoutCard(card, true);
        }
        if (IsOn(game.settings, fields::kCardsShadowed)) {
            const int inset = ShadowOffset(game) - kRaisedCardInset;
            view->DrawCardFace(card, x - inset, y - inset, false, TableSurface::kWindow, pile);
            view->SlideCard(card, x - inset, y - inset, x, y, false, false, false, true);
        } else {
            view->DrawCardFace(card, x, y, false, TableSurface::kWindow, pile);
        }
    }
    game.media.PlaySoundAsync(kFaceUpSound,
                              game.settings.GetField(fields::kSoundsFaceUp.position, fields::kSoundsFaceUp.width) == kYes);
    if (view != nullptr) {
        view->DrawCardFace(card, x, y, false, TableSurface::kBuffer, pile);
        if (alone) view->RestoreTableauPileCorners(pile);
    }
}

}  // namespace engine
