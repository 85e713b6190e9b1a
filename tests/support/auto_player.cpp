#include "tests/support/auto_player.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_text.h"
#include "engine/rules/rule_checker.h"
#include "engine/model/board_measures.h"
#include "tests/support/auto_player_judge.h"

namespace test_support {

using engine::ActionKind;
using engine::ActionScope;
using engine::IsWonNow;
using engine::LegalActions;
using engine::PerformActionUngrouped;
using engine::PlayerAction;

namespace {

namespace words = engine::words;
using engine::Game;
using engine::PileListId;
using Spot = PositionJudge::Spot;

// Scores of the action kinds and of what a move does; only their order matters.
constexpr int kPruned = -1;
constexpr int kStockPress = -100;
constexpr int kFromFoundation = 50;
constexpr int kToEmptyPile = 100;
constexpr int kToReserve = 150;
constexpr int kOntoCard = 400;
constexpr int kPlayOrPair = 500;
constexpr int kToFoundation = 800;
constexpr int kUncoversHiddenCard = 300;
constexpr int kEmptiesPile = 200;
constexpr int kFromReserve = 150;
constexpr int kFromWaste = 100;
constexpr int kSameSuit = 50;
constexpr int kMereShuffle = -350;
constexpr int kPerCardFreed = 100;
constexpr int kPerCardLeft = 10;
// A move's own score only breaks ties between moves the judge values alike.
constexpr int kMoveScoreShare = 10;

// The first try gets this share of the budget; each next one kTryGrowth / kTryGrowthBase
// times as much as the one before. From the second on, every action's score is raised by
// up to kShake at random.
constexpr int kFirstTryShare = 16;
constexpr int kTryGrowth = 3;
constexpr int kTryGrowthBase = 2;
constexpr int kShake = 250;

// A foundation's first two cards can never be needed to hold a lower card.
constexpr int kAlwaysSafeCount = 1;
constexpr int kFanSideBySide = 4;
constexpr char kPileEnd = '|';
constexpr char kFaceDownMark = 'd';

const std::string& Line(const Game& game, PileListId list, int line) { return game.board.piles.Pile(list, line); }

int Count(const Game& game, int word) { return game.gameDef[word]; }

// Whether every pile of a run of per-pile words is alike, so that the piles' order says
// nothing about a position.
bool AllAlike(const Game& game, std::initializer_list<engine::GameWordRun> runs, int piles) {
    for (const engine::GameWordRun& run : runs) {
        for (int i = 1; i < piles; ++i) {
            if (game.gameDef.At(run, i) != game.gameDef.At(run, 0)) return false;
        }
    }
    return true;
}

}  // namespace

AutoPlayer::AutoPlayer(Game& game, int budget) : m_game(game), m_budget(budget) {
    const int tableaus = TableauCountOf(game.gameDef);
    m_sortTableau = Count(game, words::kTableauFanMode) != kFanSideBySide &&
                    AllAlike(game,
                             {words::kTableauRuleA, words::kTableauRuleB, words::kTableauRuleC, words::kTableauRuleD,
                              words::kStockToTableauMode},
                             tableaus);
    m_sortReserves =
        AllAlike(game, {words::kReserveRule, words::kStockToReserveMode}, ReserveCountOf(game.gameDef));
    m_sortFoundations =
        AllAlike(game, {words::kFoundationBase, words::kFoundationDirection, words::kFoundationRuleCode},
                 FoundationCountOf(game.gameDef));
}

bool AutoPlayer::Solve() {
    m_path.clear();
    m_pathSteps.clear();
    m_taken = 0;
    // Searches that go wrong early tend to go wrong for long: tries of growing length,
    // each after the first with the order of the actions a little shaken, find more wins
    // in the same budget than one long try.
    int length = std::max(1, m_budget / kFirstTryShare);
    for (int attempt = 0; m_taken < m_budget; ++attempt) {
        m_tryEnd = std::min(m_budget, m_taken + length);
        m_shake = attempt == 0 ? 0 : kShake;
        m_random.seed(static_cast<unsigned>(attempt));
        m_seen.clear();
        m_cutOff = false;
        if (Search()) return true;
        if (!m_cutOff) return false;  // every position was searched: no win exists
        length = length * kTryGrowth / kTryGrowthBase;
    }
    return false;
}

bool AutoPlayer::Search() {
    const std::size_t pathAtEntry = m_path.size();
    PlayForcedActions();
    if (IsWonNow(m_game)) return true;
    if (m_taken >= m_tryEnd) m_cutOff = true;
    if (m_taken < m_tryEnd && m_seen.insert(Key()).second) {
        for (const Candidate& candidate : Ordered(LegalActions(m_game))) {
            if (!Take(candidate.action)) continue;
            if (Search()) return true;
            UndoNewest();
            if (m_taken >= m_tryEnd) {
                m_cutOff = true;
                break;
            }
        }
    }
    while (m_path.size() > pathAtEntry) UndoNewest();
    return false;
}

bool AutoPlayer::Take(const PlayerAction& action) {
    ++m_taken;
    const Counters before = SaveCounters();
    const int steps = PerformActionUngrouped(m_game, action);
    if (steps <= 0) {
        // No step for Undo to take back, yet the action may have counted itself; a replay
        // of the path would not make it.
        RestoreCounters(before);
        return false;
    }
    m_path.push_back(action);
    m_pathSteps.push_back(steps);
    return true;
}

void AutoPlayer::UndoNewest() {
    for (int i = 0; i < m_pathSteps.back(); ++i) m_game.undo.UndoLastStep();
    m_path.pop_back();
    m_pathSteps.pop_back();
}

void AutoPlayer::PlayForcedActions() {
    for (bool again = true; again && !IsWonNow(m_game);) {
        again = false;
        for (const PlayerAction& action : LegalActions(m_game, ActionScope::kFoundationsAndTurns)) {
            if (IsForced(action) && Take(action)) {
                again = true;
                break;
            }
        }
    }
}

bool AutoPlayer::IsForced(const PlayerAction& action) const {
    switch (action.kind) {
        case ActionKind::kTurnUp: return true;
        case ActionKind::kSelect: return action.second == 0;
        case ActionKind::kMove: return IsSafeToFoundation(action);
        case ActionKind::kStock:
        case ActionKind::kDiscard: return false;
    }
    return false;
}

// A card going up as the (n + 1)-th card of its foundation can only ever have held cards
// that would go up as n-th cards: once every foundation holds n cards, none is left. A
// card already up that could go to another foundation would only change places.
bool AutoPlayer::IsSafeToFoundation(const PlayerAction& action) const {
    const std::optional<engine::PileRef> target = engine::ParsePileName(action.target);
    if (!target || target->list != PileListId::kDest) return false;
    if (engine::FindPileCard(Line(m_game, PileListId::kDest, target->line), action.card) >= 0) return false;
    for (int f = 0; f < FoundationCountOf(m_game.gameDef); ++f) {
        if (f != target->line && engine::FindPileCard(Line(m_game, PileListId::kDest, f), action.card) >= 0) {
            return false;
        }
    }
    const int held = engine::PileCardCount(Line(m_game, PileListId::kDest, target->line));
    if (held <= kAlwaysSafeCount) return true;
    for (int f = 0; f < FoundationCountOf(m_game.gameDef); ++f) {
        if (engine::PileCardCount(Line(m_game, PileListId::kDest, f)) < held) return false;
    }
    return true;
}

std::vector<AutoPlayer::Candidate> AutoPlayer::Ordered(const std::vector<PlayerAction>& actions) const {
    const PositionJudge judge(m_game);
    const int now = judge.Value();
    std::vector<Candidate> candidates;
    for (const PlayerAction& action : actions) {
        int score = Score(judge, action);
        if (score == kPruned) continue;
        if (action.kind == ActionKind::kMove) score = judge.ValueAfter(action) - now + score / kMoveScoreShare;
        const int shake = m_shake > 0 ? std::uniform_int_distribution<int>(0, m_shake)(m_random) : 0;
        candidates.push_back({action, score + shake});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    return candidates;
}

int AutoPlayer::Score(const PositionJudge& judge, const PlayerAction& action) const {
    switch (action.kind) {
        case ActionKind::kMove: return MoveScore(judge, action);
        case ActionKind::kStock: return kStockPress;
        case ActionKind::kTurnUp: return kToFoundation;
        case ActionKind::kSelect: {
            // Cards taken off the rows open the pyramid; the stock and waste wait their turn.
            int fromRows = 0;
            for (const int card : {action.card, action.second}) {
                if (card != 0 && judge.Where(card).list == PileListId::kFila) ++fromRows;
            }
            return kPlayOrPair + fromRows * kPerCardFreed;
        }
        case ActionKind::kDiscard: {
            const Spot& from = judge.Where(action.card);
            return kPlayOrPair + engine::PileCardCount(Line(m_game, PileListId::kFila, from.line)) * kPerCardLeft;
        }
    }
    return kPruned;
}

int AutoPlayer::MoveScore(const PositionJudge& judge, const PlayerAction& action) const {
    const std::optional<engine::PileRef> to = engine::ParsePileName(action.target);
    if (!to) return kPruned;
    const Spot& from = judge.Where(action.card);
    if (to->list == PileListId::kDest) return from.list == PileListId::kDest ? kPruned : kToFoundation;
    if (from.list == PileListId::kDest) return kFromFoundation;

    // What lifting the card leaves behind on a tableau pile.
    int below = 0;
    bool emptiesPile = false;
    if (from.list == PileListId::kFila) {
        emptiesPile = from.position == 0;
        below = from.position > 0 ? engine::PileCardAt(Line(m_game, PileListId::kFila, from.line), from.position - 1)
                                  : 0;
    }
    const bool uncovers = below > 0 && m_game.board.cards.IsFaceDown(below);
    const int opened = (uncovers ? kUncoversHiddenCard : 0) + (emptiesPile ? kEmptiesPile : 0);
    const std::string& target = Line(m_game, to->list, to->line);

    if (to->list == PileListId::kAppogg) return from.list == PileListId::kAppogg ? kPruned : kToReserve + opened;
    if (target.empty()) {
        // A whole pile moved to another empty pile changes nothing.
        return emptiesPile ? kPruned : kToEmptyPile + opened;
    }
    int score = kOntoCard + opened;
    if (from.list == PileListId::kAppogg) score += kFromReserve;
    if (from.list == PileListId::kMazzo) score += kFromWaste;
    const bool sameSuitThere = engine::CardSuit(engine::PileTopCard(target)) == engine::CardSuit(action.card);
    if (sameSuitThere) score += kSameSuit;
    // A card that already lies on a card that would take it only changes places, unless
    // it joins its own suit.
    if (below > 0 && !uncovers) {
        const int i = from.line;
        const engine::GameDefRecord& def = m_game.gameDef;
        const bool fits = engine::CanPlaceCard(
            m_game.Rules(), below, action.card, def.At(words::kTableauRuleA, i), def.At(words::kFoundationBase, 0),
            def.At(words::kTableauRuleB, i), def.At(words::kTableauRuleC, i), false,
            def.At(words::kTableauRuleD, i) > 0, i, false);
        const bool sameSuitHere = engine::CardSuit(below) == engine::CardSuit(action.card);
        if (fits && (sameSuitHere || !sameSuitThere)) score += kMereShuffle;
    }
    return score;
}

// The position as a number: every pile with its cards' face flags, the piles of each kind
// in a fixed order when they are all alike, and the redeals done where they are limited.
std::uint64_t AutoPlayer::Key() const {
    const auto pileText = [this](PileListId list, int line) {
        const std::string& pile = Line(m_game, list, line);
        std::string text = pile;
        for (int i = 0; i < engine::PileCardCount(pile); ++i) {
            const int card = engine::PileCardAt(pile, i);
            if (card > 0 && m_game.board.cards.IsFaceDown(card)) text += kFaceDownMark;
        }
        return text + kPileEnd;
    };
    const auto group = [&pileText](PileListId list, int count, bool sort) {
        std::vector<std::string> piles;
        for (int line = 0; line < count; ++line) piles.push_back(pileText(list, line));
        if (sort) std::sort(piles.begin(), piles.end());
        std::string text;
        for (const std::string& pile : piles) text += pile;
        return text;
    };
    // Of the discard line only the top card can still matter.
    std::string key = pileText(PileListId::kMazzo, engine::kStockLine) + pileText(PileListId::kMazzo, engine::kWasteLine) +
                      std::to_string(engine::PileTopCard(Line(m_game, PileListId::kMazzo, engine::kThirdStockLine)));
    key += group(PileListId::kFila, TableauCountOf(m_game.gameDef), m_sortTableau);
    key += group(PileListId::kAppogg, ReserveCountOf(m_game.gameDef), m_sortReserves);
    key += group(PileListId::kDest, FoundationCountOf(m_game.gameDef), m_sortFoundations);
    // Without a pass limit the redeals done change nothing that is left to do.
    if (!m_game.gameDef.IsNoLimit(words::kPassLimit)) key += std::to_string(m_game.mainGame.RedealCount);
    return std::hash<std::string>{}(key);
}

AutoPlayer::Counters AutoPlayer::SaveCounters() const {
    return {m_game.mainGame.RedealCount, m_game.mainGame.StockHighlightShown, m_game.mainGame.ActionCount};
}

void AutoPlayer::RestoreCounters(const Counters& counters) {
    m_game.mainGame.RedealCount = counters.redealCount;
    m_game.mainGame.StockHighlightShown = counters.stockHighlightShown;
    m_game.mainGame.ActionCount = counters.actionCount;
}

}  // namespace test_support
