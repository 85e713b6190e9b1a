#include "platform/qt/resource_bundle.h"

#include "platform/core/paths.h"
#include "platform/core/resource_names.h"
#include "platform/qt/cursors.h"
#include "platform/qt/sound_player.h"
#include "tests/support/fake_services.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {
namespace {

namespace res = resources;

// The build lays the library in the program folder beside the test programs' folder.
std::filesystem::path BuiltLibrary() { return PathResolver::ExecutableFolder().parent_path() / "program" / "QND.RGF"; }

std::string BuiltLibraryBytes() {
    std::string bytes;
    EXPECT_TRUE(ReadFile(BuiltLibrary(), bytes)) << "the build did not make " << BuiltLibrary();
    return bytes;
}

QImage Decode(const std::string& data) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(data.data()), static_cast<int>(data.size()));
    return image;
}

class BuiltLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_bundle.Open(BuiltLibrary())) << BuiltLibrary(); }
    ResourceBundle m_bundle;
};

TEST_F(BuiltLibraryTest, EveryNameTheProgramAsksForResolves) {
    for (const res::ResourceEntry& entry : res::AllResources()) {
        SCOPED_TRACE(entry.name);
        switch (entry.kind) {
            case res::ResourceKind::Bitmap: {
                EXPECT_TRUE(m_bundle.HasBitmap(entry.name));
                const QImage image = Decode(m_bundle.BitmapData(entry.name));
                ASSERT_FALSE(image.isNull());
                EXPECT_EQ(image.width(), entry.width);
                EXPECT_EQ(image.height(), entry.height);
                break;
            }
            case res::ResourceKind::Cursor: {
                const std::optional<QCursor> cursor = CursorFromData(m_bundle.CursorData(entry.name));
                ASSERT_TRUE(cursor.has_value());
                EXPECT_EQ(cursor->pixmap().width(), entry.width);
                break;
            }
            case res::ResourceKind::Wave: {
                const std::optional<int> duration = WaveDurationMilliseconds(m_bundle.WaveData(entry.name));
                ASSERT_TRUE(duration.has_value());
                EXPECT_GT(*duration, 0);
                break;
            }
        }
    }
}

TEST_F(BuiltLibraryTest, CardStripsHoldSixByFourCardsOfTheirSize) {
    // Big 71 x 96, medium 59 x 80, small 25 x 32.
    EXPECT_EQ(Decode(m_bundle.BitmapData("CB001H")).size(), QSize(426, 384));
    EXPECT_EQ(Decode(m_bundle.BitmapData("CM003S")).size(), QSize(354, 320));
    EXPECT_EQ(Decode(m_bundle.BitmapData("CL001C")).size(), QSize(150, 128));
}

TEST_F(BuiltLibraryTest, NamesMatchWithoutRegardToCase) {
    EXPECT_EQ(m_bundle.BitmapData("cb001h"), m_bundle.BitmapData("CB001H"));
    EXPECT_FALSE(m_bundle.BitmapData("wb_waste").empty());
    EXPECT_FALSE(m_bundle.WaveData("SPLASH").empty());
    EXPECT_FALSE(m_bundle.WaveData("Card_Up").empty());
    EXPECT_FALSE(m_bundle.CursorData("cur_arrow1a").empty());
}

TEST_F(BuiltLibraryTest, ANameTheLibraryLacksGivesNothing) {
    EXPECT_FALSE(m_bundle.HasBitmap("CB009H"));
    EXPECT_TRUE(m_bundle.BitmapData("CB009H").empty());
    EXPECT_TRUE(m_bundle.BitmapData("").empty());
    EXPECT_TRUE(m_bundle.WaveData(res::kStopSoundName).empty());
    EXPECT_TRUE(m_bundle.CursorData("CUR_ARROW3A").empty());
    // Each kind has its own names.
    EXPECT_TRUE(m_bundle.WaveData("CB001H").empty());
    EXPECT_TRUE(m_bundle.BitmapData("Splash").empty());
    EXPECT_TRUE(m_bundle.BitmapData("CUR_ARROW1A").empty());
}

