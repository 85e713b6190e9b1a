#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/files/games_file_writer.h"
#include "engine/ports/help_viewer.h"
#include "engine/state/game.h"
#include "platform/qt/application.h"
#include "platform/qt/resource_bitmaps.h"
#include "shell/dialogs/dialog_host.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"
#include "tests/support/recording_shell_port.h"

namespace shell_test {

// The main window as the dialogs see it: it records what they ask of it.
class RecordingDialogHost : public shell::IDialogHost {
public:
    QWidget* OwnerWindow() override { return nullptr; }
    void UpdateMainWindow() override { calls.push_back("UpdateMainWindow"); }
    void RedrawSelectionLine() override { calls.push_back("RedrawSelectionLine"); }
    void SetToolbarLarge(bool large, bool save) override;
    void SetToolbarFlat(bool flat, bool save) override;
    void RefreshTableLook() override;
    void RunNewsletterCommand() override { calls.push_back("RunNewsletterCommand"); }
    int DisplayColours() const override { return colours; }
    table::DrawContext* TableDrawing() override { return drawing; }
    int LargeToolbarBottom() const override { return 46; }

    bool Called(std::string_view call) const;

    std::vector<std::string> calls;
    int colours = 16'777'216;
    table::DrawContext* drawing = nullptr;
    // Runs at RefreshTableLook, to see the settings the table is drawn with.
    std::function<void()> onRefresh;
};

class RecordingHelp : public engine::IHelpViewer {
public:
    std::string HelpFile() const override { return m_file; }
    void SetHelpFile(const std::string& file) override { m_file = file; }
    void ShowHelpContext(int context) override { contexts.push_back(context); }

    std::vector<int> contexts;

private:
    std::string m_file = "quendrix.hlp>proc";
};

// A game state over fake services, a card library in memory and a recording main
// window: what every dialog stands on. Modal shows are answered by the test's hook.
class DialogTest : public testing::Test {
protected:
    DialogTest();

    shell::DialogContext Context() { return {game, bitmaps, host}; }
    // Writes GAMES.DAT with these games, in this order, and loads its list.
    void UseGames(const std::vector<engine::GameColumn>& games);
    void SetField(engine::fields::Field field, std::string_view value);
    std::string Field(engine::fields::Field field) const;
    // The preference file's value, or "(none)".
    std::string Preference(std::string_view section, std::string_view key) const;
    void WritePreferences(std::string_view text);
    // Answers the next modal shows: the handler plays the player's part, then the show
    // ends with the result.
    void AnswerModal(std::function<void(platform::Form&)> player, int result = platform::kModalOk);
    void AddPicture(std::string_view name, const QImage& image);

    platform::Application app;
    test_support::FakeServices fake;
    test_support::RecordingShellPort shellPort;
    test_support::RecordingSoundPlayer sound;
    test_support::FakeResourceLibrary library;
    RecordingHelp help;
    engine::Game game;
    platform::ResourceBitmaps bitmaps;
    RecordingDialogHost host;
};

QImage SolidImage(int width, int height, QRgb colour);

// A game column with the chooser's rows filled in.
engine::GameColumn ChooserGame(int id, std::string name, int typeCode = 5);

}  // namespace shell_test
