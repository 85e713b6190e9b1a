#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// A card is its code: three decimal digits as text inside pile strings ("001" .. "108"),
// the same number as an int in calls. Codes 1-52 are deck 1 in blocks of 13 by suit
// (hearts, diamonds, clubs, spades; Ace to King), 53-104 deck 2 in the same order,
// 105-108 the jokers. 0 ("000") is no card: an empty place or a blanked slot.
inline constexpr int kNoCard = 0;
inline constexpr int kFirstCard = 1;
inline constexpr int kCardCount = 108;
inline constexpr int kDeckSize = 52;
inline constexpr int kSuitSize = 13;
inline constexpr int kFirstJoker = 105;
inline constexpr int kLastJoker = kCardCount;
inline constexpr int kCardCodeWidth = 3;

// Suit indexes; hearts and diamonds are red.
inline constexpr int kNoSuit = -1;
inline constexpr int kHearts = 0;
inline constexpr int kDiamonds = 1;
inline constexpr int kClubs = 2;
inline constexpr int kSpades = 3;
inline constexpr int kSuitCount = 4;

// Ranks: Ace 1 to King 13; a joker ranks 100 and a code that is no card -1.
inline constexpr int kAce = 1;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;
inline constexpr int kJokerRank = 100;
inline constexpr int kNoRank = -1;

// The face images: 52 per deck (both decks share them) and one slot for every joker.
inline constexpr int kJokerBitmapIndex = 52;
inline constexpr int kCardBitmapCount = 53;

// Deck 2 reads as the same deck-1 card.
constexpr int DeckOneCode(int code) {
    return code > kDeckSize ? code - kDeckSize : code;
}

namespace card_facts {

// 0 hearts, 1 diamonds, 2 clubs, 3 spades; jokers -1. Every code below 14 (0 and negative
// markers included) gives 0, which the rule checker relies on.
constexpr int SuitOf(int code) {
    const int c = DeckOneCode(code);
    if (c <= kSuitSize) return kHearts;
    if (c <= 2 * kSuitSize) return kDiamonds;
    if (c <= 3 * kSuitSize) return kClubs;
    if (c <= kDeckSize) return kSpades;
    return kNoSuit;
}

// 1-13 for the cards, 100 for the jokers, -1 for codes above the jokers; codes below 1
// give their own value.
constexpr int RankOf(int code) {
    const int c = DeckOneCode(code);
    if (c <= kSuitSize) return c;
    if (c <= kDeckSize) return (c - 1) % kSuitSize + 1;
    if (code >= kFirstJoker && code <= kLastJoker) return kJokerRank;
    return kNoRank;
}

// The rank and suit of every code 0 .. 108 at hand: the rule checker asks for them all the time.
struct Facts {
    signed char rank;
    signed char suit;
};

inline constexpr auto kFacts = [] {
    std::array<Facts, kCardCount + 1> facts{};
    for (int code = 0; code <= kCardCount; ++code)
        facts[static_cast<std::size_t>(code)] = {static_cast<signed char>(RankOf(code)),
                                                 static_cast<signed char>(SuitOf(code))};
    return facts;
}();

constexpr bool InTable(int code) { return static_cast<unsigned>(code) <= static_cast<unsigned>(kCardCount); }

// The three digits of every code 0 .. 108, read instead of worked out: a deal writes the
// code of every card it lays.
inline constexpr auto kCodeDigits = [] {
    std::array<std::array<char, kCardCodeWidth>, kCardCount + 1> digits{};
    for (int code = 0; code <= kCardCount; ++code)
        digits[static_cast<std::size_t>(code)] = {static_cast<char>('0' + code / 100),
                                                  static_cast<char>('0' + code / 10 % 10),
                                                  static_cast<char>('0' + code % 10)};
    return digits;
}();

}  // namespace card_facts

// 0 hearts, 1 diamonds, 2 clubs, 3 spades; jokers -1. Every code below 14 (0 and negative
// markers included) gives 0, which the rule checker relies on.
constexpr int CardSuit(int code) {
    return card_facts::InTable(code) ? card_facts::kFacts[static_cast<std::size_t>(code)].suit
                                     : card_facts::SuitOf(code);
}

// 1-13 for the cards, 100 for the jokers, -1 for codes above the jokers; codes below 1
// give their own value.
constexpr int CardRank(int code) {
    return card_facts::InTable(code) ? card_facts::kFacts[static_cast<std::size_t>(code)].rank
                                     : card_facts::RankOf(code);
}

// Codes below 27 count as red, so an empty marker (0 or -1) does too.
constexpr bool IsRedCard(int code) {
    return code < 2 * kSuitSize + 1 || (code > kDeckSize && code <= kDeckSize + 2 * kSuitSize);
}

constexpr bool IsJoker(int code) {
    return code >= kFirstJoker && code <= kLastJoker;
}

// Jacks, Queens and Kings of both decks.
constexpr bool IsFaceCard(int code) {
    return code >= kFirstCard && code < kFirstJoker && CardRank(code) >= kJack;
}

// 0-51 for the cards of either deck, 52 for the jokers; negative for codes below 1,
// which draw nothing.
constexpr int CardBitmapIndex(int code) {
    if (code >= kFirstJoker) return kJokerBitmapIndex;
    return DeckOneCode(code) - 1;
}

constexpr int PrevRank(int rank) {
    return rank == kAce ? kKing : rank - 1;
}

constexpr int NextRank(int rank) {
    return rank == kKing ? kAce : rank + 1;
}

// "A", "2" .. "10", "J", "Q", "K".
std::string RankText(int rank);

// The three-digit text of a code: 7 gives "007".
std::string CardCodeText(int code);

// Writes a code's three digits at out, which has room for them, and returns the place
// after them; only for codes 0 .. 999 (every card and the blank slot).
inline char* WriteCardCode(char* out, int code) {
    if (card_facts::InTable(code)) {
        const auto& digits = card_facts::kCodeDigits[static_cast<std::size_t>(code)];
        out[0] = digits[0];
        out[1] = digits[1];
        out[2] = digits[2];
        return out + kCardCodeWidth;
    }
    const auto digits = static_cast<unsigned>(code);
    out[0] = static_cast<char>('0' + digits / 100);
    out[1] = static_cast<char>('0' + digits / 10 % 10);
    out[2] = static_cast<char>('0' + digits % 10);
    return out + kCardCodeWidth;
}

// Appends a code's three digits to a pile text without building a text of its own, as the
// deal and every move do; for codes 0 .. 999 as WriteCardCode.
inline void AppendCardCode(std::string& pile, int code) {
    const auto digits = static_cast<unsigned>(code);
    // Character by character: inline, where an append of three is a library call.
    pile.push_back(static_cast<char>('0' + digits / 100));
    pile.push_back(static_cast<char>('0' + digits / 10 % 10));
    pile.push_back(static_cast<char>('0' + digits % 10));
}

// A text read as a decimal number ("7", "007"), as pile groups and card texts are read;
// nothing when it is no number.
std::optional<int> ReadCardNumber(std::string_view text);

// One three-character group of a pile read as ReadCardNumber reads it, -1 when it is no
// number. Groups are nearly always three digits, which are read here at once.
inline int ReadCardGroup(const char* group) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (digit(group[0]) && digit(group[1]) && digit(group[2]))
        return (group[0] - '0') * 100 + (group[1] - '0') * 10 + (group[2] - '0');
    return ReadCardNumber(std::string_view(group, kCardCodeWidth)).value_or(-1);
}

}  // namespace engine
