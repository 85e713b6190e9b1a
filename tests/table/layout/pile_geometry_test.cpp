#include "table/layout/pile_geometry.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/model/card_board.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "table/layout/table_geometry.h"

namespace {

namespace words = engine::words;
using engine::PileListId;

constexpr int kCw = 71;
constexpr int kCh = 96;
constexpr int kUp = 18;   // face-up step
constexpr int kDown = 4;  // face-down step

// Big cards, straight piles, the steps of the big size; piles placed by each test.
class PileGeometryTest : public ::testing::Test {
protected:
    PileGeometryTest() {
        settings.SetField(engine::fields::kPilesTT.position, engine::fields::kPilesTT.width, "N");
        mainGame.FaceUpStepY = kUp;
        mainGame.FaceDownStepY = kDown;
        mainGame.FaceUpStepX = 12;
        mainGame.FaceDownStepX = 4;
        mainGame.SideBySideGap = 6;
        mainGame.FanMode5Step = 3;
        mainGame.FanMode6Step = 7;
        mainGame.FanMode6DownStep = 7;
        def.SetWord(words::kTableauCount, 4);
        def.SetWord(words::kReserveCount, 2);
    }

    // Cards bottom first; a negative code lies face down.
    void SetPile(PileListId list, int line, std::initializer_list<int> cards) {
        std::string text;
        for (int card : cards) {
            const int code = card < 0 ? -card : card;
            text += engine::CardCodeText(code);
            board.cards.SetCardFaceFlag(code, card < 0 ? engine::kFaceDown : engine::kFaceUp);
        }
        board.piles.SetPile(list, line, text);
    }

    void PlaceTableau(int i, int x, int y) {
        geometry.SetTableauX(i, static_cast<std::int16_t>(x));
        geometry.SetTableauY(i, static_cast<std::int16_t>(y));
    }

    engine::CardBoard board;
    engine::TMainGame mainGame;
    engine::GameDefRecord def;
    engine::Registers registers;
    engine::SettingsBlock settings;
    table::TableGeometry geometry;
    table::PileGeometry piles{{geometry, mainGame, def, board.piles, registers, settings}};
};

TEST_F(PileGeometryTest, IsFaceDownReadsTheCardRecord) {
    SetPile(PileListId::kFila, 0, {-5, 6});
    EXPECT_TRUE(piles.IsFaceDown(5));
    EXPECT_FALSE(piles.IsFaceDown(6));
    EXPECT_FALSE(piles.IsFaceDown(0));
    EXPECT_FALSE(piles.IsFaceDown(-3));
}

TEST_F(PileGeometryTest, DownwardFanStepsByFace) {
    def.SetWord(words::kTableauFanMode, 1);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {-1, -2, 3});
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, false), 200 + 2 * kDown);
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, true), 200 + 2 * kDown + kUp);
    EXPECT_EQ(piles.CardY("Fila1", 0, 1, false), 200 + kDown);
    EXPECT_EQ(piles.CardY("Fila01", 0, 3, true), 200);
    EXPECT_EQ(piles.CardX("Fila01", 0, 0, true), 100);
    EXPECT_EQ(piles.PileBottomY("Fila01"), 200 + 2 * kDown + kCh);
}

TEST_F(PileGeometryTest, EmptyPileBottomIsOneCardBelowItsPlace) {
    def.SetWord(words::kTableauFanMode, 1);
    PlaceTableau(1, 100, 200);
    EXPECT_EQ(piles.PileBottomY("Fila02"), 200 + kCh);
    EXPECT_EQ(piles.CardY("Fila02", 1, 0, true), 200);
}

TEST_F(PileGeometryTest, TopLoweredFanShowsOnlyTheTopOneStepDown) {
    def.SetWord(words::kTableauFanMode, 7);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {1});
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, false), 200);
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, true), 200 + kUp);
    SetPile(PileListId::kFila, 0, {1, 2});
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, false), 200 + kUp);
    EXPECT_EQ(piles.PileBottomY("Fila01"), 200 + kUp + kCh);
}

