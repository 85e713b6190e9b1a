// Every row of the rule table, with at least one card it accepts and one it refuses.
#include <gtest/gtest.h>

#include "tests/engine/rule_fixture.h"

namespace {

using namespace rule_test;
using engine::words::kFoundationBase;
using engine::words::kReserveRule;
using engine::words::kTableauRuleA;
using engine::words::kTableauRuleD;

using Setup = void (*)(RuleBoard&);

struct RuleCase {
    const char* name;
    int rule;
    int top;
    int card;
    bool expected;
    Setup setup = nullptr;
    int base = -1;
    int start = -1;
    int direction = 1;
    bool foundation = true;
    bool pastStart = true;
    int pile = 0;
    bool stockTest = true;
};

void Check(const RuleCase& c) {
    SCOPED_TRACE(c.name);
    RuleBoard b;
    if (c.setup != nullptr) c.setup(b);
    const engine::PlaceQuery q{c.top, c.card, c.base, c.start, c.direction, c.rule, c.foundation, c.pastStart,
                               c.pile, c.stockTest};
    EXPECT_EQ(engine::CanPlaceCard(b.Ctx(), q), c.expected);
}

const RuleCase kRankRows[] = {
    {.name = "4 refuses", .rule = 4, .top = H(5), .card = H(6), .expected = false},
    {.name = "5 refuses on empty", .rule = 5, .top = -1, .card = H(1), .expected = false},
    {.name = "8 builds without suit", .rule = 8, .top = H(5), .card = S(6), .expected = true},
    {.name = "8 general refuses a skip", .rule = 8, .top = H(5), .card = S(7), .expected = false},
    {.name = "13 general refuses a skip", .rule = 13, .top = H(5), .card = S(7), .expected = false},
    {.name = "11 Queen on King", .rule = 11, .top = H(kK), .card = H(kQ), .expected = false, .direction = 0},
    {.name = "11 Queen on Jack", .rule = 11, .top = H(kJ), .card = H(kQ), .expected = false},
    {.name = "11 same suit down", .rule = 11, .top = H(5), .card = H(4), .expected = true, .direction = 0},
    {.name = "11 other suit", .rule = 11, .top = H(5), .card = D(4), .expected = false, .direction = 0},
    {.name = "12 anything", .rule = 12, .top = H(5), .card = S(9), .expected = true},
    {.name = "14 step two", .rule = 14, .top = H(5), .card = S(7), .expected = true},
    {.name = "14 wraps past King", .rule = 14, .top = H(kQ), .card = C(kA), .expected = true},
    {.name = "14 refuses step one", .rule = 14, .top = H(5), .card = S(6), .expected = false},
    {.name = "15 step three wraps", .rule = 15, .top = H(kJ), .card = D(kA), .expected = true},
    {.name = "15 refuses step two", .rule = 15, .top = H(5), .card = S(7), .expected = false},
    {.name = "16 step four", .rule = 16, .top = H(4), .card = S(8), .expected = true},
    {.name = "16 refuses step three", .rule = 16, .top = H(4), .card = S(7), .expected = false},
    {.name = "20 Ace on empty", .rule = 20, .top = -1, .card = S(kA), .expected = true},
    {.name = "20 Ace on King", .rule = 20, .top = H(kK), .card = S(kA), .expected = true},
    {.name = "20 Two on Ace", .rule = 20, .top = H(kA), .card = C(2), .expected = true},
    {.name = "20 Three on Ace", .rule = 20, .top = H(kA), .card = C(3), .expected = false},
    {.name = "21 same suit", .rule = 21, .top = H(5), .card = H(6), .expected = false},
    {.name = "21 other suit", .rule = 21, .top = H(5), .card = S(6), .expected = true},
    {.name = "24 King on Queen", .rule = 24, .top = H(kQ), .card = H(kK), .expected = false},
    {.name = "24 Queen on King", .rule = 24, .top = H(kK), .card = H(kQ), .expected = false, .direction = 0},
    {.name = "24 other suit", .rule = 24, .top = H(5), .card = D(4), .expected = false, .direction = 0},
    {.name = "24 same suit", .rule = 24, .top = H(5), .card = H(4), .expected = true, .direction = 0},
    {.name = "25 up by two", .rule = 25, .top = H(5), .card = H(7), .expected = true},
    {.name = "25 down by two", .rule = 25, .top = H(5), .card = H(3), .expected = true, .direction = 0},
    {.name = "25 up by one", .rule = 25, .top = H(5), .card = H(6), .expected = false},
    {.name = "25 empty is general", .rule = 25, .top = -1, .card = S(4), .expected = true, .base = 4},
    {.name = "28 empty", .rule = 28, .top = -1, .card = S(9), .expected = true},
    {.name = "28 Two on Ace", .rule = 28, .top = H(kA), .card = S(2), .expected = true},
    {.name = "28 King on Ace", .rule = 28, .top = H(kA), .card = S(kK), .expected = false},
    {.name = "28 Queen on King", .rule = 28, .top = H(kK), .card = S(kQ), .expected = true},
    {.name = "28 down any suit", .rule = 28, .top = H(5), .card = S(4), .expected = true},
    {.name = "28 skip", .rule = 28, .top = H(5), .card = S(7), .expected = false},
    {.name = "31 on Ace", .rule = 31, .top = H(kA), .card = H(kK), .expected = false},
    {.name = "31 down in suit", .rule = 31, .top = H(5), .card = H(4), .expected = true},
    {.name = "32 on King", .rule = 32, .top = H(kK), .card = H(kA), .expected = false},
    {.name = "32 up in suit", .rule = 32, .top = H(5), .card = H(6), .expected = true},
    {.name = "34 down any suit", .rule = 34, .top = H(5), .card = S(4), .expected = true},
    {.name = "34 up", .rule = 34, .top = H(5), .card = S(6), .expected = false},
    {.name = "35 King on Ace", .rule = 35, .top = H(kA), .card = S(kK), .expected = true},
    {.name = "35 Ace on King", .rule = 35, .top = H(kK), .card = S(kA), .expected = true},
    {.name = "35 skip", .rule = 35, .top = H(5), .card = S(7), .expected = false},
    {.name = "39 Ace on empty", .rule = 39, .top = -1, .card = S(kA), .expected = true},
    {.name = "39 Two on empty", .rule = 39, .top = -1, .card = S(2), .expected = false},
    {.name = "39 Queen", .rule = 39, .top = H(kJ), .card = H(kQ), .expected = false},
    {.name = "39 up", .rule = 39, .top = H(5), .card = S(6), .expected = true},
    {.name = "43 plus two in suit", .rule = 43, .top = H(5), .card = H(7), .expected = true},
    {.name = "43 other suit", .rule = 43, .top = H(5), .card = S(7), .expected = false},
    {.name = "44 King", .rule = 44, .top = H(kQ), .card = H(kK), .expected = false},
    {.name = "44 Ace on empty", .rule = 44, .top = -1, .card = H(kA), .expected = true},
    {.name = "44 up", .rule = 44, .top = H(3), .card = C(4), .expected = true},
    {.name = "60 Two on Ace in suit", .rule = 60, .top = H(kA), .card = H(2), .expected = true},
    {.name = "60 other suit", .rule = 60, .top = H(5), .card = S(4), .expected = false},
    {.name = "60 empty", .rule = 60, .top = -1, .card = S(4), .expected = true},
    {.name = "61 Two on King", .rule = 61, .top = H(kK), .card = H(2), .expected = true},
    {.name = "61 Ace on Queen", .rule = 61, .top = H(kQ), .card = H(kA), .expected = true},
    {.name = "61 Two on King other suit", .rule = 61, .top = H(kK), .card = S(2), .expected = false},
    {.name = "61 up by two", .rule = 61, .top = H(5), .card = H(7), .expected = true},
    {.name = "73 rank of the pile number", .rule = 73, .top = -1, .card = S(3), .expected = true, .pile = 2},
    {.name = "73 other rank", .rule = 73, .top = -1, .card = S(4), .expected = false, .pile = 2},
    {.name = "86 every Ace on empty", .rule = 86, .top = -1, .card = S(kA), .expected = true},
    {.name = "86 Six of clubs on Five of hearts", .rule = 86, .top = H(5), .card = C(6), .expected = true},
    {.name = "86 Six of diamonds on Five of hearts", .rule = 86, .top = H(5), .card = D(6), .expected = false},
    {.name = "86 spades follow diamonds", .rule = 86, .top = D(5), .card = S(6), .expected = true},
    {.name = "87 any card on empty", .rule = 87, .top = -1, .card = D(9), .expected = true},
    {.name = "87 down, hearts after spades", .rule = 87, .top = S(9), .card = H(8), .expected = true},
    {.name = "87 down, wrong suit", .rule = 87, .top = S(9), .card = C(8), .expected = false},
    {.name = "92 Ace", .rule = 92, .top = H(5), .card = S(kA), .expected = true},
    {.name = "92 Two", .rule = 92, .top = -1, .card = S(2), .expected = false},
};

const RuleCase kSourceRows[] = {
    {.name = "7 empty pile, empty stock", .rule = 7, .top = -1, .card = H(3), .expected = true},
    {.name = "7 stock holds cards", .rule = 7, .top = -1, .card = H(3), .expected = false,
     .setup = [](RuleBoard& b) { b.Stock({S(2)}); }},
    {.name = "7 pile holds cards", .rule = 7, .top = H(2), .card = H(3), .expected = false},
    {.name = "7 without the stock test", .rule = 7, .top = H(5), .card = H(6), .expected = true, .stockTest = false},
    {.name = "17 from tableau", .rule = 17, .top = -1, .card = H(3), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(2, {H(3)}); }},
    {.name = "17 from waste", .rule = 17, .top = -1, .card = H(3), .expected = true,
     .setup = [](RuleBoard& b) { b.Waste({H(3)}); }},
    {.name = "18 from tableau to empty pile", .rule = 18, .top = -1, .card = H(3), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(2, {H(3)}); }, .pile = 1},
    {.name = "18 from tableau to held pile", .rule = 18, .top = S(9), .card = H(3), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(1, {S(9)}); b.Fila(2, {H(3)}); }, .pile = 1},
    {.name = "19 from reserve", .rule = 19, .top = -1, .card = H(3), .expected = false,
     .setup = [](RuleBoard& b) { b.Appogg(1, {H(3)}); }},
    {.name = "19 from stock", .rule = 19, .top = -1, .card = H(3), .expected = true,
     .setup = [](RuleBoard& b) { b.Stock({H(3)}); }},
    {.name = "27 from foundation", .rule = 27, .top = H(5), .card = S(4), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(1, {S(4)}); }, .direction = 0},
    {.name = "27 alternating from waste", .rule = 27, .top = H(5), .card = S(4), .expected = true,
     .setup = [](RuleBoard& b) { b.Waste({S(4)}); }, .direction = 0},
    {.name = "27 same colour", .rule = 27, .top = H(5), .card = D(4), .expected = false, .direction = 0},
    {.name = "33 from tableau", .rule = 33, .top = -1, .card = H(3), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(3, {H(3)}); }},
    {.name = "33 onto two cards", .rule = 33, .top = S(5), .card = H(3), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {S(4), S(5)}); }},
    {.name = "33 onto one card", .rule = 33, .top = S(5), .card = H(3), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {S(5)}); }},
    {.name = "54 empty, from reserve", .rule = 54, .top = -1, .card = H(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Appogg(0, {H(5)}); b.Word(kTableauRuleA, 0, -1); }},
    {.name = "54 empty, any card", .rule = 54, .top = -1, .card = H(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kTableauRuleA, 0, -1); }},
    {.name = "54 empty, wrong base", .rule = 54, .top = -1, .card = H(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Word(kTableauRuleA, 0, kK); }},
    {.name = "54 King on Ace past start", .rule = 54, .top = H(kA), .card = S(kK), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kTableauRuleD, 0, 1); }},
    {.name = "54 King on Ace", .rule = 54, .top = H(kA), .card = S(kK), .expected = false},
    {.name = "56 same rank from a later pile", .rule = 56, .top = H(5), .card = S(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(4, {S(5)}); }, .pile = 3},
    {.name = "56 same rank from an earlier pile", .rule = 56, .top = H(5), .card = S(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(1, {S(5)}); }, .pile = 3},
    {.name = "79 twelfth card from own reserve", .rule = 79, .top = H(kQ), .card = H(kK), .expected = true,
     .setup = [](RuleBoard& b) {
         b.Dest(1, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12)});
         b.Appogg(1, {H(kK)});
     }, .pile = 1},
    {.name = "79 twelfth card from elsewhere", .rule = 79, .top = H(kQ), .card = H(kK), .expected = false,
     .setup = [](RuleBoard& b) {
         b.Dest(1, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12)});
         b.Waste({H(kK)});
     }, .pile = 1},
    {.name = "79 early card from reserve", .rule = 79, .top = H(2), .card = H(3), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(1, {H(1), H(2)}); b.Appogg(1, {H(3)}); }, .pile = 1},
    {.name = "79 base from waste", .rule = 79, .top = -1, .card = S(4), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 0, 4); b.Waste({S(4)}); }},
    {.name = "80 from tableau", .rule = 80, .top = H(5), .card = H(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(5)}); b.Fila(3, {H(6)}); }},
    {.name = "80 wraps in suit", .rule = 80, .top = H(kK), .card = H(kA), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(kK)}); }},
    {.name = "80 other suit", .rule = 80, .top = H(5), .card = S(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(5)}); }},
    {.name = "81 empty reserve", .rule = 81, .top = -1, .card = S(9), .expected = true},
    {.name = "81 from reserve", .rule = 81, .top = -1, .card = S(9), .expected = false,
     .setup = [](RuleBoard& b) { b.Appogg(2, {S(9)}); }},
    {.name = "81 down in suit", .rule = 81, .top = S(9), .card = S(8), .expected = true,
     .setup = [](RuleBoard& b) { b.Appogg(0, {S(9)}); }},
    {.name = "94 empty, from tableau", .rule = 94, .top = -1, .card = S(9), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(3, {S(9)}); }},
    {.name = "94 empty, from waste with a reserve held", .rule = 94, .top = -1, .card = S(9), .expected = false,
     .setup = [](RuleBoard& b) { b.Waste({S(9)}); b.Appogg(1, {H(2)}); }},
    {.name = "94 empty, from waste", .rule = 94, .top = -1, .card = S(9), .expected = true,
     .setup = [](RuleBoard& b) { b.Waste({S(9)}); }},
    {.name = "94 same colour", .rule = 94, .top = H(9), .card = D(8), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(9)}); }},
    {.name = "94 down alternating", .rule = 94, .top = H(9), .card = S(8), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(9)}); }},
};

