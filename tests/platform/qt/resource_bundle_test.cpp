#include "platform/qt/resource_bundle.h"

#include "platform/core/paths.h"
#include "platform/core/resource_names.h"
#include "platform/qt/cursors.h"
#include "platform/qt/resource_bundle_check.h"
#include "platform/qt/sound_player.h"
#include "tests/support/fake_services.h"
#include "tests/support/mutations.h"

#include <QImage>

#include <gtest/gtest.h>

#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

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
                EXPECT_EQ(cursor->pixmap().height(), entry.height);
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

// --- The drawings -----------------------------------------------------------------------

std::vector<res::ResourceEntry> EntriesOf(res::ResourceFamily family) {
    std::vector<res::ResourceEntry> entries;
    for (const res::ResourceEntry& entry : res::AllResources())
        if (entry.family == family) entries.push_back(entry);
    return entries;
}

// Face `rank` (1-13) cut from a suit strip the way the table cuts it.
QImage FaceOf(const QImage& strip, const res::CardSizeSpec& size, int rank) {
    const int place = rank - 1;
    return strip.copy((place % res::kFacesPerStripRow) * size.width, (place / res::kFacesPerStripRow) * size.height,
                      size.width, size.height);
}

// Any colour clearly away from white paper, red and green inks as much as black.
bool IsInk(QRgb pixel) {
    constexpr int kInkLevel = 192;
    return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < kInkLevel;
}

// Separate marks of ink inside the rectangle, neighbours joined across edges only.
int InkBlobs(const QImage& image, const QRect& area) {
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()), false);
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const auto index = [&](int px, int py) {
                return static_cast<std::size_t>(py * image.width() + px);
            };
            if (seen[index(x, y)] || !IsInk(image.pixel(x, y))) continue;
            ++blobs;
            std::vector<QPoint> pending{QPoint(x, y)};
            seen[index(x, y)] = true;
            while (!pending.empty()) {
                const QPoint p = pending.back();
                pending.pop_back();
                for (const QPoint& d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (!area.contains(n) || seen[index(n.x(), n.y())] || !IsInk(image.pixel(n))) continue;
                    seen[index(n.x(), n.y())] = true;
                    pending.push_back(n);
                }
            }
        }
    return blobs;
}

TEST_F(BuiltLibraryTest, PipCardsShowAsManyPipsAsTheirRankClearOfTheIndices) {
    // The indices sit in the outer columns; between them lie only the pips.
    struct PipArea {
        char size;
        int indexColumn;
    };
    for (const PipArea area : {PipArea{'B', 14}, PipArea{'M', 12}}) {
        const res::CardSizeSpec& size = *res::FindCardSize(area.size);
        for (std::string_view set : res::kCardSets)
            for (char suit : res::kSuitLetters) {
                const std::string name = res::CardStripName(area.size, set, suit);
                const QImage strip = Decode(m_bundle.BitmapData(name));
                ASSERT_FALSE(strip.isNull()) << name;
                for (int rank = 1; rank <= 10; ++rank) {
                    const QRect pips(area.indexColumn, 2, size.width - 2 * area.indexColumn, size.height - 4);
                    EXPECT_EQ(InkBlobs(FaceOf(strip, size, rank), pips), rank) << name << " rank " << rank;
                }
            }
    }
}

TEST_F(BuiltLibraryTest, EveryFaceIsDistinct) {
    for (const res::CardSizeSpec& size : res::kCardSizes) {
        std::set<std::vector<QRgb>> faces;
        for (char suit : res::kSuitLetters) {
            const QImage strip = Decode(m_bundle.BitmapData(res::CardStripName(size.letter, "001", suit)));
            for (int rank = 1; rank <= 13; ++rank) {
                const QImage face = FaceOf(strip, size, rank).convertToFormat(QImage::Format_RGB32);
                std::vector<QRgb> pixels(
                    reinterpret_cast<const QRgb*>(face.constBits()),
                    reinterpret_cast<const QRgb*>(face.constBits()) + face.width() * face.height());
                EXPECT_TRUE(faces.insert(pixels).second) << size.letter << suit << rank;
            }
        }
    }
}

