#pragma once

namespace engine {

class GameDefRecord;
class PileStore;
class SettingsBlock;

// Whether the current game is won, by the rule of its game kind (GameDef.GameKind). The
// score-target kinds read the score field of the settings. Reads only.
bool IsGameWon(const PileStore& piles, const GameDefRecord& game, const SettingsBlock& settings);

// The common test: the stock, the waste, the game's tableau piles and reserves are all
// empty. The foundations and the third stock-row pile are not looked at; in game kind 4
// blanked tableau slots ("000") count as empty.
bool IsTableEmpty(const PileStore& piles, const GameDefRecord& game);

}  // namespace engine
