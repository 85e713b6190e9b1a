#include "engine/undo/undo_buttons.h"

#include <gtest/gtest.h>

#include "engine/model/preference_fields.h"
#include "engine/model/settings_block.h"
#include "engine/ports/shell_port.h"
#include "tests/support/recording_shell_port.h"

namespace engine {
namespace {

using test_support::RecordingShellPort;
using test_support::ShellEvent;

constexpr ShellCommand kAll[] = {ShellCommand::kUndoMenu,   ShellCommand::kRedoMenu,
                                 ShellCommand::kUndoButton, ShellCommand::kRedoButton,
                                 ShellCommand::kUndoSmallButton, ShellCommand::kRedoSmallButton};

TEST(UndoButtonsTest, DisablingSetsEveryCommandAndTheGreyGlyphs) {
    RecordingShellPort shell;
    EnableUndoRedoButtons(shell, false);
    for (const ShellCommand command : kAll) EXPECT_FALSE(shell.IsCommandEnabled(command));
    EXPECT_EQ(shell.Glyph(ShellCommand::kUndoSmallButton), "TB_UNDO_DIS");
    EXPECT_EQ(shell.Glyph(ShellCommand::kRedoSmallButton), "TB_REDO_DIS");
    EXPECT_EQ(shell.Count(ShellEvent::Kind::CommandEnabled), 6u);

    EnableUndoRedoButtons(shell, true);
    for (const ShellCommand command : kAll) EXPECT_TRUE(shell.IsCommandEnabled(command));
    EXPECT_EQ(shell.Glyph(ShellCommand::kUndoSmallButton), "TB_UNDO");
    EXPECT_EQ(shell.Glyph(ShellCommand::kRedoSmallButton), "TB_REDO");
}

TEST(UndoButtonsTest, NothingWhenBothUndoButtonsAreAlreadyAsAsked) {
    RecordingShellPort shell;  // every command starts enabled
    EnableUndoRedoButtons(shell, true);
    EXPECT_TRUE(shell.Events().empty());

    // Only one of the two Undo buttons as asked: everything is set again.
    shell.SetCommandEnabled(ShellCommand::kUndoSmallButton, false);
    shell.ClearEvents();
    EnableUndoRedoButtons(shell, true);
    EXPECT_EQ(shell.Count(ShellEvent::Kind::CommandEnabled), 6u);
    EXPECT_EQ(shell.Count(ShellEvent::Kind::Glyph), 2u);
}

TEST(UndoButtonsTest, OptionTwoTurnsUndoOff) {
    SettingsBlock settings;
    RecordingShellPort shell;
    const fields::Field option = fields::kUndoEnabled;
    settings.SetField(option.position, option.width, "2");
    ApplyUndoOption(shell, settings);
    EXPECT_FALSE(shell.IsCommandEnabled(ShellCommand::kUndoMenu));

    for (const char* value : {"0", "1", ""}) {
        settings.SetField(option.position, option.width, value);
        ApplyUndoOption(shell, settings);
        EXPECT_TRUE(shell.IsCommandEnabled(ShellCommand::kRedoMenu)) << value;
    }
}

}  // namespace
}  // namespace engine
