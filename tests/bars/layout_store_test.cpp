#include "bars/design/manager_description.h"
#include "bars/store/layout_store.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "platform/core/registry_store.h"
#include "tests/bars/layout_store_fixture.h"

#include <fstream>

namespace bars::testing {
namespace {

namespace fs = std::filesystem;

// Saving to and loading from one of the two stores.
struct StoreKind {
    const char* name;
    bool (*save)(TcbBarManager&, const std::string&);
    void (*load)(TcbBarManager&, const std::string&);
    bool isIni;
};
void PrintTo(const StoreKind& c, std::ostream* out) { *out << c.name; }

class LayoutBothStores : public LayoutStoreFixture, public ::testing::WithParamInterface<StoreKind> {
public:
    std::string Where() const { return GetParam().isIni ? IniPath() : std::string("Software\\Corvanet\\"); }
    bool Save(TcbBarManager& target) { return GetParam().save(target, Where()); }
    void Load(TcbBarManager& target) { GetParam().load(target, Where()); }
};

TEST_P(LayoutBothStores, BarsLinksAndSwitchesComeBack) {
    manager->SetShowShortCutInHint(true);
    manager->SetMenuAnimations(maSlide);
    standard->SetDockingStyle(dsNone);
    standard->SetFloatLeft(140);
    standard->SetFloatTop(90);
    tools->SetDockedDockingStyle(dsBottom);
    tools->SetRow(3);
    TcbBarItemLink& open = *standard->ItemLinks().Items(1);
    open.SetBeginGroup(true);
    open.SetUserCaption("Open it");
    open.SetUserPaintStyle(psCaptionGlyph);
    standard->ItemLinks().Items(2)->SetVisible(false);
    auto* file = dynamic_cast<TcbBarSubItem*>(manager->ItemByName("mnuFile"));
    file->ItemLinks().Items(0)->Free();
    ASSERT_TRUE(Save(*manager));

    TcbBarManager& target = FreshManager();
    Load(target);
    EXPECT_TRUE(target.ShowShortCutInHint());
    EXPECT_EQ(target.MenuAnimations(), maSlide);
    ASSERT_EQ(target.Bars().Count(), 2);
    const TcbBar& bar = *target.Bars().Items(0);
    EXPECT_EQ(bar.Caption(), "Standard");
    EXPECT_EQ(bar.DockingStyle(), dsNone);
    EXPECT_EQ(bar.FloatLeft(), 140);
    EXPECT_EQ(bar.FloatTop(), 90);
    EXPECT_EQ(target.Bars().Items(1)->DockedDockingStyle(), dsBottom);
    EXPECT_EQ(target.Bars().Items(1)->Row(), 3);
    EXPECT_EQ(LinkNames(bar.ItemLinks()), "btnNew btnOpen btnSave");
    const TcbBarItemLink& loaded = *bar.ItemLinks().Items(1);
    EXPECT_TRUE(loaded.OwnBeginGroup());
    EXPECT_EQ(loaded.Caption(), "Open it");
    EXPECT_EQ(loaded.UserPaintStyle(), psCaptionGlyph);
    EXPECT_EQ(loaded.UserDefine(), udCaption | udPaintStyle);
    EXPECT_FALSE(bar.ItemLinks().Items(2)->Visible());
    EXPECT_EQ(LinkNames(dynamic_cast<TcbBarSubItem*>(target.ItemByName("mnuFile"))->ItemLinks()), "btnSave");
}

TEST_P(LayoutBothStores, ALinkWhoseItemIsGoneIsDroppedAndTheOthersKeepTheirOrder) {
    ASSERT_TRUE(Save(*manager));
    TcbBarManager& target = FreshManager("btnOpen");
    Load(target);
    EXPECT_EQ(LinkNames(target.Bars().Items(0)->ItemLinks()), "btnNew btnSave");
}

TEST_P(LayoutBothStores, ALargerBarCountCreatesTheMissingBars) {
    NewBar("Extra");
    ASSERT_TRUE(Save(*manager));
    TcbBarManager& target = FreshManager();
    target.Bars().Add().SetCaption("Only");
    Load(target);
    ASSERT_EQ(target.Bars().Count(), 3);
    EXPECT_EQ(target.Bars().Items(0)->Caption(), "Standard");
    EXPECT_EQ(target.Bars().Items(2)->Caption(), "Extra");
}

TEST_P(LayoutBothStores, AnEmptyPlaceDoesNothing) {
    EXPECT_FALSE(GetParam().save(*manager, ""));
    GetParam().load(*manager, "");
    EXPECT_EQ(manager->Bars().Count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Stores, LayoutBothStores,
                         ::testing::Values(StoreKind{"Registry", SaveToRegistry, LoadFromRegistry, false},
                                           StoreKind{"IniFile", SaveToIniFile, LoadFromIniFile, true}),
                         [](const auto& info) { return std::string(info.param.name); });

using LayoutStoreTest = LayoutStoreFixture;

TEST_F(LayoutStoreTest, IniSectionsOfThePrefixAreWrittenAfreshAndOthersStay) {
    {
        platform::IniFile ini(IniPath());
        ini.WriteInteger("MainForm.Bars.Bar7", "Row", 2);
        ini.WriteInteger("OtherForm.Bars.Main", "BarCount", 1);
        ini.WriteInteger("MainForm.Other.Bar0", "Row", 1);
    }
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    platform::IniFile ini(IniPath());
    const std::vector<std::string> expected{"OtherForm.Bars.Main",          "MainForm.Other.Bar0",
                                            "MainForm.Bars.Main",           "MainForm.Bars.Bar0",
                                            "MainForm.Bars.Bar0.ItemLink0", "MainForm.Bars.Bar0.ItemLink1",
                                            "MainForm.Bars.Bar0.ItemLink2", "MainForm.Bars.Bar1",
                                            "MainForm.Bars.Bar1.ItemLink0", "MainForm.Bars.SubItem_mnuFile",
                                            "MainForm.Bars.SubItem_mnuFile.ItemLink0",
                                            "MainForm.Bars.SubItem_mnuFile.ItemLink1"};
    EXPECT_EQ(ini.ReadSections(), expected);
    EXPECT_EQ(ini.ReadSection("MainForm.Bars.Main"),
              (std::vector<std::string>{"MenusShowRecentItemsFirst", "ShowFullMenusAfterDelay", "LargeIcons",
                                        "MenuAnimations", "ShowHint", "ShowShortCutInHint", "BarCount"}));
    EXPECT_EQ(ini.ReadSection("MainForm.Bars.Bar0"),
              (std::vector<std::string>{"Caption", "DockedDockingStyle", "DockedLeft", "DockedTop", "OneOnRow", "Row",
                                        "FloatLeft", "FloatTop", "FloatClientWidth", "FloatClientHeight",
                                        "DockingStyle", "Visible", "ItemLinkCount"}));
    EXPECT_EQ(ini.ReadSection("MainForm.Bars.Bar0.ItemLink0"),
              (std::vector<std::string>{"ItemName", "BeginGroup", "UserDefine", "Visible", "UseCount", "RecentIndex"}));
    EXPECT_EQ(ini.ReadString("MainForm.Bars.Main", "BarCount", ""), "2");
    EXPECT_EQ(ini.ReadString("MainForm.Bars.Bar0.ItemLink1", "ItemName", ""), "btnOpen");
    // A standard manager keeps no recent use and no menu switches.
    manager->SetStyle(bmsStandard);
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    EXPECT_FALSE(platform::IniFile(IniPath()).ValueExists("MainForm.Bars.Main", "ShowFullMenusAfterDelay"));
    EXPECT_FALSE(platform::IniFile(IniPath()).ValueExists("MainForm.Bars.Bar0.ItemLink0", "UseCount"));
}

TEST_F(LayoutStoreTest, TheRegistryPathGetsALeadingAndLosesATrailingBackslash) {
    EXPECT_EQ(NormalizedRegistryPath("Software\\Corvanet\\"), "\\Software\\Corvanet");
    EXPECT_EQ(NormalizedRegistryPath("\\Software\\Corvanet"), "\\Software\\Corvanet");
    ASSERT_TRUE(SaveToRegistry(*manager, "Software\\Corvanet\\"));
    platform::RegistryStore store(LayoutRegistryFile());
    ASSERT_TRUE(store.Load());
    EXPECT_EQ(store.ReadInteger("Software\\Corvanet", "BarCount"), 2);
    EXPECT_EQ(store.ReadString("Software\\Corvanet\\Bar0\\ItemLink2", "ItemName"), "btnSave");
    EXPECT_EQ(store.ReadBinary("Software\\Corvanet\\Bar0\\ItemLink2", "UserDefine"),
              platform::RegistryStore::Binary{0});
    // Saving again drops the bars that are gone.
    manager->Bars().Delete(1);
    ASSERT_TRUE(SaveToRegistry(*manager, "\\Software\\Corvanet"));
    ASSERT_TRUE(store.Load());
    EXPECT_FALSE(store.KeyExists("Software\\Corvanet\\Bar1"));
}

TEST_F(LayoutStoreTest, AUserGlyphComesBackFromTheRegistryButOnlyAsAMarkFromAnIniFile) {
    platform::Bitmap glyph(16, 15);
    glyph.Image().fill(qRgb(0, 128, 255));
    standard->ItemLinks().Items(0)->SetUserGlyph(glyph);
    ASSERT_TRUE(SaveToRegistry(*manager, "Software\\Corvanet"));
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));

