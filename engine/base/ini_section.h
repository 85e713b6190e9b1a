#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The lines of a text file's content; a line ends at "\n" or "\r\n", and a last line
// without an ending counts too.
std::vector<std::string> SplitTextLines(std::string_view content);

// One pass over a text file: values get one entry per key, the default where the file
// does not give one. Inside the section, a line that begins with a key (the first key in
// list order) gives it the text after the line's first "=", untrimmed. The scan ends at
// the next section or once every key has a value. True when every key was found.
bool ReadIniSection(const std::filesystem::path& fileName, std::string_view section,
                    const std::vector<std::string>& keys, std::vector<std::string>& values,
                    const std::vector<std::string>& defaults);

}  // namespace engine
