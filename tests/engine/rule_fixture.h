#pragma once

#include <initializer_list>
#include <string>

#include "engine/model/card_board.h"
#include "engine/model/card_codes.h"
#include "engine/model/game_record.h"
#include "engine/rules/pile_acceptance.h"
#include "engine/model/registers.h"
#include "engine/rules/rule_checker.h"
#include "engine/model/table_object.h"
#include "tests/support/fake_services.h"

namespace rule_test {

// Deck-1 cards by suit; add kDeckSize for the second deck.
constexpr int H(int rank) { return rank; }
constexpr int D(int rank) { return engine::kSuitSize + rank; }
constexpr int C(int rank) { return 2 * engine::kSuitSize + rank; }
constexpr int S(int rank) { return 3 * engine::kSuitSize + rank; }
constexpr int Second(int code) { return code + engine::kDeckSize; }
constexpr int kJoker = engine::kFirstJoker;

constexpr int kA = 1, kJ = 11, kQ = 12, kK = 13;

// A fresh game state: card table, piles, game record, registers and table object, with
// four foundations, eight tableau piles and four reserves.
struct RuleBoard {
    RuleBoard() {
        game.SetWord(engine::words::kFoundationCount, 4);
        game.SetWord(engine::words::kTableauCount, 8);
        game.SetWord(engine::words::kReserveCount, 4);
        game.SetWord(engine::words::kMaxFoundationCards, engine::kNoLimit);
        game.SetWord(engine::words::kMaxTableauCards, engine::kNoLimit);
    }

    engine::CardBoard board;
    engine::GameDefRecord game;
    engine::Registers registers;
    engine::TMainGame mainGame;
    test_support::ScriptedMessages messages;
    bool singleCard = true;

    engine::RuleContext Ctx() { return {board.piles, game, registers, engine::LiftState{singleCard}, &messages}; }
    engine::DropContext Drop() { return {Ctx(), mainGame}; }

    void Set(engine::PileListId list, int line, std::initializer_list<int> cards) {
        std::string text;
        for (const int card : cards) text += engine::CardCodeText(card);
        board.piles.SetPile(list, line, text);
    }
    void Stock(std::initializer_list<int> cards) { Set(engine::PileListId::kMazzo, engine::kStockLine, cards); }
    void Waste(std::initializer_list<int> cards) { Set(engine::PileListId::kMazzo, engine::kWasteLine, cards); }
    void Dest(int i, std::initializer_list<int> cards) { Set(engine::PileListId::kDest, i, cards); }
    void Fila(int i, std::initializer_list<int> cards) { Set(engine::PileListId::kFila, i, cards); }
    void Appogg(int i, std::initializer_list<int> cards) { Set(engine::PileListId::kAppogg, i, cards); }

    void Word(int number, int value) { game.SetWord(number, value); }
    void Word(engine::GameWordRun run, int i, int value) { game.SetAt(run, i, value); }
};

}  // namespace rule_test
