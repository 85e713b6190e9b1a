#include "engine/rules/tableau_patterns.h"

#include <array>
#include <string>

#include "engine/model/board_measures.h"
#include "engine/model/card_codes.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"

namespace engine {

namespace {

constexpr int kCompleteRankSum = 91;  // 1 + 2 + ... + 13

constexpr int kSequenceBase = -32;
constexpr int kRunCardPoints = 5;
constexpr int kTwoAfterAceBonus = 5;
constexpr int kNoRun = -1;
// After a Queen the run waits for rank 1, which only an Ace has, and an Ace starts anew.
constexpr int kRunClosed = 0;

// The run being followed through the piles.
struct Run {
    int expected = kNoRun;  // the rank of the last card of the run
    int suit = kNoSuit;

    bool Continues(int card) const { return CardRank(card) == expected + 1 && CardSuit(card) == suit; }
};

bool IsBlank(int card) {
    return card == kNoCard;
}

bool IsAce(int card) {
    return card >= kFirstCard && CardRank(card) == kAce;
}

}  // namespace

bool TopRanksComplete(const PileStore& piles, const GameDefRecord& gameDef) {
    std::array<bool, kKing + 1> seen{};
    int sum = 0;
    bool distinct = true;
    const int count = TableauCountOf(gameDef);
    for (int i = 0; i < count; ++i) {
        const std::string& pile = piles.Pile(PileListId::kFila, i);
        if (pile.empty()) break;
        const int top = PileTopCard(pile);
        if (top < kFirstCard) continue;
        const int rank = CardRank(top);
        sum += rank;
        // A rank twice (a Seven twice, say) can still add up to 91 with others missing.
        if (rank >= kAce && rank <= kKing) {
            distinct = distinct && !seen[static_cast<std::size_t>(rank)];
            seen[static_cast<std::size_t>(rank)] = true;
        }
    }
    return sum == kCompleteRankSum && distinct;
}

int CheckTableauSequences(const PileStore& piles, const GameDefRecord& gameDef) {
    int score = kSequenceBase;
    Run run;
    const int count = TableauCountOf(gameDef);
    for (int i = 0; i < count; ++i) {
        const std::string& pile = piles.Pile(PileListId::kFila, i);
        const int cards = PileCardCount(pile);
        for (int j = 0; j < cards; ++j) {
            const int card = PileCardAt(pile, j);
            if (IsBlank(card)) {
                run.expected = kNoRun;
            } else if (IsAce(card)) {
                run = {kAce, CardSuit(card)};
            } else if (card >= kFirstCard && run.Continues(card)) {
                score += kRunCardPoints + (run.expected == kAce ? kTwoAfterAceBonus : 0);
                run.expected = CardRank(card) == kQueen ? kRunClosed : CardRank(card);
            } else {
                run.expected = kNoRun;
            }
        }
    }

    // The run left over may go on at the bottom of pile 0, as if the rows wrapped round.
    const std::string& first = piles.Pile(PileListId::kFila, 0);
    const int cards = PileCardCount(first);
    for (int j = 0; j < cards; ++j) {
        const int card = PileCardAt(first, j);
        if (IsBlank(card)) {
            run.expected = kNoRun;
        } else if (IsAce(card)) {
            break;
        } else if (card >= kFirstCard && run.Continues(card)) {
            score += kRunCardPoints;
            run.expected = CardRank(card);
        } else {
            run.expected = kNoRun;
        }
    }
    return score;
}

}  // namespace engine
