#include "tests/engine/deal_fixture.h"

#include "engine/model/board_dump.h"

namespace engine::deal_test {

namespace {

constexpr PileListId kAllLists[] = {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg};

GameDefRecord PlainRecord(int cardCount, int tableauCount, int foundationCount) {
    GameDefRecord game;
    game.SetWord(words::kCardCount, cardCount);
    game.SetWord(words::kTableauCount, tableauCount);
    game.SetWord(words::kFoundationCount, foundationCount);
    game.SetWord(words::kStockFaceDown, 1);
    for (int i = 0; i < foundationCount; ++i) {
        game.SetAt(words::kFoundationBase, i, kAce);
        game.SetAt(words::kFoundationDirection, i, 1);
    }
    return game;
}

}  // namespace

std::string DealFixture::Dump() const {
    return DumpBoard(board.piles);
}

std::map<int, int> DealFixture::CodeCounts() const {
    std::map<int, int> counts;
    for (const PileListId list : kAllLists) {
        for (int line = 0; line < PileLineCount(list); ++line) {
            for (const int card : Cards(list, line)) ++counts[card];
        }
    }
    return counts;
}

int DealFixture::CardsOnBoard() const {
    int cards = 0;
    for (const auto& [card, count] : CodeCounts()) cards += card == kNoCard ? 0 : count;
    return cards;
}

DealList OrderOf(const GameDefRecord& game, std::string_view number) {
    DealList list;
    fnGameNumberCardsArray(list, game, number, nullptr);
    return list;
}

void SetWords(GameDefRecord& game, GameWordRun run, std::initializer_list<int> values) {
    int i = 0;
    for (const int value : values) game.SetAt(run, i++, value);
}

GameDefRecord FreecellRecord() {
    GameDefRecord game = PlainRecord(52, 8, 4);
    game.SetWord(words::kReserveCount, 4);
    SetWords(game, words::kTableauDealA, {7, 7, 7, 7, 6, 6, 6, 6});
    SetWords(game, words::kTableauDealB, {7, 7, 7, 7, 6, 6, 6, 6});
    return game;
}

GameDefRecord KlondikeRecord() {
    GameDefRecord game = PlainRecord(52, 7, 4);
    SetWords(game, words::kTableauDealA, {1, 2, 3, 4, 5, 6, 7});
    SetWords(game, words::kTableauDealB, {1, 1, 1, 1, 1, 1, 1});
    game.SetWord(words::kStockCount, 24);
    return game;
}

GameDefRecord TwoDeckRecord() {
    GameDefRecord game = PlainRecord(104, 10, 8);
    SetWords(game, words::kTableauDealA, {6, 6, 6, 6, 5, 5, 5, 5, 5, 5});
    SetWords(game, words::kTableauDealB, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    game.SetWord(words::kStockCount, 50);
    return game;
}

GameDefRecord JokerRecord() {
    GameDefRecord game = PlainRecord(52, 7, 4);
    game.SetWord(words::kJokersUsed, 1);
    game.SetWord(words::kJokerCount, 2);
    SetWords(game, words::kTableauDealA, {7, 7, 7, 7, 7, 7, 7});
    SetWords(game, words::kTableauDealB, {-1, -2, -3, 2, 7, 0, 1});
    game.SetWord(words::kStockCount, 5);
    return game;
}

}  // namespace engine::deal_test
