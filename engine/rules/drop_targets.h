#pragma once

#include <cstdint>

// Whether a dragged card or stack lies over a pile, and how much of it.
namespace engine {

// Left, top, right, bottom, all edges inclusive, in the signed 16-bit range of the table.
struct DropRect {
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
};

// Vertical probes along a dragged edge are this far apart.
inline constexpr int kOverlapProbeStep = 50;

// True when a corner of the dragged rectangle lies inside the pile rectangle, or when a
// dragged vertical edge within the pile's columns meets it at one of the probes.
bool RectsOverlap(const DropRect& dragged, const DropRect& pile);

// A measure of the overlap, decided by the first corner inside (top-left, bottom-right,
// top-right, bottom-left) or else by the probes; 0 when they do not meet. Not clipped.
int OverlapArea(const DropRect& dragged, const DropRect& pile);

// The same with the eight edges given one by one, dragged first.
bool RectsOverlap(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                  std::int16_t pileLeft, std::int16_t pileTop, std::int16_t pileRight, std::int16_t pileBottom);
int OverlapArea(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                std::int16_t pileLeft, std::int16_t pileTop, std::int16_t pileRight, std::int16_t pileBottom);

}  // namespace engine
