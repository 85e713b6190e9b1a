#include "table/draw/table_images.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <string>

#include "engine/model/card_board.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "engine/model/table_object.h"
#include "platform/core/paths.h"
#include "platform/qt/canvas.h"
#include "platform/qt/resource_bitmaps.h"
#include "table/draw/drag_image_build.h"
#include "table/layout/table_geometry.h"
#include "tests/support/media_doubles.h"

namespace {

namespace fields = engine::fields;

// PNG data of a w x h image whose cell (col, row) of cw x ch pixels has colour cell(col, row).
template <typename CellColour>
std::string Png(int w, int h, int cw, int ch, CellColour cell) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) image.setPixel(x, y, cell(x / cw, y / ch));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string Solid(int w, int h, QRgb colour) {
    return Png(w, h, w, h, [colour](int, int) { return colour; });
}

// A distinct colour per strip cell.
QRgb CellColour(int col, int row) { return qRgb(10 + col * 20, 10 + row * 30, 200); }

class TableImagesTest : public ::testing::Test {
protected:
    TableImagesTest() {
        settings.SetField(fields::kCardSize.position, fields::kCardSize.width, "B");
        settings.SetField(fields::kCardSet.position, fields::kCardSet.width, "001");
        settings.SetField(fields::kBackCard.position, fields::kBackCard.width, "007");
    }

    QRgb FacePixel(int index, int x, int y) const { return images.CardFace(index).Image().pixel(x, y); }

    void AddStrip(std::string_view name, int cw, int ch) {
        library.AddBitmap(name, Png(6 * cw, 4 * ch, cw, ch, CellColour));
    }

    test_support::FakeResourceLibrary library;
    platform::PathResolver paths{"/nonexistent"};
    platform::ResourceBitmaps bitmaps{library, paths, {}};
    engine::SettingsBlock settings;
    table::TableGeometry geometry;
    table::TableImages images{bitmaps, settings, geometry};
};

TEST_F(TableImagesTest, SpadesFillFaceSlots39To51RowByRow) {
    AddStrip("CB001S", 71, 96);
    images.BuildSuitFaces('S');
    for (int j = 0; j < 13; ++j) {
        const platform::Bitmap& face = images.CardFace(39 + j);
        ASSERT_EQ(face.Width(), 71) << j;
        ASSERT_EQ(face.Height(), 96) << j;
        EXPECT_EQ(FacePixel(39 + j, 0, 0), CellColour(j % 5, j / 5)) << j;
        EXPECT_EQ(FacePixel(39 + j, 70, 95), CellColour(j % 5, j / 5)) << j;
    }
    EXPECT_TRUE(images.CardFace(38).IsEmpty());
    EXPECT_TRUE(images.CardFace(52).IsEmpty());
}

TEST_F(TableImagesTest, StripNameFollowsTheSizeAndTheSet) {
    settings.SetField(fields::kCardSize.position, fields::kCardSize.width, "L");
    settings.SetField(fields::kCardSet.position, fields::kCardSet.width, "003");
    geometry.SetCardSize('L');
    AddStrip("CL003H", 25, 32);
    images.BuildSuitFaces('H');
    EXPECT_EQ(images.CardFace(0).Width(), 25);
    EXPECT_EQ(FacePixel(12, 5, 5), CellColour(2, 2));
}

TEST_F(TableImagesTest, AMissingStripGivesBlankFacesOfCardSize) {
    images.BuildSuitFaces('D');
    EXPECT_EQ(images.CardFace(13).Width(), 71);
    EXPECT_EQ(FacePixel(13, 3, 3), qRgb(255, 255, 255));
    images.BuildSuitFaces('X');  // no such suit: nothing happens
    EXPECT_TRUE(images.CardFace(0).IsEmpty());
}

TEST_F(TableImagesTest, MediumBackIsScaledFromTheBigBack) {
    settings.SetField(fields::kCardSize.position, fields::kCardSize.width, "M");
    library.AddBitmap("DB007", Solid(71, 96, qRgb(1, 2, 3)));
    library.AddBitmap("DM007", Solid(59, 80, qRgb(9, 9, 9)));
    images.SelectCardBack();
    EXPECT_EQ(images.CardBackBitmap().Width(), 59);
    EXPECT_EQ(images.CardBackBitmap().Height(), 80);
    EXPECT_EQ(images.CardBackBitmap().Image().pixel(58, 79), qRgb(1, 2, 3));
}

