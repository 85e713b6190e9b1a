#include "tests/table/freecell_solver.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>

#include <gtest/gtest.h>

#include "engine/model/card_codes.h"
#include "engine/state/game.h"
#include "engine/rules/pile_acceptance.h"
#include "engine/model/pile_text.h"
#include "tests/support/fake_services.h"
#include "tests/table/mouse_fixture.h"

namespace mouse_test {

namespace {

using engine::PileListId;
using engine::PileRef;

constexpr int kCodeWidth = engine::kCardCodeWidth;

class Solver {
public:
    explicit Solver(const engine::Game& game) : m_scratch(m_fake.Services()) {
        m_scratch.gameDef = game.gameDef;
        m_scratch.Cards().FillCardTable();
        m_tableaus = game.gameDef[engine::words::kTableauCount];
        m_reserves = game.gameDef[engine::words::kReserveCount];
        m_foundations = game.gameDef[engine::words::kFoundationCount];
        for (const PileListId list : {PileListId::kFila, PileListId::kAppogg, PileListId::kDest})
            for (int line = 0; line < engine::PileLineCount(list); ++line)
                m_scratch.Piles().SetPile(list, line, game.board.piles.Pile(list, line));
    }

    std::vector<SolverMove> Solve(int nodeLimit) {
        m_nodeLimit = nodeLimit;
        return Search() ? m_path : std::vector<SolverMove>{};
    }

private:
    const std::string& Pile(const PileRef& pile) const { return m_scratch.board.piles.Pile(pile); }
    int Top(const PileRef& pile) const { return engine::PileTopCard(Pile(pile)); }
    bool Empty(const PileRef& pile) const { return Pile(pile).empty(); }

    bool Accepts(int card, const PileRef& to) {
        engine::DropContext drops = m_scratch.Drops();
        return engine::CanDropOnPile(drops, card, engine::PileName(to, engine::PileNumberForm::kNoLeadingZero));
    }

    bool Won() const {
        for (int t = 0; t < m_tableaus; ++t)
            if (!Empty({PileListId::kFila, t})) return false;
        for (int r = 0; r < m_reserves; ++r)
            if (!Empty({PileListId::kAppogg, r})) return false;
        return true;
    }

    // The same board whatever order the piles and cells stand in.
    std::string Key() const {
        std::vector<std::string> parts;
        for (int t = 0; t < m_tableaus; ++t) parts.push_back(Pile({PileListId::kFila, t}));
        std::sort(parts.begin(), parts.end());
        std::vector<int> cells;
        for (int r = 0; r < m_reserves; ++r) cells.push_back(Top({PileListId::kAppogg, r}));
        std::sort(cells.begin(), cells.end());
        std::string key;
        for (const std::string& part : parts) key += part + '|';
        for (const int cell : cells) key += engine::CardCodeText(cell);
        return key;
    }

    int FoundationRank(int suit) const {
        for (int f = 0; f < m_foundations; ++f) {
            const int top = Top({PileListId::kDest, f});
            if (top >= engine::kFirstCard && engine::CardSuit(top) == suit) return engine::CardRank(top);
        }
        return 0;
    }

    // A card no other card could ever need as a place to build on.
    bool SafeUp(int card) const {
        const int rank = engine::CardRank(card);
        if (rank <= 2) return true;
        const bool red = engine::IsRedCard(card);
        for (int suit = 0; suit < engine::kSuitCount; ++suit) {
            const bool suitRed = suit == engine::kHearts || suit == engine::kDiamonds;
            if (suitRed != red && FoundationRank(suit) < rank - 1) return false;
        }
        return true;
    }

    // A tableau card that its pile would take again: moving it to a like pile gains nothing.
    bool OnItsParent(const PileRef& from) {
        if (from.list != PileListId::kFila || engine::PileCardCount(Pile(from)) < 2) return false;
        const std::string pile = Pile(from);
        const int card = Top(from);
        m_scratch.Piles().SetPile(from, pile.substr(0, pile.size() - kCodeWidth));
        const bool parent = Accepts(card, from);
        m_scratch.Piles().SetPile(from, pile);
        return parent;
    }

