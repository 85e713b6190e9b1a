#include "engine/play/action_single_card.h"

#include <optional>

#include "engine/play/action_support.h"
#include "engine/state/game.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/ports/table_port.h"

namespace engine {

namespace {

// What becomes of the dragged image once the card lies on its target.
enum class Landing {
    kOnFoundation,  // onto the card's place, then the foundation highlights
    kOnPile,        // onto the card's place
    kOnDiscard,     // the discard line's edge drawn, the image onto its place
    kDrawnOnWaste,  // the waste's place drawn again
};

inline constexpr int kAnyKind = -1;

struct SingleCardAction {
    std::string_view name;
    bool numbered;                // the name is a prefix followed by the pile's number
    std::size_t numberPosition;   // 1-based, for a numbered name
    PileListId list;
    int line;                     // the target line for a name without number
    Landing landing;
    std::string_view sound;
    fields::Field soundSwitch;
    int soundKind;                // the game kind that plays the sound; kAnyKind for all
    bool winTest;
};

// "Dest_Autoplay" comes before "Dest", which begins it.
inline constexpr SingleCardAction kSingleCardActions[] = {
    {"Dest_Autoplay", true, 14, PileListId::kDest, 0, Landing::kOnFoundation, "Autoplay", fields::kSoundsAutoplay,
     kAnyKind, true},
    {"Dest", true, 5, PileListId::kDest, 0, Landing::kOnFoundation, "Foundation", fields::kSoundsFoundation,
     kAnyKind, true},
    {"Appogg", true, 7, PileListId::kAppogg, 0, Landing::kOnPile, "Tableau", fields::kSoundsTableau, kAnyKind,
     false},
    {"Waste", false, 0, PileListId::kMazzo, kThirdStockLine, Landing::kOnDiscard, "Eddy", fields::kSoundsFoundation,
     action::kind::kEddy, true},
    {"Stock02", false, 0, PileListId::kMazzo, kWasteLine, Landing::kDrawnOnWaste, "Tableau", fields::kSoundsTableau,
     kAnyKind, true},
};

const SingleCardAction* FindSingleCardAction(std::string_view action) {
    for (const SingleCardAction& row : kSingleCardActions) {
        if (row.numbered ? action.substr(0, row.name.size()) == row.name : action == row.name) return &row;
    }
    return nullptr;
}

std::optional<PileRef> TargetOf(const SingleCardAction& row, std::string_view action) {
    if (!row.numbered) return PileRef{row.list, row.line};
    const std::optional<int> number = action::PileNumberAt(action, row.numberPosition);
    if (!number.has_value() || *number > PileLineCount(row.list)) return std::nullopt;
    return PileRef{row.list, *number - 1};
}

// The landed image took its corners from what lay under it, the empty place's mark when
// the pile was empty; a pile's only card shows the table there, as every repaint draws it.
void ShowTableThroughCorners(Game& game, ITableView& view, const PileRef& target, const action::Place& place) {
    if (PileCardCount(game.board.piles.Pile(target)) != 1) return;
    view.RestoreCornersInRect({place.x, place.y, place.x + view.CardWidth(), place.y + view.CardHeight()});
}

void Land(Game& game, Landing landing, const PileRef& target) {
    ITableView* view = action::View(game);
    if (view == nullptr) return;
    switch (landing) {
        case Landing::kOnFoundation:
        case Landing::kOnPile: {
            const action::Place place = action::CardPlace(game, target, 0, false);
            view->MoveDragImage(place.x, place.y, true, true);
            ShowTableThroughCorners(game, *view, target, place);
            if (landing == Landing::kOnFoundation && game.mainGame.FoundationMarkStyle != 0) {
                view->DrawFoundationHighlights(target.line);
            }
            break;
        }
        case Landing::kOnDiscard: {
            const auto length = static_cast<int>(game.board.piles.Pile(target).size());
            view->DrawPileThickness(target.line, true, false, length);
            const action::Place place = action::StockPlace(game, target.line);
            view->MoveDragImage(place.x, place.y, true, true);
            ShowTableThroughCorners(game, *view, target, place);
            break;
        }
        case Landing::kDrawnOnWaste:
            action::DrawPlace(game, target);
            break;
    }
}

}  // namespace

bool PlaceSingleCard(ActionRun& run, const PileRef& target) {
    if (!action::IsOnBoard(run.game, run.card)) return false;
    action::PushSnapshot(run);
    action::TakeCard(run, run.card);
    run.game.board.piles.AddCardToPile(target.list, target.line, run.card, action::kFaceUpText);
    run.moved = true;
    return true;
}

bool RunSingleCardAction(ActionRun& run) {
    const SingleCardAction* row = FindSingleCardAction(run.action);
    if (row == nullptr) return false;
    const std::optional<PileRef> target = TargetOf(*row, run.action);
    if (!target.has_value()) return false;
    if (!PlaceSingleCard(run, *target)) return true;
    Game& game = run.game;
    Land(game, row->landing, *target);
    if (row->soundKind == kAnyKind || row->soundKind == action::GameKind(game)) {
        action::PlaySound(game, row->sound, row->soundSwitch);
    }
    if (row->winTest) action::SetWonFlag(game);
    return true;
}

}  // namespace engine