TEST_F(PileGeometryTest, ReserveSmallFanStepsByFanMode5Step) {
    def.SetWord(words::kReserveFanMode, 5);
    mainGame.SetReserveX(0, 10);
    mainGame.SetReserveY(0, 20);
    SetPile(PileListId::kAppogg, 0, {1, 2, 3});
    EXPECT_EQ(piles.CardY("Appogg01", 0, 0, false), 26);
    EXPECT_EQ(piles.PileBottomY("Appogg01"), 26 + kCh);
    // On the tableau, mode 5 is no fan.
    def.SetWord(words::kTableauFanMode, 5);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {4, 5});
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, true), 200);
}

TEST_F(PileGeometryTest, HorizontalFans) {
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {-1, 2, 3});
    def.SetWord(words::kTableauFanMode, 2);
    EXPECT_EQ(piles.CardX("Fila01", 0, 0, false), 100 + 4 + 12);
    EXPECT_EQ(piles.CardX("Fila01", 0, 0, true), 100 + 4 + 24);
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, true), 200);
    def.SetWord(words::kTableauFanMode, 4);
    EXPECT_EQ(piles.CardX("Fila01", 0, 1, false), 100 + kCw + 6);
    def.SetWord(words::kTableauFanMode, 6);
    EXPECT_EQ(piles.CardX("Fila01", 0, 0, false), 114);
    // Foundations do not fan in mode 6.
    def.SetWord(words::kFoundationFanMode, 6);
    mainGame.SetFoundationX(0, 300);
    mainGame.SetFoundationY(0, 10);
    SetPile(PileListId::kDest, 0, {1, 2});
    EXPECT_EQ(piles.CardX("Dest01", 0, 0, true), 300);
}

TEST_F(PileGeometryTest, UntidyPilesFollowTheWalkTables) {
    settings.SetField(engine::fields::kPilesTT.position, engine::fields::kPilesTT.width, "Y");
    def.SetWord(words::kTableauFanMode, 1);
    PlaceTableau(0, 100, 200);
    PlaceTableau(3, 300, 200);
    registers.SetWalkOffset(1, 2, -2);
    registers.SetWalkOffset(1, 3, 1);
    registers.SetWalkOffset(4, 0, 2);
    SetPile(PileListId::kFila, 0, {1, 2, 3});
    EXPECT_EQ(piles.CardX("Fila01", 0, 0, false), 98);
    EXPECT_EQ(piles.CardX("Fila01", 0, 0, true), 101);
    SetPile(PileListId::kFila, 3, {4});
    EXPECT_EQ(piles.CardX("Fila04", 3, 0, false), 302);
}

TEST_F(PileGeometryTest, SwapGameLeavesALoneOffRankCardAtTheRawPlace) {
    def.SetWord(words::kGameKind, 49);
    def.SetWord(words::kTableauFanMode, 1);
    def.SetAt(words::kTableauRuleA, 0, 1);
    PlaceTableau(0, 100, 200);
    mainGame.TableTopOffset = 30;
    SetPile(PileListId::kFila, 0, {5});
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, true), 200);
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, false), 170);
    SetPile(PileListId::kFila, 0, {1});
    EXPECT_EQ(piles.CardY("Fila01", 0, 0, true), 170 + kUp);
}

TEST_F(PileGeometryTest, TableauYLessTheTableOffset) {
    PlaceTableau(2, 5, 120);
    mainGame.TableTopOffset = 20;
    EXPECT_EQ(piles.GetTableauY(2), 100);
    EXPECT_EQ(piles.CardY("Fila03", 2, 0, false), 100);
}

TEST_F(PileGeometryTest, NamesThatAreNoPileGiveAnAbsentPlace) {
    EXPECT_EQ(piles.CardX("Fila29", 28, 0, false), engine::kAbsentPileX);
    EXPECT_EQ(piles.CardY("Tavolo", 0, 0, false), engine::kAbsentPileX);
    EXPECT_EQ(piles.PileBottomY(""), engine::kAbsentPileX);
}

// --- PileAtPoint -------------------------------------------------------------------------

TEST_F(PileGeometryTest, StockRowPilesAreHitFirst) {
    mainGame.SetStockX(1, 10);
    mainGame.SetStockY(1, 20);
    SetPile(PileListId::kMazzo, 1, {7, 8});
    PlaceTableau(0, 10, 20);
    SetPile(PileListId::kFila, 0, {9});
    const auto hit = piles.PileAtPoint(10 + kCw, 20 + kCh);
    EXPECT_EQ(hit.name, "Mazzo_Vis");
    EXPECT_EQ(hit.card, 8);
    EXPECT_EQ(hit.rect, (engine::TableRect{10, 20, 10 + kCw, 20 + kCh}));
    mainGame.SetStockX(0, 200);
    mainGame.SetStockY(0, 20);
    EXPECT_EQ(piles.PileAtPoint(205, 25).name, "Mazzo");
    EXPECT_EQ(piles.PileAtPoint(205, 25).card, 0);
}

