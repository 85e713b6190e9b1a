#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/state/game.h"
#include "engine/ports/table_port.h"
#include "platform/core/paths.h"
#include "tests/engine/card_moves_fixture.h"
#include "tests/support/fake_services.h"
#include "tests/support/media_doubles.h"
#include "tests/support/recording_shell_port.h"

namespace engine::play_test {

// A table that draws nothing but remembers what it was asked, in order: "background",
// "repaint", "copy", "setup", "deal animation", "win animation".
class RecordingTableView : public NullTableView {
public:
    void PaintBackground() override { m_calls.emplace_back("background"); }
    void RepaintTable() override { m_calls.emplace_back("repaint"); }
    void CopyBufferToScreen() override { m_calls.emplace_back("copy"); }
    bool SetupTable() override;
    void RepaintTableAnimated() override { m_calls.emplace_back("deal animation"); }
    void PlayWinningAnimation(std::string_view name, int seconds) override;
    const IGeometry* Geometry() const override { return m_geometry; }
    IGeometry* MutableGeometry() override { return m_geometry; }

    void SetGeometry(IGeometry* geometry) { m_geometry = geometry; }

    // What SetupTable and the winning animation do besides being recorded.
    void OnSetupTable(std::function<void()> action) { m_onSetup = std::move(action); }
    void OnWinningAnimation(std::function<void()> action) { m_onWin = std::move(action); }

    const std::vector<std::string>& Calls() const { return m_calls; }
    int Count(std::string_view call) const;
    void Clear() { m_calls.clear(); }

private:
    std::vector<std::string> m_calls;
    IGeometry* m_geometry = nullptr;
    std::function<void()> m_onSetup;
    std::function<void()> m_onWin;
};

// A game wired to recording doubles, reading the GAMES.DAT that the build lays in the
// program folder. The table is laid out plainly (moves_test::TestGeometry: tableau piles
// side by side, the other piles in a row above them), so the moves that look for places
// on the table work.
class PlayFixture {
public:
    // Reads the GAMES.DAT of that folder (the built program folder by default).
    explicit PlayFixture(const std::filesystem::path& programFolder = CORVANET_PROGRAM_DIR);

    Game& G() { return *m_game; }
    test_support::FakeServices& Fake() { return m_fake; }
    test_support::RecordingShellPort& Shell() { return m_shell; }
    RecordingTableView& View() { return m_view; }
    test_support::RecordingSoundPlayer& Sound() { return m_sound; }
    test_support::FakeResourceLibrary& Library() { return m_library; }

    // The game ids of GAMES.DAT in file order; empty (with a test failure) when the file
    // cannot be read.
    std::vector<int> GameIds();
    // Makes the game current and loads its definition, as the chooser and SetupTable do.
    bool LoadGame(int gameId);
    // Deals the game number without drawing a new one.
    void Deal(std::string_view gameNumber);

    void SetField(fields::Field field, std::string_view value);
    std::string Field(fields::Field field) const;
    bool Flag(int index) const { return m_game->registers.GetFlag(index) != 0; }

private:
    test_support::FakeServices m_fake;
    test_support::RecordingShellPort m_shell;
    RecordingTableView m_view;
    test_support::RecordingSoundPlayer m_sound;
    test_support::FakeResourceLibrary m_library;
    platform::PathResolver m_programPaths;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<moves_test::TestGeometry> m_geometry;
};

}  // namespace engine::play_test
