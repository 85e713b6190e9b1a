// The press decisions the table's mouse code and the automatic player share: what a press
// on the stock deals, and what a press on a card may lift or play.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/model/game_kinds.h"
#include "engine/play/player_presses.h"
#include "engine/play/press_rules.h"
#include "engine/play/stock_press.h"
#include "tests/engine/executor_fixture.h"
#include "tests/support/test_names.h"

namespace executor_test {
namespace {

namespace words = engine::words;
using engine::PileListId;
using engine::StockDeal;

constexpr int kAce = 1;
constexpr int kTwo = 2;
constexpr int kFive = 5;
constexpr int kKing = 13;
constexpr int kSuit = 13;  // the next suit's codes start this much higher

// The words and the stock of a case, set on the fixture's game.
struct StockSetup {
    engine::Game& game;
    void Word(int number, int value) { game.gameDef.SetWord(number, value); }
    void WordAt(engine::GameWordRun run, int i, int value) { game.gameDef.SetAt(run, i, value); }
    void EmptyStock() { game.board.piles.SetPile(PileListId::kMazzo, engine::kStockLine, ""); }
};

struct StockCase {
    const char* name;
    std::function<void(StockSetup&)> arrange;
    StockDeal deal;
    bool moves;  // a press would change the board
};

void PrintTo(const StockCase& c, std::ostream* out) { *out << c.name; }

class StockDealTest : public ExecutorFixture, public ::testing::WithParamInterface<StockCase> {};

TEST_P(StockDealTest, TheFirstDealThatAppliesIsChosen) {
    Set(PileListId::kMazzo, engine::kStockLine, {20, 21, 22, 23, 24, 25, 26, 27, 28});
    StockSetup setup{game};
    GetParam().arrange(setup);
    EXPECT_EQ(engine::ChosenStockDeal(game), GetParam().deal);
    EXPECT_EQ(engine::StockPressMoves(game), GetParam().moves);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StockDealTest,
    ::testing::Values(
        StockCase{"no word", [](StockSetup&) {}, StockDeal::kNone, false},
        StockCase{"to the waste", [](StockSetup& f) { f.Word(words::kStockToWaste, 1); }, StockDeal::kToWaste,
                  true},
        StockCase{"waste first though redeals", [](StockSetup& f) {
                      f.Word(words::kStockToWaste, 1);
                      f.Word(words::kRedeals, 6);
                  }, StockDeal::kToWaste, true},
        StockCase{"redeal at every press", [](StockSetup& f) { f.Word(words::kRedeals, 6); }, StockDeal::kRedeal,
                  false},
        StockCase{"redeal of an empty stock", [](StockSetup& f) {
                      f.Word(words::kRedeals, 1);
                      f.EmptyStock();
                  }, StockDeal::kRedeal, false},
        StockCase{"tableau mode 1 of the last pile", [](StockSetup& f) {
                      f.WordAt(words::kStockToTableauMode, 6, 1);
                  }, StockDeal::kToTableaus, true},
        StockCase{"tableau mode 2 with gaps", [](StockSetup& f) {
                      f.WordAt(words::kStockToTableauMode, 0, 2);
                  }, StockDeal::kToFullTableaus, false},
        StockCase{"reserve mode 1", [](StockSetup& f) { f.WordAt(words::kStockToReserveMode, 0, 1); },
                  StockDeal::kToReserves, true},
        StockCase{"reserve mode 3", [](StockSetup& f) { f.WordAt(words::kStockToReserveMode, 0, 3); },
                  StockDeal::kToReservesTwiceOrLast, true},
        StockCase{"reserve mode 4", [](StockSetup& f) { f.WordAt(words::kStockToReserveMode, 0, 4); },
                  StockDeal::kToReservesInTurn, true},
        StockCase{"reserve mode 4 on an empty stock falls through", [](StockSetup& f) {
                      f.WordAt(words::kStockToReserveMode, 0, 4);
                      f.Word(words::kThirdPileStyle, 1);
                      f.EmptyStock();
                  }, StockDeal::kToThirdPile, false},
        StockCase{"tableau mode 8", [](StockSetup& f) { f.WordAt(words::kStockToTableauMode, 0, 8); },
                  StockDeal::kFourToEachTableau, true},
        StockCase{"third pile", [](StockSetup& f) { f.Word(words::kThirdPileStyle, 1); }, StockDeal::kToThirdPile,
                  true}),
    [](const ::testing::TestParamInfo<StockCase>& info) { return test_support::TestNameOf(info.param.name); });

class PressRulesTest : public ExecutorFixture {
protected:
    // The third stock-row pile's top card and one tableau pile of two cards.
    engine::DiscardPress Discard(int kind, int third, int card) {
        Word(words::kGameKind, kind);
        Set(PileListId::kMazzo, engine::kThirdStockLine, {third});
        Set(PileListId::kFila, 0, {40, card});
        return engine::PressOntoDiscard(game, card, 0);
    }
};

TEST_F(PressRulesTest, DiscardKindsPlayOneRankAwayAndDifferOnKingAndAce) {
    using engine::DiscardPress;
    namespace kind = engine::game_kind;
    for (const int k : {kind::kPlayUpDown, kind::kPlayUpDownWrap, kind::kPlayNeighbour}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Discard(k, kFive, kSuit + kFive + 1), DiscardPress::kPlays);
        EXPECT_EQ(Discard(k, kFive, kSuit + kFive - 1), DiscardPress::kPlays);
        EXPECT_EQ(Discard(k, kFive, kSuit + kTwo), DiscardPress::kRefused);
    }
    EXPECT_EQ(Discard(kind::kPlayUpDown, kAce, kSuit + kKing), DiscardPress::kRefused);
    EXPECT_EQ(Discard(kind::kPlayUpDownWrap, kAce, kSuit + kKing), DiscardPress::kPlays);
    EXPECT_EQ(Discard(kind::kPlayNeighbour, kKing, kSuit + kAce), DiscardPress::kPlays);

