#include "engine/model/game_record.h"

#include "engine/model/game_kinds.h"

namespace engine {

namespace {

bool IsWordNumber(int number) {
    return number >= kFirstGameWord && number <= kLastGameWord;
}

template <std::size_t N>
void CopyRun(const std::array<std::int16_t, GameDefRecord::kWordCount>& words, GameWordRun run,
             std::array<std::int16_t, N>& saved) {
    for (int i = 0; i < run.count; ++i) {
        saved[static_cast<std::size_t>(i)] = words[static_cast<std::size_t>(run[i])];
    }
}

template <std::size_t N>
void RestoreRun(const std::array<std::int16_t, N>& saved, GameWordRun run,
                std::array<std::int16_t, GameDefRecord::kWordCount>& words) {
    for (int i = 0; i < run.count; ++i) {
        words[static_cast<std::size_t>(run[i])] = saved[static_cast<std::size_t>(i)];
    }
}

}  // namespace

void GameDefRecord::SetWord(int number, int value) {
    if (IsWordNumber(number)) {
        m_words[static_cast<std::size_t>(number)] = static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
}

void GameDefRecord::SetAt(GameWordRun run, int i, int value) {
    if (i >= 0 && i < run.count) {
        SetWord(run[i], value);
    }
}

void GameDefRecord::Clear() {
    m_words.fill(0);
}

void GameDefRecord::SaveRestoreRuleWords(bool restore) {
    if (restore) {
        RestoreRun(m_savedTableauRules, words::kTableauRuleA, m_words);
        RestoreRun(m_savedFoundationRules, words::kFoundationBase, m_words);
    } else {
        CopyRun(m_words, words::kTableauRuleA, m_savedTableauRules);
        CopyRun(m_words, words::kFoundationBase, m_savedFoundationRules);
    }
}

bool KeepsSelectionInFoundation(const GameDefRecord& game) {
    const int kind = game.Word(words::kGameKind);
    return game.Word(words::kSelectionSum) != 0 || kind == game_kind::kPairsOf14 || kind == game_kind::kPairsOf13;
}

}  // namespace engine
