#include "platform/qt/cursors.h"

#include "platform/core/paths.h"
#include "platform/core/resource_library.h"
#include "platform/core/resource_names.h"
#include "platform/qt/resource_bundle.h"
#include "tests/support/media_doubles.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

std::string CursorPng(int size, const char* hotX, const char* hotY) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(0, 0, 0, 255));
    if (hotX != nullptr) image.setText(QString::fromUtf8(kCursorHotSpotXKey.data(), kCursorHotSpotXKey.size()), hotX);
    if (hotY != nullptr) image.setText(QString::fromUtf8(kCursorHotSpotYKey.data(), kCursorHotSpotYKey.size()), hotY);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

TEST(CursorFromData, TakesTheHotSpotFromTheImage) {
    const std::optional<QCursor> cursor = CursorFromData(CursorPng(32, "11", "3"));
    ASSERT_TRUE(cursor.has_value());
    EXPECT_EQ(cursor->hotSpot(), QPoint(11, 3));
    EXPECT_EQ(cursor->pixmap().size(), QSize(32, 32));
}

TEST(CursorFromData, AMissingOrImpossibleHotSpotIsTheTopLeftCorner) {
    EXPECT_EQ(CursorFromData(CursorPng(32, nullptr, nullptr))->hotSpot(), QPoint(0, 0));
    EXPECT_EQ(CursorFromData(CursorPng(32, "40", "-1"))->hotSpot(), QPoint(0, 0));
    EXPECT_EQ(CursorFromData(CursorPng(32, "x", "31"))->hotSpot(), QPoint(0, 31));
}

TEST(CursorFromData, DataThatIsNoImageIsNoCursor) {
    EXPECT_FALSE(CursorFromData("").has_value());
    EXPECT_FALSE(CursorFromData("not an image").has_value());
}

TEST(CursorTable, InstallsLibraryCursorsUnderTheirNumbers) {
    test_support::FakeResourceLibrary library;
    library.AddCursor("CUR_ARROW1A", CursorPng(32, "1", "2"));
    library.AddCursor("CUR_ARROW2A", "damaged");
    CursorTable table;
    EXPECT_TRUE(table.LoadCursor(10, library, "cur_arrow1a"));
    EXPECT_FALSE(table.LoadCursor(11, library, "CUR_ARROW2A"));
    EXPECT_FALSE(table.LoadCursor(12, library, "CUR_RIGHT_HAND1A"));
    EXPECT_TRUE(table.HasCursor(10));
    EXPECT_FALSE(table.HasCursor(11));
    EXPECT_EQ(table.Cursor(10).hotSpot(), QPoint(1, 2));
    EXPECT_EQ(table.Cursor(11).shape(), Qt::ArrowCursor);
}

TEST(CursorTable, TheBuiltLibraryHoldsEveryTableCursor) {
    ResourceBundle bundle;
    ASSERT_TRUE(bundle.Open(PathResolver::ExecutableFolder().parent_path() / "program" / "QND.RGF"));
    CursorTable table;
    for (const resources::TableCursor& cursor : resources::kTableCursors) {
        SCOPED_TRACE(std::string(cursor.name));
        ASSERT_TRUE(table.LoadCursor(cursor.id, bundle, cursor.name));
        const QCursor loaded = table.Cursor(cursor.id);
        EXPECT_EQ(loaded.shape(), Qt::BitmapCursor);
        EXPECT_TRUE(QRect(QPoint(0, 0), loaded.pixmap().size()).contains(loaded.hotSpot()));
    }
}

}  // namespace
}  // namespace platform
