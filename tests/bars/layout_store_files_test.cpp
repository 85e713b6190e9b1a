#include "bars/customize/customizing_site.h"
#include "bars/store/ini_layout.h"
#include "bars/store/layout_store.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "platform/core/registry_store.h"
#include "tests/bars/layout_store_fixture.h"
#include "tests/support/file_oddities.h"

#include <tuple>

namespace bars::testing {
namespace {

namespace fs = std::filesystem;
using test_support::FileOddity;
using test_support::MessageEvent;

constexpr const char* kRegistryPath = "Software\\Corvanet";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// An oddity in place of the file of one store (true: the registry store).
class LayoutStoreOddities : public LayoutStoreFixture,
                            public ::testing::WithParamInterface<std::tuple<bool, FileOddity>> {
public:
    bool Registry() const { return std::get<0>(GetParam()); }
    FileOddity Oddity() const { return std::get<1>(GetParam()); }
    fs::path File() const { return Registry() ? LayoutRegistryFile() : fs::path(IniPath()); }
    void Load(TcbBarManager& target) {
        Registry() ? LoadFromRegistry(target, kRegistryPath) : LoadFromIniFile(target, IniPath());
    }
    bool Save(std::string& why) {
        return Registry() ? SaveToRegistry(*manager, kRegistryPath, why) : SaveToIniFile(*manager, IniPath(), why);
    }
};

TEST_P(LayoutStoreOddities, ReadAsEmptyWithAMessageAndAreNeverReplaced) {
    test_support::MakeFileOddity(File(), Oddity());
    const bool unreadable = test_support::CannotBeRead(Oddity());
    TcbBarManager& target = FreshManager();
    target.Bars().Add().SetCaption("Designed");
    Load(target);
    ASSERT_EQ(target.Bars().Count(), 1);
    EXPECT_EQ(target.Bars().Items(0)->Caption(), "Designed");
    if (unreadable) {
        ASSERT_EQ(messages.Count(MessageEvent::Kind::Error), 1u);
        const std::string& text = messages.Events()[0].text;
        EXPECT_TRUE(Contains(text, File().string() + " could not be read (")) << text;
        EXPECT_TRUE(Contains(text, "start as designed")) << text;
        EXPECT_EQ(messages.Events()[0].caption, ApplicationTitle());
    } else {
        EXPECT_TRUE(messages.Events().empty());
    }

    std::string why;
    EXPECT_EQ(Save(why), !unreadable);
    EXPECT_TRUE(test_support::IsFileOddityIntact(File(), Oddity()));
    if (unreadable) {
        EXPECT_TRUE(Contains(why, File().string())) << why;
        return;
    }
    // Through a dangling link the layout goes to the file the link names.
    TcbBarManager& again = FreshManager();
    Load(again);
    EXPECT_EQ(again.Bars().Count(), 2);
    EXPECT_TRUE(fs::is_regular_file(test_support::DanglingTarget(File())));
}

INSTANTIATE_TEST_SUITE_P(Stores, LayoutStoreOddities,
                         ::testing::Combine(::testing::Bool(), ::testing::ValuesIn(test_support::kFileOddities)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "Registry" : "IniFile") +
                                    std::string(test_support::NameOf(std::get<1>(info.param)));
                         });

using LayoutStoreWriting = LayoutStoreFixture;

TEST_F(LayoutStoreWriting, AManagerBuiltInCodeWritesItsStoresWhenItsFormGoesNotWhenItGoesAlone) {
    // Never loaded from a form description: made and switched on in code only.
    manager->SetStoreInIniFile(true);
    manager->SetIniFileName(IniPath());
    manager->SetStoreInRegistry(true);
    manager->SetRegistryPath(kRegistryPath);
    form.reset();
    EXPECT_EQ(platform::IniFile(IniPath()).ReadString("MainForm.Bars.Bar1", "Caption", ""), "Tools");
    platform::RegistryStore store(LayoutRegistryFile());
    ASSERT_TRUE(store.Load());
    EXPECT_EQ(store.ReadString("Software\\Corvanet\\Bar0", "Caption"), "Standard");
    EXPECT_TRUE(messages.Events().empty());

    const std::string alone = (Folder() / "alone.ini").string();
    TcbBarManager& going = FreshManager();
    going.SetStoreInIniFile(true);
    going.SetIniFileName(alone);
    delete &going;
    freshForm.reset();
    EXPECT_FALSE(fs::exists(alone));
}

TEST_F(LayoutStoreWriting, ALayoutThatCannotBeSavedIsToldOnceWithWhy) {
    const std::string damaged = "not a settings file\n";
    ASSERT_TRUE(platform::WriteFileAtomically(LayoutRegistryFile(), damaged));
    fs::create_directory(IniPath());
    manager->SetStoreInRegistry(true);
    manager->SetRegistryPath(kRegistryPath);
    manager->SetStoreInIniFile(true);
    manager->SetIniFileName(IniPath());
    form.reset();
    ASSERT_EQ(messages.Events().size(), 1u);
    const MessageEvent& told = messages.Events()[0];
    EXPECT_EQ(told.kind, MessageEvent::Kind::Error);
    EXPECT_EQ(told.caption, ApplicationTitle());
    EXPECT_TRUE(Contains(told.text, "The toolbar and menu layout could not be saved.")) << told.text;
    EXPECT_TRUE(Contains(told.text, LayoutRegistryFile().string() + " is damaged (line 1")) << told.text;
    EXPECT_TRUE(Contains(told.text, IniPath() + " could not be written (it is a folder)")) << told.text;
    // The damaged store is left for the user to see.
    std::string content;
    ASSERT_TRUE(platform::ReadFile(LayoutRegistryFile(), content));
    EXPECT_EQ(content, damaged);
}

TEST_F(LayoutStoreWriting, TheFirstSectionAndTheFirstItemOfANameCountWithoutRegardToCase) {
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    ASSERT_TRUE(platform::IniFile(IniPath()).WriteString("MainForm.Bars.Bar0.ItemLink1", "ItemName", "btnnew"));
    std::string content;
    ASSERT_TRUE(platform::ReadFile(IniPath(), content));
    content += "[mainform.bars.BAR0]\r\nCaption=Later\r\n[MainForm.Bars.Bar0.ItemLink1]\r\nItemName=btnSave\r\n";
    ASSERT_TRUE(platform::WriteFileAtomically(IniPath(), content));
    TcbBarManager& target = FreshManager();
    target.CreateItem<TcbBarButton>("BTNNEW");
    LoadFromIniFile(target, IniPath());
    const TcbBar& bar = *target.Bars().Items(0);
    EXPECT_EQ(bar.Caption(), "Standard");
    ASSERT_EQ(bar.ItemLinks().Count(), 3);
    EXPECT_EQ(bar.ItemLinks().Items(1)->Item(), target.Items(0));
}

TEST_F(LayoutStoreWriting, AnIniLayoutIsReadFromTheOneVersionOfItsFileFoundFirst) {
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    const IniLayout medium(IniPath(), IniSectionPrefix(*manager));
    EXPECT_EQ(medium.ReadString("MainForm.Bars.Bar0", "Caption"), "Standard");
    // Replaced halfway through a load: the rest still comes from the version first read.
    ASSERT_TRUE(platform::IniFile(IniPath()).WriteString("MainForm.Bars.Bar1", "Caption", "Changed"));
    EXPECT_EQ(medium.ReadString("MainForm.Bars.Bar1", "Caption"), "Tools");
}

}  // namespace
}  // namespace bars::testing
