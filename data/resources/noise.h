#pragma once

#include <cstdint>

// Deterministic noise for textures: the same picture on every build, and tileable, since
// every lattice wraps round at the tile's edge.
namespace art {

// A number in [0, 1) from a lattice point and a seed.
double Hash(int x, int y, std::uint32_t seed);

// Smooth noise in [0, 1) over a lattice of period x period cells that wraps round;
// (u, v) in cells, any value.
double PeriodicNoise(double u, double v, int period, std::uint32_t seed);

// Several octaves of PeriodicNoise over a square of side `size` pixels: the first octave
// has `cells` cells across, each further one twice as many at half the weight.
double Turbulence(double x, double y, int size, int cells, int octaves, std::uint32_t seed);

// The same with a separate cell count across and down, for streaked textures.
double StreakNoise(double x, double y, int size, int cellsAcross, int cellsDown, std::uint32_t seed);

// A small generator for scattering things (grass blades, flakes).
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : m_state(seed) {}
    // In [0, 1).
    double Next();

private:
    std::uint32_t m_state;
};

}  // namespace art
