// Every sound of the library, synthesised: card sounds from short bursts of filtered
// noise and soft thuds, chimes from bell-like notes. All are quiet and short; only the
// shuffle (looped while a deal is drawn) and the win's fanfare run longer than a second
// or two, and the two looped sounds (shuffle and redeal) wrap round without a seam.

#include "art.h"
#include "synth.h"

#include <array>
#include <functional>

namespace art {

namespace {

// Loudness of the card sounds and of the chimes (1 = full scale).
constexpr double kCardLevel = 0.32;
constexpr double kChimeLevel = 0.28;

// Notes, in hertz.
constexpr double kC5 = 523.25, kE5 = 659.26, kG5 = 783.99, kC6 = 1046.5, kE6 = 1318.5, kG6 = 1568.0, kA6 = 1760.0,
                 kC7 = 2093.0;

// A card landing: a crisp snap over a soft thud.
void Snap(Sound& sound, double at, double gain, std::uint32_t seed, double brightness = 5000) {
    sound.Noise(at, 0.05, gain, 700, brightness, 0.0008, 0.009, seed);
    sound.Thump(at, 150, gain * 0.55, 0.05);
}

// A card slid off a pile: a dry, short tick.
void Tick(Sound& sound, double at, double gain, std::uint32_t seed) {
    sound.Noise(at, 0.03, gain, 1800, 7500, 0.0005, 0.005, seed);
}

// A riffle of cards falling one after another, spread over `length` seconds.
void Riffle(Sound& sound, double at, double length, double spacing, std::uint32_t seed) {
    std::uint32_t state = seed;
    for (double t = 0; t < length; t += spacing) {
        state = state * 1664525u + 1013904223u;
        const double jitter = static_cast<double>(state >> 24) / 256.0 * spacing * 0.5;
        const double swell = 0.6 + 0.4 * ((state >> 16) & 0xFF) / 255.0;
        sound.Noise(at + t + jitter, 0.025, swell, 1200, 6500, 0.0006, 0.004, state);
    }
}

Sound CardUp() {
    Sound s(0.06);
    Tick(s, 0, 1, 11);
    s.Noise(0.004, 0.04, 0.3, 400, 2500, 0.004, 0.01, 12);
    s.Peak(kCardLevel * 0.7);
    return s;
}

Sound CardDown() {
    Sound s(0.09);
    Snap(s, 0, 1, 21);
    s.Peak(kCardLevel);
    return s;
}

Sound TableauDrop() {
    Sound s(0.1);
    Snap(s, 0, 1, 31, 4200);
    s.Peak(kCardLevel);
    return s;
}

Sound WasteFlick() {
    Sound s(0.07);
    s.Noise(0, 0.05, 1, 1500, 6000, 0.001, 0.008, 41);
    s.Peak(kCardLevel * 0.8);
    return s;
}

Sound StockDeal(std::uint32_t seed, double pitch) {
    Sound s(0.12);
    Tick(s, 0, 0.7, seed);
    s.Noise(0.02, 0.06, 0.5, 600 * pitch, 3000 * pitch, 0.01, 0.015, seed + 1);
    Snap(s, 0.05, 0.8, seed + 2);
    s.Peak(kCardLevel);
    return s;
}

// A snap, then a soft chime: a card home on a foundation.
Sound Chimed(double note, double gain, std::uint32_t seed) {
    Sound s(0.4);
    Snap(s, 0, 1, seed);
    s.Note(0.02, note, gain, kBell, 0.38);
    s.Peak(kChimeLevel);
    return s;
}

Sound Swirl() {
    Sound s(0.36);
    s.Sweep(0, 0.36, 1, 500, 4000, 51);
    s.Peak(kCardLevel * 0.8);
    return s;
}

// Looped while the waste is turned back onto the stock.
Sound RedealLoop() {
    Sound s(0.8, true);
    Riffle(s, 0, 0.8, 0.04, 61);
    s.Peak(kCardLevel * 0.8);
    return s;
}

Sound RedealOnce() {
    Sound s(0.5);
    s.Sweep(0, 0.42, 1, 4000, 600, 71);
    Snap(s, 0.4, 0.8, 72);
    s.Peak(kCardLevel);
    return s;
}

// Looped while a deal is drawn, and played once for each card some games deal: a
// riffle that begins at once and wraps round without a seam.
Sound ShuffleLoop() {
    Sound s(1.2, true);
    Riffle(s, 0, 1.2, 0.016, 81);
    s.Noise(0, 1.2, 0.08, 800, 4000, 0.2, 10, 82);
    s.Peak(kCardLevel * 0.8);
    return s;
}

Sound Pairing() {
    Sound s(0.6);
    s.Note(0, kC6, 1, kBell, 0.45);
    s.Note(0.12, kE6, 0.9, kBell, 0.48);
    s.Peak(kChimeLevel);
    return s;
}

Sound FaceUp() {
    Sound s(0.12);
    Tick(s, 0, 0.8, 91);
    s.Sweep(0.005, 0.06, 0.5, 2500, 1200, 92);
    Tick(s, 0.045, 1, 93);
    s.Peak(kCardLevel * 0.8);
    return s;
}

// Played to its end before a new deal: a short riffle and two rising notes.
Sound NewGame() {
    Sound s(0.6);
    Riffle(s, 0, 0.26, 0.014, 101);
    s.Note(0.24, kG5, 0.8, kBell, 0.36);
    s.Note(0.34, kC6, 1, kBell, 0.26);
    s.Peak(kChimeLevel);
    return s;
}

Sound Arpeggio(double seconds, std::initializer_list<double> notes, double step) {
    Sound s(seconds);
    double at = 0;
    for (double note : notes) {
        s.Note(at, note, 1, kBell, seconds - at);
        at += step;
    }
    s.Peak(kChimeLevel);
    return s;
}

// The win: a rising arpeggio, a sparkle, and a held chord.
Sound Fanfare() {
    Sound s(3.0);
    const std::array<double, 4> rise{kC5, kE5, kG5, kC6};
    for (std::size_t i = 0; i < rise.size(); ++i) s.Note(0.14 * static_cast<double>(i), rise[i], 0.8, kBell, 2.4);
    const std::array<double, 5> sparkle{kE6, kG6, kC7, kG6, kA6};
    for (std::size_t i = 0; i < sparkle.size(); ++i)
        s.Note(0.62 + 0.07 * static_cast<double>(i), sparkle[i], 0.25, kBell, 0.6);
    // The chord is held longer than the bell rings.
    for (double note : {kC5, kE5, kG5, kC6})
        s.Note(1.05, note, 0.55, {{1.0, 1.0, 1.1}, {2.0, 0.3, 0.5}, {3.0, 0.1, 0.3}}, 1.95);
    s.Peak(kChimeLevel);
    return s;
}

struct SoundSpec {
    std::string_view name;
    std::function<Sound()> make;
};

const std::array<SoundSpec, 19>& Sounds() {
    static const std::array<SoundSpec, 19> sounds{{
        {"Splash",
         [] {
             return Arpeggio(1.5, {kC5, kE5, kG5, kC6}, 0.16);
         }},
        {"About",
         [] {
             return Arpeggio(0.9, {kG5, kC6}, 0.14);
         }},
        {"New", NewGame},
        {"Won", Fanfare},
        {"Shuffle", ShuffleLoop},
        {"Tableau", TableauDrop},
        {"Waste", WasteFlick},
        {"Eddy", Swirl},
        {"Stock",
         [] {
             return StockDeal(111, 1.0);
         }},
        {"Stock02",
         [] {
             return StockDeal(121, 0.8);
         }},
        {"Redeal", RedealLoop},
        {"Red_no_a", RedealOnce},
        {"Foundation",
         [] {
             return Chimed(kE6, 0.6, 131);
         }},
        {"Autoplay",
         [] {
             return Chimed(kA6, 0.45, 141);
         }},
        {"Dest_Autoplay",
         [] {
             return Chimed(kG6, 0.45, 151);
         }},
        {"Pairing", Pairing},
        {"card_up", CardUp},
        {"card_down", CardDown},
        {"Face_up", FaceUp},
    }};
    return sounds;
}

}  // namespace

QByteArray MakeSound(std::string_view name) {
    for (const SoundSpec& sound : Sounds())
        if (sound.name == name) return sound.make().Wave();
    return {};
}

}  // namespace art
