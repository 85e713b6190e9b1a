#include "placeholder_art.h"

#include <QtEndian>

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace placeholders {

namespace {

constexpr int kSampleRate = 22050;
constexpr int kBitsPerSample = 16;
constexpr int kChannels = 1;
constexpr int kBytesPerSample = kBitsPerSample / 8;
constexpr double kVolume = 9000.0;
constexpr int kFadeMs = 4;  // against clicks at the ends of each note
constexpr int kNoise = 0;   // a note of this pitch is a burst of noise (shuffles, flicks)

struct Note {
    int hertz;
    int milliseconds;
};

struct SoundSpec {
    std::string_view name;
    std::array<Note, 4> notes;  // notes of 0 ms are not played
};

constexpr std::array<SoundSpec, 19> kSounds{{
    {"Splash", {{{523, 180}, {659, 180}, {784, 180}, {1047, 360}}}},
    {"About", {{{784, 120}, {1047, 240}}}},
    {"New", {{{440, 90}, {554, 90}, {659, 160}}}},
    {"Won", {{{523, 160}, {659, 160}, {784, 160}, {1047, 480}}}},
    {"Shuffle", {{{kNoise, 260}}}},
    {"Tableau", {{{620, 45}}}},
    {"Waste", {{{520, 45}}}},
    {"Eddy", {{{700, 60}, {500, 60}, {700, 60}}}},
    {"Stock", {{{kNoise, 40}}}},
    {"Stock02", {{{kNoise, 60}, {480, 30}}}},
    {"Redeal", {{{kNoise, 380}}}},
    {"Red_no_a", {{{kNoise, 160}, {400, 60}}}},
    {"Foundation", {{{880, 80}}}},
    {"Autoplay", {{{990, 60}}}},
    {"Dest_Autoplay", {{{1040, 60}}}},
    {"Pairing", {{{660, 80}, {880, 120}}}},
    {"card_up", {{{1200, 30}}}},
    {"card_down", {{{400, 35}}}},
    {"Face_up", {{{740, 40}}}},
}};

void AppendLe32(QByteArray& data, std::uint32_t value) {
    const std::uint32_t le = qToLittleEndian(value);
    data.append(reinterpret_cast<const char*>(&le), 4);
}

void AppendLe16(QByteArray& data, std::uint16_t value) {
    const std::uint16_t le = qToLittleEndian(value);
    data.append(reinterpret_cast<const char*>(&le), 2);
}

void AppendNote(QByteArray& pcm, const Note& note, std::uint32_t& noiseState) {
    const int samples = kSampleRate * note.milliseconds / 1000;
    const int fade = kSampleRate * kFadeMs / 1000;
    for (int i = 0; i < samples; ++i) {
        double value;
        if (note.hertz == kNoise) {
            noiseState = noiseState * 1664525u + 1013904223u;
            value = (static_cast<double>(noiseState >> 16) / 32768.0 - 1.0) * 0.6;
        } else {
            value = std::sin(2.0 * std::numbers::pi * note.hertz * i / kSampleRate);
        }
        const double envelope = std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(samples - i) / fade});
        AppendLe16(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * envelope * kVolume)));
    }
}

}  // namespace

QByteArray MakeSound(std::string_view name) {
    QByteArray pcm;
    std::uint32_t noiseState = 1;
    for (const SoundSpec& sound : kSounds)
        if (sound.name == name)
            for (const Note& note : sound.notes)
                if (note.milliseconds > 0) AppendNote(pcm, note, noiseState);
    if (pcm.isEmpty()) return {};

    QByteArray wave;
    constexpr std::uint32_t kFormatChunkSize = 16;
    constexpr std::uint16_t kPcmFormat = 1;
    wave.append("RIFF");
    AppendLe32(wave, static_cast<std::uint32_t>(4 + 8 + kFormatChunkSize + 8 + pcm.size()));
    wave.append("WAVE");
    wave.append("fmt ");
    AppendLe32(wave, kFormatChunkSize);
    AppendLe16(wave, kPcmFormat);
    AppendLe16(wave, kChannels);
    AppendLe32(wave, kSampleRate);
    AppendLe32(wave, kSampleRate * kChannels * kBytesPerSample);
    AppendLe16(wave, kChannels * kBytesPerSample);
    AppendLe16(wave, kBitsPerSample);
    wave.append("data");
    AppendLe32(wave, static_cast<std::uint32_t>(pcm.size()));
    wave.append(pcm);
    return wave;
}

}  // namespace placeholders
