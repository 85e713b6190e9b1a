// Whole deals pinned: for layouts that take every path of the deal (the card order with
// and without jokers, the foundation start codes and the play-off of dealt cards row by row
// and pile by pile, the pre-fill modes and the special deal kinds), hundreds of game numbers
// are dealt and what the deal leaves (every pile with its face flags, the cards scored and
// the rule words it writes) is folded into one number that must not change.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "tests/engine/deal_fixture.h"

namespace engine::deal_test {
namespace {

constexpr int kNumbers = 300;

// FNV-1a over the texts, so any changed character shows.
class Fold {
public:
    void Add(std::string_view text) {
        for (const char c : text) {
            m_value ^= static_cast<unsigned char>(c);
            m_value *= 1099511628211ull;
        }
        Add('\n');
    }
    void Add(char c) {
        m_value ^= static_cast<unsigned char>(c);
        m_value *= 1099511628211ull;
    }
    std::uint64_t Value() const { return m_value; }

private:
    std::uint64_t m_value = 14695981039346656037ull;
};

std::uint64_t DealMany(const GameDefRecord& record) {
    Fold fold;
    DealFixture fixture;
    std::uint64_t number = 987654321;
    for (int k = 0; k < kNumbers; ++k) {
        number = (number * 6364136223846793005ull + 1442695040888963407ull) % 10'000'000'000'000ull;
        const std::string text = std::to_string(number);
        fixture.scoredCards = 0;
        fixture.Redeal(record, text);
        fold.Add(text);
        fold.Add(fixture.Dump());
        fold.Add(std::to_string(fixture.scoredCards));
        for (const GameWordRun run : {words::kFoundationBase, words::kTableauRuleA}) {
            for (int i = 0; i < run.count; ++i) fold.Add(std::to_string(fixture.game.At(run, i)));
        }
    }
    return fold.Value();
}

GameDefRecord WithStartCode(GameDefRecord game, int foundations, int code) {
    game.SetWord(words::kFoundationCount, foundations);
    for (int i = 0; i < foundations; ++i) {
        game.SetAt(words::kFoundationBase, i, kAce);
        game.SetAt(words::kFoundationDirection, i, 1);
        game.SetAt(words::kFoundationStartCode, i, code);
    }
    return game;
}

struct Layout {
    const char* name;
    GameDefRecord record;
};

std::vector<Layout> Layouts() {
    std::vector<Layout> layouts;
    layouts.push_back({"freecell", FreecellRecord()});
    layouts.push_back({"klondike aces out, row by row", WithStartCode(KlondikeRecord(), 4, 93)});
    {
        GameDefRecord game = WithStartCode(FreecellRecord(), 4, 94);
        game.SetWord(words::kDealByPile, 1);
        layouts.push_back({"aces out to their own piles, pile by pile", game});
    }
    {
        GameDefRecord game = WithStartCode(TwoDeckRecord(), 8, 95);
        for (int i = 0; i < 4; ++i) game.SetAt(words::kFoundationDirection, i, 0);
        layouts.push_back({"kings then aces by groups", game});
        game.SetWord(words::kDealByPile, 1);
        layouts.push_back({"kings then aces by groups, pile by pile", game});
    }
    layouts.push_back({"aces refilled from the stock", WithStartCode(KlondikeRecord(), 4, 96)});
    layouts.push_back({"two decks", TwoDeckRecord()});
    {
        GameDefRecord game = JokerRecord();
        game.SetAt(words::kTableauDealA, 0, 1501);
        layouts.push_back({"jokers", game});
    }
    {
        GameDefRecord game = WithStartCode(KlondikeRecord(), 4, 21);
        game.SetWord(words::kWasteCount, 3);
        game.SetWord(words::kThirdPileCount, 2);
        game.SetWord(words::kReserveCount, 3);
        SetWords(game, words::kReserveDealA, {4, 5, 1013});
        SetWords(game, words::kReserveDealB, {-1, -2, -3});
        layouts.push_back({"new suits, waste, third pile and reserves", game});
    }
    for (const int prefill : {1, 2, 3, 4}) {
        GameDefRecord game = WithStartCode(FreecellRecord(), 8, 0);
        SetWords(game, words::kTableauDealA, {5, 5, 5, 5, 5, 5, 5, 5});
        game.SetWord(words::kReserveCount, 4);
        SetWords(game, words::kReserveDealA, {1, 1, 1, 1});
        game.SetWord(words::kFoundationPrefillMode, prefill);
        layouts.push_back({"pre-fill", game});
    }
    for (const int kind : {1, 2, 3, 5, 8, 11, 12, 13, 15}) {
        GameDefRecord game = WithStartCode(KlondikeRecord(), 4, kind == 13 ? 91 : 0);
        game.SetWord(words::kDealKind, kind);
        layouts.push_back({"deal kind", game});
    }
    return layouts;
}

TEST(DealPinned, EveryLayoutDealsAsItAlwaysHas) {
    // What the deal made of them before it was made faster.
    const std::uint64_t pinned[] = {
        198477355237755340ull, 9512481770742862263ull, 17431360778279532300ull,
        12619640383156614790ull, 14221718957096566328ull, 7236712206271166431ull,
        16860065476431855672ull, 8520819260550406711ull, 12952305659729740570ull,
        4734916804371059617ull, 13300637169891225596ull, 1575708813517660486ull,
        3434581420682258457ull, 2908967552212571327ull, 2611669270705614315ull,
        8234901159672804922ull, 14043851517361712976ull, 2509763245904050770ull,
        14501509130786490845ull, 267842817566000044ull, 4957552317912357392ull,
        14054980960508252615ull};
    ASSERT_EQ(std::size(pinned), Layouts().size());
    const std::vector<Layout> layouts = Layouts();
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const std::uint64_t value = DealMany(layouts[i].record);
        EXPECT_EQ(value, pinned[i]) << "layout " << i << ": " << layouts[i].name;
    }
}

}  // namespace
}  // namespace engine::deal_test
