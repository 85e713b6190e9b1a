#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace test_support {

// A damaged copy of a file and how it was damaged ("flip 0x10 at 4452", "cut at 120",
// "number at 300 -> -32768", "remove line 12", "double line 7").
struct Mutant {
    std::string what;
    std::string content;
};

// Hands count damaged copies of the content to the visitor one by one, the same for the
// same seed: single bit flips, cuts, numbers replaced by huge, negative and edge values,
// and removed and doubled lines, in turn. Bytes from `from` on are the ones damaged.
void ForEachMutant(std::string_view content, int count, unsigned seed, const std::function<void(const Mutant&)>& visit,
                   std::size_t from = 0);

}  // namespace test_support
