#include "tests/support/auto_player_judge.h"

#include <algorithm>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/rules/pile_acceptance.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_checker.h"
#include "engine/undo/undo_snapshot.h"
#include "engine/model/board_measures.h"

namespace test_support {

using engine::ActionKind;
using engine::PlayerAction;

namespace {

namespace words = engine::words;
using engine::PileListId;

// What each feature of a position is worth; only their proportions matter.
constexpr int kFoundationCard = 1000;
constexpr int kFaceDownCard = -150;
constexpr int kEmptyPileAnyCard = 150;
constexpr int kEmptyPileKingsOnly = 80;
constexpr int kFreeReserve = 200;
// A reserve that takes no cards is dealt to be played out: each card left costs this.
constexpr int kCardInClosedReserve = -60;
constexpr int kOutOfSequence = -40;
// In games that move runs of one suit only: a card in rank order on another suit.
constexpr int kOffSuit = -100;
// A card that fewer than kSoon cards must precede on the foundations costs kBuried for
// each step it is short of kSoon, for every card lying on it.
constexpr int kSoon = 3;
constexpr int kBuried = -10;

constexpr int kAnyCardBase = -1;
constexpr int kSameSuitVariant = 10;

const std::string& Line(const engine::Game& game, PileListId list, int line) {
    return game.board.piles.Pile(list, line);
}

std::vector<int> Cards(const std::string& pile) {
    std::vector<int> cards;
    for (int i = 0; i < engine::PileCardCount(pile); ++i) cards.push_back(engine::PileCardAt(pile, i));
    return cards;
}

}  // namespace

PositionJudge::PositionJudge(engine::Game& game) : m_game(game) {
    for (const PileListId list : engine::kSnapshotListOrder) {
        for (int line = 0; line < engine::PileLineCount(list); ++line) {
            const std::string& pile = Line(game, list, line);
            for (int i = 0; i < engine::PileCardCount(pile); ++i) {
                const int card = engine::PileCardAt(pile, i);
                if (card > 0 && card <= engine::kCardCount) m_spots[static_cast<std::size_t>(card)] = {list, line, i};
            }
        }
    }
    const engine::GameDefRecord& def = game.gameDef;
    const int base = def.At(words::kFoundationBase, 0);
    m_start = base >= engine::kAce && base <= engine::kKing ? base : engine::kAce;
    m_emptyTakesAny = def.At(words::kTableauRuleA, 0) == kAnyCardBase;
    m_runsBySuit = def[words::kTableauMoveVariant] == kSameSuitVariant;
    m_closedReserves = def.At(words::kReserveRule, 0) == engine::reserve_rule::kNothing;
    for (int t = 0; t < engine::TableauCountOf(def); ++t) {
        std::vector<int> pile = Cards(Line(game, PileListId::kFila, t));
        for (const int card : pile) m_sketch.faceDown += FaceDown(card) ? 1 : 0;
        m_sketch.tableau.push_back(std::move(pile));
    }
    for (int r = 0; r < engine::ReserveCountOf(def); ++r) {
        m_sketch.reserveCounts.push_back(engine::PileCardCount(Line(game, PileListId::kAppogg, r)));
    }
    for (int f = 0; f < engine::FoundationCountOf(def); ++f) {
        const std::string& pile = Line(game, PileListId::kDest, f);
        const int count = engine::PileCardCount(pile);
        m_sketch.foundationCards += count;
        if (count > 0) {
            const int suit = engine::CardSuit(engine::PileCardAt(pile, 0));
            if (suit >= 0 && suit < kSuits) m_sketch.progress[suit] = std::max(m_sketch.progress[suit], count);
        }
    }
}

const PositionJudge::Spot& PositionJudge::Where(int card) const {
    static const Spot kNowhere;
    return card > 0 && card <= engine::kCardCount ? m_spots[static_cast<std::size_t>(card)] : kNowhere;
}

int PositionJudge::Value() const { return Judge(m_sketch); }

int PositionJudge::ValueAfter(const PlayerAction& move) const {
    const std::optional<engine::PileRef> to = engine::ParsePileName(move.target);
    if (move.kind != ActionKind::kMove || !to) return Value();
    Sketch after = m_sketch;
    std::vector<int> moving{move.card};
    const Spot& from = Where(move.card);
    const int suit = engine::CardSuit(move.card);
    switch (from.list) {
        case PileListId::kFila: {
            std::vector<int>& pile = after.tableau[static_cast<std::size_t>(from.line)];
            const auto at = pile.begin() + from.position;
            moving.assign(at, pile.end());
            pile.erase(at, pile.end());
            // The card uncovered turns up.
            if (!pile.empty() && FaceDown(pile.back())) --after.faceDown;
            break;
        }
        case PileListId::kAppogg: --after.reserveCounts[static_cast<std::size_t>(from.line)]; break;
        case PileListId::kDest:
            --after.foundationCards;
            if (suit >= 0 && suit < kSuits) after.progress[suit] = std::max(0, after.progress[suit] - 1);
            break;
        case PileListId::kMazzo: break;
    }
    const auto line = static_cast<std::size_t>(to->line);
    switch (to->list) {
        case PileListId::kFila:
            after.tableau[line].insert(after.tableau[line].end(), moving.begin(), moving.end());
            break;
        case PileListId::kAppogg: ++after.reserveCounts[line]; break;
        case PileListId::kDest:
            ++after.foundationCards;
            if (suit >= 0 && suit < kSuits) {
                const int count = engine::PileCardCount(Line(m_game, PileListId::kDest, to->line)) + 1;
                after.progress[suit] = std::max(after.progress[suit], count);
            }
            break;
        case PileListId::kMazzo: break;
    }
    return Judge(after);
}

int PositionJudge::Judge(const Sketch& sketch) const {
    int value = sketch.foundationCards * kFoundationCard + sketch.faceDown * kFaceDownCard;
    for (std::size_t r = 0; r < sketch.reserveCounts.size(); ++r) {
        const int count = sketch.reserveCounts[r];
        if (m_closedReserves) {
            value += count * kCardInClosedReserve;
        } else if (count == 0) {
            value += kFreeReserve;
        }
    }
    for (std::size_t t = 0; t < sketch.tableau.size(); ++t) {
        const std::vector<int>& pile = sketch.tableau[t];
        if (pile.empty()) {
            value += m_emptyTakesAny ? kEmptyPileAnyCard : kEmptyPileKingsOnly;
            continue;
        }
        const int size = static_cast<int>(pile.size());
        for (int k = 0; k < size; ++k) {
            const int card = pile[static_cast<std::size_t>(k)];
            if (FaceDown(card)) continue;
            if (k > 0) value += SequenceValue(pile[static_cast<std::size_t>(k - 1)], card, static_cast<int>(t));
            const int need = Need(sketch, card);
            if (need < kSoon) value += kBuried * (kSoon - need) * (size - 1 - k);
        }
    }
    return value;
}

// How many cards must go up before this one can: its rank's distance from the start
// rank, less the cards its suit already has up.
int PositionJudge::Need(const Sketch& sketch, int card) const {
    const int suit = engine::CardSuit(card);
    if (suit < 0 || suit >= kSuits) return kSoon;
    const int distance = (engine::CardRank(card) - m_start + engine::kSuitSize) % engine::kSuitSize;
    return std::max(0, distance - sketch.progress[suit]);
}

// 0 when the upper card lies on the lower as the pile's rule would let it be put there
// (in games that move only runs of one suit, in suit too); a cost otherwise.
int PositionJudge::SequenceValue(int lower, int upper, int pile) const {
    if (FaceDown(lower)) return kOutOfSequence;
    const engine::GameDefRecord& def = m_game.gameDef;
    const bool fits = engine::CanPlaceCard(
        m_game.Rules(), lower, upper, def.At(words::kTableauRuleA, pile), def.At(words::kFoundationBase, 0),
        def.At(words::kTableauRuleB, pile), def.At(words::kTableauRuleC, pile), false,
        def.At(words::kTableauRuleD, pile) > 0, pile, false);
    if (!fits) return kOutOfSequence;
    return m_runsBySuit && engine::CardSuit(lower) != engine::CardSuit(upper) ? kOffSuit : 0;
}

bool PositionJudge::FaceDown(int card) const { return card > 0 && m_game.board.cards.IsFaceDown(card); }

}  // namespace test_support
