#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class IMessages;
}

namespace engine {

class GameDefRecord;

// The card order of a deal: one slot per card of the game, each a card code or
// kFreeSlot ("000") while nothing has landed there. Cards are dealt from the front.
using DealList = std::vector<int>;
inline constexpr int kFreeSlot = 0;
inline constexpr int kNoFreeSlot = -1;

// The game number is 13 decimal digits, d1 (leftmost) to d13.
inline constexpr int kGameNumberDigits = 13;
using GameNumberDigits = std::array<int, kGameNumberDigits>;

// Most jokers a deal can hold (105 .. 108).
inline constexpr int kMaxJokers = 4;

inline constexpr std::string_view kDealOrderError = "Error 01 - fnGameNumberCardsArray";

// The digits of the game-number field: "0"s put in front up to 13 characters, then the
// last 13 kept. A character that is no digit reads as 0, so a damaged field still deals.
GameNumberDigits ReadGameNumber(std::string_view field);

// The jokers the deal holds: JokerCount (at most four) when JokersUsed is set, else none.
int JokersInDeal(const GameDefRecord& game);
// Slots of the deal list: CardCount plus the jokers.
int DealSlotCount(const GameDefRecord& game);

// The first free slot from start onward (forward) or from start down to 0 (backward);
// failing that, the first free slot from 0; kNoFreeSlot when the list is full.
int NextFreeSlot(const DealList& list, int start, bool forward);

// Puts the game's jokers 105, 106 ... into the list, each at the first free slot from a
// position that moves on by the groups of the step table's row d1.
void PlaceJokers(DealList& list, int slotCount, int d1, const GameDefRecord& game, int startPosition);

// Fills the list with the card order of the game number. A card count other than 1-52
// or 104 shows kDealOrderError and leaves the list empty: the result is then false and
// nothing may be dealt.
bool fnGameNumberCardsArray(DealList& list, const GameDefRecord& game, std::string_view gameNumberField,
                            platform::IMessages* messages);

}  // namespace engine
