#include "table/draw/pile_marks.h"

#include "engine/model/game_record.h"

#include <array>
#include <span>

namespace table {

namespace {

namespace w = engine::words;

struct MarkName {
    MarkImage image;
    std::string_view code;
};

constexpr auto kMarkNames = std::to_array<MarkName>({
    {MarkImage::k001, "001"},         {MarkImage::k003, "003"},           {MarkImage::k004Tableau, "004"},
    {MarkImage::k004Foundation, "004"}, {MarkImage::k006, "006"},         {MarkImage::k008, "008"},
    {MarkImage::k009, "009"},         {MarkImage::k010, "010"},           {MarkImage::k011, "011"},
    {MarkImage::k012, "012"},         {MarkImage::k013, "013"},           {MarkImage::k014, "014"},
    {MarkImage::k015, "015"},         {MarkImage::k016, "016"},           {MarkImage::k017, "017"},
    {MarkImage::k018, "018"},         {MarkImage::k019, "019"},           {MarkImage::k020, "020"},
    {MarkImage::k022, "022"},         {MarkImage::kWaste, "_WASTE"},      {MarkImage::kTableau, "_TABLEAU"},
    {MarkImage::kStock021, "021"},
});

struct RuleMarkEntry {
    int ruleCode;
    MarkImage image;
};

// Rule codes that are drawn though they have no image of their own.
constexpr int kInvisibleRuleCode = 94;

constexpr auto kRuleMarks = std::to_array<RuleMarkEntry>({
    {13, MarkImage::k011}, {84, MarkImage::k011}, {64, MarkImage::k011},
    {1, MarkImage::k010},  {81, MarkImage::k010}, {85, MarkImage::k010}, {58, MarkImage::k010},
    {2, MarkImage::k012},  {90, MarkImage::k012},
    {3, MarkImage::k013},  {4, MarkImage::k014},  {5, MarkImage::k015},  {6, MarkImage::k016},
    {7, MarkImage::k017},  {8, MarkImage::k018},  {9, MarkImage::k019},  {10, MarkImage::k020},
    {11, MarkImage::k006}, {12, MarkImage::k003},
    {kInvisibleRuleCode, MarkImage::kNone},
});

// Game kinds whose empty stock shows the library image "021".
constexpr std::array<int, 2> kStock021Kinds{8, 45};

// A foundation rule code that borrows the mark of rule 12.
constexpr int kFoundationRuleBorrowing12 = 10;
constexpr int kBorrowedFoundationRule = 12;

// Reserve 0's rule code decides the marks of every reserve for these two codes.
constexpr int kReserveRuleFreeCells = 9;
constexpr int kReserveRuleTakesNothing = 8;

struct ReserveMark {
    int rule;
    MarkImage image;
};
constexpr auto kReserveMarks = std::to_array<ReserveMark>({
    {88, MarkImage::k006},
    {89, MarkImage::k003},
    {90, MarkImage::k011},
});

// The waste's empty mark follows the stock line flag (word 8).
constexpr int kWasteImageFlag = 1;
constexpr int kNoPassLimit = -1;

bool Contains(std::span<const int> values, int value) {
    for (const int v : values)
        if (v == value) return true;
    return false;
}

// Passes through the stock are left (word 14 counts them against the redeal count).
bool PassesLeft(int passLimit, int redealCount) { return passLimit > redealCount || passLimit == kNoPassLimit; }

MarkImage StockMark(const engine::GameDefRecord& gameDef, const EmptyMarkState& state) {
    if (Contains(kStock021Kinds, gameDef[w::kGameKind])) return MarkImage::kStock021;
    const int passLimit = gameDef[w::kPassLimit];
    if (gameDef[w::kRedeals] > 0 && PassesLeft(passLimit, state.redealCount)) return MarkImage::k022;
    if (state.stockCards == 0 && state.wasteCards < 2) return MarkImage::k008;
    return passLimit > state.redealCount || passLimit < 0 ? MarkImage::k022 : MarkImage::k008;
}

MarkImage WasteMark(const engine::GameDefRecord& gameDef, const EmptyMarkState& state) {
    const int stockLineFlag = gameDef[w::kStockLineFlag];
    if (stockLineFlag == kWasteImageFlag) return MarkImage::kWaste;
    const int passLimit = gameDef[w::kPassLimit];
    if (passLimit == 0) return MarkImage::k008;
    if (gameDef[w::kRedeals] < 1 || stockLineFlag != 0) return MarkImage::kNone;
    return PassesLeft(passLimit, state.redealCount) ? MarkImage::k022 : MarkImage::k008;
}

MarkImage FoundationMark(const engine::GameDefRecord& gameDef, int index) {
    if (gameDef.At(w::kFoundationRuleCode, index) == kFoundationRuleBorrowing12)
        return RuleMarkImage(kBorrowedFoundationRule).image;
    const RuleMark mark = RuleMarkImage(gameDef.At(w::kFoundationBase, index));
    return mark.drawn ? mark.image : MarkImage::k004Foundation;
}

MarkImage ReserveMarkImage(const engine::GameDefRecord& gameDef, int index) {
    const int firstRule = gameDef.At(w::kReserveRule, 0);
    if (firstRule == kReserveRuleFreeCells) return MarkImage::k009;
    if (firstRule == kReserveRuleTakesNothing) return MarkImage::k011;
    const int rule = gameDef.At(w::kReserveRule, index);
    for (const ReserveMark& entry : kReserveMarks)
        if (entry.rule == rule) return entry.image;
    return MarkImage::k001;
}

MarkImage TableauMark(const engine::GameDefRecord& gameDef, int index) {
    const RuleMark mark = RuleMarkImage(gameDef.At(w::kTableauRuleA, index));
    if (mark.drawn) return mark.image;
    // The first tableau pile's rule decides between the two fallbacks, whatever the pile.
    return gameDef.At(w::kTableauRuleA, 0) != 0 ? MarkImage::k004Tableau : MarkImage::kTableau;
}

}  // namespace

std::string_view MarkImageCode(MarkImage image) {
    for (const MarkName& entry : kMarkNames)
        if (entry.image == image) return entry.code;
    return {};
}

RuleMark RuleMarkImage(int ruleCode) {
    for (const RuleMarkEntry& entry : kRuleMarks)
        if (entry.ruleCode == ruleCode) return {true, entry.image};
    return {};
}

MarkImage EmptyPileMarkImage(int kind, int pileIndex, const engine::GameDefRecord& gameDef,
                             const EmptyMarkState& state) {
    switch (kind) {
        case empty_mark::kStock: return StockMark(gameDef, state);
        case empty_mark::kWaste: return WasteMark(gameDef, state);
        case empty_mark::kFoundation: return FoundationMark(gameDef, pileIndex);
        case empty_mark::kReserve: return ReserveMarkImage(gameDef, pileIndex);
        case empty_mark::kTableau: return TableauMark(gameDef, pileIndex);
        case empty_mark::kThirdStock: return MarkImage::kWaste;
        default: return MarkImage::kNone;
    }
}

}  // namespace table