    // A covered card: kinds 2 and 15 ignore the press, kind 12 beeps.
    Discard(kind::kPlayUpDown, kFive, kSuit + kFive + 1);
    EXPECT_EQ(engine::PressOntoDiscard(game, 40, 0), DiscardPress::kIgnored);
    Word(words::kGameKind, kind::kPlayNeighbour);
    EXPECT_EQ(engine::PressOntoDiscard(game, 40, 0), DiscardPress::kRefused);
}

TEST_F(PressRulesTest, FoundationTopsComeBackByTheTakeBackWord) {
    Set(PileListId::kDest, 0, {kAce});
    Set(PileListId::kDest, 1, {kSuit + kAce, kSuit + kTwo});
    const auto lifts = [this](int takeBack, int index, int card) {
        Word(words::kFoundationTakeBack, takeBack);
        return engine::MayLiftFromFoundation(game, index, card);
    };
    EXPECT_FALSE(lifts(0, 1, kSuit + kTwo));
    EXPECT_TRUE(lifts(1, 0, kAce));
    EXPECT_FALSE(lifts(2, 0, kAce));  // from two cards up
    EXPECT_TRUE(lifts(2, 1, kSuit + kTwo));
    EXPECT_FALSE(lifts(3, 1, kSuit + kTwo));  // jokers only
    EXPECT_TRUE(lifts(3, 0, engine::kFirstJoker));
    EXPECT_FALSE(lifts(1, 0, engine::kNoCard));
}

TEST_F(PressRulesTest, ReservesLiftTheirTopOrAnyCardOfAnOpenFan) {
    Set(PileListId::kAppogg, 0, {kAce, kTwo, kFive});
    EXPECT_EQ(engine::LeftReservePress(game, kFive), engine::ReservePress::kLiftTop);
    EXPECT_EQ(engine::LeftReservePress(game, kTwo), engine::ReservePress::kNothing);
    Word(words::kReserveFanning, -11);
    EXPECT_EQ(engine::LeftReservePress(game, kTwo), engine::ReservePress::kLiftFromFan);
    Word(words::kReserveFanning, -14);
    EXPECT_EQ(engine::LeftReservePress(game, kFive), engine::ReservePress::kNothing);
    FaceDown(kFive);
    Word(words::kReserveFanning, 0);
    EXPECT_EQ(engine::LeftReservePress(game, kFive), engine::ReservePress::kNothing);
}

TEST_F(PressRulesTest, TableauPressesTurnUpLiftOrKeepClosedPilesShut) {
    Word(words::kSequenceLimit, 2);
    Set(PileListId::kFila, 3, {kKing, kSuit + 12, 11});
    FaceDown(kKing);
    EXPECT_EQ(engine::TableauCardPress(game, 11, 3, true), engine::TableauPress::kLiftCard);
    EXPECT_EQ(engine::TableauCardPress(game, kSuit + 12, 3, true), engine::TableauPress::kLiftStack);
    EXPECT_EQ(game.mainGame.LiftedTopCard, 11);  // noted for the drop
    Word(words::kSequenceLimit, 1);
    EXPECT_EQ(engine::TableauCardPress(game, kSuit + 12, 3, true), engine::TableauPress::kNothing);
    EXPECT_EQ(engine::TableauCardPress(game, 11, 3, false), engine::TableauPress::kNothing);
    EXPECT_EQ(engine::TableauCardPress(game, kKing, 3, true), engine::TableauPress::kNothing);
    Set(PileListId::kFila, 4, {kFive});
    FaceDown(kFive);
    EXPECT_EQ(engine::TableauCardPress(game, kFive, 4, true), engine::TableauPress::kTurnUp);

    // OpenRowStart 2 x 3: piles 1 to 5 (indexes 0-4) stay shut to left presses.
    Word(words::kOpenRowStart, 2);
    Word(words::kOpenRowStartFactor, 3);
    EXPECT_FALSE(engine::IsTableauPileOpen(game.gameDef, 4));
    EXPECT_TRUE(engine::IsTableauPileOpen(game.gameDef, 5));
    EXPECT_EQ(engine::TableauCardPress(game, 11, 3, true), engine::TableauPress::kNothing);
    // The row fan modes lift any card with any button.
    Word(words::kTableauFanMode, 8);
    EXPECT_EQ(engine::TableauCardPress(game, kKing, 3, false), engine::TableauPress::kLiftCard);
}

}  // namespace
}  // namespace executor_test
