#include "data/tools/games_source.h"

#include <map>
#include <utility>

#include "engine/base/decimal_text.h"
#include "engine/model/game_categories.h"
#include "engine/model/game_list.h"
#include "engine/base/ini_section.h"

namespace data_tools {

namespace {

constexpr char kComment = '#';
constexpr char kWordPrefix = 'p';
constexpr std::string_view kGameKey = "game";
constexpr std::string_view kNameKey = "name";
constexpr std::string_view kTypeKey = "type";
constexpr std::string_view kNewKey = "new";
// Names go through the file's character shift, which only printable ASCII survives.
constexpr char kFirstNameChar = ' ';
constexpr char kLastNameChar = '~';

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Where(std::string_view file, int line) {
    return std::string(file) + ":" + std::to_string(line) + ": ";
}

std::string GameLabel(const GameSource& game) {
    return "game " + std::to_string(game.id) + " \"" + game.name + "\"";
}

std::string WordLabel(int number) {
    std::string label = "p" + std::to_string(number);
    while (label.size() < 4) {
        label.insert(1, "0");
    }
    return label + " " + engine::GameWordName(number);
}

class Parser {
public:
    Parser(std::string_view fileName, std::vector<GameSource>& games, std::vector<std::string>& errors)
        : m_file(fileName), m_games(games), m_errors(errors) {}

    void Line(int number, std::string_view text) {
        m_line = number;
        text = Trim(text.substr(0, text.find(kComment)));
        if (text.empty()) {
            return;
        }
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            Error("expected \"key = value\"");
            return;
        }
        const std::string_view key = Trim(text.substr(0, equals));
        const std::string_view value = Trim(text.substr(equals + 1));
        if (key == kGameKey) {
            StartGame(value);
        } else if (m_current == nullptr) {
            // Said once: every later line would repeat it.
            if (!m_toldNoGame) Error("the required field \"game\" is missing before \"" + std::string(key) + "\"");
            m_toldNoGame = true;
        } else if (key == kNameKey) {
            m_current->name = std::string(value);
            m_current->hasName = true;
        } else if (key == kTypeKey) {
            m_current->hasType = ReadNumber(value, m_current->typeCode);
        } else if (key == kNewKey) {
            ReadNumber(value, m_current->newMark);
        } else if (!key.empty() && key.front() == kWordPrefix) {
            SetWord(key, value);
        } else {
            Error("unknown key \"" + std::string(key) + "\"");
        }
    }

    // A file without a game would otherwise vanish from the list without a word.
    void Finish() {
        if (m_current == nullptr && !m_toldNoGame) {
            m_errors.push_back(m_file + ": the required field \"game\" is missing: the file holds no game");
        }
    }

private:
    void Error(const std::string& text) { m_errors.push_back(Where(m_file, m_line) + text); }

    bool ReadNumber(std::string_view text, int& target) {
        const std::optional<int> number = engine::ReadDecimal(text);
        if (!number) {
            Error("\"" + std::string(text) + "\" is not a number");
            return false;
        }
        target = *number;
        return true;
    }

    void StartGame(std::string_view value) {
        GameSource game;
        game.file = m_file;
        game.line = m_line;
        m_games.push_back(game);
        m_current = &m_games.back();
        ReadNumber(value, m_current->id);
    }

    // "p048 FoundationBase[0]": the number decides, the name must agree with it.
    void SetWord(std::string_view key, std::string_view value) {
        const std::size_t blank = key.find_first_of(" \t");
        const std::string_view numberText = key.substr(1, blank == std::string_view::npos ? key.npos : blank - 1);
        const std::string_view name = blank == std::string_view::npos ? std::string_view() : Trim(key.substr(blank));
        const std::optional<int> number = engine::ReadDecimal(numberText);
        if (!number || numberText.front() == ' ' || numberText.front() == '-' || numberText.front() == '+') {
            Error("\"" + std::string(key) + "\" names no word: write p, the number and the name");
            return;
        }
        if (engine::FindGameWord(*number) == nullptr) {
            Error("word " + std::to_string(*number) + " is read by no part of the program; leave it out");
            return;
        }
        const std::string expected = engine::GameWordName(*number);
        if (name != expected) {
            Error("word " + std::to_string(*number) + " is " + expected + ", not \"" + std::string(name) + "\"");
            return;
        }
        const auto slot = static_cast<std::size_t>(*number);
        if (m_current->wordLines[slot] != 0) {
            Error(WordLabel(*number) + " is given twice (first on line " +
                  std::to_string(m_current->wordLines[slot]) + ")");
            return;
        }
        if (ReadNumber(value, m_current->words[slot])) {
            m_current->wordLines[slot] = m_line;
        }
    }

