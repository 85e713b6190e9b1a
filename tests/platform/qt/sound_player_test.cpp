#include "platform/qt/sound_player.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace platform {
namespace {

constexpr int kRate = 22050;
constexpr int kBytesPerSecond = kRate * 2;  // 16-bit mono

void Le32(std::string& data, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) data += static_cast<char>(value >> (8 * i));
}
void Le16(std::string& data, std::uint16_t value) {
    data += static_cast<char>(value);
    data += static_cast<char>(value >> 8);
}

std::string FormatChunk(std::uint32_t byteRate) {
    std::string chunk = "fmt ";
    Le32(chunk, 16);
    Le16(chunk, 1);
    Le16(chunk, 1);
    Le32(chunk, kRate);
    Le32(chunk, byteRate);
    Le16(chunk, 2);
    Le16(chunk, 16);
    return chunk;
}

// A RIFF WAVE file of silence; `extra` chunks come between the format and the data.
std::string Wave(std::uint32_t dataBytes, std::uint32_t byteRate = kBytesPerSecond, const std::string& extra = {}) {
    std::string body = "WAVE" + FormatChunk(byteRate) + extra + "data";
    Le32(body, dataBytes);
    body += std::string(dataBytes, '\0');
    std::string wave = "RIFF";
    Le32(wave, static_cast<std::uint32_t>(body.size()));
    return wave + body;
}

TEST(WaveDuration, ComesFromTheDataLengthAndTheByteRate) {
    EXPECT_EQ(WaveDurationMilliseconds(Wave(kBytesPerSecond)), 1000);
    EXPECT_EQ(WaveDurationMilliseconds(Wave(kBytesPerSecond / 20)), 50);
    EXPECT_EQ(WaveDurationMilliseconds(Wave(0)), 0);
}

TEST(WaveDuration, SkipsOtherChunksWithTheirPadding) {
    std::string odd = "LIST";
    Le32(odd, 3);
    odd += "abc";
    odd += '\0';  // chunks are padded to an even length
    EXPECT_EQ(WaveDurationMilliseconds(Wave(kBytesPerSecond, kBytesPerSecond, odd)), 1000);
}

TEST(WaveDuration, ACutFileLastsAsLongAsTheDataItHolds) {
    const std::string whole = Wave(kBytesPerSecond);
    EXPECT_EQ(WaveDurationMilliseconds(whole.substr(0, whole.size() - kBytesPerSecond / 2)), 500);
}

TEST(WaveDuration, ForeignOrBrokenDataIsNoSound) {
    EXPECT_EQ(WaveDurationMilliseconds(""), std::nullopt);
    EXPECT_EQ(WaveDurationMilliseconds("RIFF"), std::nullopt);
    EXPECT_EQ(WaveDurationMilliseconds(std::string(64, 'x')), std::nullopt);
    EXPECT_EQ(WaveDurationMilliseconds(Wave(100, 0)), std::nullopt);  // no byte rate
    std::string noFormat = "RIFF";
    Le32(noFormat, 12);
    noFormat += "WAVEdata";
    Le32(noFormat, 0);
    EXPECT_EQ(WaveDurationMilliseconds(noFormat), std::nullopt);
}

// Whether or not this machine has an audio device, the player neither fails nor hangs.
TEST(SoundPlayer, PlaysInEveryModeWithoutHanging) {
    SoundPlayer player;
    const std::string shortSound = Wave(kBytesPerSecond / 20);
    QElapsedTimer timer;
    timer.start();
    player.Play(shortSound, SoundMode::Asynchronous);
    player.Play(shortSound, SoundMode::Looping);
    player.Play(shortSound, SoundMode::Synchronous);
    player.Stop();
    player.Stop();
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST(SoundPlayer, DataThatIsNoSoundIsIgnored) {
    SoundPlayer player;
    QElapsedTimer timer;
    timer.start();
    player.Play("not a sound", SoundMode::Synchronous);
    player.Play("", SoundMode::Looping);
    EXPECT_LT(timer.elapsed(), 1000);
}

}  // namespace
}  // namespace platform
