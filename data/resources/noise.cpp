#include "noise.h"

#include <cmath>

namespace art {

namespace {

int Wrap(int value, int period) {
    const int r = value % period;
    return r < 0 ? r + period : r;
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

double Lattice(double u, double v, int periodX, int periodY, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
    const double fx = Smooth(u - x0), fy = Smooth(v - y0);
    const auto at = [&](int x, int y) {
        return Hash(Wrap(x, periodX), Wrap(y, periodY), seed);
    };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

}  // namespace

double Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<double>(h >> 8) / static_cast<double>(1u << 24);
}

double PeriodicNoise(double u, double v, int period, std::uint32_t seed) { return Lattice(u, v, period, period, seed); }

double Turbulence(double x, double y, int size, int cells, int octaves, std::uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        const int period = cells << octave;
        sum += PeriodicNoise(x * period / size, y * period / size, period, seed + static_cast<std::uint32_t>(octave)) *
               weight;
        total += weight;
        weight /= 2;
    }
    return sum / total;
}

double StreakNoise(double x, double y, int size, int cellsAcross, int cellsDown, std::uint32_t seed) {
    return Lattice(x * cellsAcross / size, y * cellsDown / size, cellsAcross, cellsDown, seed);
}

double Scatter::Next() {
    m_state = m_state * 1664525u + 1013904223u;
    return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 24);
}

}  // namespace art
