#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "table/layout/card_sizes.h"

class QImage;

namespace engine {
class Game;
}

namespace platform {
class IMessages;
}

namespace table {

class TableImages;
class TableLayout;

// A game of GAMES.DAT dealt from a game number, in a card size, for a main window of
// width x height on a screen of the same size without toolbars.
struct SnapshotRequest {
    std::filesystem::path programFolder;
    int gameId = 0;
    std::string gameNumber;
    char cardSize = kBigCards;
    int width = 0;
    int height = 0;
};

enum class SnapshotResult {
    kDrawn,
    kMissingFiles,  // card library or GAMES.DAT missing or damaged, or a card image that does not decode
    kNoGame,        // the game is not in the list, or it cannot be set up or dealt
};

// A dealt table drawn off-screen as the main window would show it, without a window: how
// a maintainer looks at a table (the table picture tool), and what a test can compare
// with the deal. The game state, the layout and the images stay for questions afterwards.
class TableSnapshot {
public:
    // Messages of the engine (a missing file, a bad game) go there.
    explicit TableSnapshot(platform::IMessages& messages);
    ~TableSnapshot();
    TableSnapshot(const TableSnapshot&) = delete;
    TableSnapshot& operator=(const TableSnapshot&) = delete;

    SnapshotResult Draw(const SnapshotRequest& request);

    // What Draw drew; only valid after it returned kDrawn.
    const QImage& Picture() const;
    const engine::Game& Game() const;
    const TableLayout& Layout() const;
    const TableImages& Images() const;

private:
    struct Parts;

    void ShowLibraryError(const std::string& problem);

    platform::IMessages& m_messages;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace table
