#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/state/game.h"
#include "engine/files/games_file_writer.h"
#include "engine/startup/globals.h"
#include "engine/startup/loader.h"
#include "tests/engine/startup_doubles.h"
#include "tests/support/fake_services.h"
#include "tests/support/games_files.h"
#include "tests/support/media_doubles.h"
#include "tests/support/recording_shell_port.h"

namespace engine_test {

// An empty temporary program folder holding only GAMES.DAT and QND.RGF, every port
// recorded, and the globals made as the program makes them.
class LoaderTest : public ::testing::Test {
protected:
    static constexpr std::string_view kCfg = "Data/CFG.DAT";

    LoaderTest() {
        WriteGames({{1, "Freecell"}, {7, "Klondike"}});
        Folder().WriteFile("QND.RGF", "library");
        for (const auto& [id, name] : kCursorNames) library.AddCursor(name, "cursor " + std::to_string(id));
        items.ArrangeCaption("mnuAbout", "A&bout [Program]...");
        items.ArrangeCaption("mnuQuendrixontheWeb", "[Program] on the &Web...");
        items.ArrangeCaption("mnuSeeChampions", "See [GameNum_fw] champions of [Program]");
    }

    engine::Services Wired() {
        engine::Services services = fake.Services();
        services.resources = &library;
        services.cursors = &cursors;
        services.shellPort = &shellPort;
        services.windowItems = &items;
        services.startupShell = &startupShell;
        services.tableGlobals = &tableGlobals;
        services.help = &help;
        services.advice = &advice;
        return services;
    }

    // CreateGlobals, then LoadTable: one start of the program.
    bool Start(const engine::StartupHooks& hooks = {}) {
        engine::FreeGlobals(game);
        game = engine::CreateGlobals(Wired());
        return engine::LoadTable(*game, hooks);
    }

    void WriteGames(const std::vector<std::pair<int, std::string>>& games) {
        std::vector<engine::GameColumn> columns;
        for (const auto& [id, name] : games) columns.push_back(test_support::InRangeGame(id, name));
        Folder().WriteFile("GAMES.DAT", engine::EncodeGamesFile(columns));
    }

    const test_support::TempFolder& Folder() const { return fake.Folder(); }
    bool Exists(std::string_view relative) const {
        return std::filesystem::exists(Folder().Path() / std::string(relative));
    }
    std::string Field(int position, int width) const { return game->settings.GetField(position, width); }

    static constexpr std::array<std::pair<int, std::string_view>, 12> kCursorNames{{
        {10, "CUR_ARROW1A"}, {11, "CUR_ARROW2A"}, {12, "CUR_RIGHT_HAND1A"}, {13, "CUR_RIGHT_HAND2A"},
        {14, "CUR_LEFT_HAND1A"}, {15, "CUR_LEFT_HAND2A"}, {20, "CUR_ARROW1B"}, {21, "CUR_ARROW2B"},
        {22, "CUR_RIGHT_HAND1B"}, {23, "CUR_RIGHT_HAND2B"}, {24, "CUR_LEFT_HAND1B"}, {25, "CUR_LEFT_HAND2B"},
    }};

    test_support::FakeServices fake;
    FileBackedLibrary library;
    test_support::RecordingCursorTable cursors;
    test_support::RecordingShellPort shellPort;
    RecordingWindowItems items;
    RecordingStartupShell startupShell;
    RecordingTableGlobals tableGlobals;
    RecordingHelpViewer help;
    RecordingAdviceBox advice;
    std::unique_ptr<engine::Game> game;
};

}  // namespace engine_test
