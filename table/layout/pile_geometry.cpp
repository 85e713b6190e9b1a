#include "table/layout/pile_geometry.h"

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_store.h"
#include "engine/model/preference_fields.h"
#include "engine/model/registers.h"
#include "engine/model/table_object.h"
#include "table/layout/fan_modes.h"
#include "table/layout/pile_codes.h"
#include "table/layout/table_geometry.h"

namespace table {

namespace {

constexpr int kSwapGameKind = 49;             // a lone card off its rank waits at the pile's raw place
constexpr std::string_view kTidyPiles = "N";  // Piles_TT: piles are laid straight
constexpr int kWalkEntryFold = 12;
constexpr int kWalkTableFold = 6;

}  // namespace

PileGeometry::PileGeometry(const GeometrySources& sources) : m_sources(sources) {}

bool PileGeometry::IsFaceDown(int card) const { return m_sources.piles.Cards().IsFaceDown(card); }

int PileGeometry::GetTableauY(int index) const {
    return m_sources.geometry.TableauY(index) - m_sources.mainGame.TableTopOffset;
}

std::optional<PileGeometry::Pile> PileGeometry::Resolve(std::string_view name) const {
    const auto ref = engine::ParsePileName(name);
    if (!ref) return std::nullopt;
    return PileOf(*ref);
}

PileGeometry::Pile PileGeometry::PileOf(const engine::PileRef& ref) const {
    const engine::TMainGame& mg = m_sources.mainGame;
    const engine::GameDefRecord& def = m_sources.gameDef;
    Pile pile;
    pile.ref = ref;
    pile.cards = m_sources.piles.Pile(ref);
    switch (ref.list) {
        case engine::PileListId::kMazzo:
            pile.x = mg.GetStockX(ref.line);
            pile.y = mg.GetStockY(ref.line);
            break;
        case engine::PileListId::kFila:
            pile.x = m_sources.geometry.TableauX(ref.line);
            pile.y = GetTableauY(ref.line);
            pile.fan = def[engine::words::kTableauFanMode];
            break;
        case engine::PileListId::kDest:
            pile.x = mg.GetFoundationX(ref.line);
            pile.y = mg.GetFoundationY(ref.line);
            pile.fan = def[engine::words::kFoundationFanMode];
            break;
        case engine::PileListId::kAppogg:
            pile.x = mg.GetReserveX(ref.line);
            pile.y = mg.GetReserveY(ref.line);
            pile.fan = def[engine::words::kReserveFanMode];
            break;
    }
    return pile;
}

// The downward step after a card: fan mode 1 by its face, mode 5 on reserves.
int PileGeometry::VerticalStep(const Pile& pile, int code) const {
    const engine::TMainGame& mg = m_sources.mainGame;
    if (pile.ref.list == engine::PileListId::kMazzo) return 0;
    if (pile.fan == fan_mode::kDown) return IsFaceDown(code) ? mg.FaceDownStepY : mg.FaceUpStepY;
    if (pile.fan == fan_mode::kDownSmall && pile.ref.list == engine::PileListId::kAppogg) return mg.FanMode5Step;
    return 0;
}

bool PileGeometry::IsHorizontalFan(const Pile& pile) const {
    switch (pile.ref.list) {
        case engine::PileListId::kFila:
            return pile.fan == fan_mode::kRight || pile.fan == fan_mode::kSideBySide ||
                   pile.fan == fan_mode::kRightNarrow;
        case engine::PileListId::kDest:
        case engine::PileListId::kAppogg:
            return pile.fan == fan_mode::kRight || pile.fan == fan_mode::kSideBySide;
        case engine::PileListId::kMazzo:
            break;
    }
    return false;
}

// The step to the right after a card of a horizontal fan.
int PileGeometry::HorizontalStep(const Pile& pile, int code) const {
    const engine::TMainGame& mg = m_sources.mainGame;
    switch (pile.fan) {
        case fan_mode::kRight:
            return IsFaceDown(code) ? mg.FaceDownStepX : mg.FaceUpStepX;
        case fan_mode::kSideBySide:
            return m_sources.geometry.CardWidth() + mg.SideBySideGap;
        case fan_mode::kRightNarrow:
            return mg.FanMode6Step;
        default:
            return 0;
    }
}

int PileGeometry::PlaceY(const Pile& pile, int cardsLeftOut, bool nextCard) const {
    const engine::TMainGame& mg = m_sources.mainGame;
    const int count = PileCardCount(pile.cards);
    const int counted = CountedCards(pile.cards, cardsLeftOut);
    int y = pile.y;
    if (pile.ref.list != engine::PileListId::kMazzo && pile.fan == fan_mode::kTopLowered) {
        if (counted >= 1 && (count > 1 || cardsLeftOut > 0 || nextCard)) y += mg.FaceUpStepY;
    }
    for (int i = 0; i < counted; ++i) {
        if (!nextCard && i == counted - 1) break;
        const auto code = PileCodeAt(pile.cards, i);
        if (code && *code >= 0) y += VerticalStep(pile, *code);
    }
    if (m_sources.gameDef[engine::words::kGameKind] == kSwapGameKind && pile.ref.list == engine::PileListId::kFila &&
        nextCard && count == 1) {
        const auto code = PileCodeAt(pile.cards, 0);
        const int base = m_sources.gameDef.At(engine::words::kTableauRuleA, pile.ref.line);
        if (code && engine::CardRank(*code) != base) return m_sources.geometry.TableauY(pile.ref.line);
    }
    return y;
}

int PileGeometry::PlaceX(const Pile& pile, int index, int cardsLeftOut, bool nextCard) const {
    const int counted = CountedCards(pile.cards, cardsLeftOut);
    int x = pile.x;
    if (IsHorizontalFan(pile)) {
        for (int i = 0; i < counted; ++i) {
            if (!nextCard && i == counted - 1) break;
            const auto code = PileCodeAt(pile.cards, i);
            if (code && *code >= 0) x += HorizontalStep(pile, *code);
        }
    }
    // Untidy piles: each card of a downward tableau pile a little off the straight line.
    const bool untidy =
        m_sources.settings.GetField(engine::fields::kPilesTT.position, engine::fields::kPilesTT.width) != kTidyPiles;
    if (untidy && pile.ref.list == engine::PileListId::kFila && pile.fan == fan_mode::kDown) {
        const int length = static_cast<int>(pile.cards.size());
        const int c = cardsLeftOut == 0 && !nextCard
                          ? PileCardCount(pile.cards)
                          : (length - engine::kCardCodeWidth * cardsLeftOut) / engine::kCardCodeWidth + 1;
        int w = c - 1;
        if (w > kWalkEntryFold) w %= kWalkEntryFold;
        int table = index;
        if (table > kWalkTableFold) table %= kWalkTableFold;
        if (w >= 0) x += m_sources.registers.GetWalkOffset(table + 1, w);
    }
    return x;
}

int PileGeometry::BottomOf(const Pile& pile) const {
    const int cardHeight = m_sources.geometry.CardHeight();
    const int count = PileCardCount(pile.cards);
    int y = pile.y;
    if (count == 0) return y + cardHeight;
    if (pile.ref.list != engine::PileListId::kMazzo && pile.fan == fan_mode::kTopLowered && count > 1)
        y += m_sources.mainGame.FaceUpStepY;
    for (int i = 0; i < count - 1; ++i) {
        const auto code = PileCodeAt(pile.cards, i);
        if (code) y += VerticalStep(pile, *code);
    }
    return y + cardHeight;
}

int PileGeometry::CardX(std::string_view name, int index, int cardsLeftOut, bool nextCard) const {
    const auto pile = Resolve(name);
    return pile ? PlaceX(*pile, index, cardsLeftOut, nextCard) : engine::kAbsentPileX;
}

int PileGeometry::CardY(std::string_view name, int, int cardsLeftOut, bool nextCard) const {
    const auto pile = Resolve(name);
    return pile ? PlaceY(*pile, cardsLeftOut, nextCard) : engine::kAbsentPileX;
}

int PileGeometry::PileBottomY(std::string_view name) const {
    const auto pile = Resolve(name);
    return pile ? BottomOf(*pile) : engine::kAbsentPileX;
}

engine::TableRect PileGeometry::CardPlace(const Pile& pile, int cardIndex) const {
    // Card i is where a card put on the first i cards would go, as the drawing places it.
    const int leftOut = PileCardCount(pile.cards) - cardIndex;
    const int x = PlaceX(pile, pile.ref.line, leftOut, true);
    const int y = PlaceY(pile, leftOut, true);
    return {x, y, x + m_sources.geometry.CardWidth(), y + m_sources.geometry.CardHeight()};
}

engine::TableRect PileGeometry::TopCardPlace(const Pile& pile) const {
    const int x = PlaceX(pile, pile.ref.line, 0, false);
    const int y = PlaceY(pile, 0, false);
    return {x, y, x + m_sources.geometry.CardWidth(), y + m_sources.geometry.CardHeight()};
}

}  // namespace table
