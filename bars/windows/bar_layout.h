#pragma once

#include "platform/core/canvas.h"

#include <span>
#include <vector>

namespace bars {

// How a toolbar window lays its links out: along a top or bottom dock, along a left or
// right dock, or in lines that wrap inside a floating window.
enum class BarOrientation { Horizontal, Vertical, Floating };

// Room kept at the end of a docked bar for its end mark, and the gap of a group start.
constexpr int kEndMarkLength = 11;
// A floating bar's mark: the caption's left end, before its text.
constexpr int kFloatingMarkWidth = 14;
constexpr unsigned kMarkPollTimer = 1;
constexpr unsigned kMarkPollMs = 50;
constexpr int kGroupGap = 6;

// One shown link as its control measures it (width along a horizontal bar).
struct LinkMetrics {
    int width = 0;
    int height = 0;
    bool beginGroup = false;  // the link's effective group start
    bool ownLine = false;     // a floating bar gives the link a line of its own
};

struct BarLayoutInput {
    BarOrientation orientation = BarOrientation::Horizontal;
    platform::Size client;
    bool endMark = false;            // docked bars only
    platform::Size captionButtons;   // total size of the caption buttons, empty when none
};

struct LinkPlace {
    platform::Rect rect;        // empty for a link that did not fit
    bool lineEnd = false;
    int lineBreadth = 0;        // the bar's breadth when docked, the line height when floating
};

struct BarLayout {
    std::vector<LinkPlace> places;  // one per link, in order
    int placedCount = 0;            // links laid out; the rest sit behind the end mark
    platform::Size extent;          // floating: the widest line by the sum of the lines
};

// Lays the shown links out for the client size. A docked bar stops at the first link that
// does not fit; a floating bar wraps it onto a new line.
BarLayout CalcBarLayout(const BarLayoutInput& input, std::span<const LinkMetrics> links);

// Room along a docked bar for its links: the client length less the end mark and the
// caption buttons.
int AvailableLength(const BarLayoutInput& input);

}  // namespace bars
