#include "bars/store/layout_store.h"
#include "platform/core/paths.h"
#include "platform/core/registry_store.h"
#include "tests/bars/layout_store_fixture.h"

#include <random>
#include <sstream>

namespace bars::testing {
namespace {

// Damaged layouts of every kind go to the loader; it must neither crash nor hang, must keep
// within its limits, and must leave a manager that still works.
class LayoutStoreFuzz : public LayoutStoreFixture {
public:
    std::mt19937 random{20261209};

    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    std::string RandomValue() {
        static const char* const kValues[] = {"-1", "0", "1", "4", "255", "256", "4096", "4097", "2147483647",
                                              "-2147483648", "99999999999", "", "junk", "btnOpen", "mnuFile", "\x01\xff"};
        return kValues[Pick(static_cast<int>(std::size(kValues)))];
    }
    std::string Damage(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        for (int n = 1 + Pick(6); n > 0 && !lines.empty(); --n) {
            std::string& line = lines[static_cast<std::size_t>(Pick(static_cast<int>(lines.size())))];
            switch (Pick(4)) {
            case 0:
                if (auto assign = line.find('='); assign != std::string::npos) line = line.substr(0, assign + 1) + RandomValue();
                break;
            case 1: line.clear(); break;
            case 2: line = "[MainForm.Bars.Bar" + std::to_string(Pick(300)) + "]"; break;
            default: line += std::string("\0\x7f", 2) + RandomValue(); break;
            }
        }
        std::string damaged;
        for (const std::string& line : lines) damaged += line + "\n";
        if (Pick(4) == 0) damaged.resize(static_cast<std::size_t>(Pick(static_cast<int>(damaged.size()) + 1)));
        return damaged;
    }
    void ExpectUsable(TcbBarManager& target) {
        ASSERT_LE(target.Bars().Count(), kMaxStoredBars);
        for (int i = 0; i < target.Bars().Count(); ++i) {
            TcbBar& bar = *target.Bars().Items(i);
            ASSERT_LE(bar.ItemLinks().Count(), kMaxStoredLinks);
            EXPECT_LE(bar.Row(), kMaxStoredRow);
            for (int j = 0; j < bar.ItemLinks().Count(); ++j) ASSERT_NE(bar.ItemLinks().Items(j)->Item(), nullptr);
        }
        // Still works: new links, a fresh save and load.
        target.Bars().Add().ItemLinks().Add().SetItem(target.ItemByName("btnNew"));
        const std::string again = (Folder() / "again.ini").string();
        ASSERT_TRUE(SaveToIniFile(target, again));
        LoadFromIniFile(target, again);
    }
};

TEST_F(LayoutStoreFuzz, DamagedIniFilesLoadWithinLimits) {
    auto& file = *dynamic_cast<TcbBarSubItem*>(manager->ItemByName("mnuFile"));
    file.ItemLinks().Items(0)->SetUserCaption("Open");
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    std::string good;
    ASSERT_TRUE(platform::ReadFile(IniPath(), good));
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(platform::WriteFileAtomically(IniPath(), Damage(good)));
        TcbBarManager& target = FreshManager();
        target.Bars().Add().SetCaption("Designed");
        LoadFromIniFile(target, IniPath());
        ExpectUsable(target);
    }
}

TEST_F(LayoutStoreFuzz, RegistryValuesOfTheWrongKindOrSizeLoadWithinLimits) {
    ASSERT_TRUE(SaveToRegistry(*manager, "Software\\Corvanet"));
    const std::vector<std::pair<std::string, std::string>> places{
        {"Software\\Corvanet", "BarCount"},           {"Software\\Corvanet", "MenuAnimations"},
        {"Software\\Corvanet\\Bar0", "ItemLinkCount"}, {"Software\\Corvanet\\Bar0", "Row"},
        {"Software\\Corvanet\\Bar1", "DockingStyle"},  {"Software\\Corvanet\\Bar0\\ItemLink1", "UserDefine"},
        {"Software\\Corvanet\\Bar0\\ItemLink0", "UserGlyph"}, {"Software\\Corvanet\\Bar0\\ItemLink2", "ItemName"},
        {"Software\\Corvanet\\Bar1\\ItemLink0", "RecentIndex"}};
    for (int round = 0; round < 80; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(SaveToRegistry(*manager, "Software\\Corvanet"));
        {
            platform::RegistryStore store(LayoutRegistryFile());
            ASSERT_TRUE(store.Load());
            for (int n = 1 + Pick(4); n > 0; --n) {
                const auto& [key, name] = places[static_cast<std::size_t>(Pick(static_cast<int>(places.size())))];
                switch (Pick(4)) {
                case 0: store.SetInteger(key, name, Pick(2) * 2147483647 - Pick(300)); break;
                case 1: store.SetString(key, name, RandomValue()); break;
                case 2: store.SetBinary(key, name, platform::RegistryStore::Binary(static_cast<std::size_t>(Pick(64)), 0xFF)); break;
                default: store.DeleteKey(key + "\\ItemLink" + std::to_string(Pick(3))); break;
                }
            }
            ASSERT_TRUE(store.Save());
        }
        TcbBarManager& target = FreshManager();
        LoadFromRegistry(target, "Software\\Corvanet");
        ExpectUsable(target);
    }
}

}  // namespace
}  // namespace bars::testing
