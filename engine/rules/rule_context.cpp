#include "engine/rules/rule_context.h"
#include "engine/model/board_measures.h"

#include <algorithm>

namespace engine {

namespace {

constexpr int kFirstFoundationPlace = -1;   // -(i + 1) for foundation i
constexpr int kLastFoundationPlace = -kDestLineCount;
constexpr int kFirstReservePlace = -kLocatedReserveBase;  // -(i + 21) for reserve i
constexpr int kLastReservePlace = -(kLocatedReserveBase + kAppoggLineCount - 1);

}  // namespace

CardPlace DecodePlace(int located) {
    if (located == kLocatedInStock) return {CardSource::kStock, -1};
    if (located == kLocatedInWaste) return {CardSource::kWaste, -1};
    if (located >= 1 && located <= kFilaLineCount) return {CardSource::kTableau, located - 1};
    if (located <= kFirstFoundationPlace && located >= kLastFoundationPlace) {
        return {CardSource::kFoundation, -located - 1};
    }
    if (located <= kFirstReservePlace && located >= kLastReservePlace) {
        return {CardSource::kReserve, -located - kLocatedReserveBase};
    }
    return {};
}

namespace board {

int TableauCount(const RuleContext& ctx) {
    return TableauCountOf(ctx.game);
}

int ReserveCount(const RuleContext& ctx) {
    return ReserveCountOf(ctx.game);
}

int FoundationCount(const RuleContext& ctx) {
    return FoundationCountOf(ctx.game);
}

int Locate(const RuleContext& ctx, int card) {
    return ctx.piles.LocateCard(card, TableauCount(ctx), ReserveCount(ctx));
}

CardPlace PlaceOf(const RuleContext& ctx, int card) {
    return DecodePlace(Locate(ctx, card));
}

const std::string& Foundation(const RuleContext& ctx, int i) {
    return ctx.piles.Pile(PileListId::kDest, i);
}

const std::string& Tableau(const RuleContext& ctx, int i) {
    return ctx.piles.Pile(PileListId::kFila, i);
}

const std::string& Reserve(const RuleContext& ctx, int i) {
    return ctx.piles.Pile(PileListId::kAppogg, i);
}

const std::string& Stock(const RuleContext& ctx) {
    return ctx.piles.Pile(PileListId::kMazzo, kStockLine);
}

const std::string& Waste(const RuleContext& ctx) {
    return ctx.piles.Pile(PileListId::kMazzo, kWasteLine);
}

bool HasWord(GameWordRun run, int i) {
    return i >= 0 && i < run.count;
}

}  // namespace board

}  // namespace engine