// The table cuts a card's rounded corners by overwriting pixels (three a corner, one on the
// smallest cards): the edge must run on unbroken round what is left.
void ExpectClosedEdge(const QImage& card, const std::string& what) {
    const int w = card.width(), h = card.height();
    const QRgb edge = card.pixel(w / 2, 0);
    EXPECT_TRUE(IsInk(edge)) << what;
    for (int x = 2; x < w - 2; ++x) {
        EXPECT_EQ(card.pixel(x, 0), edge) << what;
        EXPECT_EQ(card.pixel(x, h - 1), edge) << what;
    }
    for (int y = 2; y < h - 2; ++y) {
        EXPECT_EQ(card.pixel(0, y), edge) << what;
        EXPECT_EQ(card.pixel(w - 1, y), edge) << what;
    }
    constexpr int kSmallCardWidth = 25;
    const int in = w == kSmallCardWidth ? 0 : 1;  // the pixel that closes each corner
    const int reach = w == kSmallCardWidth ? 1 : 0;
    for (const QPoint& corner : {QPoint(in + reach, in), QPoint(w - 1 - in - reach, in), QPoint(in, h - 1 - in - reach),
                                 QPoint(w - 1 - in, h - 1 - in - reach)})
        EXPECT_EQ(card.pixel(corner), edge) << what << " at " << corner.x() << "," << corner.y();
}

TEST_F(BuiltLibraryTest, FacesBacksAndJokersHaveAnEdgeThatTheCutCornersLeaveClosed) {
    for (const res::CardSizeSpec& size : res::kCardSizes) {
        for (std::string_view set : res::kCardSets) {
            const QImage strip = Decode(m_bundle.BitmapData(res::CardStripName(size.letter, set, 'S')));
            for (int rank : {1, 7, 12})
                ExpectClosedEdge(FaceOf(strip, size, rank), res::CardStripName(size.letter, set, 'S'));
        }
        ExpectClosedEdge(Decode(m_bundle.BitmapData(res::JokerName(size.letter))), res::JokerName(size.letter));
        for (int back = res::kFirstBack; back <= res::kLastBack; ++back)
            ExpectClosedEdge(Decode(m_bundle.BitmapData(res::CardBackName(size.letter, back))),
                             res::CardBackName(size.letter, back));
    }
}

TEST_F(BuiltLibraryTest, EachBackAndEachPileMarkIsADesignOfItsOwn) {
    for (const res::ResourceFamily family : {res::ResourceFamily::CardBack, res::ResourceFamily::PileMark}) {
        std::set<std::string> seen;
        for (const res::ResourceEntry& entry : EntriesOf(family)) {
            const std::string data = m_bundle.BitmapData(entry.name);
            EXPECT_TRUE(seen.insert(data).second) << entry.name << " is the same as another";
            std::set<QRgb> colours;
            const QImage image = Decode(data);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
            EXPECT_GE(colours.size(), 3u) << entry.name;
        }
    }
}

TEST_F(BuiltLibraryTest, ShadowsAreACheckerOfBlackDotsOnWhiteSevenPixelsDeep) {
    constexpr int kBand = 7;
    for (const res::ResourceEntry& entry : EntriesOf(res::ResourceFamily::Shadow)) {
        const QImage shadow = Decode(m_bundle.BitmapData(entry.name)).convertToFormat(QImage::Format_RGB32);
        const bool right = entry.name.back() == '1';
        int dots = 0;
        for (int y = 0; y < shadow.height(); ++y)
            for (int x = 0; x < shadow.width(); ++x) {
                const QRgb pixel = shadow.pixel(x, y) & 0xFFFFFF;
                ASSERT_TRUE(pixel == 0 || pixel == 0xFFFFFF) << entry.name;
                if (pixel != 0) continue;
                ++dots;
                EXPECT_EQ((x + y) % 2, 0) << entry.name;
                EXPECT_LT(right ? x : y, kBand) << entry.name;
            }
        EXPECT_GT(dots, shadow.width() * shadow.height() / 4) << entry.name;
    }
    // Card width plus height is odd in every size, so the two images' dots fall on one
    // checker where they meet below the card's right edge.
    for (const res::CardSizeSpec& size : res::kCardSizes) EXPECT_EQ((size.width + size.height) % 2, 1);
}

