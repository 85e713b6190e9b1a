#include "engine/undo/undo_snapshot.h"

#include <optional>

#include "engine/model/game_kinds.h"
#include "engine/model/card_codes.h"
#include "engine/model/card_table.h"
#include "engine/model/game_record.h"
#include "engine/model/game_words.h"
#include "engine/model/pile_store.h"

namespace engine {

int SnapshotListOffset(PileListId list) {
    int offset = 0;
    for (const PileListId each : kSnapshotListOrder) {
        if (each == list) return offset;
        offset += PileLineCount(each);
    }
    return offset;
}

std::string PileToSnapshotLine(std::string_view pile, const CardTable& cards) {
    std::string line;
    line.reserve(pile.size() / kCardCodeWidth * kSnapshotCardWidth);
    for (std::size_t at = 0; at + kCardCodeWidth <= pile.size(); at += kCardCodeWidth) {
        const std::optional<int> code = ReadCardNumber(pile.substr(at, kCardCodeWidth));
        if (!code || *code < kFirstCard) {
            line += kSnapshotBlank;
            continue;
        }
        const char flag = cards.FaceFlag(*code);
        line += CardCodeText(*code);
        line += flag == '\0' ? kFaceUp : flag;
    }
    return line;
}

std::string SnapshotLineToPile(std::string_view line, CardTable& cards) {
    std::string pile;
    pile.reserve(line.size() / kSnapshotCardWidth * kCardCodeWidth);
    for (std::size_t at = 0; at + kSnapshotCardWidth <= line.size(); at += kSnapshotCardWidth) {
        const std::string_view code = line.substr(at, kCardCodeWidth);
        pile += code;
        const std::optional<int> number = ReadCardNumber(code);
        if (number && *number >= kFirstCard) cards.SetCardFaceFlag(*number, line[at + kCardCodeWidth]);
    }
    return pile;
}

void BoardToLines(const PileStore& piles, std::vector<std::string>& list) {
    list.clear();
    list.reserve(kBoardLineCount);
    for (const PileListId each : kSnapshotListOrder) {
        for (int line = 0; line < PileLineCount(each); ++line)
            list.push_back(PileToSnapshotLine(piles.Pile(each, line), piles.Cards()));
    }
}

}  // namespace engine
