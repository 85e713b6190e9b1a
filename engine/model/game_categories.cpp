#include "engine/model/game_categories.h"

#include <array>

namespace engine {

namespace {

struct CategoryKey {
    int category;
    std::string_view key;
};

constexpr std::array kCategoryKeys{
    CategoryKey{2, "TREE5_CANFIELD_TYPE"},
    CategoryKey{3, "TREE5_FORTYTHIEVES_TYPE"},
    CategoryKey{4, "TREE5_FREECELL_TYPE"},
    CategoryKey{5, "TREE5_KLONDIKE_TYPE"},
    CategoryKey{6, "TREE5_PAIRING_TYPE"},
    CategoryKey{7, "TREE5_SIMPLEGAMES_TYPE"},
    CategoryKey{8, "TREE5_SPIDER_TYPE"},
    CategoryKey{9, "TREE5_1DECK_TYPE"},
    CategoryKey{10, "TREE5_2DECK_TYPE"},
    CategoryKey{11, "TREE5_FAN_TYPE"},
    CategoryKey{12, "TREE5_BAKERSDOZEN_TYPE"},
    CategoryKey{13, "TREE5_ROW_TYPE"},
    CategoryKey{14, "TREE5_PUZZLE_TYPE"},
    CategoryKey{15, "TREE5_ADDITION_TYPE"},
    CategoryKey{16, "TREE5_MEMORY_TYPE"},
    CategoryKey{17, "TREE5_BELEAGUEREDCASTLE_TYPE"},
    CategoryKey{18, "TREE5_QUEENOFITALY_TYPE"},
    CategoryKey{19, "TREE5_YUKON_TYPE"},
    CategoryKey{20, "TREE5_MATHEMATICAL_TYPE"},
    CategoryKey{21, "TREE5_SIRTOMMY_TYPE"},
    CategoryKey{22, "TREE5_NONBUILDERS_TYPE"},
    CategoryKey{800, "TREE5_CUSTOMIZED_GAMES"},
};

}  // namespace

std::string_view GameCategoryKey(int category) {
    for (const CategoryKey& entry : kCategoryKeys) {
        if (entry.category == category) {
            return entry.key;
        }
    }
    return {};
}

}  // namespace engine
