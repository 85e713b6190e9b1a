// One whole deal (card order, piles, face flags, play-off to the foundations) of a
// one-deck and of a two-deck game, on a cleared board, as a new game does it.
#include <benchmark/benchmark.h>

#include <array>
#include <initializer_list>
#include <string>

#include "engine/model/card_board.h"
#include "engine/deal/deal.h"
#include "engine/model/game_record.h"
#include "engine/model/registers.h"
#include "engine/model/settings_block.h"
#include "platform/core/random.h"

namespace {

namespace w = engine::words;

constexpr std::size_t kNumbers = 64;
// A deal of one deck or two should take no longer than this.
constexpr double kTargetMicroseconds = 2.0;

void SetRun(engine::GameDefRecord& game, engine::GameWordRun run, std::initializer_list<int> values) {
    int i = 0;
    for (const int value : values) game.SetAt(run, i++, value);
}

void AddFoundations(engine::GameDefRecord& game, int count, int startCode) {
    game.SetWord(w::kFoundationCount, count);
    for (int i = 0; i < count; ++i) {
        game.SetAt(w::kFoundationBase, i, 1);
        game.SetAt(w::kFoundationDirection, i, 1);
        game.SetAt(w::kFoundationStartCode, i, startCode);
    }
}

// Seven piles of 1..7, the top card up, the Aces started on the foundations and every
// dealt card offered to them; a stock of 24.
engine::GameDefRecord OneDeckGame() {
    engine::GameDefRecord game;
    game.SetWord(w::kCardCount, 52);
    game.SetWord(w::kTableauCount, 7);
    game.SetWord(w::kStockCount, 24);
    game.SetWord(w::kStockFaceDown, 1);
    AddFoundations(game, 4, 93);
    SetRun(game, w::kTableauDealA, {1, 2, 3, 4, 5, 6, 7});
    SetRun(game, w::kTableauDealB, {1, 1, 1, 1, 1, 1, 1});
    return game;
}

// Ten piles of 6/6/6/6/5/5/5/5/5/5, the top card up; a stock of 50.
engine::GameDefRecord TwoDeckGame() {
    engine::GameDefRecord game;
    game.SetWord(w::kCardCount, 104);
    game.SetWord(w::kTableauCount, 10);
    game.SetWord(w::kStockCount, 50);
    game.SetWord(w::kStockFaceDown, 1);
    AddFoundations(game, 8, 0);
    SetRun(game, w::kTableauDealA, {6, 6, 6, 6, 5, 5, 5, 5, 5, 5});
    SetRun(game, w::kTableauDealB, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    return game;
}

std::array<std::string, kNumbers> GameNumbers() {
    std::array<std::string, kNumbers> numbers;
    platform::RandomGenerator random(2024);
    for (std::string& number : numbers) {
        for (int digit = 0; digit < 13; ++digit) number += static_cast<char>('0' + random.Random(10));
    }
    return numbers;
}

void DealBenchmark(benchmark::State& state, const engine::GameDefRecord& record) {
    const auto numbers = GameNumbers();
    engine::CardBoard board;
    engine::GameDefRecord game;
    engine::Registers registers;
    platform::RandomGenerator random(1);
    // The game numbers are written beforehand: writing one is not part of the deal.
    std::array<engine::SettingsBlock, kNumbers> settings;
    for (std::size_t i = 0; i < kNumbers; ++i) {
        settings[i].SetField(engine::fields::kGameNumber.position, engine::fields::kGameNumber.width, numbers[i]);
    }
    std::size_t next = 0;
    for (auto _ : state) {
        board.piles.ClearPiles();
        game = record;
        engine::DealContext deal{board.piles, game, settings[next], registers, nullptr, &random, {}, {}};
        next = (next + 1) % kNumbers;
        benchmark::DoNotOptimize(engine::DealCards(deal));
    }
    state.counters["target_us"] = kTargetMicroseconds;
}

void BM_DealOneDeck(benchmark::State& state) {
    DealBenchmark(state, OneDeckGame());
}

void BM_DealTwoDecks(benchmark::State& state) {
    DealBenchmark(state, TwoDeckGame());
}

BENCHMARK(BM_DealOneDeck)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DealTwoDecks)->Unit(benchmark::kMicrosecond);

}  // namespace
