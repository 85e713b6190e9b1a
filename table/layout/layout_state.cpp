#include "table/layout/layout_state.h"

#include <cstdint>

#include "engine/model/game_record.h"
#include "engine/model/table_object.h"
#include "table/layout/table_geometry.h"

namespace table::layout_detail {

namespace {

constexpr std::size_t kStyleStart = 1;
constexpr std::size_t kStyleLength = 3;
constexpr int kSmallWindowWidthCut = 10;
constexpr int kWidthCut = 2;

constexpr std::array<std::string_view, 5> kEdgeExtraStockStyles = {"003", "004", "005", "016", "019"};

std::int16_t Word(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

GroupCode ReadGroupCode(const LayoutGroup& group) {
    GroupCode code;
    code.count = group.count;
    if (!group.code.empty() && group.code.front() >= '0' && group.code.front() <= '9')
        code.digit = group.code.front() - '0';
    if (group.code.size() > kStyleStart) code.style = group.code.substr(kStyleStart, kStyleLength);
    return code;
}

LayoutState::LayoutState(const LayoutTarget& t, const LayoutGroups& groups, const LayoutArea& area)
    : target(t),
      screen(t.screen),
      stockRow(ReadGroupCode(groups.stockRow)),
      foundations(ReadGroupCode(groups.foundations)),
      tableau(ReadGroupCode(groups.tableau)),
      reserves(ReadGroupCode(groups.reserves)),
      thirdPile(ReadGroupCode(groups.thirdPile)),
      width(area.width),
      height(area.height),
      bottom(area.bottom),
      top(area.top),
      cw(t.geometry.CardWidth()),
      ch(t.geometry.CardHeight()) {
    if (height < kSmallScreenHeight) width -= kSmallWindowWidthCut;
    width -= kWidthCut;
}

void LayoutState::ComputeFrame() {
    bool edgeExtra = thirdPile.Is(kStyle004);
    for (std::string_view style : kEdgeExtraStockStyles) edgeExtra = edgeExtra || stockRow.Is(style);
    FrameInputs in;
    in.top = top;
    in.bottom = bottom;
    in.windowHeight = height;
    in.width = width;
    in.cardHeight = ch;
    in.screenHeight = screen.height;
    in.shadowOffset = ShadowOffset();
    in.stockDigit = stockRow.digit;
    in.stockStyle003 = stockRow.Is(kStyle003);
    in.tableauStyle015 = tableau.Is(kStyle015);
    in.stockRowInUse = stockRow.count > 0;
    in.edgeExtra = edgeExtra;
    frame = ComputeLayoutFrame(in);
}

std::optional<int> LayoutState::Row(int digit, bool zeroIsOne) const {
    return frame.Row(digit == 0 && zeroIsOne ? 1 : digit);
}

int LayoutState::TableauX(int i) const { return target.geometry.TableauX(i); }
int LayoutState::TableauY(int i) const { return target.geometry.TableauY(i); }

void LayoutState::SetTableau(int i, int x, int y) {
    SetTableauX(i, x);
    SetTableauY(i, y);
}

void LayoutState::SetTableauX(int i, int x) { target.geometry.SetTableauX(i, Word(x)); }
void LayoutState::SetTableauY(int i, int y) { target.geometry.SetTableauY(i, Word(y)); }

// TableTopOffset is 0 while the layout runs, so the getters give the stored values.
int LayoutState::StockX(int k) const { return target.mainGame.GetStockX(k); }
int LayoutState::StockY(int k) const { return target.mainGame.GetStockY(k); }
void LayoutState::SetStockX(int k, int x) { target.mainGame.SetStockX(k, Word(x)); }
void LayoutState::SetStockY(int k, int y) { target.mainGame.SetStockY(k, Word(y)); }
int LayoutState::FoundationX(int i) const { return target.mainGame.GetFoundationX(i); }
int LayoutState::FoundationY(int i) const { return target.mainGame.GetFoundationY(i); }

void LayoutState::SetFoundation(int i, int x, int y) {
    target.mainGame.SetFoundationX(i, Word(x));
    target.mainGame.SetFoundationY(i, Word(y));
}

void LayoutState::SetFoundationY(int i, int y) { target.mainGame.SetFoundationY(i, Word(y)); }

int LayoutState::ReserveX(int i) const { return target.mainGame.GetReserveX(i); }
int LayoutState::ReserveY(int i) const { return target.mainGame.GetReserveY(i); }

void LayoutState::SetReserve(int i, int x, int y) {
    target.mainGame.SetReserveX(i, Word(x));
    target.mainGame.SetReserveY(i, Word(y));
}

void LayoutState::SetReserveY(int i, int y) { target.mainGame.SetReserveY(i, Word(y)); }

int LayoutState::SideBySideGap() const { return target.mainGame.SideBySideGap; }
int LayoutState::ShadowOffset() const { return target.geometry.ShadowOffset(); }
int LayoutState::GridLines() const { return target.gameDef[engine::words::kGridRows]; }
int LayoutState::StockLineFlag() const { return target.gameDef[engine::words::kStockLineFlag]; }
int LayoutState::StockToWaste() const { return target.gameDef[engine::words::kStockToWaste]; }

}  // namespace table::layout_detail
