#include "engine/base/ini_section.h"

#include <algorithm>

#include "platform/core/paths.h"

namespace engine {

std::vector<std::string> SplitTextLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
        if (end == std::string_view::npos) {
            end = content.size();
        }
        if (end > start && content[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(content.substr(start, end - start));
        start = next;
    }
    return lines;
}

bool ReadIniSection(const std::filesystem::path& fileName, std::string_view section,
                    const std::vector<std::string>& keys, std::vector<std::string>& values,
                    const std::vector<std::string>& defaults) {
    values.assign(keys.size(), std::string());
    std::copy_n(defaults.begin(), std::min(defaults.size(), keys.size()), values.begin());
    std::vector<bool> found(keys.size(), false);

    std::string content;
    if (!platform::ReadFile(fileName, content)) {
        return keys.empty();
    }
    const std::string header = "[" + std::string(section) + "]";
    bool inside = false;
    for (const std::string& line : SplitTextLines(content)) {
        if (!inside) {
            inside = line.starts_with(header);
            continue;
        }
        if (line.starts_with('[')) {
            break;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;  // no value to take
        }
        const auto key = std::ranges::find_if(keys, [&](const std::string& k) {
            return !k.empty() && line.starts_with(k);
        });
        if (key != keys.end()) {
            const auto index = static_cast<std::size_t>(key - keys.begin());
            values[index] = line.substr(equals + 1);
            found[index] = true;
            if (std::ranges::all_of(found, [](bool f) { return f; })) {
                break;
            }
        }
    }
    return std::ranges::all_of(found, [](bool f) { return f; });
}

}  // namespace engine
