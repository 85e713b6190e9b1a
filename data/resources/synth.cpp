#include "synth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kEndFade = 0.004;  // seconds
constexpr int kBitsPerSample = 16;
constexpr int kBytesPerSample = kBitsPerSample / 8;
constexpr double kFullScale = 32767.0;

// One-pole low-pass coefficient for a cut-off frequency.
double PoleFor(double hertz) { return 1.0 - std::exp(-kTwoPi * hertz / kSampleRate); }

class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : m_state(seed * 747796405u + 2891336453u) {}
    double Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t m_state;
};

void AppendLe32(QByteArray& data, std::uint32_t value) {
    const std::uint32_t le = qToLittleEndian(value);
    data.append(reinterpret_cast<const char*>(&le), 4);
}

void AppendLe16(QByteArray& data, std::uint16_t value) {
    const std::uint16_t le = qToLittleEndian(value);
    data.append(reinterpret_cast<const char*>(&le), 2);
}

}  // namespace

Sound::Sound(double seconds, bool loop)
    : m_samples(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0), m_loop(loop) {}

void Sound::Add(long index, double value) {
    const long size = static_cast<long>(m_samples.size());
    if (m_loop) index = ((index % size) + size) % size;
    if (index >= 0 && index < size) m_samples[static_cast<std::size_t>(index)] += value;
}

void Sound::Noise(double at, double length, double gain, double lowHz, double highHz, double attack, double decay,
                  std::uint32_t seed) {
    NoiseSource noise(seed);
    const double lowPole = PoleFor(highHz), highPole = PoleFor(lowHz);
    double low = 0, slow = 0;
    const long start = std::lround(at * kSampleRate);
    const long count = std::lround(length * kSampleRate);
    for (long i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        low += (noise.Next() - low) * lowPole;  // cut what is above the band
        slow += (low - slow) * highPole;        // and what is below it
        const double envelope = std::min(1.0, t / attack) * std::exp(-t / decay);
        Add(start + i, (low - slow) * envelope * gain);
    }
}

void Sound::Sweep(double at, double length, double gain, double fromHz, double toHz, std::uint32_t seed) {
    NoiseSource noise(seed);
    double low = 0, slow = 0;
    const long start = std::lround(at * kSampleRate);
    const long count = std::lround(length * kSampleRate);
    for (long i = 0; i < count; ++i) {
        const double share = static_cast<double>(i) / static_cast<double>(count);
        const double centre = fromHz * std::pow(toHz / fromHz, share);
        low += (noise.Next() - low) * PoleFor(centre * 1.6);
        slow += (low - slow) * PoleFor(centre * 0.6);
        const double envelope = std::sin(std::numbers::pi * share);
        Add(start + i, (low - slow) * envelope * gain);
    }
}

void Sound::Note(double at, double hertz, double gain, std::initializer_list<Partial> partials, double length) {
    constexpr double kAttack = 0.006;
    const long start = std::lround(at * kSampleRate);
    const long count = std::lround(length * kSampleRate);
    for (long i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double value = 0;
        for (const Partial& partial : partials)
            value += partial.gain * std::exp(-t / partial.decay) * std::sin(kTwoPi * hertz * partial.ratio * t);
        Add(start + i, value * std::min(1.0, t / kAttack) * gain);
    }
}

void Sound::Thump(double at, double hertz, double gain, double length) {
    const long start = std::lround(at * kSampleRate);
    const long count = std::lround(length * kSampleRate);
    double phase = 0;
    for (long i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += kTwoPi * hertz * (1.0 - 0.4 * t / length) / kSampleRate;
        const double envelope = std::min(1.0, t / 0.002) * std::exp(-t / (length / 4));
        Add(start + i, std::sin(phase) * envelope * gain);
    }
}

void Sound::Peak(double level) {
    double loudest = 0;
    for (double s : m_samples) loudest = std::max(loudest, std::abs(s));
    if (loudest <= 0) return;
    for (double& s : m_samples) s *= level / loudest;
}

QByteArray Sound::Wave() const {
    QByteArray pcm;
    const std::size_t count = m_samples.size();
    const std::size_t fade = static_cast<std::size_t>(kEndFade * kSampleRate);
    for (std::size_t i = 0; i < count; ++i) {
        double value = m_samples[i];
        if (!m_loop && count - i <= fade) value *= static_cast<double>(count - i - 1) / static_cast<double>(fade);
        // A loop also starts softly: played once it must not click, and the dip where
        // it wraps round is too short to hear.
        if (m_loop && i < fade) value *= static_cast<double>(i) / static_cast<double>(fade);
        const double clamped = std::clamp(value, -1.0, 1.0);
        AppendLe16(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clamped * kFullScale))));
    }
    constexpr std::uint32_t kFormatChunkSize = 16;
    constexpr std::uint16_t kPcmFormat = 1;
    constexpr std::uint16_t kChannels = 1;
    QByteArray wave;
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

}  // namespace art
