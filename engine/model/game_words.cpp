#include "engine/model/game_words.h"

namespace engine {

namespace {

constexpr bool WordsInOrderAndApart() {
    int next = kFirstGameWord;
    for (const GameWordInfo& info : kGameWords) {
        if (info.first < next || info.count < 1 || info.min > info.max ||
            (info.other != GameWordInfo::kNoOtherValue && info.other >= info.min && info.other <= info.max)) {
            return false;
        }
        next = info.first + info.count;
    }
    return next <= kLastGameWord + 1;
}
static_assert(WordsInOrderAndApart(), "game words must be in order, apart and within 0-400");

}  // namespace

std::string AllowedValuesText(const GameWordInfo& info) {
    std::string text = std::to_string(info.min) + ".." + std::to_string(info.max);
    if (info.other != GameWordInfo::kNoOtherValue) text += " or " + std::to_string(info.other);
    return text;
}

std::string GameWordName(int number) {
    const GameWordInfo* info = FindGameWord(number);
    if (info == nullptr) {
        return {};
    }
    std::string name(info->name);
    if (info->count > 1) {
        name += "[" + std::to_string(number - info->first) + "]";
    }
    return name;
}

}  // namespace engine
