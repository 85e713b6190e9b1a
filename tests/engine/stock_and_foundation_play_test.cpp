// What a click on the empty stock and a drag between foundations do in real deals of the
// games with a waste, played as the table plays them.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>

#include "engine/model/board_dump.h"
#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/play/card_moves.h"
#include "engine/play/pairing.h"
#include "engine/play/press_rules.h"
#include "engine/play/stock_press.h"
#include "engine/undo/undo_move_group.h"
#include "engine/play/player_actions.h"
#include "tests/engine/play_fixture.h"

namespace engine::play_test {
namespace {

constexpr int kKlondike = 2;
constexpr int kCanfield = 4;
constexpr int kPyramid = 7;
constexpr int kAceOfClubs = 27;
constexpr int kJackOfSpades = 50;

// Played by the random player's actions ("stock", "40>Dest2", "36>>Fila3"): deal
// 1474078885808 to an empty stock with 20 cards on the waste in the first pass.
constexpr std::string_view kFirstPassScript =
    "stock stock stock stock stock stock stock stock stock 4>Fila1 stock stock stock 40>Dest1 stock 18>Fila3 "
    "stock stock 35>Fila6 stock stock stock stock stock stock stock stock stock";
// Deal 4051886215540 to an empty stock with the Jack of spades alone on the waste, in the
// second pass.
constexpr std::string_view kSecondPassScript =
    "stock 40>Dest2 stock 51>Fila3 11>Fila3 stock stock stock 37>Fila7 stock 20>Fila2 stock stock 36>Fila4 "
    "36>Fila3 stock 36>Fila4 stock 36>Fila3 36>Fila4 stock 45>Fila2 36>Fila3 36>Fila4 stock 41>Dest2 stock "
    "36>Fila3 36>Fila4 stock 14>Dest4 15>Dest4 36>Fila3 stock stock 26>Fila1 stock 9>Fila3 34>Fila3 stock "
    "stock stock 10>Fila7 stock stock 1>Dest1 51>>Fila1 stock 42>Fila6 stock stock 35>Fila7 stock stock "
    "18>Fila2 2>Dest1 3>Dest1 stock stock 16>Dest4 stock 43>Fila2 20>>Fila1 stock 46>Fila5 stock stock "
    "6>Fila5 44>Fila5 36>>Fila4 stock 8>Fila7";

class StockAndFoundationPlay : public ::testing::Test {
protected:
    void Start(int gameId, std::string_view number) {
        fix.SetField(fields::kDealAnimation, "N");
        ASSERT_TRUE(fix.LoadGame(gameId));
        fix.Deal(number);
    }

    void Replay(std::string_view script) {
        std::istringstream words{std::string(script)};
        std::string word;
        int taken = 0;
        while (words >> word) {
            const auto action = ParseAction(word);
            ASSERT_TRUE(action.has_value()) << word;
            ASSERT_TRUE(PerformAction(G(), *action)) << "action " << taken << ": " << word;
            ++taken;
        }
    }

    // A press on the stock and its release, as the table's mouse runs them.
    void ClickStock() {
        DealFromStock(G());
        UndoMoveGroup release(G().undo);
        ReleaseStockMark(G());
    }

    void PassThroughStock() {
        while (!Stock().empty()) ClickStock();
    }

    Game& G() { return fix.G(); }
    const std::string& Stock() { return G().Piles().Pile(PileListId::kMazzo, kStockLine); }
    const std::string& Waste() { return G().Piles().Pile(PileListId::kMazzo, kWasteLine); }
    std::string Board() { return DumpBoard(G().Piles()); }

