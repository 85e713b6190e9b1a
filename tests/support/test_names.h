#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace test_support {

// A part of a parameterised test's name from a readable text: its words run together, each
// starting with a capital ("no game list" gives "NoGameList"); only letters and digits stay.
inline std::string TestNameOf(std::string_view text) {
    std::string name;
    bool wordStart = true;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            wordStart = true;
            continue;
        }
        name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        wordStart = false;
    }
    return name;
}

}  // namespace test_support
