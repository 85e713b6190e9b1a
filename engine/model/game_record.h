#pragma once

#include <array>
#include <cstdint>

#include "engine/model/game_words.h"

namespace engine {

// The current game's definition: 401 signed 16-bit words indexed by parameter number
// (names in engine/model/game_words.h). Every rule, count, layout and scoring decision reads it.
class GameDefRecord {
public:
    static constexpr int kWordCount = kGameWordCount;
    // A word whose 65535 means "no limit" or "none" reads this.
    static constexpr std::int16_t kNoLimitWord = -1;

    GameDefRecord() = default;

    // 0 for a number outside 0-400.
    std::int16_t operator[](int number) const { return Word(number); }
    // Inline: every rule check reads several words.
    std::int16_t Word(int number) const {
        return number >= kFirstGameWord && number <= kLastGameWord ? m_words[static_cast<std::size_t>(number)]
                                                                   : std::int16_t{0};
    }
    // Word i of a run; 0 when i lies outside the run, as for a pile the game cannot have.
    std::int16_t At(GameWordRun run, int i) const { return (i >= 0 && i < run.count) ? Word(run[i]) : std::int16_t{0}; }
    // Keeps the low 16 bits, as the file's words do (65535 becomes -1). A number outside
    // 0-400 is ignored.
    void SetWord(int number, int value);
    void SetAt(GameWordRun run, int i, int value);
    // True for a limit word that holds 65535 ("no limit").
    bool IsNoLimit(int number) const { return Word(number) == kNoLimitWord; }

    // Every word 0; the save area stays.
    void Clear();

    // false: copies the rule words (TableauRuleA and FoundationBase) to the save area;
    // true: copies them back, so changes made during a game do not outlive it.
    void SaveRestoreRuleWords(bool restore);

private:
    std::array<std::int16_t, kWordCount> m_words{};
    std::array<std::int16_t, words::kTableauRuleA.count> m_savedTableauRules{};
    std::array<std::int16_t, words::kFoundationBase.count> m_savedFoundationRules{};
};

// Pairing games keep the selection in foundation 0 (word 38 not 0, or game kind 3 or 4):
// their undo snapshots record that foundation as empty and a restore leaves it alone, so
// no real card may be put there.
bool KeepsSelectionInFoundation(const GameDefRecord& game);

}  // namespace engine