TEST_F(BuiltLibraryTest, StockEdgesAreCardEdgesOnBlueEachStartingWhereItsCardLies) {
    constexpr QRgb kBlue = qRgb(0, 0, 255);
    for (const res::ResourceEntry& entry : EntriesOf(res::ResourceFamily::Border)) {
        const QImage border = Decode(m_bundle.BitmapData(entry.name)).convertToFormat(QImage::Format_RGB32);
        const res::CardSizeSpec& size = *res::FindCardSize(entry.name[entry.name.size() - 2]);
        const bool right = entry.name.back() == '1';
        const int cut = size.width == 25 ? 1 : 2;
        // Line i is the edge of the card lying 15 - i up and left of the base: it begins
        // at i - 2, less the cut corner.
        for (int line = 2; line < res::kBorderDepth; ++line) {
            const auto at = [&](int along) {
                return (right ? border.pixel(line, along) : border.pixel(along, line)) | 0xFF000000;
            };
            EXPECT_EQ(at(line - 2 + cut - 1), kBlue) << entry.name << " line " << line;
            EXPECT_NE(at(line - 2 + cut), kBlue) << entry.name << " line " << line;
        }
    }
}

TEST_F(BuiltLibraryTest, BackgroundTilesMeetWithoutASeam) {
    for (const res::ResourceEntry& entry : EntriesOf(res::ResourceFamily::Background)) {
        const QImage tile = Decode(m_bundle.BitmapData(entry.name));
        const auto columnStep = [&](int a, int b) {
            double sum = 0;
            for (int y = 0; y < tile.height(); ++y) sum += std::abs(qGray(tile.pixel(a, y)) - qGray(tile.pixel(b, y)));
            return sum / tile.height();
        };
        const auto rowStep = [&](int a, int b) {
            double sum = 0;
            for (int x = 0; x < tile.width(); ++x) sum += std::abs(qGray(tile.pixel(x, a)) - qGray(tile.pixel(x, b)));
            return sum / tile.width();
        };
        // Where one tile meets the next, the change is no larger than between neighbours
        // inside it (a mortar line or a plank's end may fall on the edge, as inside).
        double columns = 0, rows = 0;
        for (int i = 0; i + 1 < tile.width(); ++i) columns = std::max(columns, columnStep(i, i + 1));
        for (int i = 0; i + 1 < tile.height(); ++i) rows = std::max(rows, rowStep(i, i + 1));
        constexpr double kTolerance = 2;
        EXPECT_LE(columnStep(tile.width() - 1, 0), columns + kTolerance) << entry.name;
        EXPECT_LE(rowStep(tile.height() - 1, 0), rows + kTolerance) << entry.name;
    }
}

TEST_F(BuiltLibraryTest, IconsAndGlyphsStandOnTheMaroonKey) {
    constexpr QRgb kMaroon = qRgb(128, 0, 0);
    for (const res::ResourceFamily family :
         {res::ResourceFamily::FolderIcon, res::ResourceFamily::TypeIcon, res::ResourceFamily::ToolbarGlyph}) {
        std::set<std::string> seen;
        for (const res::ResourceEntry& entry : EntriesOf(family)) {
            const std::string data = m_bundle.BitmapData(entry.name);
            const QImage icon = Decode(data);
            EXPECT_EQ(icon.pixel(0, 0) | 0xFF000000, kMaroon) << entry.name;
            EXPECT_TRUE(seen.insert(data).second) << entry.name << " is the same as another";
        }
    }
}

TEST_F(BuiltLibraryTest, EveryCursorPointsAtItsOwnPicture) {
    for (const res::TableCursor& table : res::kTableCursors) {
        const std::optional<QCursor> cursor = CursorFromData(m_bundle.CursorData(table.name));
        ASSERT_TRUE(cursor.has_value()) << table.name;
        const QImage image = cursor->pixmap().toImage();
        EXPECT_GT(qAlpha(image.pixel(cursor->hotSpot())), 0) << table.name;
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0) << table.name;
    }
}

// --- Sounds -----------------------------------------------------------------------------

