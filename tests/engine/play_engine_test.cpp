// Whole games through the engine alone: deal, move, undo, redo and win with no window.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "engine/model/board_dump.h"
#include "engine/model/card_codes.h"
#include "engine/session/new_game.h"
#include "engine/model/pile_text.h"
#include "engine/model/preference_fields.h"
#include "engine/rules/rule_context.h"
#include "engine/session/undo_commands.h"
#include "tests/engine/game_player.h"
#include "tests/engine/play_fixture.h"
#include "tests/engine/player_presses.h"

namespace engine::play_test {
namespace {

constexpr int kFreecell = 1;
constexpr std::string_view kScriptNumber = "0000000031417";

// A win of Freecell deal kScriptNumber, found by WinningScriptSearch below and frozen:
// card ">" target, ">>" when the card carries the stack above it.
constexpr std::string_view kWinningScript =
    "51>Appogg01 47>Appogg02 36>Fila07 39>Appogg03 26>Appogg04 27>Dest01 14>Dest02 13>Fila01 51>Fila01 "
    "2>Appogg01 1>Dest03 2>Dest03 24>>Fila01 46>Fila07 36>Appogg01 23>Fila08 36>Fila01 8>>Fila03 "
    "23>Appogg01 7>Fila04 23>Fila08 49>Appogg01 43>Fila06 47>Fila07 7>Fila07 36>Appogg02 49>Fila01 "
    "23>Appogg01 7>Fila04 23>Fila08 22>>Fila01 7>Fila01 9>Appogg01 23>Fila07 7>Fila04 23>Fila08 "
    "36>Fila07 52>Appogg02 7>Fila01 9>Fila07 34>Fila07 29>Appogg01 40>Dest04 41>Dest04 7>Fila07 "
    "29>Fila02 23>Appogg01 7>Fila01 46>Fila04 7>Fila07 23>Fila08 29>Appogg01 7>Fila01 29>Fila02 "
    "46>Fila03 21>Appogg01 7>Fila07 43>Fila04 7>Fila01 16>Fila04 7>Fila07 32>Fila07 19>Fila03 "
    "5>Fila07 43>>Fila07 21>Fila05 46>>Fila05 16>Appogg01 43>Fila04 16>Fila04 8>Appogg01 35>Fila08 "
    "31>Fila05 8>Fila03 17>>Fila05 43>>Fila07 38>Appogg01 20>Fila01 15>Dest02 16>Dest02 35>Fila06 "
    "8>Fila06 48>Fila08 44>Fila03 42>Dest04 43>Dest04 44>Dest04 29>Fila03 8>Fila08 29>Fila05 "
    "32>>Fila01 8>Fila06 48>Fila03 8>Fila03 35>Fila08 8>Fila08 48>Fila06 8>Fila06 32>>Fila07 "
    "29>Fila03 8>Fila08 29>Fila05 12>Fila03 45>Dest04 8>Fila06 35>Fila02 8>Fila02 48>Fila08 "
    "8>Fila08 35>Fila06 8>Fila06 38>Fila02 12>Appogg01 29>Fila03 8>Fila08 29>Fila05 12>Fila03 "
    "5>Appogg01 8>Fila06 32>Fila01 5>Fila01 38>Appogg01 29>Fila02 8>Fila08 29>Fila05 38>Fila02 "
    "12>Appogg01 8>Fila06 48>Fila03 8>Fila03 35>Fila08 8>Fila08 48>Fila06 32>>Fila07 8>Fila06 "
    "12>Fila03 29>Appogg01 8>Fila08 29>Fila05 5>Appogg01 8>Fila06 32>Fila01 5>Fila01 38>Appogg01 "
    "29>Fila02 8>Fila08 29>Fila05 52>Fila02 32>>Fila07 12>Fila02 8>Fila06 37>>Fila02 29>Appogg02 "
    "17>Dest02 18>Dest02 50>Fila04 28>Dest01 3>Dest03 29>Dest01 25>>Fila03 30>Dest01 4>Dest03 "
    "31>Dest01 19>Dest02 5>Dest03 32>Dest01 20>Dest02 33>Dest01 46>Dest04 21>Dest02 47>Dest04 "
    "22>Dest02 10>>Fila03 49>Fila08 35>Appogg02 23>Dest02 24>Dest02 10>>Fila02 11>>Fila01 6>Dest03 "
    "7>Dest03 8>Dest03 48>Dest04 34>Dest01 9>Dest03 49>Dest04 35>Dest01 10>Dest03 50>Dest04 "
    "36>Dest01 11>Dest03 51>Dest04 37>Dest01 12>Dest03 25>Dest02 52>Dest04 38>Dest01 13>Dest03 "
    "39>Dest01 26>Dest02";

std::vector<PlayerMove> Script() {
    std::vector<PlayerMove> moves;
    std::istringstream in{std::string(kWinningScript)};
    std::string word;
    while (in >> word) moves.push_back(ParseMove(word));
    return moves;
}

int FoundationCards(Game& game) {
    int cards = 0;
    for (const std::string& pile : game.Piles().List(PileListId::kDest)) cards += PileCardCount(pile);
    return cards;
}

std::string Board(Game& game) {
    return DumpBoard(game.Piles());
}

class PlayEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        fix.SetField(fields::kDealAnimation, "N");
        ASSERT_TRUE(fix.LoadGame(kFreecell));
    }
    Game& G() { return fix.G(); }

