#pragma once

#include <array>
#include <string>
#include <string_view>

// The words of the game record, by parameter number: every word that the engine or the
// table reads has a name here, a meaning and the values a game may give it. The build
// tool of GAMES.DAT checks each game against the same table.
namespace engine {

inline constexpr int kFirstGameWord = 0;
inline constexpr int kLastGameWord = 400;
inline constexpr int kGameWordCount = kLastGameWord + 1;

// Words that count cards or piles and whose 65535 means "no limit" or "none". The record
// holds signed 16-bit words, so such a word reads -1 there.
inline constexpr int kNoLimit = 65535;

// A run of consecutive words, one per pile: run[i] is the parameter number of pile i.
struct GameWordRun {
    int first;
    int count;

    constexpr int operator[](int i) const { return first + i; }
    constexpr int Last() const { return first + count - 1; }
    constexpr bool Contains(int number) const { return number >= first && number <= Last(); }
};

namespace words {
// Deal
inline constexpr int kFoundationPrefillMode = 1;
inline constexpr int kExtraFoundationCard = 11;
inline constexpr int kDealByPile = 23;
inline constexpr int kDealKind = 33;
inline constexpr int kJokersUsed = 43;
inline constexpr GameWordRun kFoundationStartCode{96, 16};
inline constexpr int kThirdPileStartCard = 288;
inline constexpr int kCardCount = 307;
inline constexpr int kStockCount = 308;
inline constexpr int kWasteCount = 309;
inline constexpr int kJokerCount = 310;
inline constexpr GameWordRun kTableauDealA{311, 28};
inline constexpr GameWordRun kTableauDealB{339, 28};
inline constexpr int kThirdPileCount = 367;
inline constexpr GameWordRun kReserveDealA{368, 10};
inline constexpr GameWordRun kReserveDealB{378, 10};

// Moves and stock
inline constexpr int kTableauMoveVariant = 2;
inline constexpr int kStockFaceDown = 6;
inline constexpr int kWasteFaceDown = 7;
inline constexpr int kStockLineFlag = 8;
inline constexpr int kStockToWaste = 9;
inline constexpr int kSequenceLimit = 12;
inline constexpr int kReserveFanning = 13;
inline constexpr int kPassLimit = 14;
inline constexpr int kRedeals = 15;
inline constexpr int kStockClickVariant = 16;
inline constexpr int kFoundationTakeBack = 17;
inline constexpr int kAutoplayAllowed = 18;
inline constexpr int kUndoDisabled = 20;
inline constexpr int kCardsPerStockPress = 21;
inline constexpr int kFillMode = 22;
inline constexpr int kOpenRowStart = 24;
inline constexpr int kOpenRowStartFactor = 25;
inline constexpr int kRowWidth = 27;
inline constexpr int kMaxFoundationCards = 31;
inline constexpr int kMaxTableauCards = 32;
inline constexpr int kStockFirst = 34;
inline constexpr int kClickToMove = 36;
inline constexpr int kSelectionSum = 38;
inline constexpr int kFoundationsOnlyMoves = 39;
inline constexpr int kOneTimeFill = 40;
inline constexpr int kAutoTurnFaceUp = 41;
inline constexpr GameWordRun kStockToTableauMode{240, 28};
inline constexpr GameWordRun kStockToReserveMode{278, 10};
inline constexpr int kWasteBuild = 289;
inline constexpr int kWasteDropMode = 290;

// Building rules
inline constexpr GameWordRun kFoundationBase{48, 16};
inline constexpr GameWordRun kFoundationDirection{64, 16};
inline constexpr GameWordRun kFoundationRuleCode{80, 16};
inline constexpr GameWordRun kTableauRuleA{128, 28};
inline constexpr GameWordRun kTableauRuleB{156, 28};
inline constexpr GameWordRun kTableauRuleC{184, 28};
inline constexpr GameWordRun kTableauRuleD{212, 28};
inline constexpr GameWordRun kReserveRule{268, 10};

// Game kind, score and end
inline constexpr int kScoreBonusCards = 44;
inline constexpr int kTargetScore = 46;
inline constexpr int kGameKind = 47;
inline constexpr GameWordRun kFoundationFullCount{112, 16};

// Table and layout
inline constexpr int kTableauFanMode = 3;
inline constexpr int kFoundationFanMode = 4;
inline constexpr int kReserveFanMode = 5;
inline constexpr int kMinScreenClass = 37;
inline constexpr int kStockRowStyle = 291;
inline constexpr int kStockRowLine = 292;
inline constexpr int kFoundationStyle = 293;
inline constexpr int kFoundationLine = 294;
inline constexpr int kTableauStyle = 295;
inline constexpr int kTableauLine = 296;
inline constexpr int kGridRows = 297;
inline constexpr int kReserveStyle = 298;
inline constexpr int kReserveLine = 299;
inline constexpr int kThirdPileStyle = 300;
inline constexpr int kThirdPileLine = 301;
inline constexpr int kStockRowPiles = 302;
inline constexpr int kFoundationCount = 303;
inline constexpr int kTableauCount = 304;
inline constexpr int kReserveCount = 305;
inline constexpr int kThirdPileInUse = 306;

// Read only by the game chooser
inline constexpr int kChooserGameTime = 395;
inline constexpr int kChooserDifficulty = 396;
inline constexpr int kChooserSkill = 397;
inline constexpr int kChooserChance = 398;
inline constexpr int kChooserOddsWins = 399;
inline constexpr int kChooserOddsGames = 400;
}  // namespace words

// One word, or one run of words, of the record.
struct GameWordInfo {
    int first;  // parameter number
    int count;  // 1, or the number of piles of a run
    std::string_view name;
    int min;  // the values a game may give it
    int max;
    std::string_view meaning;
    // One value beyond min..max that a game may give it too; kNoOtherValue for none.
    int other = kNoOtherValue;

