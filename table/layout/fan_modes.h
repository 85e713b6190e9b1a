#pragma once

// Fan modes of the piles (GameDef.TableauFanMode, FoundationFanMode, ReserveFanMode):
// how the cards of a pile spread. Any value not named here stacks them on one place.
namespace table::fan_mode {

inline constexpr int kDown = 1;            // face-down and face-up cards each with their step
inline constexpr int kRight = 2;           // the same to the right
inline constexpr int kStacked = 3;         // on one place, but hit like a downward pile
inline constexpr int kSideBySide = 4;      // a card width plus the side-by-side gap apart
inline constexpr int kDownSmall = 5;       // reserves: down by FanMode5Step
inline constexpr int kRightNarrow = 6;     // right by FanMode6Step
inline constexpr int kTopLowered = 7;      // only the top card, one face-up step lower
inline constexpr int kSpecial = 8;         // tableau: stacked; a point finds any pile's top card
inline constexpr int kSpecialReverse = 9;  // tableau: stacked

}  // namespace table::fan_mode
