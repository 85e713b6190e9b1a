#pragma once

#include <string>
#include <string_view>

namespace engine {

class CardTable;
class PileStore;

// One pile as "012u 045d 000": each card's code with "u" (face up) or "d" (face down)
// from the card table; a blanked slot as "000"; a group that is no card as itself with "?".
std::string DumpPile(std::string_view pile, const CardTable& cards);

// Every pile that holds something, one line each in board order (stock row, foundations,
// tableau piles, reserves): "Fila01: 012u 045d". For golden tests and debugging.
std::string DumpBoard(const PileStore& piles);

}  // namespace engine