TEST_F(BuiltLibraryTest, AClosedLibraryGivesNothingAndOpensAgain) {
    m_bundle.Close();
    EXPECT_FALSE(m_bundle.IsOpen());
    EXPECT_TRUE(m_bundle.BitmapData("CB001H").empty());
    EXPECT_TRUE(m_bundle.WaveData("Won").empty());
    m_bundle.Close();  // a second close is harmless
    ASSERT_TRUE(m_bundle.Open(BuiltLibrary()));
    EXPECT_FALSE(m_bundle.WaveData("Won").empty());
}

TEST_F(BuiltLibraryTest, TwoLibrariesStayApart) {
    ResourceBundle second;
    ASSERT_TRUE(second.Open(BuiltLibrary()));
    EXPECT_EQ(second.BitmapData("DB011"), m_bundle.BitmapData("DB011"));
    second.Close();
    EXPECT_FALSE(m_bundle.BitmapData("DB011").empty());
}

// --- Damaged files ----------------------------------------------------------------------

std::uint32_t ReadU32(const std::string& data, std::size_t offset) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(data[offset])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[offset + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[offset + 2])) << 8 |
           static_cast<unsigned char>(data[offset + 3]);
}

void WriteU32(std::string& data, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) data[offset + static_cast<std::size_t>(i)] = static_cast<char>(value >> (24 - 8 * i));
}

class DamagedLibraryTest : public ::testing::Test {
protected:
    // Opens a library file with that content after a good one, which must close.
    bool OpensAfterAGoodOne(const std::string& content) {
        EXPECT_TRUE(m_bundle.Open(BuiltLibrary()));
        const std::filesystem::path file = m_folder.WriteFile("QND.RGF", content);
        const bool opened = m_bundle.Open(file);
        EXPECT_EQ(m_bundle.IsOpen(), opened);
        if (!opened) {
            EXPECT_TRUE(m_bundle.BitmapData("CB001H").empty());
        }
        return opened;
    }

    test_support::TempFolder m_folder;
    ResourceBundle m_bundle;
};

constexpr std::size_t kTreeOffsetField = 8;
constexpr std::size_t kDataOffsetField = 12;
constexpr std::size_t kRootFirstChild = 10;  // inside the root node

TEST_F(DamagedLibraryTest, AMissingFileDoesNotOpen) {
    EXPECT_FALSE(m_bundle.Open(m_folder.Path() / "QND.RGF"));
    EXPECT_FALSE(m_bundle.IsOpen());
}

TEST_F(DamagedLibraryTest, TheUndamagedCopyOpens) { EXPECT_TRUE(OpensAfterAGoodOne(BuiltLibraryBytes())); }

TEST_F(DamagedLibraryTest, EmptyOrForeignFilesDoNotOpen) {
    EXPECT_FALSE(OpensAfterAGoodOne(""));
    EXPECT_FALSE(OpensAfterAGoodOne("qres"));
    EXPECT_FALSE(OpensAfterAGoodOne(std::string(4096, '\x5a')));
    std::string wrongVersion = BuiltLibraryBytes();
    WriteU32(wrongVersion, 4, 99);
    EXPECT_FALSE(OpensAfterAGoodOne(wrongVersion));
}

TEST_F(DamagedLibraryTest, ACutFileDoesNotOpen) {
    const std::string whole = BuiltLibraryBytes();
    EXPECT_FALSE(OpensAfterAGoodOne(whole.substr(0, whole.size() / 2)));
    EXPECT_FALSE(OpensAfterAGoodOne(whole.substr(0, whole.size() - 1)));
    EXPECT_FALSE(OpensAfterAGoodOne(whole.substr(0, 24)));
}

TEST_F(DamagedLibraryTest, OffsetsOutsideTheFileDoNotOpen) {
    std::string data = BuiltLibraryBytes();
    WriteU32(data, kDataOffsetField, static_cast<std::uint32_t>(data.size() - 2));
    EXPECT_FALSE(OpensAfterAGoodOne(data));
    data = BuiltLibraryBytes();
    WriteU32(data, kTreeOffsetField, 0xFFFFFFF0u);
    EXPECT_FALSE(OpensAfterAGoodOne(data));
}

TEST_F(DamagedLibraryTest, AFolderInsideItselfDoesNotOpen) {
    std::string data = BuiltLibraryBytes();
    WriteU32(data, ReadU32(data, kTreeOffsetField) + kRootFirstChild, 0);
    EXPECT_FALSE(OpensAfterAGoodOne(data));
}

}  // namespace
}  // namespace platform
