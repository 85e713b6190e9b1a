// The pile store answers its searches from the set of lines that hold each card. Every
// write of the store must keep that set true to the text: here random writes of every
// kind run on the store and on a plain model of the lines, and after each one the texts
// and every LocateCard answer must agree with a search of the text itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "engine/model/card_board.h"
#include "engine/model/pile_store.h"
#include "engine/model/pile_text.h"

namespace engine {
namespace {

constexpr PileListId kLists[] = {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg};

// The lines as plain texts, changed as the pile lists' operations describe.
struct Model {
    std::array<std::vector<std::string>, 4> lines;
    std::array<std::vector<std::string>, 4> backup;

    Model() {
        for (const PileListId list : kLists) {
            Of(list).assign(static_cast<std::size_t>(PileLineCount(list)), "");
        }
        backup = lines;
    }
    std::vector<std::string>& Of(PileListId list) { return lines[static_cast<std::size_t>(list)]; }
    std::string& Line(PileListId list, int line) { return Of(list)[static_cast<std::size_t>(line)]; }

    bool Find(PileListId list, int line, int card, FindMode mode) {
        std::string& pile = Line(list, line);
        const int index = FindPileCard(pile, card);
        if (index < 0) return false;
        const std::size_t at = static_cast<std::size_t>(index) * 3;
        if (mode == FindMode::kDelete) pile.erase(at, 3);
        if (mode == FindMode::kBlank) pile.replace(at, 3, "000");
        if (mode == FindMode::kDeleteWithBlankBelow) {
            pile.erase(at, 3);
            if (index > 0 && pile.compare(at - 3, 3, "000") == 0) pile.erase(at - 3, 3);
        }
        return true;
    }

    int Take(int card, FindMode mode, int tableaus) {
        if (Find(PileListId::kMazzo, kWasteLine, card, mode)) return pile_kind::kWaste;
        for (int i = 0; i < std::clamp(tableaus, 0, kFilaLineCount); ++i)
            if (Find(PileListId::kFila, i, card, mode)) return pile_kind::kTableau;
        for (int i = 0; i < kDestLineCount; ++i)
            if (Find(PileListId::kDest, i, card, mode)) return pile_kind::kFoundation;
        if (Find(PileListId::kMazzo, kStockLine, card, mode)) return pile_kind::kStock;
        if (Find(PileListId::kMazzo, kThirdStockLine, card, mode)) return pile_kind::kThirdStock;
        for (int i = 0; i < kAppoggLineCount; ++i)
            if (Find(PileListId::kAppogg, i, card, mode)) return pile_kind::kReserve;
        return pile_kind::kNone;
    }

    void CutFrom(int card) {
        for (const PileListId list : {PileListId::kFila, PileListId::kAppogg}) {
            for (std::string& pile : Of(list)) {
                const int index = FindPileCard(pile, card);
                if (index < 0) continue;
                pile.erase(static_cast<std::size_t>(index) * 3);
                return;
            }
        }
    }

