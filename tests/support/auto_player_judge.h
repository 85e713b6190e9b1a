#pragma once

#include <array>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/pile_names.h"
#include "tests/support/auto_player_moves.h"

namespace engine {
class Game;
}

namespace test_support {

// The automatic player's rough judgement of a drag game's position, and of the position a
// move would leave, worked out on a sketch of the board without making the move: cards on
// the foundations count most, then cards still face down, free places, cards lying out of
// sequence, and cards soon needed on the foundations that other cards still cover. Only
// the order of the values means anything.
class PositionJudge {
public:
    // Where a card lies: its pile and its place in it (0 the bottom card).
    struct Spot {
        engine::PileListId list = engine::PileListId::kMazzo;
        int line = -1;  // -1: nowhere
        int position = -1;
    };

    explicit PositionJudge(engine::Game& game);

    const Spot& Where(int card) const;

    // The value of the position as it stands.
    int Value() const;
    // The value of the position after the move (a kMove action); the move is assumed legal.
    int ValueAfter(const PlayerAction& move) const;

private:
    static constexpr int kSuits = 4;

    // The tableau, the counts of the other piles and the foundations' progress.
    struct Sketch {
        std::vector<std::vector<int>> tableau;
        std::vector<int> reserveCounts;
        std::array<int, kSuits> progress{};  // cards up, of the suit's furthest foundation
        int foundationCards = 0;
        int faceDown = 0;
    };

    int Judge(const Sketch& sketch) const;
    int Need(const Sketch& sketch, int card) const;
    int SequenceValue(int lower, int upper, int pile) const;
    bool FaceDown(int card) const;

    engine::Game& m_game;
    std::array<Spot, engine::kCardCount + 1> m_spots{};
    Sketch m_sketch;
    int m_start;  // the foundations' start rank
    bool m_emptyTakesAny;
    bool m_runsBySuit;
    bool m_closedReserves;  // the reserves take no cards (ReserveRule 4)
};

}  // namespace test_support
