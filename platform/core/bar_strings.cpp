#include "platform/core/bar_strings.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

struct BarStringEntry {
    int id;
    std::string_view text;
};

// Sorted by number. The customizing dialog's own captions take the free numbers from 39202
// on, in the order the dialog shows them; the extended items' texts follow the colour names.
constexpr std::array kBarStrings{
    BarStringEntry{39001, "Are you sure you want to reset the changes made to the '%s' toolbar?"},
    BarStringEntry{39002,
                   "This will delete the record of the commands you've used in this application "
                   "and restore the default set of visible commands to the menus and toolbars. "
                   "It will not undo any explicit customizations.   Are you sure you want to "
                   "proceed?"},
    BarStringEntry{39003, "A Form should contain only a single TcbBarManager"},
    BarStringEntry{39004, "TcbBarManager should have as its Owner - TForm (TCustomForm)"},
    BarStringEntry{39005, "There are no TcbBarManagers available"},
    BarStringEntry{39006, "Are you sure you want to delete the '%s' toolbar?"},
    BarStringEntry{39007, "Are you sure you want to delete the '%s' category?"},
    BarStringEntry{39008, "Are you sure you want to delete all commands in the '%s' category?"},
    BarStringEntry{39009, "You cannot create recursive subitems"},
    BarStringEntry{39010, "A command name cannot be blank. Please enter a name."},
    BarStringEntry{39101, "Default"},
    BarStringEntry{39150, "&Reset"},
    BarStringEntry{39151, "&Delete"},
    BarStringEntry{39152, "&Name:"},
    BarStringEntry{39153, "Defa&ult style"},
    BarStringEntry{39154, "&Text Only (Always)"},
    BarStringEntry{39155, "Text &Only (in Menus)"},
    BarStringEntry{39156, "Image &and Text"},
    BarStringEntry{39157, "Begin a &Group"},
    BarStringEntry{39158, "&Visible"},
    BarStringEntry{39159, "&Most recently used"},
    BarStringEntry{39202, "Add Category"},
    BarStringEntry{39203, "Insert Category"},
    BarStringEntry{39204, "Rename Category"},
    BarStringEntry{39205, "&Category name:"},
    BarStringEntry{39206, "New Toolbar"},
    BarStringEntry{39207, "Rename Toolbar"},
    BarStringEntry{39208, "&Toolbar name:"},
    BarStringEntry{39209, "OK"},
    BarStringEntry{39210, "Cancel"},
    BarStringEntry{39211, " Toolbars "},
    BarStringEntry{39212, "Toolb&ars:"},
    BarStringEntry{39213, "&New..."},
    BarStringEntry{39214, "Sub-menu Editor"},
    BarStringEntry{39215, "R&ename..."},
    BarStringEntry{39216, "&Delete"},
    BarStringEntry{39217, "&Reset..."},
    BarStringEntry{39218, " Commands "},
    BarStringEntry{39219, "Cate&gories:"},
    BarStringEntry{39220, "Comman&ds:"},
    BarStringEntry{39221, "Description  "},
    BarStringEntry{39222, " Options "},
    BarStringEntry{39223, "&Menu animations:"},
    BarStringEntry{39224, "(None)"},
    BarStringEntry{39225, "Random"},
    BarStringEntry{39226, "Unfold"},
    BarStringEntry{39227, "Slide"},
    BarStringEntry{39228, "Customize"},
    BarStringEntry{39229, "Show Tool&Tips on toolbars"},
    BarStringEntry{39230, "Show s&hortcut keys in ToolTips"},
    BarStringEntry{39231, "&Large icons"},
    BarStringEntry{39232, "Personalized Menus and Toolbars  "},
    BarStringEntry{39233, "Me&nus show recently used commands first"},
    BarStringEntry{39234, "Show f&ull menus after a short delay"},
    BarStringEntry{39235, "&Reset my usage data"},
    BarStringEntry{39236, "Close"},
    BarStringEntry{39237, "Add Command"},
    BarStringEntry{39238, "C&aption:"},
    BarStringEntry{39239, "Cate&gory:"},
    BarStringEntry{39300, "&Customize..."},
    BarStringEntry{39301, "&Add or Remove Buttons"},
    BarStringEntry{39302, "More Buttons"},
    BarStringEntry{39303, "&Reset Toolbar"},
    BarStringEntry{39304, "Expand (Ctrl-Down)"},
    BarStringEntry{39400, "Black"},
    BarStringEntry{39401, "Maroon"},
    BarStringEntry{39402, "Green"},
    BarStringEntry{39403, "Olive"},
    BarStringEntry{39404, "Navy"},
    BarStringEntry{39405, "Purple"},
    BarStringEntry{39406, "Teal"},
    BarStringEntry{39407, "Gray"},
    BarStringEntry{39408, "Silver"},
    BarStringEntry{39409, "Red"},
    BarStringEntry{39410, "Lime"},
    BarStringEntry{39411, "Yellow"},
    BarStringEntry{39412, "Blue"},
    BarStringEntry{39413, "Fuchsia"},
    BarStringEntry{39414, "Aqua"},
    BarStringEntry{39415, "White"},
    BarStringEntry{39416, "(automatic)"},
    BarStringEntry{39417, "(custom)"},
    BarStringEntry{39418, "Today"},
    BarStringEntry{39419, "Clear"},
    BarStringEntry{39420, "Select the date"},
    BarStringEntry{39421, "Select item"},
};

static_assert(std::is_sorted(kBarStrings.begin(), kBarStrings.end(),
                             [](const BarStringEntry& a, const BarStringEntry& b) { return a.id < b.id; }));

}  // namespace

std::string_view BarString(int id) {
    auto it = std::lower_bound(kBarStrings.begin(), kBarStrings.end(), id,
                               [](const BarStringEntry& e, int value) { return e.id < value; });
    return (it != kBarStrings.end() && it->id == id) ? it->text : std::string_view{};
}

std::string FormatBarString(int id, std::string_view argument) {
    std::string text(BarString(id));
    if (auto at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    return text;
}

}  // namespace platform