struct PcmWave {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t Le32(const std::string& data, std::size_t at) {
    return qFromLittleEndian<std::uint32_t>(reinterpret_cast<const uchar*>(data.data() + at));
}
std::uint16_t Le16(const std::string& data, std::size_t at) {
    return qFromLittleEndian<std::uint16_t>(reinterpret_cast<const uchar*>(data.data() + at));
}

// Decodes a RIFF WAVE file chunk by chunk; nothing when it is not 16-bit PCM or a chunk
// does not fit.
std::optional<PcmWave> DecodeWave(const std::string& data) {
    constexpr std::uint16_t kPcm = 1;
    if (data.size() < 12 || data.compare(0, 4, "RIFF") != 0 || data.compare(8, 4, "WAVE") != 0) return std::nullopt;
    if (Le32(data, 4) != data.size() - 8) return std::nullopt;
    PcmWave wave;
    bool format = false;
    for (std::size_t at = 12; at + 8 <= data.size();) {
        const std::string id = data.substr(at, 4);
        const std::uint32_t length = Le32(data, at + 4);
        if (length > data.size() - at - 8) return std::nullopt;
        if (id == "fmt ") {
            if (length < 16 || Le16(data, at + 8) != kPcm) return std::nullopt;
            wave.channels = Le16(data, at + 10);
            wave.sampleRate = static_cast<int>(Le32(data, at + 12));
            const std::uint32_t byteRate = Le32(data, at + 16);
            wave.bitsPerSample = Le16(data, at + 22);
            if (wave.bitsPerSample != 16 || byteRate != static_cast<std::uint32_t>(wave.sampleRate * wave.channels * 2))
                return std::nullopt;
            format = true;
        } else if (id == "data") {
            if (!format || length % 2 != 0) return std::nullopt;
            for (std::size_t i = 0; i < length; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(Le16(data, at + 8 + i)));
        }
        at += 8 + length + (length % 2);
    }
    if (!format || wave.samples.empty()) return std::nullopt;
    return wave;
}

TEST_F(BuiltLibraryTest, EverySoundIsShortQuietPcmWaveData) {
    constexpr int kLongest = 2000;         // milliseconds
    constexpr int kLongestFanfare = 3500;  // the win and the shuffle loop may run longer
    constexpr int kLoudest = 32767 / 2;    // quiet: at most half of full scale
    constexpr int kSilentEnd = 200;        // a sound ends without a click
    for (std::string_view name : res::kSoundNames) {
        const std::string data = m_bundle.WaveData(name);
        const std::optional<PcmWave> wave = DecodeWave(data);
        ASSERT_TRUE(wave.has_value()) << name;
        EXPECT_EQ(wave->channels, 1) << name;
        EXPECT_GT(wave->sampleRate, 0) << name;
        const int milliseconds =
            static_cast<int>(wave->samples.size() * 1000 / static_cast<std::size_t>(wave->sampleRate));
        EXPECT_EQ(WaveDurationMilliseconds(data), milliseconds) << name;
        const bool mayRunLong = name == "Won" || name == "Shuffle";
        EXPECT_LE(milliseconds, mayRunLong ? kLongestFanfare : kLongest) << name;
        int loudest = 0;
        for (std::int16_t sample : wave->samples) loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
        EXPECT_LE(loudest, kLoudest) << name;
        EXPECT_GT(loudest, kLoudest / 8) << name << " is hardly heard";
        EXPECT_LE(std::abs(static_cast<int>(wave->samples.front())), kSilentEnd) << name;
        const bool loop = name == "Shuffle" || name == "Redeal";
        if (!loop) {
            EXPECT_LE(std::abs(static_cast<int>(wave->samples.back())), kSilentEnd) << name;
        }
    }
}

TEST_F(BuiltLibraryTest, TheWaveCheckRefusesDamagedData) {
    const std::string good = m_bundle.WaveData("card_up");
    ASSERT_TRUE(DecodeWave(good).has_value());
    EXPECT_FALSE(DecodeWave("").has_value());
    EXPECT_FALSE(DecodeWave(std::string("RIFF\x04\0\0\0WAVE", 12)).has_value());  // no chunks at all
    EXPECT_FALSE(DecodeWave(good.substr(0, good.size() - 2)).has_value());        // cut short
    std::string notWave = good;
    notWave.replace(8, 4, "WAVX");
    EXPECT_FALSE(DecodeWave(notWave).has_value());
    std::string floating = good;
    floating[20] = 3;  // the format code: IEEE float, not PCM
    EXPECT_FALSE(DecodeWave(floating).has_value());
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
    // Why a library file with that content does not open; empty when it opens.
    std::string ProblemOf(const std::string& content) {
        if (OpensAfterAGoodOne(content)) return {};
        return m_bundle.Problem();
    }

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

TEST_F(DamagedLibraryTest, AMissingFileDoesNotOpenAndHasNoDamageToName) {
    EXPECT_NE(ProblemOf("qres"), "");
    EXPECT_FALSE(m_bundle.Open(m_folder.Path() / "NONE.RGF"));
    EXPECT_FALSE(m_bundle.IsOpen());
    EXPECT_EQ(m_bundle.Problem(), "");
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

TEST_F(DamagedLibraryTest, ARootThatIsNoFolderDoesNotOpen) {
    // Qt reads the root's children whatever its flags say.
    constexpr std::size_t kRootFlags = 4;
    std::string data = BuiltLibraryBytes();
    const std::size_t root = ReadU32(data, kTreeOffsetField);
    data[root + kRootFlags] = 0;
    data[root + kRootFlags + 1] = 0;
    EXPECT_EQ(ProblemOf(data), "entry / is damaged (its checksum does not match)");
    data = BuiltLibraryBytes();
    WriteU32(data, kTreeOffsetField, 0);  // the header taken for the root
    EXPECT_NE(ProblemOf(data), "");
}

TEST_F(DamagedLibraryTest, AFlippedByteInAnImageNamesTheEntry) {
    std::string data = BuiltLibraryBytes();
    ResourceBundle good;
    ASSERT_TRUE(good.Open(BuiltLibrary()));
    // Some card sets share their small faces, so the entry is the one whose bytes are there once.
    for (const std::string name : {"CL001S", "CB001S", "CB003H"}) {
        const std::string png = good.BitmapData(name);
        const std::size_t at = data.find(png);
        ASSERT_NE(at, std::string::npos) << "images are stored as they are";
        if (data.find(png, at + 1) != std::string::npos) continue;
        data[at + png.size() / 2] = static_cast<char>(data[at + png.size() / 2] ^ 0x10);
        EXPECT_EQ(ProblemOf(data), "entry /bitmap/" + name + ".png is damaged (its checksum does not match)");
        return;
    }
    FAIL() << "no image is stored once";
}

TEST_F(DamagedLibraryTest, ABundleWithoutItsChecksumsDoesNotOpen) {
    const std::string data = BuiltLibraryBytes();
    const std::size_t bundleSize = ReadU32(data, data.size() - 8);
    ASSERT_LT(bundleSize, data.size());
    EXPECT_NE(ProblemOf(data.substr(0, bundleSize)).find("no checksums"), std::string::npos);
    // Sealing the bare bundle again gives the built file back.
    EXPECT_EQ(SealResourceBundle(data.substr(0, bundleSize)), data);
    EXPECT_FALSE(SealResourceBundle(data.substr(0, bundleSize / 2)).has_value());
}

TEST_F(DamagedLibraryTest, AFolderInsideItselfDoesNotOpen) {
    std::string data = BuiltLibraryBytes();
    WriteU32(data, ReadU32(data, kTreeOffsetField) + kRootFirstChild, 0);
    EXPECT_FALSE(OpensAfterAGoodOne(data));
}

// --- Entries read as they are asked for ----------------------------------------------------

// The first entry the check lists in the folder ("/wave/").
BundleEntry FirstEntryIn(const std::string& file, std::string_view folder) {
    for (const BundleEntry& entry : CheckResourceBundle(file).entries)
        if (entry.path.starts_with(folder)) return entry;
    ADD_FAILURE() << "no entry in " << folder;
    return {};
}

std::string BaseName(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.substr(0, name.rfind('.'));
}

TEST_F(DamagedLibraryTest, AFileChangedInPlaceWhileOpenGivesNothingForWhatChangedAndTheRestAsBefore) {
    const std::string whole = BuiltLibraryBytes();
    const std::filesystem::path file = m_folder.WriteFile("QND.RGF", whole);
    ASSERT_TRUE(m_bundle.Open(file));
    const BundleEntry wave = FirstEntryIn(whole, "/wave/");
    const std::string name = BaseName(wave.path);
    ASSERT_FALSE(m_bundle.WaveData(name).empty());

    std::string changed = whole;
    changed[wave.block + wave.size / 2] = static_cast<char>(changed[wave.block + wave.size / 2] ^ 0x10);
    m_folder.WriteFile("QND.RGF", changed);
    EXPECT_TRUE(m_bundle.WaveData(name).empty());
    ResourceBundle good;
    ASSERT_TRUE(good.Open(BuiltLibrary()));
    EXPECT_EQ(m_bundle.BitmapData("DB011"), good.BitmapData("DB011"));

    // Cut short: whatever lay beyond the cut reads as nothing, the rest as it was.
    m_folder.WriteFile("QND.RGF", whole.substr(0, whole.size() / 2));
    int gone = 0;
    for (const res::ResourceEntry& entry : res::AllResources()) {
        if (entry.kind != res::ResourceKind::Bitmap) continue;
        const std::string data = m_bundle.BitmapData(entry.name);
        if (data.empty())
            ++gone;
        else
            EXPECT_EQ(data, good.BitmapData(entry.name)) << entry.name;
    }
    EXPECT_GT(gone, 0);
}

TEST_F(DamagedLibraryTest, AZlibCompressedEntryReadsAsItsPlainData) {
    const std::string whole = BuiltLibraryBytes();
    std::string bundle = whole.substr(0, ReadU32(whole, whole.size() - 8));
    const BundleEntry wave = FirstEntryIn(whole, "/wave/");
    const std::string plain = whole.substr(wave.block + kEntryBlockHeaderSize, wave.size - kEntryBlockHeaderSize);
    const QByteArray packed = qCompress(QByteArray::fromStdString(plain));
    ASSERT_LT(static_cast<std::size_t>(packed.size()), plain.size());
    // The packed data takes the entry's place; the bytes after it are left unused.
    WriteU32(bundle, wave.block, static_cast<std::uint32_t>(packed.size()));
    bundle.replace(wave.block + kEntryBlockHeaderSize, static_cast<std::size_t>(packed.size()), packed.toStdString());
    constexpr std::size_t kNodeSize = 22;
    constexpr std::size_t kFlagsField = 4;
    constexpr std::size_t kDataField = 10;
    const std::size_t tree = ReadU32(bundle, kTreeOffsetField);
    const std::size_t dataStart = ReadU32(bundle, kDataOffsetField);
    bool flagged = false;
    for (std::size_t node = tree + kNodeSize; node + kNodeSize <= bundle.size() && !flagged; node += kNodeSize) {
        const bool folder = (bundle[node + kFlagsField + 1] & 0x02) != 0;
        if (folder || ReadU32(bundle, node + kDataField) != wave.block - dataStart) continue;
        bundle[node + kFlagsField + 1] = static_cast<char>(bundle[node + kFlagsField + 1] | kEntryZlibCompressed);
        flagged = true;
    }
    ASSERT_TRUE(flagged);
    const std::optional<std::string> sealed = SealResourceBundle(bundle);
    ASSERT_TRUE(sealed.has_value());
    ASSERT_TRUE(OpensAfterAGoodOne(*sealed)) << m_bundle.Problem();
    EXPECT_EQ(m_bundle.WaveData(BaseName(wave.path)), plain);
}

TEST_F(DamagedLibraryTest, HundredsOfDamagesAreRefusedByNameOrLeaveEveryEntryReadable) {
    constexpr int kMutants = 240;
    constexpr unsigned kSeed = 14;
    const std::string whole = BuiltLibraryBytes();
    int refused = 0;
    test_support::ForEachMutant(whole, kMutants, kSeed, [&](const test_support::Mutant& mutant) {
        SCOPED_TRACE(mutant.what);
        const std::optional<std::string> problem = ResourceBundleProblem(mutant.content);
        if (problem) {
            ++refused;
            EXPECT_FALSE(problem->empty());
            return;
        }
        // What passes the check is read the way the table reads it.
        ASSERT_TRUE(OpensAfterAGoodOne(mutant.content));
        for (const res::ResourceEntry& entry : res::AllResources()) {
            if (entry.kind == res::ResourceKind::Bitmap) {
                EXPECT_FALSE(m_bundle.BitmapData(entry.name).empty());
            }
        }
    });
    EXPECT_GT(refused, kMutants * 9 / 10);
}

}  // namespace
}  // namespace platform
