#include "table/draw/table_snapshot.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "engine/model/card_board.h"
#include "engine/model/card_codes.h"
#include "engine/deal/deal.h"
#include "engine/state/game.h"
#include "engine/files/game_definitions.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/ports/services.h"
#include "engine/model/settings_block.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"
#include "platform/qt/bitmap.h"
#include "table/layout/table_layout.h"
#include "table/draw/table_images.h"
#include "tests/support/fake_services.h"

namespace {

using engine::PileListId;

constexpr int kFreecell = 1;
constexpr int kFreecellTableau = 8;
constexpr int kDeckCards = 52;
constexpr char kGameNumber[] = "1234567";
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
// The card's rounded corners take the table's colours; the columns inside them do not.
constexpr int kCornerColumns = 3;

// Deals the board the deal tool prints for a game and a game number: the game's record
// from GAMES.DAT, dealt with the tool's fixed seed.
bool DealAsTheDealToolDoes(int gameId, const std::string& number, engine::CardBoard& board) {
    test_support::ScriptedMessages messages;
    const platform::PathResolver paths(CORVANET_PROGRAM_DIR);
    engine::Services services;
    services.messages = &messages;
    services.paths = &paths;
    engine::TMainGame mainGame;
    if (!engine::LoadGameList(services, mainGame)) return false;
    engine::SettingsBlock settings;
    settings.SetField(engine::fields::kGame.position, engine::fields::kGame.width, std::to_string(gameId));
    engine::GameDefRecord record;
    if (!engine::LoadGameDefinition(services, settings, mainGame, record)) return false;
    settings.SetField(engine::fields::kGameNumber.position, engine::fields::kGameNumber.width, number);
    engine::Registers registers;
    platform::RandomGenerator random(0);
    engine::DealContext deal{board.piles, record, settings, registers, &messages, &random, {}, {}};
    return engine::DealCards(deal);
}

class TableSnapshotTest : public ::testing::TestWithParam<char> {
protected:
    table::SnapshotResult Draw(int gameId, char size) {
        return snapshot.Draw({CORVANET_PROGRAM_DIR, gameId, kGameNumber, size, kWidth, kHeight});
    }

    // The picture shows the card's face over the rows that the next card leaves visible.
    void ExpectCardShows(int card, int x, int y, int visibleRows) {
        const platform::Bitmap& face = snapshot.Images().CardFace(engine::CardBitmapIndex(card));
        ASSERT_FALSE(face.IsEmpty()) << card;
        const QImage& picture = snapshot.Picture();
        for (int row = 0; row < visibleRows; ++row)
            for (int column = kCornerColumns; column < face.Width() - kCornerColumns; ++column)
                ASSERT_EQ(picture.pixel(x + column, y + row) | 0xFF000000u,
                          face.Image().pixel(column, row) | 0xFF000000u)
                    << "card " << card << " at " << column << "," << row;
    }

    test_support::ScriptedMessages messages;
    table::TableSnapshot snapshot{messages};
};

TEST_P(TableSnapshotTest, FreecellShowsTheDealTheDealToolPrints) {
    ASSERT_EQ(Draw(kFreecell, GetParam()), table::SnapshotResult::kDrawn);
    EXPECT_EQ(snapshot.Picture().size(), QSize(kWidth, kHeight));

    engine::CardBoard expected;
    ASSERT_TRUE(DealAsTheDealToolDoes(kFreecell, kGameNumber, expected));
    const engine::PileStore& piles = snapshot.Game().board.piles;
    for (const PileListId list : {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg})
        for (int line = 0; line < engine::PileLineCount(list); ++line)
            ASSERT_EQ(piles.Pile(list, line), expected.piles.Pile(list, line));

    const table::TableLayout& layout = snapshot.Layout();
    int cardsSeen = 0;
    for (int pile = 0; pile < kFreecellTableau; ++pile) {
        const std::string name = engine::PileName({PileListId::kFila, pile});
        const std::string& cards = piles.Pile(PileListId::kFila, pile);
        const int count = engine::PileCardCount(cards);
        ASSERT_GT(count, 0);
        for (int n = 0; n < count; ++n) {
            const int x = layout.CardX(name, pile, count - n, true);
            const int y = layout.CardY(name, pile, count - n, true);
            const int below = n + 1 < count ? layout.CardY(name, pile, count - n - 1, true) : y + layout.CardHeight();
            ExpectCardShows(engine::PileCardAt(cards, n), x, y, below - y);
            ++cardsSeen;
        }
    }
    EXPECT_EQ(cardsSeen, kDeckCards);
    EXPECT_TRUE(messages.Events().empty());
}

INSTANTIATE_TEST_SUITE_P(EachCardSize, TableSnapshotTest, ::testing::Values('B', 'M', 'L'));

TEST(TableSnapshot, AGameTheListLacksIsReported) {
    test_support::ScriptedMessages messages;
    table::TableSnapshot snapshot(messages);
    EXPECT_EQ(snapshot.Draw({CORVANET_PROGRAM_DIR, 999, "1", 'B', kWidth, kHeight}), table::SnapshotResult::kNoGame);
    EXPECT_EQ(messages.Count(test_support::MessageEvent::Kind::Error), 1u);
}

TEST(TableSnapshot, AFolderWithoutTheLibraryDrawsNothing) {
    test_support::ScriptedMessages messages;
    test_support::TempFolder folder;
    table::TableSnapshot snapshot(messages);
    EXPECT_EQ(snapshot.Draw({folder.Path(), kFreecell, "1", 'B', kWidth, kHeight}),
              table::SnapshotResult::kMissingFiles);
    ASSERT_EQ(messages.Count(test_support::MessageEvent::Kind::Error), 1u);
    EXPECT_TRUE(messages.Texts(test_support::MessageEvent::Kind::Error)[0].starts_with("Can't find/load "));
}

}  // namespace
