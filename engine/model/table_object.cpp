#include "engine/model/table_object.h"

#include <algorithm>

#include "engine/base/decimal_text.h"
#include "engine/model/game_list.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/board_measures.h"

namespace engine {

namespace {

constexpr std::size_t kCodeWidth = 3;

// The last code of a pile string; 0 for a pile without one.
int TopCode(const std::string& pile) {
    if (pile.size() < kCodeWidth) {
        return 0;
    }
    return ReadDecimal(std::string_view(pile).substr(pile.size() - kCodeWidth)).value_or(0);
}

}  // namespace

TMainGame::Places::Places(int count, std::int16_t absentMarker)
    : absent(absentMarker),
      x(static_cast<std::size_t>(count), absentMarker),
      y(static_cast<std::size_t>(count), absentMarker) {}

int TMainGame::Places::X(int index) const {
    return (index >= 0 && static_cast<std::size_t>(index) < x.size()) ? x[static_cast<std::size_t>(index)] : absent;
}

int TMainGame::Places::Y(int index) const {
    return (index >= 0 && static_cast<std::size_t>(index) < y.size()) ? y[static_cast<std::size_t>(index)] : absent;
}

void TMainGame::Places::SetX(int index, std::int16_t value) {
    if (index >= 0 && static_cast<std::size_t>(index) < x.size()) {
        x[static_cast<std::size_t>(index)] = value;
    }
}

void TMainGame::Places::SetY(int index, std::int16_t value) {
    if (index >= 0 && static_cast<std::size_t>(index) < y.size()) {
        y[static_cast<std::size_t>(index)] = value;
    }
}

TMainGame::TMainGame() = default;

void TMainGame::Done() {
    GameList.clear();
    GameList.shrink_to_fit();
    SecondList.clear();
    SecondList.shrink_to_fit();
}

int TMainGame::GetStockX(int index) const {
    return m_stock.X(index);
}

int TMainGame::GetStockY(int index) const {
    return m_stock.Y(index) - TableTopOffset;
}

void TMainGame::SetStockX(int index, std::int16_t value) {
    m_stock.SetX(index, value);
}

void TMainGame::SetStockY(int index, std::int16_t value) {
    m_stock.SetY(index, value);
}

int TMainGame::GetFoundationX(int index) const {
    return m_foundations.X(index);
}

int TMainGame::GetFoundationY(int index) const {
    return m_foundations.Y(index) - TableTopOffset;
}

void TMainGame::SetFoundationX(int index, std::int16_t value) {
    m_foundations.SetX(index, value);
}

void TMainGame::SetFoundationY(int index, std::int16_t value) {
    m_foundations.SetY(index, value);
}

int TMainGame::GetReserveX(int index) const {
    return m_reserves.X(index);
}

int TMainGame::GetReserveY(int index) const {
    return m_reserves.Y(index) - TableTopOffset;
}

void TMainGame::SetReserveX(int index, std::int16_t value) {
    m_reserves.SetX(index, value);
}

void TMainGame::SetReserveY(int index, std::int16_t value) {
    m_reserves.SetY(index, value);
}

int TMainGame::TopCardOfPile(const PileStore& piles, std::string_view name) const {
    const std::optional<PileRef> pile = ParsePileName(name);
    // The third stock-row pile has no top card here.
    if (!pile || (pile->list == PileListId::kMazzo && pile->line == kThirdStockLine)) {
        return 0;
    }
    return TopCode(piles.Pile(*pile));
}

bool TMainGame::IsTopOfSomeTableau(const PileStore& piles, const GameDefRecord& gameDef, int card) const {
    if (card < 1) {
        return false;
    }
    const int count = TableauCountOf(gameDef);
    for (int line = 0; line < count; ++line) {
        if (TopCode(piles.Pile(PileListId::kFila, line)) == card) {
            return true;
        }
    }
    return false;
}

int TMainGame::GetGameIndex(int gameId) const {
    return FindGameLine(GameList, gameId);
}

std::string TMainGame::GetGameName(int gameId) const {
    const int index = GetGameIndex(gameId);
    return index < 0 ? std::string() : GameNameOfLine(GameList[static_cast<std::size_t>(index)]);
}

}  // namespace engine
