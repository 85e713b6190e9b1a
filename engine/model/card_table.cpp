#include "engine/model/card_table.h"

#include <algorithm>
#include <array>

#include "engine/model/card_codes.h"
#include "engine/model/pile_text.h"
#include "engine/base/text_utils.h"

namespace engine {

namespace {

constexpr std::array<std::string_view, kSuitCount> kSuitWords = {"CUORI", "QUADR", "FIORI", "PICCH"};
constexpr std::array<std::string_view, kKing + 1> kRankWords = {
    "", "A", "02", "03", "04", "05", "06", "07", "08", "09", "10", "J", "Q", "K",
};
constexpr std::string_view kJokerName = "JOKER";
constexpr char kJokerSuitDigit = '4';

bool IsCardCode(int code) {
    return code >= kFirstCard && code <= kCardCount;
}

char SuitDigit(int code) {
    if (IsJoker(code)) return kJokerSuitDigit;
    return static_cast<char>('1' + CardSuit(code));
}

const std::string kNoRecord;

}  // namespace

std::string CardName(int code) {
    if (!IsCardCode(code)) return {};
    if (IsJoker(code)) return std::string(kJokerName);
    std::string name(kSuitWords[static_cast<std::size_t>(CardSuit(code))]);
    name += '_';
    name += kRankWords[static_cast<std::size_t>(CardRank(code))];
    return name;
}

std::string MakeCardRecord(int code, char faceFlag) {
    if (!IsCardCode(code)) return {};
    std::string record = PadRight(CardName(code), kCardNameLength);
    record += SuitDigit(code);
    record += CardCodeText(code);
    record += faceFlag;
    return record;
}

void CardTable::FillCardTable() {
    m_records.clear();
    m_records.reserve(kCardCount);
    for (int code = kFirstCard; code <= kCardCount; ++code) {
        m_records.push_back(MakeCardRecord(code, kFaceUp));
    }
}

const std::string& CardTable::Record(int code) const {
    return HasRecord(code) ? m_records[static_cast<std::size_t>(code - 1)] : kNoRecord;
}

char CardTable::FaceFlag(int code) const {
    return HasRecord(code) ? Record(code)[kFaceFlagAt] : '\0';
}

bool CardTable::IsFaceDown(int code) const {
    return FaceFlag(code) == kFaceDown;
}

void CardTable::SetCardFaceFlags(std::span<const int> codes, char flag) {
    // The records are read through locals: every flag written is a character, which the
    // compiler would otherwise take to change the list it lies in.
    std::string* const records = m_records.data();
    const int count = static_cast<int>(m_records.size());
    for (const int code : codes) {
        if (code >= kFirstCard && code <= count) records[code - 1][kFaceFlagAt] = flag;
    }
}

void CardTable::SetPileFaceFlags(std::string_view pile, int mode, char flag) {
    const int count = PileCardCount(pile);
    // A count of top cards reads only those; an unknown mode reads nothing.
    const int first = mode >= 1 ? std::max(0, count - mode) : 0;
    if (mode < 1 && mode != kOddCardsUp && mode != kEvenCardsUp && mode != kFirstCardUp) return;
    for (int i = first; i < count; ++i) {
        const int card = PileCardAt(pile, i);
        const bool odd = i % 2 == 0;  // the bottom card is card 1
        if (mode >= 1) {
            if (i >= count - mode) SetCardFaceFlag(card, flag);
        } else if (mode == kOddCardsUp) {
            SetCardFaceFlag(card, odd ? kFaceUp : kFaceDown);
        } else if (mode == kEvenCardsUp) {
            SetCardFaceFlag(card, odd ? kFaceDown : kFaceUp);
        } else if (mode == kFirstCardUp) {
            SetCardFaceFlag(card, i == 0 ? kFaceUp : kFaceDown);
        }
    }
}

}  // namespace engine