    static constexpr int kNoOtherValue = -1'000'000;
};

constexpr bool AllowsValue(const GameWordInfo& info, int value) {
    return (value >= info.min && value <= info.max) ||
           (info.other != GameWordInfo::kNoOtherValue && value == info.other);
}

namespace detail {
constexpr GameWordInfo Word(int number, std::string_view name, int min, int max, std::string_view meaning) {
    return {number, 1, name, min, max, meaning};
}
constexpr GameWordInfo WordOr(int number, std::string_view name, int min, int max, int other,
                             std::string_view meaning) {
    return {number, 1, name, min, max, meaning, other};
}
constexpr GameWordInfo Run(GameWordRun run, std::string_view name, int min, int max, std::string_view meaning) {
    return {run.first, run.count, name, min, max, meaning};
}
}  // namespace detail

// In parameter order.
inline constexpr auto kGameWords = [] {
    using detail::Run;
    using detail::Word;
    using detail::WordOr;
    namespace w = words;
    return std::array{
        Word(w::kFoundationPrefillMode, "FoundationPrefillMode", 0, 4,
             "cards the deal puts on the foundations last: 0 none, 1 one sets every base, 2 one each, 3 bases from reserves, 4 two base groups"),
        Word(w::kTableauMoveVariant, "TableauMoveVariant", 0, 10,
             "how a lifted stack is checked: 0 not at all, 1 by the target pile's rule, 10 same suit"),
        Word(w::kTableauFanMode, "TableauFanMode", 0, 9,
             "fan of the tableau piles: 1 down, 2 right, 4 side by side, 6 right narrow, 7 top lowered, 8 and 9 special; else stacked"),
        Word(w::kFoundationFanMode, "FoundationFanMode", 0, 9, "fan of the foundations, as the tableau's"),
        Word(w::kReserveFanMode, "ReserveFanMode", 0, 9, "fan of the reserves, as the tableau's; 5 down by a small step"),
        Word(w::kStockFaceDown, "StockFaceDown", 0, 1, "0: the stock is dealt and drawn face up"),
        Word(w::kWasteFaceDown, "WasteFaceDown", 0, 1, "1: the waste shows backs and takes no part in autoplay"),
        Word(w::kStockLineFlag, "StockLineFlag", 0, 1, "1: the empty-stock mark lies on the stock; the waste's empty mark is the waste image"),
        Word(w::kStockToWaste, "StockToWaste", 0, 1, "1: a press on the stock turns cards to the waste"),
        Word(w::kExtraFoundationCard, "ExtraFoundationCard", 0, 1, "1: one more card onto foundation 1 after the pre-fill"),
        Word(w::kSequenceLimit, "SequenceLimit", -13, 104,
             "stacks that move at once: -1 any, -5 and -6 by free cells and empty piles, -12 from a King, -13 whole piles, 0 or more at most that many"),
        Word(w::kReserveFanning, "ReserveFanning", -14, 0,
             "-11: any card of a fanned reserve may be lifted; -14: reserve cards are never lifted; 0: the top card"),
        Word(w::kPassLimit, "PassLimit", -1, 99, "deals through the stock allowed, counted by RedealCount; -1 no limit"),
        Word(w::kRedeals, "Redeals", -1, 6, "redeals of the waste to the stock; 6 redeals at every stock press"),
        Word(w::kStockClickVariant, "StockClickVariant", 0, 1, "with StockToWaste: 0 every press deals, 1 only onto an empty waste"),
        Word(w::kFoundationTakeBack, "FoundationTakeBack", 0, 3,
             "foundation cards that may be lifted again: 1 any, 2 from two cards up, 3 jokers, 0 none"),
        Word(w::kAutoplayAllowed, "AutoplayAllowed", 0, 1, "1: automatic moves to the foundations may be switched on"),
        Word(w::kUndoDisabled, "UndoDisabled", 0, 1, "1: no undo"),
        Word(w::kCardsPerStockPress, "CardsPerStockPress", 0, 104, "cards one press on the stock deals; 0 none"),
        Word(w::kFillMode, "FillMode", 0, 10, "automatic filling of empty tableau piles: 0 none, 1-10 by source"),
        Word(w::kDealByPile, "DealByPile", 0, 1, "0: dealt cards are drawn and played off row by row; 1 pile by pile"),
        Word(w::kOpenRowStart, "OpenRowStart", 0, 28,
             "above 0: only tableau piles from OpenRowStart x OpenRowStartFactor on are lifted and filled"),
        Word(w::kOpenRowStartFactor, "OpenRowStartFactor", 0, 28, "the second factor of OpenRowStart"),
        Word(w::kRowWidth, "RowWidth", 0, 28, "piles per row in row and grid games"),
        Word(w::kMaxFoundationCards, "MaxFoundationCards", 0, kNoLimit, "most cards on a foundation; 65535 no limit"),
        Word(w::kMaxTableauCards, "MaxTableauCards", 0, kNoLimit, "most cards on a tableau pile; 65535 no limit"),
        Word(w::kDealKind, "DealKind", 0, 15, "special deal procedure: 0 none, 1-15"),
        Word(w::kStockFirst, "StockFirst", 0, 3,
             "while stock and waste hold cards, tableau cards are refused: 1 by foundations, 2 and 3 everywhere; 0 never"),
        Word(w::kClickToMove, "ClickToMove", 0, 1, "1: a press moves the card at once instead of lifting it"),
        Word(w::kMinScreenClass, "MinScreenClass", 0, 2, "usable width needed: 1 at least 650 pixels, 2 at least 810; 0 any"),
        Word(w::kSelectionSum, "SelectionSum", 0, 104, "0: drag game; else presses select cards, and the rank sum that completes a selection"),
        Word(w::kFoundationsOnlyMoves, "FoundationsOnlyMoves", 0, 1, "1: the first action must move a tableau card to a foundation"),
        Word(w::kOneTimeFill, "OneTimeFill", 0, 1, "1: the tableau is filled from the stock once, after the first action"),
        Word(w::kAutoTurnFaceUp, "AutoTurnFaceUp", 0, 1, "1: face-down tableau tops are turned face up by themselves"),
        Word(w::kJokersUsed, "JokersUsed", 0, 1, "1: jokers take part in the deal"),
        Word(w::kScoreBonusCards, "ScoreBonusCards", -104, 104, "start bonus in cards: 5 times it counts in the score"),
        Word(w::kTargetScore, "TargetScore", -32768, 32767, "score at which the game is won; 0 none"),
        Word(w::kGameKind, "GameKind", -1, 99, "game kind code: stock handling, win test and score formula; 0 the common ones"),
        Run(w::kFoundationBase, "FoundationBase", -2, 96,
            "what an empty foundation takes: rank 1-13, -1 any, -2 set by the first card, 14 none yet, 81-96 base codes"),
        Run(w::kFoundationDirection, "FoundationDirection", 0, 2, "build direction of a foundation: 0 down, 1 up, 2 either"),
        Run(w::kFoundationRuleCode, "FoundationRuleCode", 0, 96, "rule code of a foundation: 0 same suit, 1 colour, 3 alternating, 4-96 special"),
        Run(w::kFoundationStartCode, "FoundationStartCode", 0, 208,
            "card the deal puts on a foundation: 0 none, 20-99 by rule, 100 + code that card"),
        Run(w::kFoundationFullCount, "FoundationFullCount", -1, 104, "cards of a complete foundation; -1 MaxFoundationCards"),
        Run(w::kTableauRuleA, "TableauRuleA", -1, 96, "what an empty tableau pile takes: rank 1-13, -1 any card, 81-96 base codes"),
        Run(w::kTableauRuleB, "TableauRuleB", 0, 2, "build direction of a tableau pile: 0 down, 1 up, 2 either"),
        Run(w::kTableauRuleC, "TableauRuleC", 0, 96, "rule code of a tableau pile: 0 same suit, 1 colour, 2 any, 3 alternating, 4-96 special"),
        Run(w::kTableauRuleD, "TableauRuleD", 0, 2,
            "1: the pile builds past the start rank (King and Ace meet); 2: also Queen on King and Two on Ace"),
        Run(w::kStockToTableauMode, "StockToTableauMode", 0, 8, "how a stock press deals to a tableau pile: 1-8 one card, 0 none"),
        Run(w::kReserveRule, "ReserveRule", 0, 96, "what a reserve takes: 4 nothing, 12 anything, 8-90 special; other codes one card when empty"),
        Run(w::kStockToReserveMode, "StockToReserveMode", 0, 8, "how a stock press deals to a reserve: 1, 3, 4, 5; 0 none"),
        Word(w::kThirdPileStartCard, "ThirdPileStartCard", 0, 208, "card code (or code + 100) put on the third stock-row pile first; 0 none"),
        Word(w::kWasteBuild, "WasteBuild", 0, 2, "2: the waste takes a card of its top's suit one rank above or below"),
        Word(w::kWasteDropMode, "WasteDropMode", 0, 4, "4: nothing may be dropped on the waste"),
        Word(w::kStockRowStyle, "StockRowStyle", 0, 130, "layout style of the stock and the waste"),
        Word(w::kStockRowLine, "StockRowLine", 0, 9, "table line of the stock row: 1-4 rows, 5 bottom, 6 middle; 0 as 1"),
        Word(w::kFoundationStyle, "FoundationStyle", 0, 130, "layout style of the foundations"),
        Word(w::kFoundationLine, "FoundationLine", 0, 9, "table line of the foundations"),
        Word(w::kTableauStyle, "TableauStyle", 0, 130, "layout style of the tableau piles"),
        Word(w::kTableauLine, "TableauLine", 0, 9, "table line of the tableau piles"),
        Word(w::kGridRows, "GridRows", 0, 28, "lines of the grid tableau styles"),
        Word(w::kReserveStyle, "ReserveStyle", 0, 130, "layout style of the reserves"),
        Word(w::kReserveLine, "ReserveLine", 0, 9, "table line of the reserves (0 names none)"),
        Word(w::kThirdPileStyle, "ThirdPileStyle", 0, 130, "layout style of the third stock-row pile; not 0: a stock press may deal to it"),
        Word(w::kThirdPileLine, "ThirdPileLine", 0, 9, "table line of the third stock-row pile"),
        Word(w::kStockRowPiles, "StockRowPiles", 0, 3, "stock-row piles in use; 0 no stock row"),
        Word(w::kFoundationCount, "FoundationCount", 0, 16, "foundations of the game"),
        Word(w::kTableauCount, "TableauCount", 0, 28, "tableau piles of the game"),
        Word(w::kReserveCount, "ReserveCount", 0, 10, "reserves of the game"),
        Word(w::kThirdPileInUse, "ThirdPileInUse", 0, 1, "1: the third stock-row pile is on the table"),
        // The deal takes one deck, whole or cut short, or two whole decks.
        WordOr(w::kCardCount, "CardCount", 1, 52, 104, "cards of the game without jokers: 52 or 104"),
        Word(w::kStockCount, "StockCount", 0, 108, "cards dealt to the stock"),
        Word(w::kWasteCount, "WasteCount", 0, 108, "cards dealt face up to the waste"),
        Word(w::kJokerCount, "JokerCount", 0, 4, "jokers in the deal when JokersUsed is 1"),
        Run(w::kTableauDealA, "TableauDealA", 0, 1504,
            "cards dealt to a tableau pile: a count, 1001-1499 one card of rank n - 1000, 1501-1504 a joker"),
        Run(w::kTableauDealB, "TableauDealB", -3, 108, "face-up cards of a tableau pile after the deal: n top cards, -1 to -3 patterns, 0 none"),
        Word(w::kThirdPileCount, "ThirdPileCount", 0, 108, "cards dealt face up to the third stock-row pile"),
        Run(w::kReserveDealA, "ReserveDealA", 0, 1504, "cards dealt to a reserve, coded as TableauDealA"),
        Run(w::kReserveDealB, "ReserveDealB", -3, 108, "face-up cards of a reserve after the deal, as TableauDealB"),
        Word(w::kChooserGameTime, "ChooserGameTime", 0, 2, "chooser: game time 0 long, 1 medium, 2 quick"),
        Word(w::kChooserDifficulty, "ChooserDifficulty", 0, 2, "chooser: difficulty 0 easy, 1 medium, 2 hard"),
        Word(w::kChooserSkill, "ChooserSkill", 0, 4, "chooser: 0 difficult, 1 mostly skill, 2 moderate, 3 mostly chance, 4 chance only"),
        Word(w::kChooserChance, "ChooserChance", 0, 4, "chooser: chance of winning 0 very high .. 4 very low"),
        Word(w::kChooserOddsWins, "ChooserOddsWins", 0, 32767, "chooser: the X of \"about X in Y\""),
        Word(w::kChooserOddsGames, "ChooserOddsGames", 0, 32767, "chooser: the Y of \"about X in Y\"; 0 shows no odds"),
    };
}();

// The entry that covers a parameter number; nullptr for a word no part of the program reads.
constexpr const GameWordInfo* FindGameWord(int number) {
    for (const GameWordInfo& info : kGameWords) {
        if (number >= info.first && number < info.first + info.count) {
            return &info;
        }
    }
    return nullptr;
}

// "0..16", or "1..52 or 104" for a word with a value beyond its range.
std::string AllowedValuesText(const GameWordInfo& info);

// "GameKind", or "FoundationBase[2]" for the third word of a run (runs count from 0);
// empty for a word that has no entry.
std::string GameWordName(int number);

}  // namespace engine