const RuleCase kPileRows[] = {
    {.name = "23 waste holds cards", .rule = 23, .top = H(5), .card = H(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Waste({S(2)}); }},
    {.name = "23 empty pile", .rule = 23, .top = -1, .card = H(kA), .expected = false},
    {.name = "23 up in suit", .rule = 23, .top = H(5), .card = H(6), .expected = true},
    {.name = "26 empty", .rule = 26, .top = -1, .card = H(5), .expected = false},
    {.name = "26 onto three cards", .rule = 26, .top = H(5), .card = S(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(7), H(6), H(5)}); }},
    {.name = "26 either way", .rule = 26, .top = H(5), .card = S(4), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(6), H(5)}); }},
    {.name = "30 King on Ace", .rule = 30, .top = H(kA), .card = H(kK), .expected = false},
    {.name = "30 one card, either way", .rule = 30, .top = H(5), .card = H(4), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(5)}); }},
    {.name = "30 other suit", .rule = 30, .top = H(5), .card = S(4), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(5)}); }},
    {.name = "30 going down", .rule = 30, .top = H(6), .card = H(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(7), H(6)}); }},
    {.name = "30 going down refuses up", .rule = 30, .top = H(6), .card = H(7), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(7), H(6)}); }},
    {.name = "30 going up", .rule = 30, .top = H(6), .card = H(7), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(5), H(6)}); }},
    {.name = "36 start on the first foundation", .rule = 36, .top = -1, .card = S(kK), .expected = true,
     .start = kK},
    {.name = "36 start before the previous one", .rule = 36, .top = -1, .card = S(kK), .expected = false,
     .start = kK, .pile = 1},
    {.name = "36 start after the previous one", .rule = 36, .top = -1, .card = S(kK), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(0, {H(kK)}); }, .start = kK, .pile = 1},
    {.name = "36 King on Ace", .rule = 36, .top = H(kA), .card = S(kK), .expected = true},
    {.name = "36 up", .rule = 36, .top = H(5), .card = S(6), .expected = false},
    {.name = "37 doubles", .rule = 37, .top = H(7), .card = S(kA), .expected = true},
    {.name = "37 not doubled", .rule = 37, .top = H(3), .card = S(7), .expected = false},
    {.name = "37 King too early", .rule = 37, .top = H(kK), .card = S(kK), .expected = false},
    {.name = "38 King on empty", .rule = 38, .top = -1, .card = S(kK), .expected = true},
    {.name = "38 Queen on empty", .rule = 38, .top = -1, .card = S(kQ), .expected = false},
    {.name = "38 any low card on a lone King", .rule = 38, .top = H(kK), .card = S(4), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(kK)}); }},
    {.name = "38 Queen on a lone King", .rule = 38, .top = H(kK), .card = S(kQ), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(kK)}); }},
    {.name = "38 waste holds cards", .rule = 38, .top = -1, .card = S(kK), .expected = false,
     .setup = [](RuleBoard& b) { b.Waste({S(2)}); }},
    {.name = "40 rank called", .rule = 40, .top = H(9), .card = S(3), .expected = true,
     .setup = [](RuleBoard& b) { b.registers.SetIntReg(engine::kStockDealCountReg, 16); b.Stock({H(2), H(4)}); }},
    {.name = "40 King at a remainder 0", .rule = 40, .top = H(9), .card = S(kK), .expected = true,
     .setup = [](RuleBoard& b) { b.registers.SetIntReg(engine::kStockDealCountReg, 26); b.Stock({H(2), H(4)}); }},
    {.name = "40 rank not called", .rule = 40, .top = H(9), .card = S(4), .expected = false,
     .setup = [](RuleBoard& b) { b.registers.SetIntReg(engine::kStockDealCountReg, 3); b.Stock({H(2), H(4)}); }},
    {.name = "40 last stock card", .rule = 40, .top = H(9), .card = S(4), .expected = true,
     .setup = [](RuleBoard& b) { b.registers.SetIntReg(engine::kStockDealCountReg, 3); b.Waste({H(2)}); }},
    {.name = "41 base with suits apart", .rule = 41, .top = -1, .card = S(2), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 1, 2); b.Dest(0, {H(2)}); }, .pile = 1},
    {.name = "41 base with a suit taken", .rule = 41, .top = -1, .card = S(2), .expected = false,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 1, 2); b.Dest(0, {S(2)}); }, .pile = 1},
    {.name = "41 plus two wraps", .rule = 41, .top = S(kQ), .card = S(kA), .expected = true},
    {.name = "41 plus two, other suit", .rule = 41, .top = S(5), .card = H(7), .expected = false},
    {.name = "42 up in suit", .rule = 42, .top = H(5), .card = H(6), .expected = true},
    {.name = "42 King after partner's King", .rule = 42, .top = H(kQ), .card = H(kK), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(7, {S(kK)}); }, .pile = 1},
    {.name = "42 King before partner's King", .rule = 42, .top = H(kQ), .card = H(kK), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(7, {S(kQ)}); }, .pile = 1},
    {.name = "42 King with no partner foundation", .rule = 42, .top = H(kQ), .card = H(kK), .expected = false,
     .pile = 12},
    {.name = "45 King on empty", .rule = 45, .top = -1, .card = S(kK), .expected = true},
    {.name = "45 King on a card", .rule = 45, .top = H(2), .card = S(kK), .expected = false},
    {.name = "45 anything on a lone card", .rule = 45, .top = H(2), .card = S(9), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(2)}); }},
    {.name = "45 down", .rule = 45, .top = H(9), .card = S(8), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(10), H(9)}); }},
    {.name = "45 waste holds cards", .rule = 45, .top = -1, .card = S(kK), .expected = false,
     .setup = [](RuleBoard& b) { b.Waste({S(2)}); }},
    {.name = "46 base", .rule = 46, .top = -1, .card = S(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 0, 5); }},
    {.name = "46 up, never a Queen", .rule = 46, .top = S(kJ), .card = S(kQ), .expected = false},
    {.name = "46 up", .rule = 46, .top = S(3), .card = H(4), .expected = true},
    {.name = "49 base beside an empty pile", .rule = 49, .top = -1, .card = S(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 0, 5); }},
    {.name = "49 base beside a held pile, any suit", .rule = 49, .top = -1, .card = S(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 0, 5); b.Fila(0, {H(9)}); }},
    {.name = "51 base of the pile's suit", .rule = 51, .top = -1, .card = S(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 0, 5); b.Fila(0, {S(9), H(2)}); }},
    {.name = "51 base of another suit", .rule = 51, .top = -1, .card = S(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 0, 5); b.Fila(0, {H(9)}); }},
    {.name = "47 King on Ace", .rule = 47, .top = S(kA), .card = H(kK), .expected = true},
    {.name = "47 never a Queen", .rule = 47, .top = S(kK), .card = H(kQ), .expected = false},
    {.name = "50 partner pile empty", .rule = 50, .top = -1, .card = S(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 9, 5); }, .pile = 9},
    {.name = "50 no partner below the eighth", .rule = 50, .top = -1, .card = S(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 2, 5); }, .pile = 2},
    {.name = "52 partner's suit", .rule = 52, .top = -1, .card = S(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 9, 5); b.Fila(1, {S(kJ)}); }, .pile = 9},
    {.name = "52 another suit", .rule = 52, .top = -1, .card = S(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 9, 5); b.Fila(1, {D(kJ)}); }, .pile = 9},
    {.name = "48 Queen on empty", .rule = 48, .top = -1, .card = S(kQ), .expected = true},
    {.name = "48 any but a Queen on a lone Queen", .rule = 48, .top = H(kQ), .card = S(kK), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(kQ)}); }},
    {.name = "48 Queen on a lone Queen", .rule = 48, .top = H(kQ), .card = S(kQ), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(kQ)}); }},
    {.name = "53 before the first foundation is full", .rule = 53, .top = -1, .card = S(kA), .expected = false,
     .setup = [](RuleBoard& b) { b.Word(kFoundationBase, 1, 1); }, .pile = 1},
    {.name = "53 Ace on King", .rule = 53, .top = H(kK), .card = S(kA), .expected = true},
    {.name = "55 up in colour", .rule = 55, .top = H(5), .card = D(6), .expected = true},
    {.name = "55 two cards waiting in the waste", .rule = 55, .top = H(5), .card = D(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Waste({S(2), S(3)}); }},
    {.name = "55 only the waste's last card", .rule = 55, .top = H(5), .card = D(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Waste({S(2)}); }},
    {.name = "55 the waste's last card", .rule = 55, .top = H(5), .card = D(6), .expected = true,
     .setup = [](RuleBoard& b) { b.Waste({D(6)}); }},
    {.name = "76 lower", .rule = 76, .top = H(5), .card = S(3), .expected = true,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(5)}); }},
    {.name = "76 higher", .rule = 76, .top = H(5), .card = S(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Fila(0, {H(5)}); }},
    {.name = "77 a Two after four Aces", .rule = 77, .top = S(kA), .card = H(2), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(0, {H(kA), D(kA), C(kA), S(kA)}); }},
    {.name = "77 a fifth Ace", .rule = 77, .top = S(kA), .card = Second(H(kA)), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(0, {H(kA), D(kA), C(kA), S(kA)}); }},
    {.name = "77 a second Ace", .rule = 77, .top = H(kA), .card = S(kA), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(0, {H(kA)}); }},
    {.name = "78 any Ace on a King", .rule = 78, .top = H(kK), .card = S(kA), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(0, {H(kK)}); }},
    {.name = "78 up, other suit", .rule = 78, .top = H(5), .card = S(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(0, {H(5)}); }},
    {.name = "82 stock holds cards", .rule = 82, .top = -1, .card = S(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Stock({H(2)}); }, .base = 5},
    {.name = "82 empty with a suit free", .rule = 82, .top = -1, .card = S(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(1, {H(5)}); }, .base = 5},
    {.name = "82 empty with the suit taken", .rule = 82, .top = -1, .card = S(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(1, {S(5)}); }, .base = 5},
    {.name = "82 other suit on a card", .rule = 82, .top = H(5), .card = S(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(0, {H(5)}); }},
    {.name = "83 stops at its own rank", .rule = 83, .top = H(4), .card = S(3), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(3, {H(5), H(4)}); }, .pile = 3},
    {.name = "83 down", .rule = 83, .top = H(5), .card = S(4), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(3, {H(6), H(5)}); }, .pile = 3},
    {.name = "83 the seventh passes its rank", .rule = 83, .top = H(7), .card = S(6), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(6, {H(8), H(7)}); }, .pile = 6},
    {.name = "95 Ace on empty", .rule = 95, .top = -1, .card = S(kA), .expected = true},
    {.name = "95 up in suit", .rule = 95, .top = S(5), .card = S(6), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(0, {S(5)}); }},
    {.name = "95 other suit", .rule = 95, .top = S(5), .card = H(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(0, {S(5)}); }},
    {.name = "96 suit group free", .rule = 96, .top = -1, .card = S(5), .expected = true,
     .setup = [](RuleBoard& b) { b.Dest(0, {H(5)}); }, .base = 5, .pile = 1},
    {.name = "96 suit group taken", .rule = 96, .top = -1, .card = S(5), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(0, {S(5)}); }, .base = 5, .pile = 1},
    {.name = "96 then same suit", .rule = 96, .top = S(5), .card = H(6), .expected = false,
     .setup = [](RuleBoard& b) { b.Dest(1, {S(5)}); }, .pile = 1},
};

