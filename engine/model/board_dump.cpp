#include "engine/model/board_dump.h"

#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/pile_store.h"

namespace engine {

namespace {

constexpr char kUpMark = 'u';
constexpr char kDownMark = 'd';
constexpr char kUnknownMark = '?';

constexpr PileListId kBoardOrder[] = {PileListId::kMazzo, PileListId::kDest, PileListId::kFila, PileListId::kAppogg};

}  // namespace

std::string DumpPile(std::string_view pile, const CardTable& cards) {
    std::string text;
    for (std::size_t at = 0; at < pile.size(); at += kCardCodeWidth) {
        const std::string_view group = pile.substr(at, kCardCodeWidth);
        if (!text.empty()) text += ' ';
        text += group;
        const int card = group.size() == kCardCodeWidth ? ReadCardNumber(group).value_or(-1) : -1;
        if (card == kNoCard) continue;
        const char flag = cards.FaceFlag(card);
        text += flag == kFaceUp ? kUpMark : flag == kFaceDown ? kDownMark : kUnknownMark;
    }
    return text;
}

std::string DumpBoard(const PileStore& piles) {
    std::string text;
    for (const PileListId list : kBoardOrder) {
        const PileList& lines = piles.List(list);
        for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
            const std::string& pile = lines[static_cast<std::size_t>(line)];
            if (pile.empty()) continue;
            text += PileName({list, line});
            text += ": ";
            text += DumpPile(pile, piles.Cards());
            text += '\n';
        }
    }
    return text;
}

}  // namespace engine
