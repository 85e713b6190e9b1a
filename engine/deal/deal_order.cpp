#include "engine/deal/deal_order.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/deal/deal_tables.h"
#include "engine/model/game_record.h"
#include "platform/core/messages.h"

namespace engine {

namespace {

// Digits are counted from 1 as d1 .. d13.
constexpr int Digit(const GameNumberDigits& digits, int number) {
    return digits[static_cast<std::size_t>(number - 1)];
}

constexpr int ThreeDigits(const GameNumberDigits& digits, int hundreds, int tens, int units) {
    return Digit(digits, hundreds) * 100 + Digit(digits, tens) * 10 + Digit(digits, units);
}

// The running slot position starts at the number d2 d6 d12.
constexpr int kStartHundreds = 2;
constexpr int kStartTens = 6;
constexpr int kStartUnits = 12;

// The three digits that pick a rank start at d1, d7 and d13 and move on by one each rank.
constexpr int kRankPointerA = 1;
constexpr int kRankPointerB = 7;
constexpr int kRankPointerC = 13;

// The window of rank i (1-13) skips the digits i .. i+3; the last three ranks take nine
// digits in a row instead.
constexpr int kWindowGap = 4;
constexpr int kLastGapRank = 10;
constexpr int kWindowLength = 9;
constexpr int kTailWindowShift = 8;  // rank 11 starts at d3, 12 at d4, 13 at d5

// The numbers that runs of the digits make, worked out from the numbers of their
// beginnings so that a run costs a step instead of a digit at a time.
class DigitRuns {
public:
    explicit DigitRuns(const GameNumberDigits& digits) {
        for (int n = 1; n <= kGameNumberDigits; ++n) {
            m_leading[Index(n)] = m_leading[Index(n - 1)] * 10 + Digit(digits, n);
            m_tens[Index(n)] = m_tens[Index(n - 1)] * 10;
        }
    }

    // The digits from .. to as one number; 0 for no digits.
    long long Run(int from, int to) const {
        if (to < from) return 0;
        return m_leading[Index(to)] - m_leading[Index(from - 1)] * m_tens[Index(to - from + 1)];
    }

    // The window of a rank: the digits before the gap, then those after it.
    long long Window(int rank) const {
        if (rank <= kLastGapRank) {
            const int after = rank + kWindowGap;
            return Run(1, rank - 1) * m_tens[Index(kGameNumberDigits - after + 1)] + Run(after, kGameNumberDigits);
        }
        const int from = rank - kTailWindowShift;
        return Run(from, from + kWindowLength - 1);
    }

private:
    static constexpr std::size_t Index(int n) { return static_cast<std::size_t>(n); }

    std::array<long long, kGameNumberDigits + 1> m_leading{};
    std::array<long long, kGameNumberDigits + 1> m_tens{1};
};

// The free slots of a deal list as bits, so that finding the next one costs a step or two
// instead of a walk along the list. Answers as NextFreeSlot does on the list itself.
class FreeSlots {
public:
    // Every slot free but those the jokers took.
    FreeSlots(const DealList& list, int jokers) : m_size(static_cast<int>(list.size())) {
        for (int w = 0; w < kWords; ++w) {
            const int bits = std::clamp(m_size - w * kWordBits, 0, kWordBits);
            m_words[static_cast<std::size_t>(w)] = bits == kWordBits ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
        }
        if (jokers == 0) return;
        for (int i = 0; i < m_size; ++i)
            if (list[static_cast<std::size_t>(i)] != kFreeSlot) Take(i);
    }

    void Take(int slot) { m_words[Word(slot)] &= ~Bit(slot); }

    int Next(int start, bool forward) const {
        const int found = forward ? FirstFrom(std::max(start, 0)) : LastUpTo(std::min(start, m_size - 1));
        return found != kNoFreeSlot ? found : FirstFrom(0);
    }

    static constexpr int kMaxSlots = 128;

private:
    static constexpr int kWordBits = 64;
    // Slots are never negative here.
    static constexpr std::size_t Word(int slot) { return static_cast<unsigned>(slot) / kWordBits; }
    static constexpr std::uint64_t Bit(int slot) { return std::uint64_t{1} << (static_cast<unsigned>(slot) % kWordBits); }

    int FirstFrom(int start) const {
        for (int w = start / kWordBits; w < kWords; ++w) {
            std::uint64_t bits = m_words[static_cast<std::size_t>(w)];
            if (w == start / kWordBits) bits &= ~std::uint64_t{0} << (start % kWordBits);
            if (bits != 0) return w * kWordBits + std::countr_zero(bits);
        }
        return kNoFreeSlot;
    }

    int LastUpTo(int last) const {
        if (last < 0) return kNoFreeSlot;
        for (int w = last / kWordBits; w >= 0; --w) {
            std::uint64_t bits = m_words[static_cast<std::size_t>(w)];
            if (w == last / kWordBits && last % kWordBits != kWordBits - 1)
                bits &= (std::uint64_t{1} << (last % kWordBits + 1)) - 1;
            if (bits != 0) return w * kWordBits + kWordBits - 1 - std::countl_zero(bits);
        }
        return kNoFreeSlot;
    }