TEST(RuleCodesTest, RowsOnTheTwoCards) {
    for (const RuleCase& c : kRankRows) Check(c);
}

TEST(RuleCodesTest, RowsOnWhereTheCardComesFrom) {
    for (const RuleCase& c : kSourceRows) Check(c);
}

TEST(RuleCodesTest, RowsOnOtherPiles) {
    for (const RuleCase& c : kPileRows) Check(c);
}

TEST(RuleCodesTest, RuleTwentyNineTurnsAfterAFullSuit) {
    RuleBoard b;
    b.Dest(0, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(kK)});
    auto place = [&b](int top, int card) {
        return engine::CanPlaceCard(b.Ctx(), top, card, 81, 81, 1, 29, true, true, 0, true);
    };
    EXPECT_TRUE(place(H(kK), Second(H(kK))));
    EXPECT_FALSE(place(H(kK), H(kQ)));
    EXPECT_FALSE(place(H(kK), Second(H(kA))));
    b.Dest(0, {H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8), H(9), H(10), H(11), H(12), H(kK), Second(H(kK))});
    EXPECT_TRUE(place(Second(H(kK)), Second(H(kQ))));
    EXPECT_FALSE(place(Second(H(kK)), S(kQ)));
    // An empty foundation of code 81 takes an Ace by colour.
    b.Word(kFoundationBase, 0, 81);
    b.Dest(0, {});
    EXPECT_TRUE(place(-1, S(kA)));
    EXPECT_FALSE(place(-1, S(2)));
}

}  // namespace