TEST_F(PileGeometryTest, DownwardPileFindsTheCardWhoseBandHoldsThePoint) {
    def.SetWord(words::kTableauFanMode, 1);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {-1, 2, 3});
    auto hit = piles.PileAtPoint(110, 203);
    EXPECT_EQ(hit.card, 1);
    EXPECT_EQ(hit.name, "Fila01");
    EXPECT_EQ(hit.rect, (engine::TableRect{100, 200, 100 + kCw, 200 + kCh}));
    hit = piles.PileAtPoint(110, 204);
    EXPECT_EQ(hit.card, 2);
    EXPECT_EQ(hit.rect.top, 204);
    hit = piles.PileAtPoint(110, 222);
    EXPECT_EQ(hit.card, 3);
    EXPECT_EQ(piles.PileAtPoint(110, 222 + kCh - 1).card, 3);
    EXPECT_EQ(piles.PileAtPoint(110, 222 + kCh + 1).name, "");
}

TEST_F(PileGeometryTest, AnEmptyTableauPlaceStopsTheSearch) {
    def.SetWord(words::kTableauFanMode, 1);
    PlaceTableau(0, 100, 200);
    mainGame.SetFoundationX(0, 100);
    mainGame.SetFoundationY(0, 200);
    SetPile(PileListId::kDest, 0, {1});
    const auto hit = piles.PileAtPoint(120, 220);
    EXPECT_EQ(hit.name, "");
    EXPECT_EQ(hit.card, 0);
}

TEST_F(PileGeometryTest, SideBySidePilesAreSearchedFromTheLast) {
    def.SetWord(words::kTableauFanMode, 4);
    PlaceTableau(0, 100, 200);
    PlaceTableau(1, 150, 200);
    SetPile(PileListId::kFila, 0, {1});
    SetPile(PileListId::kFila, 1, {2});
    EXPECT_EQ(piles.PileAtPoint(160, 210).name, "Fila02");
    EXPECT_EQ(piles.PileAtPoint(120, 210).name, "Fila01");
}

TEST_F(PileGeometryTest, SideBySidePileFindsEveryCardAcross) {
    def.SetWord(words::kTableauFanMode, 4);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {1, 0, 3});
    EXPECT_EQ(piles.PileAtPoint(100, 250).card, 1);
    // The gap between cards and a blank slot hold no card.
    EXPECT_EQ(piles.PileAtPoint(100 + kCw + 2, 250).name, "");
    EXPECT_EQ(piles.PileAtPoint(100 + kCw + 10, 250).name, "");
    const auto hit = piles.PileAtPoint(100 + 2 * (kCw + 6) + 5, 250);
    EXPECT_EQ(hit.card, 3);
    EXPECT_EQ(hit.rect.left, 100 + 2 * (kCw + 6));
}

TEST_F(PileGeometryTest, RightFanBandsRunAcross) {
    def.SetWord(words::kTableauFanMode, 2);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {-1, 2, 3});
    EXPECT_EQ(piles.PileAtPoint(103, 250).card, 1);
    EXPECT_EQ(piles.PileAtPoint(104, 250).card, 2);
    EXPECT_EQ(piles.PileAtPoint(116, 250).card, 3);
    EXPECT_EQ(piles.PileAtPoint(116 + kCw - 1, 250).card, 3);
}

TEST_F(PileGeometryTest, FoundationsGiveTheirTopCard) {
    mainGame.SetFoundationX(2, 400);
    mainGame.SetFoundationY(2, 20);
    SetPile(PileListId::kDest, 2, {1, 2});
    const auto hit = piles.PileAtPoint(400, 20);
    EXPECT_EQ(hit.name, "Dest03");
    EXPECT_EQ(hit.card, 2);
    def.SetWord(words::kFoundationFanMode, 1);
    mainGame.FaceUpStepY = 10;
    const auto fanned = piles.PileAtPoint(410, 30 + kCh - 1);
    EXPECT_EQ(fanned.card, 2);
    EXPECT_EQ(fanned.rect, (engine::TableRect{400, 30, 400 + kCw, 30 + kCh}));
    EXPECT_EQ(piles.PileAtPoint(410, 25).name, "");
}