    std::string m_file;
    std::vector<GameSource>& m_games;
    std::vector<std::string>& m_errors;
    GameSource* m_current = nullptr;
    int m_line = 0;
    bool m_toldNoGame = false;
};

void CheckList(const GameSource& game, std::vector<std::string>& errors) {
    const std::string where = Where(game.file, game.line) + GameLabel(game) + ": ";
    if (game.id < 0 || game.id > engine::game_line::kLargestId) {
        errors.push_back(where + "the game id must lie within 0.." + std::to_string(engine::game_line::kLargestId));
    }
    for (const auto& [given, field] : {std::pair{game.hasName, kNameKey}, std::pair{game.hasType, kTypeKey}}) {
        if (!given) errors.push_back(where + "the required field \"" + std::string(field) + "\" is missing");
    }
    const std::size_t nameLength = game.name.size();
    if (game.hasName && (nameLength == 0 || nameLength > static_cast<std::size_t>(engine::game_line::kNameWidth))) {
        errors.push_back(where + "the name must have 1 to " + std::to_string(engine::game_line::kNameWidth) +
                         " characters");
    }
    for (const char c : game.name) {
        if (c < kFirstNameChar || c > kLastNameChar) {
            errors.push_back(where + "the name may hold only printable ASCII characters");
            break;
        }
    }
    if (game.hasType && engine::GameCategoryKey(game.typeCode).empty()) {
        errors.push_back(where + "type " + std::to_string(game.typeCode) + " names no game category");
    }
    if (game.newMark != 0 && game.newMark != 1) {
        errors.push_back(where + "new must be 0 or 1, not " + std::to_string(game.newMark));
    }
}

void CheckWords(const GameSource& game, std::vector<std::string>& errors) {
    for (const engine::GameWordInfo& info : engine::kGameWords) {
        for (int number = info.first; number < info.first + info.count; ++number) {
            const auto slot = static_cast<std::size_t>(number);
            const int value = game.words[slot];
            if (engine::AllowsValue(info, value)) {
                continue;
            }
            const int line = game.wordLines[slot];
            errors.push_back(Where(game.file, line != 0 ? line : game.line) + GameLabel(game) + ": word " +
                             WordLabel(number) + " = " + std::to_string(value) + (line != 0 ? "" : " (not given)") +
                             " is out of range " + engine::AllowedValuesText(info));
        }
    }
}

}  // namespace

bool ParseGamesSource(std::string_view text, std::string_view fileName, std::vector<GameSource>& games,
                      std::vector<std::string>& errors) {
    const std::size_t errorsBefore = errors.size();
    Parser parser(fileName, games, errors);
    const std::vector<std::string> lines = engine::SplitTextLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        parser.Line(static_cast<int>(i) + 1, lines[i]);
    }
    parser.Finish();
    return errors.size() == errorsBefore;
}

std::vector<std::string> CheckGameSources(const std::vector<GameSource>& games) {
    std::vector<std::string> errors;
    std::map<int, const GameSource*> byId;
    for (const GameSource& game : games) {
        CheckList(game, errors);
        CheckWords(game, errors);
        const auto [first, added] = byId.emplace(game.id, &game);
        if (!added) {
            errors.push_back(Where(game.file, game.line) + GameLabel(game) + ": the id is taken by \"" +
                             first->second->name + "\" (" + Where(first->second->file, first->second->line) + ")");
        }
    }
    return errors;
}

engine::GameColumn ToGameColumn(const GameSource& game) {
    engine::GameColumn column;
    column.id = game.id;
    column.name = game.name;
    column.typeCode = game.typeCode;
    column.isNew = game.newMark == 1;
    column.words = game.words;
    return column;
}

}  // namespace data_tools
