#include "shell/chooser/game_description.h"

#include "engine/base/rounding.h"
#include "engine/model/game_words.h"
#include "shell/chooser/chooser_words.h"

namespace shell {

namespace {

constexpr int kCardsPerDeck = 52;
constexpr int kUnlimitedDeals = -1;
constexpr std::string_view kUnlimited = "Unlimited";

bool Given(int value) { return value != engine::kNoChooserValue; }

}  // namespace

const engine::ChooserRows kChooserDescriptionRows{
    engine::words::kChooserGameTime, engine::words::kChooserDifficulty, engine::words::kChooserChance,
    engine::words::kChooserOddsWins, engine::words::kChooserOddsGames, engine::words::kCardCount,
    engine::words::kPassLimit,       engine::words::kChooserSkill,      -1};

std::string DecksText(int cardCount) {
    if (!Given(cardCount)) return {};
    return std::to_string(engine::DivideRoundHalfEven(cardCount, kCardsPerDeck));
}

std::string RedealText(int dealCount) {
    if (!Given(dealCount)) return {};
    if (dealCount == kUnlimitedDeals) return std::string(kUnlimited);
    return std::to_string(dealCount == 0 ? 0 : dealCount - 1);
}

std::string ChanceText(int chance, int oddsWins, int oddsGames) {
    std::string text(WordAt(kChanceWords, chance));
    if (oddsGames != 0 && Given(oddsGames) && Given(oddsWins))
        text += " (about " + std::to_string(oddsWins) + " in " + std::to_string(oddsGames) + ")";
    return text;
}

GameDescription DescribeGame(const engine::ChooserValues& values) {
    GameDescription description;
    description.decks = DecksText(values[kSlotCardCount]);
    description.gameTime = WordAt(kGameTimeWords, values[kSlotGameTime]);
    description.difficulty = WordAt(kDifficultyWords, values[kSlotDifficulty]);
    description.chance = ChanceText(values[kSlotChance], values[kSlotOddsWins], values[kSlotOddsGames]);
    description.skill = WordAt(kSkillWords, values[kSlotSkill]);
    description.redeals = RedealText(values[kSlotDealCount]);
    description.gameTimeGauge = WordAt(kGameTimeGauges, values[kSlotGameTime]);
    description.difficultyGauge = WordAt(kDifficultyGauges, values[kSlotDifficulty]);
    description.chanceGauge = WordAt(kChanceGauges, values[kSlotChance]);
    description.skillGauge = WordAt(kSkillGauges, values[kSlotSkill]);
    return description;
}

}  // namespace shell
