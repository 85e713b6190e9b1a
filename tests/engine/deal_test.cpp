#include "engine/deal/deal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/deal/deal_order.h"
#include "tests/engine/deal_fixture.h"

namespace engine::deal_test {
namespace {

std::string NumberFor(std::uint64_t i) {
    return std::to_string((i * 104729 + 17) * 2654435761ULL % 10000000000000ULL);
}

struct GameCase {
    const char* name;
    GameDefRecord (*record)();
    int cards;
};

void PrintTo(const GameCase& game, std::ostream* os) {
    *os << game.name;
}

class DealEveryCard : public testing::TestWithParam<GameCase> {};

TEST_P(DealEveryCard, EveryCodeLiesOnTheBoardExactlyOnce) {
    const GameCase game = GetParam();
    const GameDefRecord record = game.record();
    DealFixture fixture;
    for (std::uint64_t i = 0; i < 2000; ++i) {
        ASSERT_TRUE(fixture.Redeal(record, NumberFor(i)));
        const auto counts = fixture.CodeCounts();
        ASSERT_EQ(counts.count(kNoCard), 0U) << NumberFor(i) << "\n" << fixture.Dump();
        ASSERT_EQ(static_cast<int>(counts.size()), game.cards) << NumberFor(i);
        for (const auto& [card, count] : counts) ASSERT_EQ(count, 1) << card << " in " << NumberFor(i);
    }
}

INSTANTIATE_TEST_SUITE_P(Games, DealEveryCard,
                         testing::Values(GameCase{"Freecell", FreecellRecord, 52}, GameCase{"Klondike", KlondikeRecord, 52},
                                         GameCase{"TwoDecks", TwoDeckRecord, 104}, GameCase{"Jokers", JokerRecord, 54}),
                         [](const testing::TestParamInfo<GameCase>& info) { return std::string(info.param.name); });

TEST(DealCards, ShortAndPaddedNumbersDealAlike) {
    DealFixture one;
    DealFixture padded;
    ASSERT_TRUE(one.Redeal(KlondikeRecord(), "1"));
    ASSERT_TRUE(padded.Redeal(KlondikeRecord(), "0000000000001"));
    EXPECT_EQ(one.Dump(), padded.Dump());
}

TEST(DealCards, FrozenFreecell) {
    DealFixture fixture;
    ASSERT_TRUE(fixture.Redeal(FreecellRecord(), "1"));
    EXPECT_EQ(fixture.Dump(),
              "Fila01: 040u 004u 043u 039u 015u 006u 016u\n"
              "Fila02: 045u 018u 035u 034u 007u 049u 011u\n"
              "Fila03: 025u 024u 026u 027u 046u 030u 048u\n"
              "Fila04: 010u 012u 032u 021u 002u 041u 003u\n"
              "Fila05: 042u 005u 014u 044u 017u 013u\n"
              "Fila06: 033u 009u 019u 023u 052u 022u\n"
              "Fila07: 037u 038u 051u 028u 008u 029u\n"
              "Fila08: 047u 031u 020u 050u 036u 001u\n");
}

TEST(DealCards, FrozenKlondike) {
    DealFixture fixture;
    ASSERT_TRUE(fixture.Redeal(KlondikeRecord(), "1234567890123"));
    EXPECT_EQ(fixture.Dump(),
              "Mazzo: 005d 014d 028d 037d 035d 006d 002d 043d 003d 040d 023d 034d 022d 018d 020d 046d 045d 015d 012d 038d 001d 044d 042d 017d\n"
              "Fila01: 021u\n"
              "Fila02: 011d 052u\n"
              "Fila03: 026d 033d 049u\n"
              "Fila04: 050d 009d 019d 013u\n"
              "Fila05: 039d 041d 030d 051d 027u\n"
              "Fila06: 016d 031d 036d 008d 048d 029u\n"
              "Fila07: 032d 047d 007d 010d 024d 004d 025u\n");
}

TEST(DealCards, FrozenJokersWithFacePatterns) {
    DealFixture fixture;
    ASSERT_TRUE(fixture.Redeal(JokerRecord(), "5550001112223"));
    EXPECT_EQ(fixture.Dump(),
              "Mazzo: 106d 028d 040d 016d 005d\n"
              "Fila01: 006u 036d 043u 047d 007u 035d 044u\n"
              "Fila02: 029d 002u 001d 038u 025d 037u 034d\n"
              "Fila03: 039u 023d 013d 045d 048d 032d 018d\n"
              "Fila04: 017d 020d 046d 003d 015d 050u 027u\n"
              "Fila05: 105u 012u 019u 031u 052u 049u 010u\n"
              "Fila06: 030d 004d 042d 041d 014d 009d 022d\n"
              "Fila07: 051d 011d 033d 024d 026d 008d 021u\n");
}

TEST(DealCards, FrozenTwoDecks) {
    DealFixture fixture;
    ASSERT_TRUE(fixture.Redeal(TwoDeckRecord(), "9876543210987"));
    EXPECT_EQ(fixture.Dump(),
              "Mazzo: 072d 086d 067d 034d 012d 074d 069d 042d 040d 048d 059d 104d 083d 071d 037d 076d 093d 018d 043d 009d 022d 073d 021d 064d 082d 035d 046d 001d 068d 078d 054d 028d 085d 075d 062d 020d 097d 017d 011d 031d 090d 047d 101d 032d 015d 023d 092d 088d 094d 065d\n"
              "Fila01: 010d 033d 080d 084d 026d 030u\n"
              "Fila02: 096d 036d 049d 006d 055d 053u\n"
              "Fila03: 103d 008d 002d 091d 051d 063u\n"
              "Fila04: 095d 029d 013d 045d 007d 081u\n"
              "Fila05: 057d 077d 060d 014d 079u\n"
              "Fila06: 005d 050d 019d 025d 052u\n"
              "Fila07: 016d 041d 100d 089d 061u\n"
              "Fila08: 087d 056d 098d 099d 003u\n"
              "Fila09: 066d 038d 070d 039d 027u\n"
              "Fila10: 058d 044d 004d 024d 102u\n");
}

// Words far outside their ranges are clipped to the piles the lists have; the deal
// neither reads nor writes past them and never lays a card twice.
TEST(DealCards, WordsOutOfRangeStayInsideTheBoard) {
    DealFixture fixture;
    GameDefRecord game = TwoDeckRecord();
    game.SetWord(words::kTableauCount, 99);
    game.SetWord(words::kFoundationCount, 40);
    game.SetWord(words::kReserveCount, -3);
    game.SetWord(words::kJokersUsed, 1);
    game.SetWord(words::kJokerCount, 9);
    game.SetWord(words::kDealKind, 2);
    for (int i = 0; i < 16; ++i) game.SetAt(words::kFoundationStartCode, i, 94);
    game.SetWord(words::kThirdPileStartCard, 999);
    for (const int kind : {2, 5, 6, 7, 9, 10, 11, 14}) {
        game.SetWord(words::kDealKind, kind);
        ASSERT_TRUE(fixture.Redeal(game, "4444444444444")) << kind;
        for (const auto& [card, count] : fixture.CodeCounts()) {
            EXPECT_TRUE(card == kNoCard || count == 1) << "kind " << kind << " card " << card;
        }
        EXPECT_LE(fixture.CardsOnBoard(), 108);
    }
}

}  // namespace
}  // namespace engine::deal_test
