#pragma once

#include <string_view>

namespace engine {

class IShellPort;
class SettingsBlock;

// The glyphs of the small toolbar's Undo and Redo buttons, by bitmap name.
inline constexpr std::string_view kUndoGlyph = "TB_UNDO";
inline constexpr std::string_view kRedoGlyph = "TB_REDO";
inline constexpr std::string_view kUndoDisabledGlyph = "TB_UNDO_DIS";
inline constexpr std::string_view kRedoDisabledGlyph = "TB_REDO_DIS";

// Undo_Enabled (field 137/1) of this value turns undo and redo off.
inline constexpr std::string_view kUndoOptionOff = "2";

// Enables or disables the Undo and Redo commands together: both toolbars' buttons and the
// menu items, with the small toolbar's glyphs to match. Nothing when both Undo buttons
// already are as asked.
void EnableUndoRedoButtons(IShellPort& shell, bool enabled);

// The commands as the Undo_Enabled option wants them.
void ApplyUndoOption(IShellPort& shell, const SettingsBlock& settings);

}  // namespace engine