    PlayFixture fix;
};

// --- The frozen winning script ---------------------------------------------------------------

// Deals the script's number and replays it; the board after every move.
std::vector<std::string> ReplayScript(PlayFixture& fix) {
    fix.Deal(kScriptNumber);
    std::vector<std::string> boards;
    const std::vector<PlayerMove> script = Script();
    for (std::size_t i = 0; i < script.size(); ++i) {
        const PlayerMove& move = script[i];
        EXPECT_TRUE(MakeMove(fix.G(), move)) << "move " << i << ": " << MoveText(move);
        boards.push_back(Board(fix.G()));
        if (i + 1 < script.size()) {
            EXPECT_FALSE(fix.Flag(flag::kGameWon)) << "won early at move " << i;
        }
    }
    return boards;
}

TEST_F(PlayEngineTest, FrozenScriptWinsFreecell) {
    ASSERT_FALSE(Script().empty());
    ReplayScript(fix);
    EXPECT_EQ(FoundationCards(G()), 52);
    EXPECT_TRUE(fix.Flag(flag::kGameWon));
    EXPECT_TRUE(fix.Flag(flag::kGameInProgress));
    EXPECT_TRUE(EndGame(G()));
    EXPECT_FALSE(fix.Flag(flag::kGameInProgress));
    EXPECT_EQ(fix.View().Count("win animation"), 1);
    EXPECT_EQ(fix.Shell().CountWindowCalls("chooser"), 1u);
    EXPECT_FALSE(EndGame(G()));  // the game is over
}

TEST_F(PlayEngineTest, ReplayingTheScriptGivesTheSameBoards) {
    const std::vector<std::string> first = ReplayScript(fix);
    const std::vector<std::string> second = ReplayScript(fix);
    EXPECT_EQ(first, second);
}

// --- Undo and redo ----------------------------------------------------------------------------

struct MoveKind {
    CardSource from;
    PileListId to;
    bool stack;
    auto operator<=>(const MoveKind&) const = default;
};

