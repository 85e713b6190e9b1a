#pragma once

#include <array>
#include <string_view>

class QWidget;

namespace shell {

struct ToolbarButtonDesign {
    std::string_view name;
    std::string_view hint;
    int width = 0;
    bool latching = false;  // AutoPlay: group 1, may be all up
    bool hidden = false;
    bool separator = false;
};

struct ToolbarDesign {
    std::string_view panel;
    int height = 0;
    int buttonHeight = 0;
    bool visible = true;
    bool captions = false;  // the large buttons show their hint under the glyph
    std::array<ToolbarButtonDesign, 14> buttons;
};

inline constexpr int kLargeButton = 44;
inline constexpr int kSmallButton = 23;
inline constexpr int kFastSearchWidth = 17;

inline constexpr ToolbarButtonDesign Separator(std::string_view name) { return {name, {}, 0, false, false, true}; }

// The large toolbar pnlTB and the small one pnlTB1, button by button in their order.
inline constexpr std::array<ToolbarDesign, 2> kToolbars{{
    {"pnlTB", 46, 42, true, true,
     {{{"tbNew", "New", kLargeButton},
       {"tbOpen", "Open", kLargeButton},
       Separator("sep_tb_large_1"),
       {"tbUndo", "Undo", kLargeButton},
       {"tbRedo", "Redo", kLargeButton},
       Separator("sep_tb_large_2"),
       {"tbAutoPlay", "Autoplay", kLargeButton, true},
       {"tbStat", "Statistics", kLargeButton, false, true},
       Separator("sep_tb_large_3"),
       {"tbRules", "Rules", kLargeButton},
       Separator("sep_tb_large_4"),
       {"tbExit", "Exit", kLargeButton},
       {"tbRestart", "Restart", kLargeButton, false, true},
       {"tbFastSearch", "Fast Search", kFastSearchWidth, false, true}}}},
    {"pnlTB1", 24, 22, false, false,
     {{{"tbNew1", "New", kSmallButton},
       {"tbOpen1", "Open", kSmallButton},
       {"tbSave1", "Save", kSmallButton, false, true},
       {"tbUndo1", "Undo", kSmallButton},
       {"tbRedo1", "Redo", kSmallButton},
       {"tbAutoPlay1", "Autoplay", kSmallButton, true},
       {"tbStat1", "Statistics", kSmallButton, false, true},
       {"tbRules1", "Rules", kSmallButton},
       {"tbExit1", "Exit", kSmallButton},
       {"tbRestart1", "Restart", kSmallButton, false, true},
       {"tbFastSearch1", "Fast Search", kFastSearchWidth, false, true},
       {},
       {},
       {}}}},
}};

// The glyph of each button: small buttons take the library's 16-pixel glyph, large ones
// the same drawn at twice the size.
struct ToolbarGlyph {
    std::string_view largeButton;
    std::string_view smallButton;
    std::string_view glyph;
};
inline constexpr std::array<ToolbarGlyph, 7> kToolbarGlyphs{{
    {"tbNew", "tbNew1", "TB_NEW"},
    {"tbOpen", "tbOpen1", "TB_OPEN"},
    {"tbUndo", "tbUndo1", "TB_UNDO"},
    {"tbRedo", "tbRedo1", "TB_REDO"},
    {"tbAutoPlay", "tbAutoPlay1", "TB_AUTOPLAY"},
    {"tbRules", "tbRules1", "TB_RULES"},
    {"tbExit", "tbExit1", "TB_EXIT"},
}};

// Places the shown buttons of both toolbars from the left, a gap at each separator.
void LayOutToolbarButtons(QWidget& form);

}  // namespace shell
