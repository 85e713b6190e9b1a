#include "engine/model/pile_names.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

struct NameCase {
    const char* name;
    PileListId list;
    int line;
};

constexpr NameCase kNames[] = {
    {"Mazzo", PileListId::kMazzo, 0},
    {"Mazzo_Vis", PileListId::kMazzo, 1},
    {"Mazzo_Waste", PileListId::kMazzo, 2},
    {"Fila01", PileListId::kFila, 0},
    {"Fila1", PileListId::kFila, 0},
    {"Fila28", PileListId::kFila, 27},
    {"Dest03", PileListId::kDest, 2},
    {"Dest3", PileListId::kDest, 2},
    {"Dest16", PileListId::kDest, 15},
    {"Appogg02", PileListId::kAppogg, 1},
    {"Appogg2", PileListId::kAppogg, 1},
    {"Appogg10", PileListId::kAppogg, 9},
    {"Dest012", PileListId::kDest, 0},  // only characters 5-6 are read
};

TEST(PileNames, ParseBothNumberForms) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.name);
        const auto pile = ParsePileName(c.name);
        ASSERT_TRUE(pile.has_value());
        EXPECT_EQ(*pile, (PileRef{c.list, c.line}));
    }
}

TEST(PileNames, RejectsWhatNamesNoPile) {
    for (const char* name : {"", "Fila", "Fila00", "Fila0", "Fila29", "Dest17", "Appogg11", "Appogg", "Filament",
                             "Dest-1", "Dest 1", "fila01", "Mazzo_vis", "MazzoX", "Selezionate"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(ParsePileName(name).has_value());
    }
}

TEST(PileNames, BuildAndParseRoundTrip) {
    for (const PileListId list : {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg}) {
        for (int line = 0; line < PileLineCount(list); ++line) {
            for (const auto form : {PileNumberForm::kTwoDigits, PileNumberForm::kNoLeadingZero}) {
                const std::string name = PileName({list, line}, form);
                EXPECT_EQ(ParsePileName(name), (PileRef{list, line})) << name;
            }
        }
    }
    EXPECT_EQ(PileName({PileListId::kFila, 0}), "Fila01");
    EXPECT_EQ(PileName({PileListId::kDest, 0}, PileNumberForm::kNoLeadingZero), "Dest1");
    EXPECT_EQ(PileName({PileListId::kAppogg, 9}), "Appogg10");
    EXPECT_EQ(PileName({PileListId::kMazzo, 1}), "Mazzo_Vis");
    EXPECT_EQ(PileName({PileListId::kDest, 16}), "");
}

TEST(PileNames, KindCodes) {
    EXPECT_EQ(PileKindOf({PileListId::kMazzo, kStockLine}), pile_kind::kStock);
    EXPECT_EQ(PileKindOf({PileListId::kMazzo, kWasteLine}), pile_kind::kWaste);
    EXPECT_EQ(PileKindOf({PileListId::kMazzo, kThirdStockLine}), pile_kind::kThirdStock);
    EXPECT_EQ(PileKindOf({PileListId::kFila, 5}), pile_kind::kTableau);
    EXPECT_EQ(PileKindOf({PileListId::kDest, 5}), pile_kind::kFoundation);
    EXPECT_EQ(PileKindOf({PileListId::kAppogg, 5}), pile_kind::kReserve);
    EXPECT_EQ(PileKindOf({PileListId::kAppogg, 10}), pile_kind::kNone);
    EXPECT_EQ(PileOfKind(pile_kind::kWaste, 0), (PileRef{PileListId::kMazzo, kWasteLine}));
    EXPECT_EQ(PileOfKind(pile_kind::kReserve, 3), (PileRef{PileListId::kAppogg, 3}));
    EXPECT_FALSE(PileOfKind(pile_kind::kTableau, 28).has_value());
    EXPECT_FALSE(PileOfKind(pile_kind::kNone, 0).has_value());
    EXPECT_FALSE(PileOfKind(pile_kind::kNoTarget, 0).has_value());
}

}  // namespace
}  // namespace engine
