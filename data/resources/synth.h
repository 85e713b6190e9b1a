#pragma once

#include <QByteArray>

#include <cstdint>
#include <initializer_list>
#include <vector>

// A small synthesiser for the library's sounds: filtered noise for the sounds of cards,
// bell-like tones with soft envelopes for the chimes, written out as 16-bit PCM WAVE.
namespace art {

inline constexpr int kSampleRate = 44100;

struct Partial {
    double ratio;  // of the note's frequency
    double gain;
    double decay;  // seconds for the partial to fall to about a third
};

class Sound {
public:
    // A sound of that many seconds; a loop wraps what runs past its end to its start.
    Sound(double seconds, bool loop = false);

    // A burst of noise through a band-pass filter, rising in `attack` and dying away.
    void Noise(double at, double length, double gain, double lowHz, double highHz, double attack, double decay,
               std::uint32_t seed);
    // Noise whose band sweeps from one centre frequency to another (swishes and swirls).
    void Sweep(double at, double length, double gain, double fromHz, double toHz, std::uint32_t seed);
    // A note with partials, a short attack and each partial's own decay.
    void Note(double at, double hertz, double gain, std::initializer_list<Partial> partials, double length = 1.0);
    // A low thud whose pitch falls, the body of a card landing.
    void Thump(double at, double hertz, double gain, double length);

    // Scales the sound so that its loudest sample has that level (1 = full scale).
    void Peak(double level);
    // RIFF WAVE data, mono, 16 bits; sounds that are not loops fade out over the last
    // few milliseconds so that they end without a click, loops fade in over the first.
    QByteArray Wave() const;

private:
    void Add(long index, double value);

    std::vector<double> m_samples;
    bool m_loop;
};

// The partials of the chimes: a soft bell.
inline constexpr std::initializer_list<Partial> kBell{
    {1.0, 1.0, 0.45}, {2.0, 0.35, 0.2}, {3.0, 0.12, 0.12}, {4.2, 0.05, 0.08}};

}  // namespace art