    std::vector<PileRef> Sources() const {
        std::vector<PileRef> sources;
        for (int t = 0; t < m_tableaus; ++t)
            if (!Empty({PileListId::kFila, t})) sources.push_back({PileListId::kFila, t});
        for (int r = 0; r < m_reserves; ++r)
            if (!Empty({PileListId::kAppogg, r})) sources.push_back({PileListId::kAppogg, r});
        return sources;
    }

    std::vector<SolverMove> Candidates() {
        std::vector<SolverMove> up;
        std::vector<SolverMove> moves;
        const std::vector<PileRef> sources = Sources();
        for (const PileRef& from : sources) {
            const int card = Top(from);
            for (int f = 0; f < m_foundations; ++f) {
                const PileRef to{PileListId::kDest, f};
                if (!Accepts(card, to)) continue;
                if (SafeUp(card)) return {{from, to, card}};
                up.push_back({from, to, card});
                break;
            }
        }
        for (const PileRef& from : sources) {
            const int card = Top(from);
            if (OnItsParent(from)) continue;
            for (int t = 0; t < m_tableaus; ++t) {
                const PileRef to{PileListId::kFila, t};
                if (to == from || Empty(to) || !Accepts(card, to)) continue;
                moves.push_back({from, to, card});
            }
        }
        for (const PileRef& from : sources) {
            // A lone card moved to another empty pile changes nothing.
            const bool alone = from.list == PileListId::kFila && engine::PileCardCount(Pile(from)) == 1;
            if (alone) continue;
            for (int t = 0; t < m_tableaus; ++t) {
                const PileRef to{PileListId::kFila, t};
                if (!Empty(to)) continue;
                if (Accepts(Top(from), to)) moves.push_back({from, to, Top(from)});
                break;
            }
        }
        for (const PileRef& from : sources) {
            if (from.list != PileListId::kFila) continue;
            for (int r = 0; r < m_reserves; ++r) {
                const PileRef to{PileListId::kAppogg, r};
                if (!Empty(to)) continue;
                if (Accepts(Top(from), to)) moves.push_back({from, to, Top(from)});
                break;
            }
        }
        up.insert(up.end(), moves.begin(), moves.end());
        return up;
    }

    void Shift(const PileRef& from, const PileRef& to) {
        engine::PileStore& piles = m_scratch.Piles();
        std::string source = piles.Pile(from);
        const std::string code = source.substr(source.size() - kCodeWidth);
        source.resize(source.size() - kCodeWidth);
        piles.SetPile(from, source);
        piles.SetPile(to, piles.Pile(to) + code);
    }

    bool Search() {
        if (Won()) return true;
        if (++m_nodes > m_nodeLimit || !m_seen.insert(Key()).second) return false;
        for (const SolverMove& move : Candidates()) {
            Shift(move.from, move.to);
            m_path.push_back(move);
            if (Search()) return true;
            m_path.pop_back();
            Shift(move.to, move.from);
        }
        return false;
    }

    test_support::FakeServices m_fake;
    engine::Game m_scratch;
    int m_tableaus = 0;
    int m_reserves = 0;
    int m_foundations = 0;
    int m_nodeLimit = 0;
    int m_nodes = 0;
    std::unordered_set<std::string> m_seen;
    std::vector<SolverMove> m_path;
};

}  // namespace

std::vector<SolverMove> SolveBySingleCards(const engine::Game& game, int nodeLimit) {
    Solver solver(game);
    return solver.Solve(nodeLimit);
}

bool PlayByDrags(TableRig& rig, const std::vector<SolverMove>& moves, const DragFn& drag) {
    for (const SolverMove& move : moves) {
        const std::string from = engine::PileName(move.from, engine::PileNumberForm::kNoLeadingZero);
        const std::string to = engine::PileName(move.to, engine::PileNumberForm::kNoLeadingZero);
        const engine::TableRect target = rig.TopPlace(to, move.to.line);
        drag(rig.TopPlace(from, move.from.line), target.left, target.top);
        if (engine::PileTopCard(rig.Pile(move.to.list, move.to.line)) != move.card) {
            ADD_FAILURE() << "card " << move.card << " did not go from " << from << " to " << to;
            return false;
        }
    }
    return true;
}

}  // namespace mouse_test
