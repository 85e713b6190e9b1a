#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

class GameDefRecord;
class PileStore;
class SettingsBlock;

// The scoring mode (field 120/2) in which the default formula counts.
inline constexpr std::string_view kVegasScoringMode = "01";
// Points for each card on the foundations and the discard line.
inline constexpr int kPointsPerCard = 5;

// The stored score (field 122/6) as an integer; 0 when the field holds no number.
int CurrentScore(const SettingsBlock& settings);
// Stores the score as its decimal text.
void StoreScore(SettingsBlock& settings, int score);

bool IsVegasScoring(const SettingsBlock& settings);

// The default formula: in the Vegas mode -C + 5 x (start bonus - jokers + the cards on the
// discard line and on the game's foundations); 0 in any other mode.
int ScoreVegas(const PileStore& piles, const GameDefRecord& game, const SettingsBlock& settings);

// The score of the board by the formula of the game kind; nothing for game kind 9, which
// keeps no score at all.
std::optional<int> ScoreByGameKind(const PileStore& piles, const GameDefRecord& game, const SettingsBlock& settings);

}  // namespace engine