    int Locate(int card, int tableaus, int reserves) {
        const auto holds = [&](PileListId list, int line) { return FindPileCard(Line(list, line), card) >= 0; };
        if (holds(PileListId::kMazzo, kStockLine)) return kLocatedInStock;
        if (holds(PileListId::kMazzo, kWasteLine)) return kLocatedInWaste;
        for (int i = 0; i < kDestLineCount; ++i)
            if (holds(PileListId::kDest, i)) return -(i + 1);
        for (int i = 0; i < std::clamp(tableaus, 0, kFilaLineCount); ++i)
            if (holds(PileListId::kFila, i)) return i + 1;
        for (int i = 0; i < std::clamp(reserves, 0, kAppoggLineCount); ++i)
            if (holds(PileListId::kAppogg, i)) return -(i + kLocatedReserveBase);
        return kLocatedNowhere;
    }
};

// Groups as pile texts hold them, with the odd ones a damaged line may hold: signs, codes
// beyond the jokers, letters, and a line may end in a fragment.
std::string RandomGroup(std::mt19937& random) {
    static const std::vector<std::string> kOdd = {"+07", "-01", "-00", "999", "1a2", "   ", "109", "+00"};
    const int pick = static_cast<int>(random() % 20);
    if (pick == 0) return kOdd[random() % kOdd.size()];
    if (pick < 3) return "000";
    // A few cards, so lines share them and a line often holds one twice.
    std::string text = std::to_string(1 + random() % 12 + (random() % 9 == 0 ? 96 : 0));
    return std::string(3 - text.size(), '0') + text;
}

std::string RandomText(std::mt19937& random) {
    std::string text;
    const int groups = static_cast<int>(random() % 6);
    for (int i = 0; i < groups; ++i) text += RandomGroup(random);
    if (random() % 10 == 0) text += "0";
    return text;
}

struct Place {
    PileListId list;
    int line;
};

Place RandomPlace(std::mt19937& random) {
    const PileListId list = kLists[random() % 4];
    return {list, static_cast<int>(random() % static_cast<unsigned>(PileLineCount(list)))};
}

// A card to look for: mostly the few that the lines hold, sometimes codes that no line can.
int RandomCard(std::mt19937& random) {
    static const int kOdd[] = {0, 7, 999, 109, -1, 105, 108, 100};
    if (random() % 4 == 0) return kOdd[random() % std::size(kOdd)];
    return 1 + static_cast<int>(random() % 12);
}

void ExpectSame(PileStore& piles, Model& model, int step) {
    for (const PileListId list : kLists) {
        for (int line = 0; line < PileLineCount(list); ++line)
            ASSERT_EQ(piles.Pile(list, line), model.Line(list, line)) << "step " << step;
    }
    for (int card = -2; card <= 112; ++card) {
        for (const auto& [tableaus, reserves] : {std::pair{7, 4}, std::pair{28, 10}, std::pair{0, 0}})
            ASSERT_EQ(piles.LocateCard(card, tableaus, reserves), model.Locate(card, tableaus, reserves))
                << "card " << card << " at step " << step;
    }
    ASSERT_EQ(piles.LocateCard(999, 28, 10), model.Locate(999, 28, 10)) << "step " << step;
}

TEST(PileStoreIndex, EveryWriteKeepsTheSearchesTrueToTheText) {
    std::mt19937 random(20240611);
    CardBoard board;
    PileStore& piles = board.piles;
    Model model;
    for (int step = 0; step < 6000; ++step) {
        const int card = RandomCard(random);
        const Place place = RandomPlace(random);
        const int tableaus = static_cast<int>(random() % 30) - 1;
        switch (random() % 12) {
            case 0:
            case 1: {
                const std::string text = RandomText(random);
                piles.SetPile(place.list, place.line, text);
                model.Line(place.list, place.line) = text;
                break;
            }
            case 2: {
                const int code = random() % 8 == 0 ? 0 : card;
                piles.AddCardToPile(place.list, place.line, code, "1");
                if (code >= 0 && code <= kCardCount) model.Line(place.list, place.line) += CardCodeText(code);
                break;
            }
            case 3: {
                static const std::string kNames[] = {"Fila1", "Fila28", "Dest03", "Appogg10", "Mazzo_Vis", "Mazzo"};
                const std::string& name = kNames[random() % std::size(kNames)];
                piles.AddCardToNamedPile(name, card, "0");
                const auto pile = ParsePileName(name);
                const bool takes = pile && (pile->list != PileListId::kMazzo || pile->line == kWasteLine);
                if (takes && card >= 0 && card <= kCardCount) model.Line(pile->list, pile->line) += CardCodeText(card);
                break;
            }
            case 4: {
                const auto mode = static_cast<FindMode>(random() % 4);
                ASSERT_EQ(piles.FindCardInPile(place.list, place.line, card, mode),
                          model.Find(place.list, place.line, card, mode));
                break;
            }
            case 5:
                ASSERT_EQ(piles.RemoveCardFromBoard(card, tableaus), model.Take(card, FindMode::kDelete, tableaus));
                break;
            case 6:
                ASSERT_EQ(piles.BlankCardOnBoard(card, tableaus), model.Take(card, FindMode::kBlank, tableaus));
                break;
            case 7:
                piles.RemoveCardsFromCard(card);
                model.CutFrom(card);
                break;
            case 8:
                piles.BackupPileLists();
                model.backup = model.lines;
                break;
            case 9:
                piles.RestorePileLists();
                model.lines = model.backup;
                break;
            case 11: {
                std::vector<int> run;
                for (int n = static_cast<int>(random() % 4); n > 0; --n) run.push_back(random() % 8 == 0 ? 0 : RandomCard(random));
                piles.AddCardsToPile(place.list, place.line, run, "0");
                for (const int code : run)
                    if (code >= 0 && code <= kCardCount) model.Line(place.list, place.line) += CardCodeText(code);
                break;
            }
            case 10:
                if (random() % 20 == 0) {
                    piles.ClearPiles();
                    for (auto& lines : model.lines)
                        for (std::string& line : lines) line.clear();
                }
                break;
        }
        ExpectSame(piles, model, step);
    }
}

}  // namespace
}  // namespace engine
