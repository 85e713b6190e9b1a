#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/card_codes.h"

namespace engine {

// Face flags: character 20 of a card record.
inline constexpr char kFaceUp = '1';
inline constexpr char kFaceDown = '0';

// A card record, exactly 20 characters: the name padded to 15 ("CUORI_A", "PICCH_10",
// "JOKER"), the suit digit (1 hearts .. 4 spades; jokers 4), the three-digit code and the
// face flag. Example: "CUORI_A        10011".
inline constexpr int kCardRecordLength = 20;
inline constexpr int kCardNameLength = 15;

// "CUORI_A", "QUADR_02" .. "PICCH_K", "JOKER"; empty for a code that is no card.
std::string CardName(int code);
std::string MakeCardRecord(int code, char faceFlag);

// SetPileFaceFlags modes besides a count n >= 1 of top cards.
inline constexpr int kOddCardsUp = -1;    // 1st, 3rd, 5th ... up, the others down
inline constexpr int kEvenCardsUp = -2;   // 1st, 3rd, 5th ... down, the others up
inline constexpr int kFirstCardUp = -3;   // the bottom card up, every other card down

// The 108 card records, line index = code - 1. A card's face state is global, not per
// pile: only the face flags change once the table is filled.
class CardTable {
public:
    // Empty, as created with the other lists before the start-up loader fills it.
    CardTable() = default;

    // The 108 records in code order, every card face up.
    void FillCardTable();
    bool IsFilled() const { return !m_records.empty(); }

    const std::vector<std::string>& Records() const { return m_records; }
    // The card's record; empty for a code without one.
    const std::string& Record(int code) const;

    // Character 20 of the card's record; '\0' for a code without a record.
    char FaceFlag(int code) const;
    // True for a card of code 1 or more whose flag is "0".
    bool IsFaceDown(int code) const;

    // Codes without a record (0 for a blank, anything out of range) are ignored. Inline: a
    // deal sets a flag for every card it lays.
    void SetCardFaceFlag(int code, char flag) {
        if (HasRecord(code)) m_records[static_cast<std::size_t>(code - 1)][kFaceFlagAt] = flag;
    }
    // SetCardFaceFlag for each code in turn, as a deal lays a run of cards.
    void SetCardFaceFlags(std::span<const int> codes, char flag);
    // Sets the flags of the cards named by a pile text: the top n cards for mode n >= 1
    // (all of them when n exceeds the count), or one of the patterns above; other modes
    // change nothing.
    void SetPileFaceFlags(std::string_view pile, int mode, char flag);

private:
    // The face flag's place in a record, counted from 0.
    static constexpr std::size_t kFaceFlagAt = 19;

    bool HasRecord(int code) const { return code >= kFirstCard && code <= static_cast<int>(m_records.size()); }

    std::vector<std::string> m_records;
};

}  // namespace engine