TEST_F(TableImagesTest, MediumBack011IsLoadedDirectly) {
    settings.SetField(fields::kCardSize.position, fields::kCardSize.width, "M");
    settings.SetField(fields::kBackCard.position, fields::kBackCard.width, "011");
    library.AddBitmap("DB011", Solid(71, 96, qRgb(1, 2, 3)));
    library.AddBitmap("DM011", Solid(59, 80, qRgb(9, 9, 9)));
    images.SelectCardBack();
    EXPECT_EQ(images.CardBackBitmap().Image().pixel(0, 0), qRgb(9, 9, 9));
}

TEST_F(TableImagesTest, BigBackIsLoadedDirectly) {
    library.AddBitmap("DB007", Solid(71, 96, qRgb(4, 5, 6)));
    images.SelectCardBack();
    EXPECT_EQ(images.CardBackBitmap().Width(), 71);
    EXPECT_EQ(images.CardBackBitmap().Image().pixel(70, 95), qRgb(4, 5, 6));
}

TEST_F(TableImagesTest, ABackNumberTheLibraryLacksShowsTheDefaultBackInEverySize) {
    library.AddBitmap("DB011", Solid(71, 96, qRgb(7, 7, 7)));
    library.AddBitmap("DM011", Solid(59, 80, qRgb(8, 8, 8)));
    settings.SetField(fields::kBackCard.position, fields::kBackCard.width, "777");
    images.SelectCardBack();
    EXPECT_EQ(images.CardBackBitmap().Width(), 71);
    EXPECT_EQ(images.CardBackBitmap().Image().pixel(35, 48), qRgb(7, 7, 7));
    settings.SetField(fields::kCardSize.position, fields::kCardSize.width, "M");
    images.SelectCardBack();
    EXPECT_EQ(images.CardBackBitmap().Width(), 59);
    EXPECT_EQ(images.CardBackBitmap().Image().pixel(30, 40), qRgb(8, 8, 8)) << "medium loads its own 011";
}

