// The folders of the engine and of the table are layers: a source file includes headers of
// its own folder and of the folders before it in the list, never of one after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

struct Layers {
    const char* top;                   // "engine" or "table"
    std::vector<std::string> folders;  // from the bottom up
};

const Layers kLayers[] = {
    {"engine", {"base", "ports", "model", "files", "rules", "deal", "undo", "state", "play", "session", "startup"}},
    {"table", {"layout", "draw", "animate", "mouse"}},
};

int RankOf(const Layers& layers, const std::string& folder) {
    for (std::size_t i = 0; i < layers.folders.size(); ++i) {
        if (layers.folders[i] == folder) return static_cast<int>(i);
    }
    return -1;
}

TEST(SourceLayersTest, NoFolderIncludesAFolderAboveIt) {
    for (const Layers& layers : kLayers) {
        const std::filesystem::path root = std::filesystem::path(CORVANET_SOURCE_DIR) / layers.top;
        const std::regex include("#include \"" + std::string(layers.top) + "/([a-z_]+)/");
        int files = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::filesystem::path& path = entry.path();
            if (path.extension() != ".h" && path.extension() != ".cpp") continue;
            const std::filesystem::path relative = std::filesystem::relative(path, root);
            if (relative.begin() == relative.end() || std::next(relative.begin()) == relative.end()) {
                // Only entry points lie at the top, and nothing includes upwards from there.
                EXPECT_TRUE(std::string(layers.top) == "table") << "a file at the engine's top: " << relative;
                continue;
            }
            const int rank = RankOf(layers, relative.begin()->string());
            ASSERT_GE(rank, 0) << "a folder outside the layers: " << path;
            ++files;
            std::ifstream in(path);
            std::string line;
            while (std::getline(in, line)) {
                std::smatch match;
                if (!std::regex_search(line, match, include)) continue;
                EXPECT_LE(RankOf(layers, match[1].str()), rank) << path << " includes " << match[1].str();
            }
        }
        EXPECT_GT(files, 0) << layers.top;
    }
}

}  // namespace
