#pragma once

#include "platform/core/canvas.h"

#include <string>
#include <vector>

namespace bars {

// The window a combo drops down (its list, or one that OnGetDropDownWindow gives).
class IComboDropDown {
public:
    virtual ~IComboDropDown() = default;
    virtual platform::Size WindowSize() const = 0;
    // Moves without a change of size, in screen coordinates.
    virtual void MoveTo(platform::Point screen) = 0;
    virtual void ShowWithoutActivation() = 0;
    virtual void HideWindow() = 0;
    virtual bool IsShown() const = 0;
    // A key of the open field that the combo hands to the window.
    virtual void Key(int /*key*/, unsigned /*shift*/) {}
    // The left button was still down when the window showed.
    virtual void TrackMouse() {}
};

// Where a walking key (Up, Down, Page Up, Page Down) moves a list's selection among `count`
// entries, `page` lines at a time; -1 for another key. With nothing selected the walk starts
// from the top visible entry, which is taken first.
int ListKeyStep(int key, int selected, int topIndex, int count, int page);

// Where a drop-down of the given size opens for a control of the given size whose anchor is
// (x, y): below a horizontal toolbar's control (above when the screen has more room there),
// beside a menu entry or a vertical bar's control, inside the work area.
platform::Point FitDropDown(platform::Point anchor, platform::Size window, platform::Size control,
                            const platform::Rect& workArea, bool fromHorizontalBar);

// Auto-completion: the first entry that shares the longest common beginning (at least one
// character, case ignored) with the text; the search stops at the first entry that begins
// with the whole text. -1 for none.
int PrefixLookup(const std::vector<std::string>& entries, const std::string& text);

}  // namespace bars
