#include "tests/support/games_files.h"

#include <algorithm>
#include <set>
#include <utility>

#include "engine/base/text_utils.h"
#include "engine/files/games_file.h"

namespace test_support {

namespace {

int NearestZero(const engine::GameWordInfo& info) { return std::clamp(0, info.min, info.max); }

}  // namespace

engine::GameColumn InRangeGame(int id, std::string name) {
    engine::GameColumn game;
    game.id = id;
    game.name = std::move(name);
    game.typeCode = 4;
    for (const engine::GameWordInfo& info : engine::kGameWords) {
        for (int i = 0; i < info.count; ++i) game.words[static_cast<std::size_t>(info.first + i)] = NearestZero(info);
    }
    return game;
}

std::vector<std::string> MissingWordLines(const std::vector<std::string>& lines, int games) {
    std::set<int> given;
    for (const std::string& line : lines) {
        if (const std::optional<int> number = engine::WordNumberOfLine(line)) given.insert(*number);
    }
    std::vector<std::string> missing;
    for (const engine::GameWordInfo& info : engine::kGameWords) {
        for (int number = info.first; number < info.first + info.count; ++number) {
            if (given.contains(number)) continue;
            std::string line = engine::IntToZeroPad(number, engine::word_line::kNumberWidth) +
                               engine::Spaces(engine::word_line::kDescriptionWidth);
            for (int game = 0; game < games; ++game) {
                line += engine::ScrambleChars(
                            engine::PadRight(std::to_string(NearestZero(info)), engine::word_line::kValueWidth)) +
                        " ";
            }
            missing.push_back(line);
        }
    }
    return missing;
}

}  // namespace test_support
