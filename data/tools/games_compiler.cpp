#include "data/tools/games_compiler.h"

#include <algorithm>
#include <filesystem>

#include "data/tools/games_source.h"
#include "engine/files/games_file.h"
#include "engine/files/games_file_writer.h"
#include "engine/base/ini_section.h"
#include "platform/core/paths.h"

namespace data_tools {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr std::string_view kOutputOption = "-o";

int Fail(std::ostream& err, const std::vector<std::string>& errors) {
    for (const std::string& error : errors) {
        err << error << '\n';
    }
    err << "GAMES.DAT not written: " << errors.size() << (errors.size() == 1 ? " fault" : " faults") << '\n';
    return kFailed;
}

}  // namespace

int MakeGamesDat(const std::vector<std::string>& arguments, std::ostream& err) {
    if (arguments.size() < 3 || arguments[0] != kOutputOption) {
        return Fail(err, {"usage: make_games_dat -o OUTPUT SOURCE..."});
    }
    const std::filesystem::path output = arguments[1];

    std::vector<GameSource> games;
    std::vector<std::string> errors;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        std::string text;
        if (!platform::ReadFile(arguments[i], text)) {
            errors.push_back(arguments[i] + ": cannot be read");
            continue;
        }
        ParseGamesSource(text, arguments[i], games, errors);
    }
    if (errors.empty()) {
        errors = CheckGameSources(games);
    }
    if (errors.empty() && games.empty()) {
        errors.push_back("the sources hold no game");
    }
    if (!errors.empty()) {
        return Fail(err, errors);
    }

    // The list is expected to hold game N on line N, so lookups rarely search.
    std::sort(games.begin(), games.end(), [](const GameSource& a, const GameSource& b) { return a.id < b.id; });
    std::vector<engine::GameColumn> columns;
    for (const GameSource& game : games) {
        columns.push_back(ToGameColumn(game));
    }
    const std::string file = engine::EncodeGamesFile(columns);
    // What the program will check at start-up must pass here first.
    if (const auto problem = engine::CheckGamesFile(engine::SplitTextLines(file))) {
        return Fail(err, {engine::GamesFileDamagedMessage(output.string(), *problem)});
    }
    if (!platform::WriteFileAtomically(output, file)) {
        return Fail(err, {output.string() + ": cannot be written"});
    }
    return kDone;
}

}  // namespace data_tools