TEST_F(PlayEngineTest, UndoAndRedoRestoreTheExactBoardAfterEveryMove) {
    fix.Deal(kScriptNumber);
    std::set<MoveKind> kinds;
    for (const PlayerMove& move : Script()) {
        const CardPlace from = board::PlaceOf(G().Rules(), move.card);
        const std::string before = Board(G());
        const int steps = G().undo.UndoStepCount();
        ASSERT_TRUE(MakeMove(G(), move));
        const std::string after = Board(G());
        ASSERT_EQ(G().undo.UndoStepCount(), steps + 1) << MoveText(move);
        EXPECT_EQ(G().undo.RedoStepCount(), 0);

        ASSERT_TRUE(G().undo.UndoLastStep());
        ASSERT_EQ(Board(G()), before) << MoveText(move);
        ASSERT_TRUE(G().undo.RedoLastStep());
        ASSERT_EQ(Board(G()), after) << MoveText(move);
        kinds.insert({from.source, ParsePileName(move.action)->list, move.stack});
    }
    // The script covers every kind of move Freecell has.
    for (const MoveKind kind : {MoveKind{CardSource::kTableau, PileListId::kFila, false},
                                MoveKind{CardSource::kTableau, PileListId::kFila, true},
                                MoveKind{CardSource::kTableau, PileListId::kAppogg, false},
                                MoveKind{CardSource::kReserve, PileListId::kFila, false},
                                MoveKind{CardSource::kTableau, PileListId::kDest, false},
                                MoveKind{CardSource::kReserve, PileListId::kDest, false}}) {
        EXPECT_TRUE(kinds.count(kind)) << static_cast<int>(kind.from) << " -> " << static_cast<int>(kind.to)
                                       << (kind.stack ? " stack" : "");
    }
}

TEST_F(PlayEngineTest, UndoRestoresFaceFlagsAndANewMoveEmptiesRedo) {
    fix.Deal(kScriptNumber);
    // A card lying face down under a pile's top, as in games dealt partly face down.
    const std::string& pile = G().Piles().Pile(PileListId::kFila, 0);
    const int hidden = PileCardAt(pile, PileCardCount(pile) - 2);
    const int top = PileTopCard(pile);
    G().Cards().SetCardFaceFlag(hidden, kFaceDown);
    G().gameDef.SetWord(words::kAutoTurnFaceUp, 1);
    const std::string before = Board(G());
    const int steps = G().undo.UndoStepCount();

    const PlayerMove toCell{top, "Appogg01", false};
    ASSERT_TRUE(MakeMove(G(), toCell));
    EXPECT_FALSE(G().Cards().IsFaceDown(hidden));  // uncovered and turned up
    EXPECT_EQ(G().undo.UndoStepCount(), steps + 1);  // the turn is part of the move
    const std::string after = Board(G());

    ASSERT_TRUE(G().undo.UndoLastStep());
    EXPECT_EQ(Board(G()), before);
    EXPECT_TRUE(G().Cards().IsFaceDown(hidden));
    ASSERT_TRUE(G().undo.RedoLastStep());
    EXPECT_EQ(Board(G()), after);

    ASSERT_TRUE(G().undo.UndoLastStep());
    EXPECT_EQ(G().undo.RedoStepCount(), 1);
    ASSERT_TRUE(MakeMove(G(), PlayerMove{top, "Appogg02", false}));
    EXPECT_EQ(G().undo.RedoStepCount(), 0);
    EXPECT_FALSE(G().undo.RedoLastStep());
}

// --- Random play ------------------------------------------------------------------------------

// About 5000 actions whatever the number of games, so the test stays within a few seconds.
constexpr int kTotalDeals = 40;
constexpr int kMinDealsPerGame = 5;
constexpr int kActionsPerDeal = 120;