TEST_F(TableImagesTest, LoadTableImagesFillsEverySlotOfTheSize) {
    for (std::size_t i = 0; i < table::kPileMarkCodes.size(); ++i) {
        library.AddBitmap("WB" + std::string(table::kPileMarkCodes[i]), Solid(71, 96, qRgb(static_cast<int>(i), 0, 0)));
    }
    library.AddBitmap("SHADOW_B1", Solid(9, 96, qRgb(0, 1, 0)));
    library.AddBitmap("SHADOW_B2", Solid(71, 9, qRgb(0, 2, 0)));
    library.AddBitmap("3D_BORDER_B1", Solid(16, 109, qRgb(0, 3, 0)));
    library.AddBitmap("3D_BORDER_B2", Solid(82, 16, qRgb(0, 4, 0)));
    library.AddBitmap("JOKER_B", Solid(71, 96, qRgb(0, 0, 7)));
    AddStrip("CB001C", 71, 96);
    images.LoadCardImages("B");
    EXPECT_EQ(images.Mark(table::PileMark::k004).Image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(images.Mark(table::PileMark::k004Second).Image().pixel(0, 0), qRgb(3, 0, 0));
    EXPECT_EQ(images.Mark(table::PileMark::k009).Image().pixel(0, 0), qRgb(20, 0, 0));
    EXPECT_EQ(images.Shadow(2).Width(), 71);
    EXPECT_EQ(images.Border(1).Height(), 109);
    EXPECT_EQ(FacePixel(52, 0, 0), qRgb(0, 0, 7));
    EXPECT_EQ(FacePixel(26, 0, 0), CellColour(0, 0));
    // The drag image starts as a copy of face 0.
    EXPECT_EQ(images.DragBitmap().Width(), 71);
    EXPECT_EQ(images.DragBitmap().Image().pixel(1, 1), FacePixel(0, 1, 1));
}

TEST_F(TableImagesTest, ASuitAndAMarkAreReadWhenFirstAskedForByTheNamesAndSizeOfTheLoad) {
    AddStrip("CB001C", 71, 96);
    AddStrip("CL002C", 25, 32);
    library.AddBitmap("WB_WASTE", Solid(71, 96, qRgb(5, 6, 7)));
    images.LoadTableImages("B");
    const auto reads = [&](std::string_view name) {
        return std::count(library.BitmapReads().begin(), library.BitmapReads().end(), name);
    };
    EXPECT_EQ(reads("CB001C"), 0);
    EXPECT_EQ(reads("WB_WASTE"), 0);

    // The options change before the table draws: what was loaded is still the old size.
    settings.SetField(fields::kCardSize.position, fields::kCardSize.width, "L");
    settings.SetField(fields::kCardSet.position, fields::kCardSet.width, "002");
    geometry.SetCardSize('L');
    EXPECT_EQ(images.CardFace(27).Width(), 71);
    EXPECT_EQ(FacePixel(27, 70, 0), CellColour(1, 0));
    EXPECT_EQ(images.Mark(table::PileMark::kWaste).Image().pixel(0, 0), qRgb(5, 6, 7));
    EXPECT_EQ(images.CardFace(38).Width(), 71);
    EXPECT_EQ(images.Mark(table::PileMark::kWaste).Width(), 71);
    EXPECT_EQ(reads("CB001C"), 1);
    EXPECT_EQ(reads("WB_WASTE"), 1);
    EXPECT_EQ(reads("CB001H") + reads("CB001D") + reads("CB001S"), 0);

    // Loading again starts over with the names and size of now.
    images.LoadTableImages("L");
    EXPECT_EQ(images.CardFace(27).Width(), 25);
    EXPECT_EQ(FacePixel(27, 24, 0), CellColour(1, 0));
    EXPECT_TRUE(images.Mark(table::PileMark::kWaste).IsEmpty());
}

TEST_F(TableImagesTest, TheDragImageBecomesItsOwnCopyOfFace0WhenFirstAskedFor) {
    AddStrip("CB001H", 71, 96);
    images.LoadCardImages("B");
    const std::vector<std::string>& reads = library.BitmapReads();
    EXPECT_EQ(std::count(reads.begin(), reads.end(), "CB001H"), 0);
    // Drawing gives face 0 the corners of where it lies; the drag image keeps the face as cut.
    platform::Canvas(images.CardFace(0)).SetPixel(0, 0, platform::Rgb(1, 2, 3));
    EXPECT_EQ(images.DragBitmap().Image().pixel(0, 0), CellColour(0, 0));
    EXPECT_EQ(images.DragBitmap().Image().pixel(3, 3), CellColour(0, 0));
    images.DragBitmap().SetSize(10, 10);
    EXPECT_EQ(images.DragBitmap().Width(), 10);
    EXPECT_EQ(images.CardFace(0).Width(), 71);
}

TEST_F(TableImagesTest, PileMarkCodesNameTheirSlots) {
    EXPECT_EQ(table::PileMarkOfCode("005"), table::PileMark::k004Second);
    EXPECT_EQ(table::PileMarkOfCode("_TABLEAU"), table::PileMark::kTableau);
    EXPECT_EQ(table::PileMarkOfCode("021"), std::nullopt);
    EXPECT_TRUE(images.CardFace(53).IsEmpty());
    EXPECT_TRUE(images.CardFace(-1).IsEmpty());
}

// --- BuildDragImage ----------------------------------------------------------------------

class BuildDragImageTest : public TableImagesTest {
protected:
    BuildDragImageTest() {
        AddStrip("CB001H", 71, 96);
        images.BuildSuitFaces('H');
        mainGame.FaceUpStepY = 18;
        def.SetWord(engine::words::kTableauCount, 1);
    }

    engine::CardBoard board;
    engine::TMainGame mainGame;
    engine::GameDefRecord def;
};

TEST_F(BuildDragImageTest, OneCardIsItsFace) {
    mainGame.LiftedCard = 2 + 52;  // deck 2 shares the faces
    geometry.SetDragHeight(96);
    geometry.SetDragRects(10, 10, 81, 106);
    table::BuildDragImage(images, geometry, mainGame, board.piles, def);
    EXPECT_EQ(images.DragBitmap().Width(), 71);
    EXPECT_EQ(images.DragBitmap().Image().pixel(5, 5), CellColour(1, 0));
}

TEST_F(BuildDragImageTest, AStackStepsDownAndShowsTheCardBeneathThroughItsCorners) {
    board.piles.SetPile(engine::PileListId::kFila, 0, "001002003");
    mainGame.LiftedCard = 2;
    geometry.SetDragHeight(18 + 96);
    geometry.SetDragRects(10, 10, 81, 10 + 18 + 96);
    table::BuildDragImage(images, geometry, mainGame, board.piles, def);
    const QImage& drag = images.DragBitmap().Image();
    ASSERT_GE(drag.height(), 18 + 96);
    EXPECT_EQ(drag.pixel(5, 5), CellColour(1, 0));       // card 2 at the top
    EXPECT_EQ(drag.pixel(5, 18 + 5), CellColour(2, 0));  // card 3 one step lower
    // Card 3's top-left corner pixels show card 2.
    EXPECT_EQ(drag.pixel(0, 18), CellColour(1, 0));
    EXPECT_EQ(drag.pixel(1, 18), CellColour(1, 0));
    EXPECT_EQ(drag.pixel(2, 18), CellColour(2, 0));
}

}  // namespace
