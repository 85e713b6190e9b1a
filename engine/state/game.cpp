#include "engine/state/game.h"

#include "engine/rules/score_display.h"

namespace engine {

DealContext Game::Deal() {
    return DealContext{board.piles,
                       gameDef,
                       settings,
                       registers,
                       services.messages,
                       services.random,
                       [this](int cards) {
                           StatusContext status = Status();
                           UpdateScore(status, cards);
                       },
                       [this] {
                           StatusContext status = Status();
                           ComputeScore(status);
                       }};
}

}  // namespace engine