TEST_F(PlayEngineTest, RandomPlayKeepsEveryDealtCardExactlyOnce) {
    const std::vector<int> ids = fix.GameIds();
    ASSERT_FALSE(ids.empty());
    const int deals = std::max(kMinDealsPerGame, kTotalDeals / static_cast<int>(ids.size()));
    std::mt19937 random(20240601);
    int actions = 0;
    for (const int id : ids) {
        SCOPED_TRACE("game " + std::to_string(id));
        ASSERT_TRUE(fix.LoadGame(id));
        for (int n = 0; n < deals; ++n) {
            fix.Shell().SetCommandDown(ShellCommand::kAutoPlay, n % 2 == 1);
            NewGameNumber(G());
            StartNewGame(G(), 0);
            const std::string number = fix.Field(fields::kGameNumber);
            SCOPED_TRACE("number " + number);
            const std::vector<int> dealt = BoardCodes(G());
            ASSERT_FALSE(dealt.empty());
            for (int a = 0; a < kActionsPerDeal && fix.Flag(flag::kGameInProgress); ++a, ++actions) {
                const int roll = static_cast<int>(random() % 10);
                const std::vector<PlayerMove> moves = roll < 2 ? std::vector<PlayerMove>{} : LegalMoves(G());
                if (roll == 1) {
                    RedoMove(G());
                } else if (moves.empty()) {
                    UndoMove(G());  // also the way out of a dead end
                } else if (const PlayerMove& move = moves[random() % moves.size()]; roll == 2) {
                    // A stray click: a pairing game selects a card, another sends it away.
                    const std::vector<int> strays = PairingCandidates(G());
                    if (!strays.empty()) {
                        ClickPairingCard(G(), strays[random() % strays.size()]);
                    } else if (!move.stack && move.card > 0) {
                        SendCard(G(), move.card);
                    }
                } else {
                    // A press on the stock may only show the mark, or find gaps to fill first.
                    const bool moved = PlayMove(G(), move);
                    EXPECT_TRUE(moved || move.action == kStockPress) << MoveText(move);
                }
                ASSERT_EQ(BoardCodes(G()), dealt) << "after action " << a << "\n" << Board(G());
            }
        }
    }
    EXPECT_GE(actions, deals * kActionsPerDeal / 2 * static_cast<int>(ids.size()));
}

// --- How the frozen script was found ------------------------------------------------------------

// A depth-first search over LegalMoves and MakeMove, backing out of dead ends with the undo
// store; it prints the script to freeze. Run it by hand when the deal or the rules change:
// engine_tests --gtest_also_run_disabled_tests --gtest_filter='*WinningScriptSearch*'
constexpr long long kFirstSearchNumber = 31415;
constexpr long long kSearchNumbers = 100;

class ScriptSearch {
public:
    explicit ScriptSearch(Game& game) : m_game(game) {}

    bool Solve(int depth) {
        const std::size_t pathAtEntry = m_path.size();
        const int stepsAtEntry = m_game.undo.UndoStepCount();
        PlaySafeCards();
        if (m_game.registers.GetFlag(flag::kGameWon) != 0) return true;
        if (depth > 0 && --m_budget > 0 && m_seen.insert(Key()).second) {
            for (const PlayerMove& move : BestFirst()) {
                if (!MakeMove(m_game, move)) continue;
                m_path.push_back(move);
                if (Solve(depth - 1)) return true;
                m_path.pop_back();
                m_game.undo.UndoLastStep();
            }
        }
        while (m_game.undo.UndoStepCount() > stepsAtEntry) m_game.undo.UndoLastStep();
        m_path.resize(pathAtEntry);
        return false;
    }

    const std::vector<PlayerMove>& Path() const { return m_path; }

private:
    // Cards no other card will need any more go up at once: Aces and Twos, and a card
    // whose two lower cards of the other colour are already up.
    bool IsSafe(int card) const {
        const int rank = CardRank(card);
        if (rank <= 2) return true;
        int needed = 0;
        for (const std::string& pile : m_game.board.piles.List(PileListId::kDest)) {
            if (pile.empty()) continue;
            const int top = PileTopCard(pile);
            if (IsRedCard(top) != IsRedCard(card) && CardRank(top) >= rank - 1) ++needed;
        }
        return needed == 2;
    }

    void PlaySafeCards() {
        for (bool moved = true; moved;) {
            moved = false;
            for (const PlayerMove& move : LegalMoves(m_game)) {
                if (ParsePileName(move.action)->list != PileListId::kDest || !IsSafe(move.card)) continue;
                if (MakeMove(m_game, move)) {
                    m_path.push_back(move);
                    moved = true;
                    break;
                }
            }
        }
    }

