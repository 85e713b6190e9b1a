#include "engine/undo/undo_buttons.h"

#include <array>

#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "engine/ports/shell_port.h"

namespace engine {

namespace {

constexpr std::array<ShellCommand, 6> kUndoRedoCommands = {
    ShellCommand::kUndoSmallButton, ShellCommand::kRedoSmallButton, ShellCommand::kUndoButton,
    ShellCommand::kRedoButton,      ShellCommand::kUndoMenu,        ShellCommand::kRedoMenu,
};

}  // namespace

void EnableUndoRedoButtons(IShellPort& shell, bool enabled) {
    if (shell.IsCommandEnabled(ShellCommand::kUndoButton) == enabled &&
        shell.IsCommandEnabled(ShellCommand::kUndoSmallButton) == enabled)
        return;
    shell.SetCommandGlyph(ShellCommand::kUndoSmallButton, enabled ? kUndoGlyph : kUndoDisabledGlyph);
    shell.SetCommandGlyph(ShellCommand::kRedoSmallButton, enabled ? kRedoGlyph : kRedoDisabledGlyph);
    for (const ShellCommand command : kUndoRedoCommands) shell.SetCommandEnabled(command, enabled);
}

void ApplyUndoOption(IShellPort& shell, const SettingsBlock& settings) {
    const fields::Field option = fields::kUndoEnabled;
    EnableUndoRedoButtons(shell, settings.GetField(option.position, option.width) != kUndoOptionOff);
}

}  // namespace engine
