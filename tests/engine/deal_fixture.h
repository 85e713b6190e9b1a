#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/card_board.h"
#include "engine/model/card_codes.h"
#include "engine/deal/deal.h"
#include "engine/deal/deal_order.h"
#include "engine/model/game_record.h"
#include "engine/model/pile_text.h"
#include "engine/model/registers.h"
#include "engine/model/settings_block.h"
#include "platform/core/random.h"
#include "tests/support/fake_services.h"

namespace engine::deal_test {

// One game state to deal into: board, record, settings and the services the deal calls.
struct DealFixture {
    CardBoard board;
    GameDefRecord game;
    SettingsBlock settings;
    Registers registers;
    test_support::ScriptedMessages messages;
    platform::RandomGenerator random{0};
    int scoredCards = 0;
    int scoreComputations = 0;

    DealContext Context() {
        DealContext deal{board.piles, game, settings, registers, &messages, &random, {}, {}};
        deal.updateScore = [this](int cards) { scoredCards += cards; };
        deal.computeScore = [this] { ++scoreComputations; };
        return deal;
    }

    bool Deal(std::string_view number) {
        settings.SetField(fields::kGameNumber.position, fields::kGameNumber.width, number);
        DealContext deal = Context();
        return DealCards(deal);
    }

    // Clears the board and deals again with a fresh copy of the record.
    bool Redeal(const GameDefRecord& record, std::string_view number) {
        board.piles.ClearPiles();
        game = record;
        return Deal(number);
    }

    std::string Dump() const;

    const std::string& Pile(PileListId list, int line) const { return board.piles.Pile(list, line); }
    std::vector<int> Cards(PileListId list, int line) const {
        std::vector<int> cards;
        const std::string& pile = Pile(list, line);
        for (int i = 0; i < PileCardCount(pile); ++i) cards.push_back(PileCardAt(pile, i));
        return cards;
    }
    bool IsUp(int card) const { return board.cards.FaceFlag(card) == '1'; }

    // How often each code lies anywhere on the board (blanked slots under 0).
    std::map<int, int> CodeCounts() const;
    int CardsOnBoard() const;
};

// The card order the deal starts from.
DealList OrderOf(const GameDefRecord& game, std::string_view number);

void SetWords(GameDefRecord& game, GameWordRun run, std::initializer_list<int> values);

// Deal-relevant words of a few familiar layouts.
GameDefRecord FreecellRecord();   // 52 cards, 8 piles 7/7/7/7/6/6/6/6 face up, 4 cells
GameDefRecord KlondikeRecord();   // 52 cards, 7 piles 1..7 with the top up, stock of 24
GameDefRecord TwoDeckRecord();    // 104 cards, 10 piles 6/6/6/6/5.., stock of 50
GameDefRecord JokerRecord();      // 52 cards and 2 jokers, 7 piles of 7, stock of 5

}  // namespace engine::deal_test
