// CanPlaceCard over a mixed set of placements on a board in mid-game: the general test in
// both contexts, rows on the two cards, and rows that ask where the card lies.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/model/card_board.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/registers.h"
#include "engine/rules/rule_checker.h"

namespace {

constexpr int kFoundations = 8;
constexpr int kTableaus = 10;
constexpr int kReserves = 4;
constexpr int kPlacements = 256;
// One check over the mixed set should take no longer than this.
constexpr double kTargetNanoseconds = 25.0;

std::string Pile(std::initializer_list<int> cards) {
    std::string text;
    for (const int card : cards) text += engine::CardCodeText(card);
    return text;
}

struct MidGame {
    MidGame() {
        using engine::PileListId;
        namespace w = engine::words;
        game.SetWord(w::kFoundationCount, kFoundations);
        game.SetWord(w::kTableauCount, kTableaus);
        game.SetWord(w::kReserveCount, kReserves);
        game.SetWord(w::kRowWidth, 5);
        for (int f = 0; f < kFoundations; ++f) game.SetAt(w::kFoundationBase, f, 1);
        board.piles.SetPile(PileListId::kMazzo, engine::kStockLine, Pile({60, 61, 62, 63, 64, 65, 66, 67, 68, 69}));
        board.piles.SetPile(PileListId::kMazzo, engine::kWasteLine, Pile({70, 71, 72}));
        board.piles.SetPile(PileListId::kDest, 0, Pile({1, 2, 3}));
        board.piles.SetPile(PileListId::kDest, 1, Pile({14, 15}));
        board.piles.SetPile(PileListId::kDest, 4, Pile({40}));
        for (int t = 0; t < kTableaus; ++t) {
            std::string text;
            for (int k = 0; k <= t % 6; ++k) text += engine::CardCodeText(80 + (t * 7 + k * 3) % 25);
            board.piles.SetPile(PileListId::kFila, t, text);
        }
        board.piles.SetPile(PileListId::kAppogg, 0, Pile({30}));
        board.piles.SetPile(PileListId::kAppogg, 2, Pile({45, 46}));
    }

    engine::CardBoard board;
    engine::GameDefRecord game;
    engine::Registers registers;
};

// Rule codes in the mix: mostly the general test, as most games build that way.
constexpr int kRules[] = {0, 0, 1, 2, 3, 3, 0, 11, 20, 28, 35, 17, 19, 54, 79, 81, 94, 95, 29, 72, 91, 86, 36, 3};

std::vector<engine::PlaceQuery> Placements() {
    std::vector<engine::PlaceQuery> queries;
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) {
        seed = seed * 134775813u + 1u;
        return static_cast<int>((static_cast<unsigned long long>(seed) * n) >> 32);
    };
    for (int k = 0; k < kPlacements; ++k) {
        engine::PlaceQuery q;
        const bool foundation = next(3) == 0;
        q.top = next(5) == 0 ? -1 : next(104) + 1;
        q.card = next(104) + 1;
        q.base = foundation ? 1 : -1;
        q.start = 1;
        q.direction = foundation ? 1 : next(3);
        q.rule = kRules[next(sizeof(kRules) / sizeof(kRules[0]))];
        q.foundation = foundation;
        q.pastStart = next(2) == 0;
        q.pileIndex = next(foundation ? kFoundations : kTableaus);
        q.stockTest = true;
        queries.push_back(q);
    }
    return queries;
}

void BM_CanPlaceCard(benchmark::State& state) {
    MidGame mid;
    const engine::RuleContext ctx{mid.board.piles, mid.game, mid.registers};
    const std::vector<engine::PlaceQuery> queries = Placements();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::CanPlaceCard(ctx, queries[i]));
        i = (i + 1) % queries.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["target_ns"] = kTargetNanoseconds;
}
BENCHMARK(BM_CanPlaceCard);

// Only the general test, with no question about where the card lies.
void BM_CanPlaceCardGeneral(benchmark::State& state) {
    MidGame mid;
    const engine::RuleContext ctx{mid.board.piles, mid.game, mid.registers};
    std::vector<engine::PlaceQuery> queries = Placements();
    for (engine::PlaceQuery& q : queries) q.rule = q.foundation ? 0 : 3;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::CanPlaceCard(ctx, queries[i]));
        i = (i + 1) % queries.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CanPlaceCardGeneral);

}  // namespace
