#include "tests/engine/card_moves_fixture.h"

#include <optional>

#include "engine/model/game_words.h"
#include "engine/model/pile_text.h"
#include "engine/model/registers.h"
#include "engine/ports/shell_port.h"

namespace moves_test {

using engine::PileListId;
namespace w = engine::words;

namespace {

constexpr int kTableauLeft = 10;
constexpr int kTableauTop = 130;
constexpr int kColumnStep = 80;
constexpr int kFoundationLeft = 250;
constexpr int kRowTop = 10;
constexpr int kReserveLeft = 650;
constexpr int kReserveStep = 110;

bool Inside(const engine::TableRect& r, int x, int y) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

engine::TableRect CardAt(int x, int y) {
    return {x, y, x + kCardWidth, y + kCardHeight};
}

}  // namespace

int TestGeometry::TableauX(int index) const {
    return index == m_absentTableau ? engine::kAbsentTableauX : kTableauLeft + kColumnStep * index;
}

int TestGeometry::GetTableauY(int) const {
    return kTableauTop;
}

int TestGeometry::CardsIn(std::string_view pile) const {
    const std::optional<engine::PileRef> ref = engine::ParsePileName(pile);
    return ref ? engine::PileCardCount(m_game.board.piles.Pile(*ref)) : 0;
}

int TestGeometry::CardX(std::string_view pile, int index, int, bool) const {
    const std::optional<engine::PileRef> ref = engine::ParsePileName(pile);
    if (!ref) return engine::kAbsentPileX;
    switch (ref->list) {
    case PileListId::kFila: return TableauX(index);
    case PileListId::kDest: return m_game.mainGame.GetFoundationX(index);
    case PileListId::kAppogg: return m_game.mainGame.GetReserveX(index);
    case PileListId::kMazzo: return m_game.mainGame.GetStockX(ref->line);
    }
    return engine::kAbsentPileX;
}

int TestGeometry::CardY(std::string_view pile, int index, int cardsLeftOut, bool nextCard) const {
    const std::optional<engine::PileRef> ref = engine::ParsePileName(pile);
    if (!ref) return engine::kAbsentPileX;
    switch (ref->list) {
    case PileListId::kFila: {
        const int n = CardsIn(pile);
        const int steps = nextCard ? n : std::max(n - 1 - cardsLeftOut, 0);
        return GetTableauY(index) + kFanStep * steps;
    }
    case PileListId::kDest: return m_game.mainGame.GetFoundationY(index);
    case PileListId::kAppogg: return m_game.mainGame.GetReserveY(index);
    case PileListId::kMazzo: return m_game.mainGame.GetStockY(ref->line);
    }
    return engine::kAbsentPileX;
}

int TestGeometry::PileBottomY(std::string_view pile) const {
    const std::optional<engine::PileRef> ref = engine::ParsePileName(pile);
    if (!ref) return 0;
    return CardY(pile, ref->line, 0, false) + kCardHeight;
}

engine::PileHit TestGeometry::PileAtPoint(int x, int y) const {
    const engine::PileStore& piles = m_game.board.piles;
    for (int line = engine::kStockLine; line <= engine::kWasteLine; ++line) {
        const engine::TableRect r = CardAt(m_game.mainGame.GetStockX(line), m_game.mainGame.GetStockY(line));
        if (!Inside(r, x, y)) continue;
        const std::string& text = piles.Pile(PileListId::kMazzo, line);
        const int card = engine::PileCardCount(text) > 0 ? engine::PileTopCard(text) : 0;
        return {card, line == engine::kStockLine ? "Mazzo" : "Mazzo_Vis", r};
    }
    for (int i = 0; i < m_game.gameDef[w::kTableauCount]; ++i) {
        const std::string& text = piles.Pile(PileListId::kFila, i);
        const int n = engine::PileCardCount(text);
        for (int c = n - 1; c >= 0; --c) {
            const engine::TableRect r = CardAt(TableauX(i), kTableauTop + kFanStep * c);
            if (Inside(r, x, y)) return {engine::PileCardAt(text, c), "Fila" + std::to_string(i + 1), r};
        }
    }
    for (int i = 0; i < m_game.gameDef[w::kFoundationCount]; ++i) {
        const engine::TableRect r = CardAt(m_game.mainGame.GetFoundationX(i), m_game.mainGame.GetFoundationY(i));
        const std::string& text = piles.Pile(PileListId::kDest, i);
        if (Inside(r, x, y)) return {engine::PileCardCount(text) > 0 ? engine::PileTopCard(text) : 0,
                                     "Dest" + std::to_string(i + 1), r};
    }
    for (int i = 0; i < m_game.gameDef[w::kReserveCount]; ++i) {
        const engine::TableRect r = CardAt(m_game.mainGame.GetReserveX(i), m_game.mainGame.GetReserveY(i));
        const std::string& text = piles.Pile(PileListId::kAppogg, i);
        if (Inside(r, x, y)) return {engine::PileCardCount(text) > 0 ? engine::PileTopCard(text) : 0,
                                     "Appogg" + std::to_string(i + 1), r};
    }
    return {};
}

bool TestGeometry::FindCardPosition(int card, engine::TableRect& rect) const {
    const engine::PileStore& piles = m_game.board.piles;
    const auto tops = [&](PileListId list, int count, std::string_view prefix) {
        for (int i = 0; i < count; ++i) {
            const std::string& text = piles.Pile(list, i);
            if (engine::PileCardCount(text) == 0 || engine::PileTopCard(text) != card) continue;
            const std::string name = std::string(prefix) + std::to_string(i + 1);
            rect = CardAt(CardX(name, i, 0, false), CardY(name, i, 0, false));
            return true;
        }
        return false;
    };
    const std::string& waste = piles.Pile(PileListId::kMazzo, engine::kWasteLine);
    if (engine::FindPileCard(waste, card) >= 0) {
        rect = CardAt(m_game.mainGame.GetStockX(engine::kWasteLine), m_game.mainGame.GetStockY(engine::kWasteLine));
        return true;
    }
    return tops(PileListId::kDest, m_game.gameDef[w::kFoundationCount], "Dest") ||
           tops(PileListId::kFila, m_game.gameDef[w::kTableauCount], "Fila") ||
           tops(PileListId::kAppogg, m_game.gameDef[w::kReserveCount], "Appogg");
}

void MovesTableView::RedrawPileWithoutCard(int card, bool single) {
    m_calls.push_back("redraw " + std::to_string(card) + (single ? " single" : " stack"));
}

void MovesTableView::SlideCard(int card, int fromX, int fromY, int toX, int toY, bool, bool, bool, bool lift) {
    m_calls.push_back("slide " + std::to_string(card) + " " + std::to_string(fromX) + "," + std::to_string(fromY) +
                      " " + std::to_string(toX) + "," + std::to_string(toY) + (lift ? " lift" : ""));
}

MovesFixture::MovesFixture() : game(fake.Services()) {
    game.services.tableView = &view;
    game.services.shellPort = &shell;
    Word(w::kFoundationCount, 4);
    Word(w::kTableauCount, 7);
    Word(w::kMaxFoundationCards, engine::kNoLimit);
    Word(w::kMaxTableauCards, engine::kNoLimit);
    Word(w::kSequenceLimit, -1);
    Word(w::kTableauFanMode, 1);
    for (int i = 0; i < 4; ++i) {
        game.gameDef.SetAt(w::kFoundationBase, i, kA);
        game.gameDef.SetAt(w::kFoundationDirection, i, 1);
        game.gameDef.SetAt(w::kFoundationRuleCode, i, 0);
        game.mainGame.SetFoundationX(i, static_cast<std::int16_t>(kFoundationLeft + kColumnStep * i));
        game.mainGame.SetFoundationY(i, kRowTop);
    }
    for (int i = 0; i < 7; ++i) {
        game.gameDef.SetAt(w::kTableauRuleA, i, kK);
        game.gameDef.SetAt(w::kTableauRuleB, i, 0);
        game.gameDef.SetAt(w::kTableauRuleC, i, 3);
    }
    game.mainGame.SetStockX(engine::kStockLine, 10);
    game.mainGame.SetStockY(engine::kStockLine, kRowTop);
    game.mainGame.SetStockX(engine::kWasteLine, 90);
    game.mainGame.SetStockY(engine::kWasteLine, kRowTop);
    Setting(engine::fields::kCardsAnimate, "Y");
    Setting(engine::fields::kPilesTT, "N");
}

void MovesFixture::AddReserves(int count) {
    Word(w::kReserveCount, count);
    for (int i = 0; i < count; ++i) {
        game.gameDef.SetAt(w::kReserveRule, i, 0);
        game.mainGame.SetReserveX(i, kReserveLeft);
        game.mainGame.SetReserveY(i, static_cast<std::int16_t>(kTableauTop + kReserveStep * i));
    }
}

void MovesFixture::Set(PileListId list, int line, std::initializer_list<int> cards) {
    std::string text;
    for (const int card : cards) text += engine::CardCodeText(card);
    game.board.piles.SetPile(list, line, text);
}

void MovesFixture::Setting(engine::fields::Field field, std::string_view value) {
    game.settings.SetField(field.position, field.width, value);
}

std::string MovesFixture::Board() const {
    std::string text;
    for (const PileListId list : {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg}) {
        for (const std::string& line : game.board.piles.List(list)) text += line + "|";
        text += "\n";
    }
    return text;
}

void MovesFixture::StartWithAutoPlay() {
    game.registers.SetFlag(engine::flag::kGameInProgress, 1);
    shell.SetCommandDown(engine::ShellCommand::kAutoPlay, true);
}

engine::TableRect MovesFixture::TopPlace(std::string_view pile, int index) const {
    const int x = geometry.CardX(pile, index, 0, false);
    const int y = geometry.CardY(pile, index, 0, false);
    return CardAt(x, y);
}

}  // namespace moves_test
