#include "platform/core/registry_store.h"

#include "tests/support/fake_services.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using platform::RegistryStore;
using test_support::TempFolder;

constexpr std::string_view kBars = "Software\\Corvanet\\Bars";

class RegistryStoreTest : public ::testing::Test {
protected:
    fs::path File() const { return RegistryStore::DefaultFile(m_folder.Path()); }

    TempFolder m_folder;
};

TEST_F(RegistryStoreTest, ValuesOfEveryTypeSurviveASaveAndLoad) {
    RegistryStore store(File());
    store.SetString(kBars, "Caption", "Main Menu & more\n\"quoted\" 100%");
    store.SetString(kBars, "", "default value");
    store.SetInteger(std::string(kBars) + "\\Bar0", "DockRow", -2147483647 - 1);
    store.SetBinary(std::string(kBars) + "\\Bar0", "Items", {0x00, 0xFF, 0x20, 0x0A});
    store.SetBinary(kBars, "Empty", {});
    ASSERT_TRUE(store.Save()) << store.Error();

    RegistryStore loaded(File());
    ASSERT_TRUE(loaded.Load()) << loaded.Error();
    EXPECT_EQ(loaded.ReadString(kBars, "caption"), "Main Menu & more\n\"quoted\" 100%");
    EXPECT_EQ(loaded.ReadString(kBars, ""), "default value");
    EXPECT_EQ(loaded.ReadInteger("software\\CORVANET\\bars\\bar0", "DockRow"), -2147483647 - 1);
    EXPECT_EQ(loaded.ReadBinary(std::string(kBars) + "\\Bar0", "Items"), (RegistryStore::Binary{0x00, 0xFF, 0x20, 0x0A}));
    EXPECT_EQ(loaded.ReadBinary(kBars, "Empty"), RegistryStore::Binary{});
    // A value of another type reads as missing.
    EXPECT_EQ(loaded.ReadInteger(kBars, "Caption"), std::nullopt);
    EXPECT_EQ(loaded.ValueNames(kBars), (std::vector<std::string>{"Caption", "", "Empty"}));
}

TEST_F(RegistryStoreTest, KeysKeepTheirSpellingAndGoWithEverythingBelow) {
    RegistryStore store(File());
    EXPECT_TRUE(store.CreateKey("Software\\Corvanet\\Bars\\Bar0"));
    store.SetInteger("SOFTWARE\\corvanet\\bars\\Bar1", "Visible", 1);
    EXPECT_FALSE(store.CreateKey("\\\\"));
    EXPECT_EQ(store.SubKeys("software\\corvanet\\bars"), (std::vector<std::string>{"Bar0", "Bar1"}));
    EXPECT_TRUE(store.KeyExists("Software\\Corvanet"));
    EXPECT_TRUE(store.DeleteKey("Software\\Corvanet\\BARS"));
    EXPECT_FALSE(store.DeleteKey("Software\\Corvanet\\Bars"));
    EXPECT_FALSE(store.KeyExists("Software\\Corvanet\\Bars\\Bar1"));
    EXPECT_EQ(store.ReadInteger("Software\\Corvanet\\Bars\\Bar1", "Visible"), std::nullopt);
    EXPECT_TRUE(store.KeyExists("Software\\Corvanet"));
}

TEST_F(RegistryStoreTest, AMissingFileIsAnEmptyTreeWithoutError) {
    RegistryStore store(File());
    EXPECT_TRUE(store.Load());
    EXPECT_TRUE(store.Error().empty());
    EXPECT_TRUE(store.SubKeys("").empty());
}

TEST_F(RegistryStoreTest, ADamagedFileGivesAnEmptyTreeAndAClearErrorAndIsLeftAlone) {
    const std::string damaged = "CORVANET-REGISTRY 1\nkey @Software\ninteger @Count 12x\n";
    for (const std::string& content : {damaged, std::string("\x7F" "ELF\x01\x02", 6), std::string("CORVANET-REGISTRY 1\nstring @A @b\n")}) {
        m_folder.WriteFile("corvanet-solitaire/registry.txt", content);
        RegistryStore store(File());
        store.SetInteger("Software", "Old", 1);
        EXPECT_FALSE(store.Load());
        EXPECT_NE(store.Error().find("damaged"), std::string::npos) << store.Error();
        EXPECT_FALSE(store.KeyExists("Software"));
        EXPECT_EQ(m_folder.ReadFile("corvanet-solitaire/registry.txt"), content);
    }
}

TEST_F(RegistryStoreTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    RegistryStore store(File());
    store.SetInteger("Software", "Count", 1);
    ASSERT_TRUE(store.Save());
    const std::string before = m_folder.ReadFile("corvanet-solitaire/registry.txt");
    // A folder where the file should be: nothing can be written.
    RegistryStore blocked(m_folder.Path() / "corvanet-solitaire");
    blocked.SetInteger("Software", "Count", 2);
    EXPECT_FALSE(blocked.Save());
    EXPECT_FALSE(blocked.Error().empty());
    EXPECT_EQ(m_folder.ReadFile("corvanet-solitaire/registry.txt"), before);
}

TEST_F(RegistryStoreTest, TheDefaultFileLivesUnderTheConfigurationFolder) {
    EXPECT_EQ(RegistryStore::DefaultFile("/x"), fs::path("/x/corvanet-solitaire/registry.txt"));
    EXPECT_EQ(RegistryStore::DefaultFile().filename(), "registry.txt");
}

}  // namespace
