#pragma once

#include <string_view>

namespace engine {
class GameDefRecord;
}

namespace table {

// The images that mark an empty place, by the code in their names ("W" + card size +
// code). The foundations and the tableau each have an image of their own for code "004".
enum class MarkImage {
    kNone,
    k001,
    k003,
    k004Tableau,     // the first "004" image
    k004Foundation,  // the second "004" image
    k006,
    k008,
    k009,
    k010,
    k011,
    k012,
    k013,
    k014,
    k015,
    k016,
    k017,
    k018,
    k019,
    k020,
    k022,
    kWaste,    // "_WASTE"
    kTableau,  // "_TABLEAU"
    kStock021, // "021", loaded from the library for the one drawing
};

// The code an image's name carries ("004" for both "004" images); empty for kNone.
std::string_view MarkImageCode(MarkImage image);

// Kinds of empty place.
namespace empty_mark {
inline constexpr int kStock = 1;
inline constexpr int kWaste = 2;
inline constexpr int kFoundation = 3;
inline constexpr int kBlankSlot = 4;
inline constexpr int kReserve = 5;
inline constexpr int kTableau = 6;
inline constexpr int kThirdStock = 7;
}  // namespace empty_mark

// A pile index for marks that belong to no particular pile.
inline constexpr int kNoPileIndex = -1;

// The base image of a building rule code. drawn is false for a code without one; a few
// codes count as drawn although they show no image.
struct RuleMark {
    bool drawn = false;
    MarkImage image = MarkImage::kNone;
};
RuleMark RuleMarkImage(int ruleCode);

// What the choice of an empty mark reads besides the game record.
struct EmptyMarkState {
    int redealCount = 0;  // TMainGame.RedealCount
    int stockCards = 0;
    int wasteCards = 0;
};

// The image that marks an empty place of the kind (empty_mark) for the pile index.
MarkImage EmptyPileMarkImage(int kind, int pileIndex, const engine::GameDefRecord& gameDef,
                             const EmptyMarkState& state);

}  // namespace table
