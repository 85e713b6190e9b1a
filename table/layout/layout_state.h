#pragma once

#include <optional>
#include <string_view>

#include "engine/model/pile_names.h"
#include "table/layout/layout_frame.h"
#include "table/layout/pile_layout.h"

// The working state of one ComputePileLayout call, shared by the files that place each
// pile group. Not part of the layout's interface.
namespace table::layout_detail {

// A group's layout code, read: the row digit and the three-character style.
struct GroupCode {
    int digit = -1;  // 0-9; -1 when the code does not start with a digit
    std::string_view style;
    int count = 0;

    bool Is(std::string_view s) const { return style == s; }
};

GroupCode ReadGroupCode(const LayoutGroup& group);

// Style codes that more than one group's placement tests.
inline constexpr std::string_view kStyle002 = "002";
inline constexpr std::string_view kStyle003 = "003";
inline constexpr std::string_view kStyle004 = "004";
inline constexpr std::string_view kStyle005 = "005";
inline constexpr std::string_view kStyle015 = "015";

inline constexpr int kSmallScreenHeight = 500;
inline constexpr int kNarrowScreenWidth = 650;

class LayoutState {
public:
    LayoutState(const LayoutTarget& target, const LayoutGroups& groups, const LayoutArea& area);

    // Step 2: the frame for this pass.
    void ComputeFrame();

    // The row line of a digit; a digit 0 counts as 1 when zeroIsOne is set.
    std::optional<int> Row(int digit, bool zeroIsOne) const;

    // Positions as stored. Reads of an index a group does not have give its absent
    // marker; writes there are ignored.
    int TableauX(int i) const;
    int TableauY(int i) const;
    void SetTableau(int i, int x, int y);
    void SetTableauX(int i, int x);
    void SetTableauY(int i, int y);
    int StockX(int k) const;
    int StockY(int k) const;
    void SetStockX(int k, int x);
    void SetStockY(int k, int y);
    int FoundationX(int i) const;
    int FoundationY(int i) const;
    void SetFoundation(int i, int x, int y);
    void SetFoundationY(int i, int y);
    int ReserveX(int i) const;
    int ReserveY(int i) const;
    void SetReserve(int i, int x, int y);
    void SetReserveY(int i, int y);

    bool SmallScreen() const { return screen.height < kSmallScreenHeight; }
    bool NarrowScreen() const { return screen.width < kNarrowScreenWidth; }
    bool SmallWindow() const { return height < kSmallScreenHeight; }
    int SideBySideGap() const;
    int ShadowOffset() const;
    int GridLines() const;      // p297
    int StockLineFlag() const;  // p8
    int StockToWaste() const;   // p9

    const LayoutTarget& target;
    LayoutScreen screen;
    GroupCode stockRow;
    GroupCode foundations;
    GroupCode tableau;
    GroupCode reserves;
    GroupCode thirdPile;
    int width;   // W, reduced once in step 1
    int height;  // H
    int bottom;  // B
    int top;     // T
    int cw;
    int ch;
    LayoutFrame frame;

    // t: the tableau gap of the general styles, read by the foundations.
    int tableauGap = 0;
    // q: the foundation gap, read by reserve style "006".
    int foundationGap = 1;
    // The tableau's start x found by the reserve overlap check, for the second pass.
    std::optional<int> tableauStart;
};

// The steps of a pass, each placing one group by its style.
bool PlaceFixedShapeTableau(LayoutState& s);  // false when the style is no fixed shape
void PlaceTableau(LayoutState& s);
void PlaceStockRow(LayoutState& s);
void PlaceFoundations(LayoutState& s);
void PlaceCentredTableau(LayoutState& s);
void PlaceReserves(LayoutState& s);
void PlaceThirdPile(LayoutState& s);

}  // namespace table::layout_detail
