#include "engine/rules/drop_targets.h"

#include <algorithm>
#include <limits>

namespace engine {

namespace {

// The corners in the order they are tested.
enum class Corner { None, TopLeft, BottomRight, TopRight, BottomLeft };

bool WithinColumns(int x, const DropRect& pile) { return pile.left <= x && x <= pile.right; }
bool WithinRows(int y, const DropRect& pile) { return pile.top <= y && y <= pile.bottom; }
bool Inside(int x, int y, const DropRect& pile) { return WithinColumns(x, pile) && WithinRows(y, pile); }

// Products of 16-bit spans can pass the 32-bit range; they saturate instead of wrapping.
int Area(int width, int height) {
    const long long area = static_cast<long long>(width) * height;
    return static_cast<int>(std::clamp<long long>(area, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

Corner FirstCornerInside(const DropRect& d, const DropRect& pile) {
    if (Inside(d.left, d.top, pile)) return Corner::TopLeft;
    if (Inside(d.right, d.bottom, pile)) return Corner::BottomRight;
    if (Inside(d.right, d.top, pile)) return Corner::TopRight;
    if (Inside(d.left, d.bottom, pile)) return Corner::BottomLeft;
    return Corner::None;
}

// A dragged vertical edge in the pile's columns, probed from its top down.
bool ProbesHit(const DropRect& d, const DropRect& pile) {
    if (!WithinColumns(d.left, pile) && !WithinColumns(d.right, pile)) return false;
    for (int y = d.top; y <= d.bottom; y += kOverlapProbeStep) {
        if (WithinRows(y, pile)) return true;
    }
    return false;
}

}  // namespace

bool RectsOverlap(const DropRect& dragged, const DropRect& pile) {
    return FirstCornerInside(dragged, pile) != Corner::None || ProbesHit(dragged, pile);
}

int OverlapArea(const DropRect& dragged, const DropRect& pile) {
    const DropRect& d = dragged;
    switch (FirstCornerInside(d, pile)) {
        case Corner::TopLeft: return Area(pile.right - d.left, pile.bottom - d.top);
        case Corner::BottomRight: return Area(d.right - pile.left, d.bottom - pile.top);
        case Corner::TopRight: return Area(d.right - pile.left, pile.bottom - d.top);
        case Corner::BottomLeft: return Area(pile.right - d.left, d.bottom - pile.top);
        case Corner::None: break;
    }
    if (!ProbesHit(d, pile)) return 0;
    const int height = d.bottom - d.top;
    if (WithinColumns(d.left, pile)) return Area(pile.right - d.left, height);
    return Area(d.right - pile.left, height);
}

bool RectsOverlap(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                  std::int16_t pileLeft, std::int16_t pileTop, std::int16_t pileRight, std::int16_t pileBottom) {
    return RectsOverlap(DropRect{left, top, right, bottom}, DropRect{pileLeft, pileTop, pileRight, pileBottom});
}

int OverlapArea(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                std::int16_t pileLeft, std::int16_t pileTop, std::int16_t pileRight, std::int16_t pileBottom) {
    return OverlapArea(DropRect{left, top, right, bottom}, DropRect{pileLeft, pileTop, pileRight, pileBottom});
}

}  // namespace engine
