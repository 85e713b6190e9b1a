#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <unordered_set>
#include <vector>

#include "engine/play/player_actions.h"

namespace engine {
class Game;
}

namespace test_support {

class PositionJudge;

// An automatic player for tests and tools, not a feature of the game: a depth-first search
// over the actions the table would let a player take (LegalActions), each made through
// the engine as a player's action is (PerformActionUngrouped) and taken back with Undo.
// Actions that cannot hurt (turning a card up, a card to a foundation that no tableau card
// can need any more, a King of a pairing game) are taken without branching; the others
// are tried best first by a rough judgement of the position they leave (PositionJudge).
// Positions already searched are not searched again. The search runs as tries of growing
// length, each after the first with the order of the actions shaken a little.
//
// The budget counts every action taken, including those backed out of, so a search ends
// in a bounded time whether or not it wins; the same budget always gives the same result.
class AutoPlayer {
public:
    AutoPlayer(engine::Game& game, int budget);

    // Searches from the current position. True when it won: the game is then left in its
    // won position, and Path() leads there from where the search started.
    bool Solve();

    const std::vector<engine::PlayerAction>& Path() const { return m_path; }
    int ActionsTaken() const { return m_taken; }

private:
    // The counters an action may raise even when it leaves no undo step.
    struct Counters {
        std::int16_t redealCount;
        std::int16_t stockHighlightShown;
        std::int16_t actionCount;
    };

    struct Candidate {
        engine::PlayerAction action;
        int score;
    };

    bool Search();
    bool Take(const engine::PlayerAction& action);
    void UndoNewest();
    void PlayForcedActions();
    bool IsForced(const engine::PlayerAction& action) const;
    bool IsSafeToFoundation(const engine::PlayerAction& action) const;
    std::vector<Candidate> Ordered(const std::vector<engine::PlayerAction>& actions) const;
    int Score(const PositionJudge& judge, const engine::PlayerAction& action) const;
    int MoveScore(const PositionJudge& judge, const engine::PlayerAction& action) const;
    std::uint64_t Key() const;
    Counters SaveCounters() const;
    void RestoreCounters(const Counters& counters);

    engine::Game& m_game;
    int m_budget;
    // Whether the piles of a kind are all alike, so that the key may sort them.
    bool m_sortTableau = false;
    bool m_sortReserves = false;
    bool m_sortFoundations = false;
    int m_taken = 0;
    std::vector<engine::PlayerAction> m_path;
    std::vector<int> m_pathSteps;  // the undo steps each action of the path pushed
    int m_tryEnd = 0;         // the try ends when m_taken reaches it
    bool m_cutOff = false;    // the try ended before it had searched every position
    int m_shake = 0;
    mutable std::mt19937 m_random;
    std::unordered_set<std::uint64_t> m_seen;
};

}  // namespace test_support
