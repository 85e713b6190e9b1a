#include "table/mouse/card_lift.h"

#include <cstdint>
#include <string_view>

#include "engine/play/action_executor.h"
#include "engine/state/game.h"
#include "engine/play/press_rules.h"
#include "engine/session/new_game.h"
#include "engine/model/preference_fields.h"
#include "engine/undo/undo_move_group.h"
#include "table/animate/card_slide.h"
#include "table/draw/drag_image.h"
#include "table/draw/drag_image_build.h"
#include "table/draw/draw_context.h"
#include "table/layout/table_layout.h"
#include "table/draw/source_redraw.h"

namespace table {

namespace {

// A raised image lies up and left of its place by the shadow offset less this.
constexpr int kRaiseLessThanShadow = 2;
// ReserveFanning: any card of a fanned reserve may be lifted.
constexpr int kReserveFannedOpen = -11;

constexpr std::string_view kCardUpSound = "card_up";
constexpr std::string_view kPlayAction = "Waste";
constexpr std::string_view kNo = "N";
constexpr std::string_view kYes = "Y";

std::int16_t To16(int value) { return static_cast<std::int16_t>(value); }

bool FieldIs(const engine::Game& game, engine::fields::Field field, std::string_view value) {
    return game.settings.GetField(field.position, field.width) == value;
}

// The card slides onto the third stock-row pile and the move is carried out there.
void PlayAtOnce(engine::Game& game, DrawContext& context, int card) {
    const engine::TableRect from = context.geometry.DragRect();
    SlideCard(context, card, from.left, from.top, game.mainGame.GetStockX(engine::kThirdStockLine),
              game.mainGame.GetStockY(engine::kThirdStockLine), true, false, true, true);
    // The slide took the card out of the lifted state; the release finds nothing to drop.
    game.mainGame.LiftedCard = 0;
    game.mainGame.LiftedTopCard = 0;
    game.lift.singleCard = true;
    {
        engine::UndoMoveGroup group(game.undo);
        engine::ExecuteAction(game, card, kPlayAction);
    }
    if (game.registers.GetFlag(engine::flag::kGameWon) != 0) engine::EndGame(game);
}

}  // namespace

void LiftCards(MouseParts& parts, const TablePress& press, const LiftedCards& lift) {
    engine::Game& game = parts.game;
    engine::TMainGame& mainGame = game.mainGame;
    DrawContext& context = parts.context;
    TableLayout& geometry = context.geometry;
    const engine::TableRect& r = lift.rect;

    if (mainGame.LiftedCard == 0) mainGame.DragImagePos = {To16(press.x), To16(press.y)};
    mainGame.LiftedCard = To16(lift.card);
    context.dragGrab.x = press.x - r.left;
    context.dragGrab.y = press.y - r.top;
    geometry.SetDragRects(r.left, r.top, r.right, r.bottom);
    game.lift.singleCard = geometry.DragHeight() == geometry.CardHeight();
    BuildDragImage(context.images, geometry.Geometry(), mainGame, game.Piles(), game.gameDef);
    RedrawPileWithoutCard(context, lift.card, lift.single);

    if (!FieldIs(game, engine::fields::kCardsShadowed, kNo)) {
        const int raise = geometry.ShadowOffset() - kRaiseLessThanShadow;
        MoveDragImage(context, r.left - raise, r.top - raise, false, false);
        context.dragGrab.x += raise;
        context.dragGrab.y += raise;
        game.media.PlaySoundAsync(kCardUpSound, FieldIs(game, engine::fields::kSoundsCardUp, kYes));
    } else if ((lift.fannedReserve && game.gameDef[engine::words::kReserveFanning] == kReserveFannedOpen) ||
               !FieldIs(game, engine::fields::kPilesTT, kNo)) {
        MoveDragImage(context, r.left, r.top, false, false);
    }

    if (engine::PlaysOntoDiscard(game.gameDef[engine::words::kGameKind])) PlayAtOnce(game, context, lift.card);
}

}  // namespace table