    static constexpr int kWords = kMaxSlots / kWordBits;
    std::array<std::uint64_t, kWords> m_words{};
    int m_size;
};

constexpr int NextPointer(int pointer) {
    return pointer == kGameNumberDigits ? 1 : pointer + 1;
}

// The running position folded back into the list after a step. A step is shorter than a
// deck, so in a list of a deck or more one subtraction folds it; the division, slow and
// on the path from one card to the next, is left for shorter lists and the start.
constexpr int FoldPosition(int position, int slotCount) {
    if (position >= slotCount) {
        position -= slotCount;
        return position < slotCount ? position : position % slotCount;
    }
    return position < 0 ? 0 : position;
}

}  // namespace

GameNumberDigits ReadGameNumber(std::string_view field) {
    // The last thirteen characters, right-aligned; missing leading digits read as 0.
    const std::size_t used = std::min(field.size(), static_cast<std::size_t>(kGameNumberDigits));
    const std::string_view last = field.substr(field.size() - used);
    GameNumberDigits digits{};
    const std::size_t first = digits.size() - used;
    for (std::size_t i = 0; i < used; ++i) {
        const char c = last[i];
        digits[first + i] = (c >= '0' && c <= '9') ? c - '0' : 0;
    }
    return digits;
}

int JokersInDeal(const GameDefRecord& game) {
    if (game[words::kJokersUsed] == 0) return 0;
    return std::clamp<int>(game[words::kJokerCount], 0, kMaxJokers);
}

int DealSlotCount(const GameDefRecord& game) {
    return std::max(0, static_cast<int>(game[words::kCardCount])) + JokersInDeal(game);
}

int NextFreeSlot(const DealList& list, int start, bool forward) {
    const int size = static_cast<int>(list.size());
    const auto isFree = [&](int i) { return list[static_cast<std::size_t>(i)] == kFreeSlot; };
    if (forward) {
        for (int i = std::max(start, 0); i < size; ++i) {
            if (isFree(i)) return i;
        }
    } else {
        for (int i = std::min(start, size - 1); i >= 0; --i) {
            if (isFree(i)) return i;
        }
    }
    for (int i = 0; i < size; ++i) {
        if (isFree(i)) return i;
    }
    return kNoFreeSlot;
}

void PlaceJokers(DealList& list, int slotCount, int d1, const GameDefRecord& game, int startPosition) {
    const int jokers = JokersInDeal(game);
    if (jokers == 0 || slotCount < 1) return;
    int position = startPosition;
    for (int k = 1; k <= jokers; ++k) {
        position = FoldPosition(position + StepOfPass(d1, k), slotCount);
        const int slot = NextFreeSlot(list, position, true);
        if (slot != kNoFreeSlot) list[static_cast<std::size_t>(slot)] = kFirstJoker - 1 + k;
    }
}

bool fnGameNumberCardsArray(DealList& list, const GameDefRecord& game, std::string_view gameNumberField,
                            platform::IMessages* messages) {
    list.clear();
    const int cardCount = game[words::kCardCount];
    int passes = 0;
    if (cardCount >= 1 && cardCount <= kDeckSize) {
        passes = kOneDeckPasses;
    } else if (cardCount == 2 * kDeckSize) {
        passes = kTwoDeckPasses;
    } else {
        // Dealing on would leave the pass count unset; the game cannot be played at all.
        if (messages != nullptr) messages->ShowInfo(std::string(kDealOrderError));
        return false;
    }

    const int slotCount = DealSlotCount(game);
    static_assert(2 * kDeckSize + kMaxJokers <= FreeSlots::kMaxSlots);
    list.assign(static_cast<std::size_t>(slotCount), kFreeSlot);

    std::array<int, kSuitSize> rankStore{};
    std::iota(rankStore.begin(), rankStore.end(), kAce);
    int rankCount = kSuitSize;

    const GameNumberDigits digits = ReadGameNumber(gameNumberField);
    int position = ThreeDigits(digits, kStartHundreds, kStartTens, kStartUnits);
    PlaceJokers(list, slotCount, Digit(digits, 1), game, position);
    FreeSlots free(list, JokersInDeal(game));

    const DigitRuns runs(digits);
    int a = kRankPointerA;
    int b = kRankPointerB;
    int c = kRankPointerC;
    for (int i = 1; i <= kSuitSize; ++i) {
        const int d = Digit(digits, i);
        const bool forward = d == 0;
        const int suitRow = static_cast<int>(runs.Window(i) % kSuitTableRows);

        int index = ThreeDigits(digits, a, b, c) % kSuitSize;
        if (index > rankCount - 1) index = forward ? rankCount - 1 : 0;
        const int rank = rankStore[static_cast<std::size_t>(index)];
        std::copy(rankStore.begin() + index + 1, rankStore.begin() + rankCount, rankStore.begin() + index);
        --rankCount;

        a = NextPointer(a);
        b = NextPointer(b);
        c = NextPointer(c);

        position -= d;
        for (int pass = 1; pass <= passes; ++pass) {
            position = FoldPosition(position + StepOfPass(d, pass), slotCount);
            const int suit = SuitOfPass(suitRow, pass);
            const int card = (suit - 1) * kSuitSize + rank + (pass > kOneDeckPasses ? kDeckSize : 0);
            if (list[static_cast<std::size_t>(position)] != kFreeSlot) {
                position = free.Next(position, forward);
                // A short list has no room left for this card: it is not dealt.
                if (position == kNoFreeSlot) continue;
            }
            list[static_cast<std::size_t>(position)] = card;
            free.Take(position);
        }
    }
    return true;
}

}  // namespace engine
