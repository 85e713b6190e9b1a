#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"

#include <cstddef>
#include <vector>

namespace platform {
class RandomGenerator;
}

namespace bars {

using platform::Point;
using platform::Rect;
using platform::Size;

// The pure computations of a menu window: the column layout, the place on the screen and the
// frames of the opening animations. The window feeds them and applies the answers.

// Gap above an entry that starts a group, and above the first rarely used entry of a block.
inline constexpr int kMenuGroupGap = 10;
inline constexpr int kRarelyUsedMark = 1;
// The layout starts this far inside the client area; the measured size adds the frame.
inline constexpr int kMenuInset = 2;
inline constexpr int kMenuExtraWidth = 6;
inline constexpr int kMenuExtraHeight = 4;
inline constexpr int kEmptyMenuWidth = 100;

struct MenuRow {
    int width = 0;
    int height = 0;
    bool beginGroup = false;  // the effective group start
    bool rarelyUsed = false;
};

struct MenuLayoutInput {
    std::vector<MenuRow> rows;  // the shown links from the top index on
    int clientWidth = 0;
    // The bottom a row may reach; negative when measuring (no limit).
    int limit = -1;
    bool upArrow = false;
    bool expandRow = false;
    int itemHeight = 0;
};

struct MenuLayout {
    std::vector<Rect> rects;             // one per laid-out row
    std::vector<bool> beginsRarelyBlock;  // per laid-out row
    std::vector<bool> separatorAbove;     // per laid-out row: a group line is drawn above it
    Size measured;                        // the window's size when measuring
    int Count() const { return static_cast<int>(rects.size()); }
};

MenuLayout LayoutMenu(const MenuLayoutInput& input);

// Where a menu of the measured size goes: beside its opener (flipping to the other side when
// there is more room there), or at a point. A menu is never taller than the work area, and
// its left edge stays inside it after a flip.
struct MenuPlacementInput {
    Size size;
    Point requested;
    Rect workArea;
    int openerWidth = 0;   // horizontal extent to avoid (0: none)
    int openerHeight = 0;  // vertical extent to avoid (0: none)
    bool rightward = true;
    bool downward = true;
};

struct MenuPlacement {
    Rect bounds;
    bool flippedHorizontally = false;
    bool flippedVertically = false;
};

MenuPlacement PlaceMenu(const MenuPlacementInput& input);

// maRandom draws 0..99: 50 and above slide, below unfold; the other kinds stay.
inline constexpr int kRandomAnimationRange = 100;
inline constexpr int kRandomSlideFrom = 50;
TcbBarMenuAnimations ResolveMenuAnimation(TcbBarMenuAnimations kind, platform::RandomGenerator& random);

inline constexpr int kSlideStep = 17;
inline constexpr int kUnfoldStep = 8;

// The client sizes of the frames before the full size (which always follows).
std::vector<Size> AnimationFrames(TcbBarMenuAnimations kind, Size client);

// Each frame stays up until the system tick count moves on, which it does every 15.625 ms;
// the first frame shows at once. The milliseconds from frame `frame` (0-based) to the next,
// so that frame k shows k ticks after the start, rounded up to the millisecond.
inline constexpr int kSystemTickMicroseconds = 15625;
unsigned AnimationFrameDelayMs(std::size_t frame);

// The window rectangle of a frame: the fixed edges stay, the reversed ones move.
Rect FrameBounds(const Rect& full, Size frameClient, Size nonClient, bool reverseHorizontally, bool reverseVertically);

}  // namespace bars