    LoadFromRegistry(FreshManager(), "Software\\Corvanet");
    const TcbBarItemLink& fromRegistry = *fresh->Bars().Items(0)->ItemLinks().Items(0);
    EXPECT_EQ(fromRegistry.UserDefine(), udGlyph);
    ASSERT_EQ(fromRegistry.UserGlyph().Width(), 16);
    EXPECT_EQ(fromRegistry.UserGlyph().Image().pixel(3, 4), qRgb(0, 128, 255));

    LoadFromIniFile(FreshManager(), IniPath());
    const TcbBarItemLink& fromIni = *fresh->Bars().Items(0)->ItemLinks().Items(0);
    EXPECT_EQ(fromIni.UserDefine(), udGlyph);
    EXPECT_TRUE(fromIni.UserGlyph().IsEmpty());
}

// One damaged or hostile value of an INI layout, and what the loaded manager must show.
struct UntrustedValue {
    const char* name;
    const char* section;
    const char* key;
    const char* value;
    std::function<void(TcbBarManager&)> check;
};
void PrintTo(const UntrustedValue& c, std::ostream* out) { *out << c.name; }

class LayoutUntrustedValues : public LayoutStoreFixture, public ::testing::WithParamInterface<UntrustedValue> {};

TEST_P(LayoutUntrustedValues, AreBoundedOrIgnored) {
    standard->SetDockingStyle(dsLeft);
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    platform::IniFile(IniPath()).WriteString(GetParam().section, GetParam().key, GetParam().value);
    TcbBarManager& target = FreshManager();
    target.Bars().Add().SetCaption("Designed");
    LoadFromIniFile(target, IniPath());
    GetParam().check(target);
}

const TcbBar& Bar(TcbBarManager& target, int index) { return *target.Bars().Items(index); }

INSTANTIATE_TEST_SUITE_P(
    Layout, LayoutUntrustedValues,
    ::testing::Values(
        UntrustedValue{"BarCountAboveTheLimit", "MainForm.Bars.Main", "BarCount", "257",
                       [](TcbBarManager& m) {
                           ASSERT_EQ(m.Bars().Count(), 1);
                           EXPECT_EQ(Bar(m, 0).Caption(), "Designed");
                       }},
        UntrustedValue{"RowAboveTheLimit", "MainForm.Bars.Bar1", "Row", "256",
                       [](TcbBarManager& m) { EXPECT_EQ(m.Bars().Count(), 1); }},
        UntrustedValue{"DockingStyleOutOfRange", "MainForm.Bars.Bar0", "DockingStyle", "9",
                       [](TcbBarManager& m) { EXPECT_EQ(Bar(m, 0).DockingStyle(), dsNone); }},
        UntrustedValue{"UserDefineMaskedToItsFourBits", "MainForm.Bars.Bar0.ItemLink0", "UserDefine", "255",
                       [](TcbBarManager& m) { EXPECT_EQ(Bar(m, 0).ItemLinks().Items(0)->UserDefine(), 15); }},
        UntrustedValue{"ItemLinkCountAboveTheLimit", "MainForm.Bars.Bar0", "ItemLinkCount", "4097",
                       [](TcbBarManager& m) { EXPECT_EQ(Bar(m, 0).ItemLinks().Count(), 0); }},
        UntrustedValue{"HugeFloatingPlace", "MainForm.Bars.Bar0", "FloatLeft", "2147483647",
                       [](TcbBarManager& m) { EXPECT_EQ(Bar(m, 0).FloatLeft(), 32767); }},
        UntrustedValue{"MenuAnimationsOutOfRange", "MainForm.Bars.Main", "MenuAnimations", "4",
                       [](TcbBarManager& m) { EXPECT_EQ(m.MenuAnimations(), maNone); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayoutStoreTest, ADamagedRegistryValueCostsOnlyItsOwnLink) {
    ASSERT_TRUE(SaveToRegistry(*manager, "Software\\Corvanet"));
    {
        platform::RegistryStore store(LayoutRegistryFile());
        ASSERT_TRUE(store.Load());
        store.SetString("Software\\Corvanet\\Bar0\\ItemLink1", "BeginGroup", "yes");
        store.SetString("Software\\Corvanet\\Bar1", "DockedLeft", "far");
        ASSERT_TRUE(store.Save());
    }
    TcbBarManager& target = FreshManager();
    LoadFromRegistry(target, "Software\\Corvanet");
    ASSERT_EQ(target.Bars().Count(), 2);
    EXPECT_EQ(LinkNames(target.Bars().Items(0)->ItemLinks()), "btnNew btnSave");
    // The bar whose value failed keeps its links and is shown.
    EXPECT_EQ(LinkNames(target.Bars().Items(1)->ItemLinks()), "mnuFile");
    EXPECT_TRUE(target.Bars().Items(1)->Visible());
}

TEST_F(LayoutStoreTest, AStoreThatCannotBeWrittenLeavesThePreviousFileWhole) {
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    std::string before;
    ASSERT_TRUE(platform::ReadFile(IniPath(), before));
    // A caption the file cannot hold fails the write as a full disk would.
    standard->SetCaption("Two\nlines");
    EXPECT_FALSE(SaveToIniFile(*manager, IniPath()));
    std::string after;
    ASSERT_TRUE(platform::ReadFile(IniPath(), after));
    EXPECT_EQ(after, before);

    manager->SetStoreInIniFile(true);
    manager->SetIniFileName(IniPath());
    manager->SetStoreInRegistry(true);
    manager->SetRegistryPath("Software\\Corvanet");
    SetLayoutRegistryFile(Folder() / "layout.ini" / "not-a-folder" / "registry.store");
    EXPECT_FALSE(WriteLayoutStores(*manager));
}

TEST_F(LayoutStoreTest, BothStoresAreWrittenOnceWhenTheFormGoes) {
    manager->SetStoreInIniFile(true);
    manager->SetIniFileName(IniPath());
    manager->SetStoreInRegistry(true);
    manager->SetRegistryPath("Software\\Corvanet");
    manager->Loaded();
    EXPECT_FALSE(fs::exists(IniPath()));
    form.reset();
    EXPECT_EQ(platform::IniFile(IniPath()).ReadString("MainForm.Bars.Bar1", "Caption", ""), "Tools");
    platform::RegistryStore store(LayoutRegistryFile());
    ASSERT_TRUE(store.Load());
    EXPECT_EQ(store.ReadString("Software\\Corvanet\\Bar0", "Caption"), "Standard");
}

TEST_F(LayoutStoreTest, TheStoresAreReadAtTheEndOfLoading) {
    standard->SetCaption("Saved");
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    TcbBarManager& target = FreshManager();
    target.Bars().Add().SetCaption("Designed");
    target.SetStoreInIniFile(true);
    target.SetIniFileName(IniPath());
    target.Loaded();
    EXPECT_EQ(target.Bars().Items(0)->Caption(), "Saved");
}

// A form made from its description reads the stores while it loads.
TEST_F(LayoutStoreTest, ABarTheStoreAddsToAFormBeingLoadedTakesItsStoredSideAndShows) {
    tools->SetDockingStyle(dsBottom);
    tools->SetVisible(true);
    ASSERT_TRUE(SaveToIniFile(*manager, IniPath()));
    auto description = std::make_shared<TcbBarManagerDescription>();
    description->name = "Bars";
    description->storeInIniFile = true;
    description->iniFileName = IniPath();
    description->items = {{.name = "btnNew"}, {.name = "btnOpen"}, {.name = "btnSave"}};
    description->bars = {{.name = "Standard", .caption = "Standard", .links = {{.item = "btnNew"}}}};
    QWidget designed;
    designed.setObjectName("MainForm");
    TcbBarManager& loaded = BuildBarManager(&designed, description);
    ASSERT_EQ(loaded.Bars().Count(), 2);
    const TcbBar& added = *loaded.Bars().Items(1);
    EXPECT_EQ(added.Caption(), "Tools");
    EXPECT_EQ(added.DockingStyle(), dsBottom);
    EXPECT_TRUE(added.Visible());
}

}  // namespace
}  // namespace bars::testing
