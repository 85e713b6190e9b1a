#pragma once

#include <string>
#include <string_view>

#include "engine/files/game_definitions.h"

// What the game chooser shows about one game: the texts of its labels and the gauges.
namespace shell {

// The GAMES.DAT rows the chooser asks about, in the order of ChooserSlot.
enum ChooserSlot { kSlotGameTime, kSlotDifficulty, kSlotChance, kSlotOddsWins, kSlotOddsGames, kSlotCardCount,
                   kSlotDealCount, kSlotSkill, kSlotUnused };
extern const engine::ChooserRows kChooserDescriptionRows;

struct GameDescription {
    std::string decks;
    std::string difficulty;
    std::string chance;
    std::string gameTime;
    std::string skill;
    std::string redeals;
    // A gauge bitmap name; empty leaves the gauge as it is.
    std::string_view difficultyGauge;
    std::string_view chanceGauge;
    std::string_view gameTimeGauge;
    std::string_view skillGauge;
};

// Decks of a game of that many cards: the card count / 52, rounded.
std::string DecksText(int cardCount);
// Redeals of a game of that many deals: "Unlimited" for -1, none for 0, else one less.
std::string RedealText(int dealCount);
// The chance word, followed by "(about X in Y)" when Y is not 0.
std::string ChanceText(int chance, int oddsWins, int oddsGames);

// The labels and gauges of a game from its answers. A value GAMES.DAT did not give shows
// an empty label and leaves the gauge.
GameDescription DescribeGame(const engine::ChooserValues& values);

}  // namespace shell
