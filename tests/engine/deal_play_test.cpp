#include <gtest/gtest.h>

#include "engine/deal/foundation_play.h"
#include "engine/deal/foundation_start.h"
#include "tests/engine/deal_fixture.h"

namespace engine::deal_test {
namespace {

// Four foundations building up by suit from the Ace; the board is laid by hand.
class DealPlayTest : public testing::Test {
protected:
    DealPlayTest() {
        fixture.game.SetWord(words::kCardCount, 52);
        fixture.game.SetWord(words::kFoundationCount, 4);
        fixture.game.SetWord(words::kTableauCount, 8);
        fixture.game.SetWord(words::kReserveCount, 2);
        for (int i = 0; i < 4; ++i) {
            fixture.game.SetAt(words::kFoundationBase, i, kAce);
            fixture.game.SetAt(words::kFoundationDirection, i, 1);
        }
    }

    void Lay(PileListId list, int line, std::string text) { fixture.board.piles.SetPile(list, line, std::move(text)); }
    const std::string& Pile(PileListId list, int line) const { return fixture.Pile(list, line); }

    DealFixture fixture;
    DealContext deal = fixture.Context();
};

TEST_F(DealPlayTest, PlaceOnFoundationMovesTheCardFaceUpAndScores) {
    Lay(PileListId::kDest, 2, "027");
    Lay(PileListId::kFila, 0, "005028");
    fixture.board.cards.SetCardFaceFlag(28, '0');
    EXPECT_FALSE(PlaceOnFoundation(deal, 5, kAnyFoundation));
    EXPECT_TRUE(PlaceOnFoundation(deal, 28, kAnyFoundation));
    EXPECT_EQ(Pile(PileListId::kDest, 2), "027028");
    EXPECT_EQ(Pile(PileListId::kFila, 0), "005");
    EXPECT_TRUE(fixture.IsUp(28));
    EXPECT_EQ(fixture.scoredCards, 1);
}

TEST_F(DealPlayTest, PlaceOnFoundationTriesOnlyTheGivenFoundationOfTheGame) {
    Lay(PileListId::kFila, 0, "001");
    EXPECT_FALSE(PlaceOnFoundation(deal, 1, 4));   // the game has four foundations
    EXPECT_FALSE(PlaceOnFoundation(deal, 1, -1));
    EXPECT_FALSE(PlaceOnFoundation(deal, 1, 16));
    EXPECT_EQ(Pile(PileListId::kFila, 0), "001");
    EXPECT_TRUE(PlaceOnFoundation(deal, 1, 3));
    EXPECT_EQ(Pile(PileListId::kDest, 3), "001");
}

TEST_F(DealPlayTest, PlaceOnFoundationGroupPicksItsFoundations) {
    fixture.game.SetWord(words::kFoundationCount, 8);
    for (int i = 4; i < 8; ++i) {
        fixture.game.SetAt(words::kFoundationBase, i, kAce);
        fixture.game.SetAt(words::kFoundationDirection, i, 1);
    }
    Lay(PileListId::kFila, 0, "001014027040");
    EXPECT_TRUE(PlaceOnFoundationGroup(deal, 1, 7));
    EXPECT_EQ(Pile(PileListId::kDest, 4), "001");
    EXPECT_TRUE(PlaceOnFoundationGroup(deal, 14, 2));
    EXPECT_EQ(Pile(PileListId::kDest, 0), "014");
    EXPECT_TRUE(PlaceOnFoundationGroup(deal, 27, 5));
    EXPECT_EQ(Pile(PileListId::kDest, 1), "027");
    fixture.game.SetWord(words::kFoundationCount, 4);
    EXPECT_FALSE(PlaceOnFoundationGroup(deal, 40, 8));  // foundations 4-7 are not in the game now
    EXPECT_TRUE(PlaceOnFoundationGroup(deal, 40, 0));
}

TEST_F(DealPlayTest, RowByRowExaminesEachPlaceAgainAfterASuccess) {
    Lay(PileListId::kDest, 0, "001");
    Lay(PileListId::kFila, 0, "002003");
    Lay(PileListId::kFila, 1, "005004");
    fixture.game.SetAt(words::kFoundationStartCode, 0, start_code::kAceOfSuit);
    PlayDealtCardsToFoundations(deal);
    EXPECT_EQ(Pile(PileListId::kDest, 0), "001002003004");
    EXPECT_EQ(Pile(PileListId::kFila, 0), "");
    EXPECT_EQ(Pile(PileListId::kFila, 1), "005");  // its place was examined before the Four went up
    EXPECT_EQ(fixture.scoredCards, 3);
}

TEST_F(DealPlayTest, PileByPileFinishesEachPileFirst) {
    Lay(PileListId::kDest, 0, "001");
    Lay(PileListId::kFila, 0, "003");
    Lay(PileListId::kFila, 1, "002");
    fixture.game.SetAt(words::kFoundationStartCode, 0, start_code::kAceOfSuit);
    fixture.game.SetWord(words::kDealByPile, 1);
    PlayDealtCardsToFoundations(deal);
    EXPECT_EQ(Pile(PileListId::kDest, 0), "001002");
    EXPECT_EQ(Pile(PileListId::kFila, 0), "003");
}

TEST_F(DealPlayTest, OwnPileCodeOffersPileIToFoundationI) {
    Lay(PileListId::kFila, 0, "014");
    Lay(PileListId::kFila, 1, "001");
    Lay(PileListId::kFila, 5, "027");
    fixture.game.SetAt(words::kFoundationStartCode, 0, start_code::kAceOfSuitOwnPile);
    PlayDealtCardsToFoundations(deal);
    EXPECT_EQ(Pile(PileListId::kDest, 0), "014");
    EXPECT_EQ(Pile(PileListId::kDest, 1), "001");
    EXPECT_EQ(Pile(PileListId::kFila, 5), "027");  // foundation 5 is not in the game
}

TEST_F(DealPlayTest, KingsThenAcesOffersByGroup) {
    fixture.game.SetWord(words::kFoundationCount, 8);
    for (int i = 4; i < 8; ++i) {
        fixture.game.SetAt(words::kFoundationBase, i, kAce);
        fixture.game.SetAt(words::kFoundationDirection, i, 1);
    }
    fixture.game.SetAt(words::kFoundationStartCode, 0, start_code::kKingsThenAces);
    Lay(PileListId::kFila, 6, "001");  // pile 6 is group 6: foundations 4-7
    Lay(PileListId::kFila, 2, "014");  // group 2: foundations 0-3
    PlayDealtCardsToFoundations(deal);
    EXPECT_EQ(Pile(PileListId::kDest, 4), "001");
    EXPECT_EQ(Pile(PileListId::kDest, 0), "014");
}

TEST_F(DealPlayTest, AcesAreReplacedFromTheStockThenTheWaste) {
    Lay(PileListId::kFila, 0, "005001007");
    Lay(PileListId::kFila, 1, "014");
    Lay(PileListId::kMazzo, kStockLine, "020030");
    Lay(PileListId::kMazzo, kWasteLine, "045");
    fixture.board.cards.SetCardFaceFlag(30, '0');
    PlayAcesRefilledFromStock(deal);
    EXPECT_EQ(Pile(PileListId::kFila, 1), "030");  // row 0 comes first
    EXPECT_EQ(Pile(PileListId::kFila, 0), "005020007");
    EXPECT_TRUE(fixture.IsUp(30));
    EXPECT_EQ(Pile(PileListId::kMazzo, kStockLine), "");
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), "045");
    EXPECT_EQ(Pile(PileListId::kDest, 0), "014");
    EXPECT_EQ(Pile(PileListId::kDest, 1), "001");

