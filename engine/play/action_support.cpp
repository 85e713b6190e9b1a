#include "engine/play/action_support.h"

#include "engine/model/board_measures.h"
#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/ports/geometry_port.h"
#include "engine/model/pile_text.h"
#include "engine/base/system_utils.h"
#include "engine/rules/win_rule.h"
#include "platform/core/clock.h"

namespace engine::action {

namespace {

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";
constexpr std::size_t kMostPileDigits = 2;

std::string FieldText(const Game& game, const fields::Field& field) {
    return game.settings.GetField(field.position, field.width);
}

// The pile's base place from the table object: where its first card lies.
Place BasePlace(Game& game, const PileRef& pile) {
    const TMainGame& table = game.mainGame;
    switch (pile.list) {
        case PileListId::kMazzo: return StockPlace(game, pile.line);
        case PileListId::kDest: return {table.GetFoundationX(pile.line), table.GetFoundationY(pile.line)};
        case PileListId::kAppogg: return {table.GetReserveX(pile.line), table.GetReserveY(pile.line)};
        case PileListId::kFila: return TableauPlace(game, pile.line);
    }
    return {};
}

}  // namespace

std::optional<int> PileNumberAt(std::string_view action, std::size_t position) {
    if (position < 1 || action.size() < position) return std::nullopt;
    const std::string_view digits = action.substr(position - 1);
    if (digits.empty() || digits.size() > kMostPileDigits) return std::nullopt;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < 1) return std::nullopt;
    return number;
}

int TableauCount(const Game& game) {
    return TableauCountOf(game.gameDef);
}

int ReserveCount(const Game& game) {
    return ReserveCountOf(game.gameDef);
}

int GameKind(const Game& game) {
    return game.gameDef[words::kGameKind];
}

bool IsYes(const Game& game, const fields::Field& field) {
    return FieldText(game, field) == kYes;
}

bool IsNotNo(const Game& game, const fields::Field& field) {
    return FieldText(game, field) != kNo;
}

void PlaySound(Game& game, std::string_view name, const fields::Field& soundSwitch) {
    game.media.PlaySoundAsync(name, IsYes(game, soundSwitch));
}

void Wait(Game& game, std::uint32_t milliseconds) {
    if (game.services.clock != nullptr) Delay(*game.services.clock, milliseconds);
}

void PushSnapshot(ActionRun& run) {
    if (run.snapshotPushed) return;
    run.game.undo.PushUndoSnapshot(true, kNoClear);
    run.snapshotPushed = true;
}

bool IsOnBoard(const Game& game, int card) {
    if (card < kFirstCard || card > kCardCount) return false;
    // The piles RemoveCardFromBoard searches: only the game's tableau piles, every other line.
    const PileStore& piles = game.board.piles;
    auto holds = [&piles, card](PileListId list, int lines) {
        for (int line = 0; line < lines; ++line) {
            if (FindPileCard(piles.Pile(list, line), card) >= 0) return true;
        }
        return false;
    };
    return holds(PileListId::kMazzo, kMazzoLineCount) || holds(PileListId::kFila, TableauCount(game)) ||
           holds(PileListId::kDest, kDestLineCount) || holds(PileListId::kAppogg, kAppoggLineCount);
}

int TakeCard(ActionRun& run, int card) {
    const int kind = run.game.board.piles.RemoveCardFromBoard(card, TableauCount(run.game));
    if (kind == pile_kind::kTableau) run.leftTableau = true;
    return kind;
}

int BlankCard(ActionRun& run, int card) {
    const int kind = run.game.board.piles.BlankCardOnBoard(card, TableauCount(run.game));
    if (kind == pile_kind::kTableau) run.leftTableau = true;
    return kind;
}

void SetWonFlag(Game& game) {
    const bool won = IsGameWon(game.board.piles, game.gameDef, game.settings);
    game.registers.SetFlag(flag::kGameWon, won ? 1 : 0);
}

const std::string& StockLine(const Game& game) {
    return game.board.piles.Pile(PileListId::kMazzo, kStockLine);
}

const std::string& WasteLine(const Game& game) {
    return game.board.piles.Pile(PileListId::kMazzo, kWasteLine);
}

int TakeStockTop(Game& game) {
    std::string stock = StockLine(game);
    const int count = PileCardCount(stock);
    if (count == 0) return kNoCard;
    const int top = PileCardAt(stock, count - 1);
    stock.resize(static_cast<std::size_t>(count - 1) * kCardCodeWidth);
    game.board.piles.SetPile(PileListId::kMazzo, kStockLine, std::move(stock));
    return top;
}

ITableView* View(Game& game) {
    return game.services.tableView;
}

const IGeometry* Geometry(Game& game) {
    const ITableView* view = View(game);
    return view != nullptr ? view->Geometry() : nullptr;
}

Place CardPlace(Game& game, const PileRef& pile, int cardsLeftOut, bool nextCard) {
    const IGeometry* geometry = Geometry(game);
    if (geometry == nullptr || pile.list == PileListId::kMazzo) return BasePlace(game, pile);
    const std::string name = PileName(pile, PileNumberForm::kNoLeadingZero);
    return {geometry->CardX(name, pile.line, cardsLeftOut, nextCard),
            geometry->CardY(name, pile.line, cardsLeftOut, nextCard)};
}

Place StockPlace(const Game& game, int line) {
    return {game.mainGame.GetStockX(line), game.mainGame.GetStockY(line)};
}

Place TableauPlace(Game& game, int index) {
    const IGeometry* geometry = Geometry(game);
    if (geometry == nullptr) return {};
    return {geometry->TableauX(index), geometry->GetTableauY(index)};
}

Place PlaceOfCard(Game& game, int card) {
    const IGeometry* geometry = Geometry(game);
    TableRect rect;
    if (geometry != nullptr && geometry->FindCardPosition(card, rect)) return {rect.left, rect.top};
    return StockPlace(game, kStockLine);
}

void DrawPlace(Game& game, const PileRef& pile) {
    ITableView* view = View(game);
    if (view == nullptr) return;
    const std::string name = PileName(pile, PileNumberForm::kNoLeadingZero);
    view->DrawLocation(name, pile.line, TableSurface::kBuffer);
    view->DrawLocation(name, pile.line, TableSurface::kWindow);
}

void Slide(Game& game, int image, const Place& from, const Place& to, bool shadowAdjust) {
    ITableView* view = View(game);
    if (view == nullptr) return;
    view->SlideCard(image, from.x, from.y, to.x, to.y, true, false, shadowAdjust, true);
}

void RepaintWholeTable(Game& game) {
    ITableView* view = View(game);
    if (view == nullptr) return;
    view->PaintBackground();
    view->RepaintTable();
    view->CopyBufferToScreen();
}

}  // namespace engine::action
