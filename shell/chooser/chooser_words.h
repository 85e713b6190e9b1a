#pragma once

#include <array>
#include <string_view>

// The words and gauges the game chooser describes a game with, indexed by the values of
// the game's chooser rows in GAMES.DAT.
namespace shell {

inline constexpr std::array<std::string_view, 3> kGoalWords{
    "To move all the cards to the foundations", "To match up all the cards in the deck",
    "To move all the cards to the waste pile"};
inline constexpr std::array<std::string_view, 3> kDifficultyWords{"Easy", "Medium", "Hard"};
inline constexpr std::array<std::string_view, 5> kChanceWords{"Very high", "High", "Medium", "Low", "Very low"};
inline constexpr std::array<std::string_view, 3> kGameTimeWords{"Long", "Medium", "Quick"};
inline constexpr std::array<std::string_view, 5> kSkillWords{"Difficult", "Mostly skill", "Moderate",
                                                              "Mostly chance", "Chance only"};

inline constexpr std::array<std::string_view, 3> kGameTimeGauges{"PROG_TIME_LONG", "PROG_TIME_MEDIUM",
                                                                 "PROG_TIME_QUICK"};
inline constexpr std::array<std::string_view, 3> kDifficultyGauges{"PROG_DIFF_EASY", "PROG_DIFF_MEDIUM",
                                                                   "PROG_DIFF_HARD"};
inline constexpr std::array<std::string_view, 5> kChanceGauges{"PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH",
                                                               "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW",
                                                               "PROG_CHAN_VERYLOW"};
inline constexpr std::array<std::string_view, 5> kSkillGauges{
    "PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE", "PROG_SKILL_MOSTLYCHANCE",
    "PROG_SKILL_CHANCEONLY"};
inline constexpr std::string_view kDisabledGauge = "PROG_DISABLED";

// The entry at a value read from GAMES.DAT; empty for a value outside the list (the file
// gives -99 for a row it does not have).
template <std::size_t N>
constexpr std::string_view WordAt(const std::array<std::string_view, N>& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? list[static_cast<std::size_t>(index)]
                                                             : std::string_view{};
}

}  // namespace shell