TEST_F(PileGeometryTest, ReservesFindTheCardUnderThePoint) {
    def.SetWord(words::kReserveFanMode, 1);
    mainGame.SetReserveX(1, 500);
    mainGame.SetReserveY(1, 300);
    SetPile(PileListId::kAppogg, 1, {10, 11});
    auto hit = piles.PileAtPoint(510, 305);
    EXPECT_EQ(hit.name, "Appogg02");
    EXPECT_EQ(hit.card, 10);
    hit = piles.PileAtPoint(510, 320);
    EXPECT_EQ(hit.card, 11);
    SetPile(PileListId::kAppogg, 1, {});
    hit = piles.PileAtPoint(510, 305);
    EXPECT_EQ(hit.name, "Appogg02");
    EXPECT_EQ(hit.card, 0);
}

TEST_F(PileGeometryTest, SpecialFanFindsATopCardOfAnyPile) {
    def.SetWord(words::kTableauFanMode, 8);
    PlaceTableau(0, 100, 200);
    PlaceTableau(1, 300, 200);
    SetPile(PileListId::kFila, 0, {1, 2});
    SetPile(PileListId::kFila, 1, {3});
    EXPECT_EQ(piles.PileAtPoint(310, 210).card, 3);
    EXPECT_EQ(piles.PileAtPoint(110, 210).card, 2);
    EXPECT_EQ(piles.PileAtPoint(250, 210).name, "");
}

TEST_F(PileGeometryTest, PilesOffTheTableAreNeverHit) {
    PlaceTableau(0, engine::kAbsentPileX, 0);
    SetPile(PileListId::kFila, 0, {1});
    EXPECT_EQ(piles.PileAtPoint(engine::kAbsentPileX + 5, 5).name, "");
}

// --- FindCardPosition --------------------------------------------------------------------

TEST_F(PileGeometryTest, FindCardPositionFindsTopCardsOnly) {
    def.SetWord(words::kTableauFanMode, 1);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {-1, 2, 3});
    engine::TableRect rect;
    ASSERT_TRUE(piles.FindCardPosition(3, rect));
    EXPECT_EQ(rect, (engine::TableRect{100, 222, 100 + kCw, 222 + kCh}));
    EXPECT_FALSE(piles.FindCardPosition(2, rect));
    EXPECT_FALSE(piles.FindCardPosition(40, rect));
    EXPECT_FALSE(piles.FindCardPosition(0, rect));
}

TEST_F(PileGeometryTest, FindCardPositionInTheStockRowFindsAnyCard) {
    mainGame.SetStockX(0, 10);
    mainGame.SetStockY(0, 20);
    SetPile(PileListId::kMazzo, 0, {5, 6, 7});
    engine::TableRect rect;
    ASSERT_TRUE(piles.FindCardPosition(5, rect));
    EXPECT_EQ(rect, (engine::TableRect{10, 20, 10 + kCw, 20 + kCh}));
}

TEST_F(PileGeometryTest, FindCardPositionOnFoundationsAndReserves) {
    mainGame.SetFoundationX(4, 600);
    mainGame.SetFoundationY(4, 10);
    SetPile(PileListId::kDest, 4, {1, 2});
    engine::TableRect rect;
    ASSERT_TRUE(piles.FindCardPosition(2, rect));
    EXPECT_EQ(rect.left, 600);
    def.SetWord(words::kReserveFanMode, 1);
    mainGame.SetReserveX(0, 300);
    mainGame.SetReserveY(0, 400);
    SetPile(PileListId::kAppogg, 0, {20, 21});
    ASSERT_TRUE(piles.FindCardPosition(21, rect));
    EXPECT_EQ(rect, (engine::TableRect{300, 418, 300 + kCw, 418 + kCh}));
}

TEST_F(PileGeometryTest, FindCardPositionSideBySideProbesEveryCard) {
    def.SetWord(words::kTableauFanMode, 4);
    PlaceTableau(0, 100, 200);
    SetPile(PileListId::kFila, 0, {1, 2, 3});
    engine::TableRect rect;
    ASSERT_TRUE(piles.FindCardPosition(2, rect));
    EXPECT_EQ(rect.left, 100 + kCw + 6);
}

}  // namespace