    Lay(PileListId::kFila, 2, "027");
    PlayAcesRefilledFromStock(deal);
    EXPECT_EQ(Pile(PileListId::kFila, 2), "045");
    Lay(PileListId::kFila, 3, "040002");
    PlayAcesRefilledFromStock(deal);  // nothing left to refill with: the place closes up
    EXPECT_EQ(Pile(PileListId::kFila, 3), "002");
}

TEST_F(DealPlayTest, ReserveAcesStartFoundationsAndArePaidBackFromTheWaste) {
    fixture.game.SetWord(words::kGameKind, kReserveAcesGameKind);
    Lay(PileListId::kDest, 1, "030");
    Lay(PileListId::kAppogg, 0, "001005014");
    Lay(PileListId::kMazzo, kWasteLine, "003027009040011");
    fixture.board.cards.SetCardFaceFlag(5, '0');
    PlayReserveAcesAndWaste(deal);
    EXPECT_EQ(Pile(PileListId::kDest, 1), "001");  // replaces what lay there
    EXPECT_EQ(Pile(PileListId::kDest, 2), "014");
    EXPECT_EQ(Pile(PileListId::kDest, 0), "027");
    EXPECT_EQ(Pile(PileListId::kAppogg, 0), "005003009");
    EXPECT_TRUE(fixture.IsUp(5));
    EXPECT_EQ(Pile(PileListId::kMazzo, kWasteLine), "040011");  // stops: Ace played, nothing owed
}

TEST_F(DealPlayTest, ReserveAcesOnlyInTheirGameKind) {
    Lay(PileListId::kAppogg, 0, "001");
    PlayReserveAcesAndWaste(deal);
    EXPECT_EQ(Pile(PileListId::kAppogg, 0), "001");
}

}  // namespace
}  // namespace engine::deal_test