    // The position without the order of the piles and of the free cells.
    std::string Key() const {
        std::vector<std::string> piles = m_game.board.piles.List(PileListId::kFila);
        std::vector<std::string> cells = m_game.board.piles.List(PileListId::kAppogg);
        std::sort(piles.begin(), piles.end());
        std::sort(cells.begin(), cells.end());
        std::string key;
        for (const std::string& pile : piles) key += pile + "|";
        for (const std::string& cell : cells) key += cell + ",";
        for (const std::string& pile : m_game.board.piles.List(PileListId::kDest)) key += pile + ";";
        return key;
    }

    // Cards up, the cards the foundations want next near the tops, free cells and piles.
    int Score() const {
        std::array<int, 4> next{1, 1, 1, 1};
        int score = 0;
        for (const std::string& pile : m_game.board.piles.List(PileListId::kDest)) {
            if (pile.empty()) continue;
            next[static_cast<std::size_t>(CardSuit(PileTopCard(pile)))] = CardRank(PileTopCard(pile)) + 1;
            score += 20 * PileCardCount(pile);
        }
        for (const std::string& pile : m_game.board.piles.List(PileListId::kFila)) {
            const int count = PileCardCount(pile);
            if (count == 0) score += 6;
            for (int i = 0; i < count; ++i) {
                const int card = PileCardAt(pile, i);
                if (CardRank(card) <= next[static_cast<std::size_t>(CardSuit(card))] + 1) score -= 3 * (count - 1 - i);
            }
        }
        for (const std::string& cell : m_game.board.piles.List(PileListId::kAppogg)) score += cell.empty() ? 3 : 0;
        return score;
    }

    // The moves to positions not yet seen, the best-looking first.
    std::vector<PlayerMove> BestFirst() {
        std::vector<std::pair<int, PlayerMove>> scored;
        for (const PlayerMove& move : LegalMoves(m_game)) {
            if (IsIdle(move) || !MakeMove(m_game, move)) continue;
            if (m_seen.count(Key()) == 0) scored.emplace_back(Score(), move);
            m_game.undo.UndoLastStep();
        }
        std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        std::vector<PlayerMove> moves;
        for (const auto& entry : scored) moves.push_back(entry.second);
        return moves;
    }

    // Moves that change nothing worth searching: cell to cell, a whole pile to an empty one.
    bool IsIdle(const PlayerMove& move) const {
        const PileRef to = *ParsePileName(move.action);
        const CardPlace from = board::PlaceOf(m_game.Rules(), move.card);
        if (to.list == PileListId::kAppogg && from.source == CardSource::kReserve) return true;
        if (to.list == PileListId::kFila && m_game.board.piles.Pile(to).empty() &&
            from.source == CardSource::kTableau) {
            return PileCardAt(m_game.board.piles.Pile(PileListId::kFila, from.index), 0) == move.card;
        }
        return false;
    }

    Game& m_game;
    std::vector<PlayerMove> m_path;
    std::unordered_set<std::string> m_seen;
    int m_budget = 3'000;
};

TEST_F(PlayEngineTest, DISABLED_WinningScriptSearch) {
    // The first number from kFirstSearchNumber on whose deal the search wins.
    for (long long number = kFirstSearchNumber; number < kFirstSearchNumber + kSearchNumbers; ++number) {
        const std::string text = GameNumberText(number, 1);
        fix.Deal(text);
        ScriptSearch search(G());
        if (!search.Solve(300)) continue;
        std::string script;
        for (const PlayerMove& move : search.Path()) script += MoveText(move) + " ";
        std::cout << text << ", " << search.Path().size() << " moves:\n" << script << "\n";
        return;
    }
    FAIL() << "no deal won";
}

}  // namespace
}  // namespace engine::play_test
