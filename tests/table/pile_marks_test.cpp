#include "table/draw/pile_marks.h"

#include <gtest/gtest.h>

#include "engine/model/game_record.h"

namespace {

namespace words = engine::words;
using table::MarkImage;
namespace kind = table::empty_mark;

TEST(RuleMarkTest, EveryRuleCodeOfTheTable) {
    const struct {
        int code;
        MarkImage image;
    } cases[] = {{13, MarkImage::k011}, {84, MarkImage::k011}, {64, MarkImage::k011}, {1, MarkImage::k010},
                 {81, MarkImage::k010}, {85, MarkImage::k010}, {58, MarkImage::k010}, {2, MarkImage::k012},
                 {90, MarkImage::k012}, {3, MarkImage::k013},  {4, MarkImage::k014},  {5, MarkImage::k015},
                 {6, MarkImage::k016},  {7, MarkImage::k017},  {8, MarkImage::k018},  {9, MarkImage::k019},
                 {10, MarkImage::k020}, {11, MarkImage::k006}, {12, MarkImage::k003}};
    for (const auto& c : cases) {
        const table::RuleMark mark = table::RuleMarkImage(c.code);
        EXPECT_TRUE(mark.drawn) << c.code;
        EXPECT_EQ(mark.image, c.image) << c.code;
    }
    // 94 counts as drawn without an image; any other code is not drawn.
    EXPECT_TRUE(table::RuleMarkImage(94).drawn);
    EXPECT_EQ(table::RuleMarkImage(94).image, MarkImage::kNone);
    for (const int code : {0, -1, 14, 57, 80, 95})
        EXPECT_FALSE(table::RuleMarkImage(code).drawn) << code;
}

class EmptyMarkTest : public ::testing::Test {
protected:
    MarkImage Mark(int kind, int index = table::kNoPileIndex) { return table::EmptyPileMarkImage(kind, index, game, state); }
    engine::GameDefRecord game;
    table::EmptyMarkState state{1, 0, 0};
};

TEST_F(EmptyMarkTest, StockShowsRedealOrNoRedeal) {
    game.SetWord(words::kGameKind, 8);
    EXPECT_EQ(Mark(kind::kStock), MarkImage::kStock021);
    game.SetWord(words::kGameKind, 45);
    EXPECT_EQ(Mark(kind::kStock), MarkImage::kStock021);
    game.SetWord(words::kGameKind, 0);
    // Redeals left: "022".
    game.SetWord(words::kRedeals, 2);
    game.SetWord(words::kPassLimit, 3);
    EXPECT_EQ(Mark(kind::kStock), MarkImage::k022);
    game.SetWord(words::kPassLimit, 65535);  // no limit
    EXPECT_EQ(Mark(kind::kStock), MarkImage::k022);
    // Passes used up with nothing to turn over: "008".
    game.SetWord(words::kPassLimit, 1);
    EXPECT_EQ(Mark(kind::kStock), MarkImage::k008);
    // Without redeals a waste of two cards or more may still go round: by the pass limit.
    game.SetWord(words::kRedeals, 0);
    state.wasteCards = 5;
    game.SetWord(words::kPassLimit, 2);
    EXPECT_EQ(Mark(kind::kStock), MarkImage::k022);
    game.SetWord(words::kPassLimit, 65535);
    EXPECT_EQ(Mark(kind::kStock), MarkImage::k022);
    game.SetWord(words::kPassLimit, 1);
    EXPECT_EQ(Mark(kind::kStock), MarkImage::k008);
}

TEST_F(EmptyMarkTest, WasteByStockFlagAndRedeals) {
    game.SetWord(words::kStockLineFlag, 1);
    EXPECT_EQ(Mark(kind::kWaste), MarkImage::kWaste);
    game.SetWord(words::kStockLineFlag, 0);
    game.SetWord(words::kPassLimit, 0);
    EXPECT_EQ(Mark(kind::kWaste), MarkImage::k008);
    game.SetWord(words::kPassLimit, 3);
    EXPECT_EQ(Mark(kind::kWaste), MarkImage::kNone);  // no redeals
    game.SetWord(words::kRedeals, 1);
    EXPECT_EQ(Mark(kind::kWaste), MarkImage::k022);
    game.SetWord(words::kPassLimit, 1);
    EXPECT_EQ(Mark(kind::kWaste), MarkImage::k008);
    game.SetWord(words::kStockLineFlag, 2);
    EXPECT_EQ(Mark(kind::kWaste), MarkImage::kNone);
}

TEST_F(EmptyMarkTest, FoundationByItsBaseRank) {
    game.SetAt(words::kFoundationBase, 2, 1);
    EXPECT_EQ(Mark(kind::kFoundation, 2), MarkImage::k010);
    game.SetAt(words::kFoundationRuleCode, 2, 10);  // borrows rule 12's mark
    EXPECT_EQ(Mark(kind::kFoundation, 2), MarkImage::k003);
    game.SetAt(words::kFoundationRuleCode, 2, 0);
    game.SetAt(words::kFoundationBase, 2, -1);
    EXPECT_EQ(Mark(kind::kFoundation, 2), MarkImage::k004Foundation);
    game.SetAt(words::kFoundationBase, 2, 94);
    EXPECT_EQ(Mark(kind::kFoundation, 2), MarkImage::kNone);
}

TEST_F(EmptyMarkTest, ReserveByTheFirstReserveOrItsOwnRule) {
    EXPECT_EQ(Mark(kind::kReserve, 3), MarkImage::k001);
    game.SetAt(words::kReserveRule, 3, 88);
    EXPECT_EQ(Mark(kind::kReserve, 3), MarkImage::k006);
    game.SetAt(words::kReserveRule, 3, 89);
    EXPECT_EQ(Mark(kind::kReserve, 3), MarkImage::k003);
    game.SetAt(words::kReserveRule, 3, 90);
    EXPECT_EQ(Mark(kind::kReserve, 3), MarkImage::k011);
    game.SetAt(words::kReserveRule, 0, 9);
    EXPECT_EQ(Mark(kind::kReserve, 3), MarkImage::k009);
    game.SetAt(words::kReserveRule, 0, 8);
    EXPECT_EQ(Mark(kind::kReserve, 3), MarkImage::k011);
}

TEST_F(EmptyMarkTest, TableauFallsBackByTheFirstPilesRule) {
    game.SetAt(words::kTableauRuleA, 4, 13);
    EXPECT_EQ(Mark(kind::kTableau, 4), MarkImage::k011);
    game.SetAt(words::kTableauRuleA, 4, -1);
    EXPECT_EQ(Mark(kind::kTableau, 4), MarkImage::kTableau);
    game.SetAt(words::kTableauRuleA, 0, -1);
    EXPECT_EQ(Mark(kind::kTableau, 4), MarkImage::k004Tableau);
}

TEST_F(EmptyMarkTest, OtherKinds) {
    EXPECT_EQ(Mark(kind::kThirdStock), MarkImage::kWaste);
    EXPECT_EQ(Mark(kind::kBlankSlot), MarkImage::kNone);
    EXPECT_EQ(Mark(0), MarkImage::kNone);
    EXPECT_EQ(Mark(8), MarkImage::kNone);
    EXPECT_EQ(table::MarkImageCode(MarkImage::k004Foundation), "004");
    EXPECT_EQ(table::MarkImageCode(MarkImage::kTableau), "_TABLEAU");
}

}  // namespace