    PlayFixture fix;
};

TEST_F(StockAndFoundationPlay, KlondikeClickOnTheEmptyStockTurnsTheWasteOverAndDeals) {
    Start(kKlondike, "1474078885808");
    Replay(kFirstPassScript);
    ASSERT_TRUE(Stock().empty());
    ASSERT_EQ(PileCardCount(Waste()), 20);
    ASSERT_EQ(G().mainGame.RedealCount, 1);
    const std::string before = Board();
    const int bottom = PileCardAt(Waste(), 0);
    const int steps = G().undo.UndoStepCount();

    ClickStock();
    EXPECT_EQ(PileCardCount(Stock()), 19);
    EXPECT_EQ(Waste(), CardCodeText(bottom)) << "the waste's bottom card comes up first";
    EXPECT_FALSE(G().Cards().IsFaceDown(bottom));
    EXPECT_EQ(G().mainGame.RedealCount, 2);
    EXPECT_EQ(G().undo.UndoStepCount(), steps + 1) << "the turn and the deal are one click";

    ASSERT_TRUE(G().undo.UndoLastStep());
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(G().mainGame.RedealCount, 1);
}

TEST_F(StockAndFoundationPlay, KlondikeWasteOfOneCardIsNotTurnedOver) {
    Start(kKlondike, "4051886215540");
    Replay(kSecondPassScript);
    ASSERT_TRUE(Stock().empty());
    ASSERT_EQ(Waste(), CardCodeText(kJackOfSpades));
    ASSERT_EQ(G().mainGame.RedealCount, 2);
    const std::string before = Board();
    const int steps = G().undo.UndoStepCount();

    ClickStock();
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(G().mainGame.RedealCount, 2) << "no pass used up";
    EXPECT_EQ(G().undo.UndoStepCount(), steps);
    EXPECT_EQ(G().mainGame.StockHighlightShown, 0) << "the release took the mark away";
}

TEST_F(StockAndFoundationPlay, KlondikeAceGoesFromOneFoundationToAnEmptyOne) {
    Start(kKlondike, "6818691996088");
    Replay("27>Dest2");
    ASSERT_EQ(G().Piles().Pile(PileListId::kDest, 1), CardCodeText(kAceOfClubs));
    ASSERT_TRUE(MayLiftFromFoundation(G(), 1, kAceOfClubs));

    // Lifted from the second foundation and dropped right over the first.
    G().mainGame.LiftedCard = kAceOfClubs;
    const int left = G().mainGame.GetFoundationX(0);
    const int top = G().mainGame.GetFoundationY(0);
    EXPECT_TRUE(TryMoveToTargets(G(), kAceOfClubs, left, top, left + moves_test::kCardWidth,
                                 top + moves_test::kCardHeight, false, true, false, pile_kind::kNoTarget,
                                 pile_kind::kNoTarget));
    G().mainGame.LiftedCard = 0;
    EXPECT_EQ(G().Piles().Pile(PileListId::kDest, 0), CardCodeText(kAceOfClubs));
    EXPECT_EQ(G().Piles().Pile(PileListId::kDest, 1), "");
}

TEST_F(StockAndFoundationPlay, CanfieldClickOnTheEmptyStockDealsTheWastesFirstThreeCards) {
    Start(kCanfield, "0000000031417");
    PassThroughStock();
    ASSERT_EQ(PileCardCount(Waste()), 34);
    const std::string firstThree = Waste().substr(0, 3 * kCardCodeWidth);

    ClickStock();
    EXPECT_EQ(PileCardCount(Stock()), 31);
    EXPECT_EQ(Waste(), firstThree) << "in the order they lay";
    EXPECT_EQ(G().mainGame.RedealCount, 2);
}

TEST_F(StockAndFoundationPlay, PyramidClickOnTheEmptyStockGivesBackTheChosenWasteCard) {
    Start(kPyramid, "0000000031417");
    PassThroughStock();
    ASSERT_EQ(PileCardCount(Waste()), 24);
    const int chosen = PileTopCard(Waste());
    const int bottom = PileCardAt(Waste(), 0);
    SelectPairingCard(G(), chosen, TableRect{});
    ASSERT_EQ(G().Piles().Pile(PileListId::kDest, kSelectionLine), CardCodeText(chosen));

    ClickStock();
    EXPECT_EQ(Waste(), CardCodeText(bottom));
    EXPECT_EQ(PileCardAt(Stock(), 0), chosen) << "the waste's top card lies at the stock's bottom";
    EXPECT_EQ(G().Piles().Pile(PileListId::kDest, kSelectionLine), "") << "a card in the stock cannot be paired";
}

// --- Small wastes --------------------------------------------------------------------------

struct SmallWaste {
    std::string_view name;
    int gameId;
    int wasteCards;  // left on the waste when the stock is empty
    bool changesBoard;
};

void PrintTo(const SmallWaste& c, std::ostream* os) { *os << c.name; }

class SmallWastePlay : public StockAndFoundationPlay, public ::testing::WithParamInterface<SmallWaste> {};

TEST_P(SmallWastePlay, ClickOnTheEmptyStock) {
    const SmallWaste& c = GetParam();
    Start(c.gameId, "0000000031417");
    PassThroughStock();
    // The waste's lowest cards stay; the others go to the discard line, out of the way.
    std::string waste = Waste();
    const std::size_t kept = static_cast<std::size_t>(c.wasteCards) * kCardCodeWidth;
    G().Piles().SetPile({PileListId::kMazzo, kThirdStockLine}, waste.substr(kept));
    waste.resize(kept);
    G().Piles().SetPile({PileListId::kMazzo, kWasteLine}, waste);
    const std::string before = Board();

    ClickStock();
    EXPECT_EQ(Board() != before, c.changesBoard) << Board();
    // Whatever the click dealt, it came from the old waste's bottom, in its order.
    EXPECT_EQ(Waste(), waste.substr(0, std::min(Waste().size(), waste.size())));
}

INSTANTIATE_TEST_SUITE_P(
    Games, SmallWastePlay,
    ::testing::Values(SmallWaste{"KlondikeOneCard", kKlondike, 1, false},
                      SmallWaste{"KlondikeTwoCards", kKlondike, 2, true},
                      SmallWaste{"CanfieldOneCard", kCanfield, 1, false},
                      SmallWaste{"CanfieldThreeCards", kCanfield, 3, false},
                      SmallWaste{"CanfieldFourCards", kCanfield, 4, true},
                      SmallWaste{"PyramidOneCard", kPyramid, 1, false},
                      SmallWaste{"PyramidTwoCards", kPyramid, 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace engine::play_test
