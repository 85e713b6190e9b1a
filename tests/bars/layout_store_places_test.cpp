#include "bars/customize/customizing_site.h"
#include "bars/store/layout_store.h"
#include "tests/bars/windows_fixture.h"
#include "tests/support/fake_services.h"

#include <QTemporaryDir>

#include <map>

namespace bars::testing {
namespace {

// Where every bar of a manager is on screen: its side, its row and its window's place.
struct Place {
    TcbBarDockingStyle side;
    int row;
    platform::Rect bounds;
    bool operator==(const Place&) const = default;
};
void PrintTo(const Place& p, std::ostream* out) {
    *out << "side " << static_cast<int>(p.side) << " row " << p.row << " at (" << p.bounds.left << ", " << p.bounds.top << ")-("
         << p.bounds.right << ", " << p.bounds.bottom << ")";
}

// A running manager, made in code as a program makes it, whose layout goes to a file and comes
// back: into the same manager at once, and into a new one on a new form as a restart does.
class LayoutPlacesTest : public WindowsTest {
public:
    LayoutPlacesTest() {
        form->setObjectName("PlacesForm");
        manager->SetName("Bars");
        Build(*this);
        FlushDeletes();
        SetCustomizingMessages(&messages);
    }
    // The layout is written as the form goes, while its folder is still there.
    ~LayoutPlacesTest() override {
        form.reset();
        SetCustomizingMessages(nullptr);
        EXPECT_TRUE(messages.Events().empty());
    }
    // Two bars on the top row, one of them far along it, one on a second row, one at the
    // bottom and a floating one.
    static void Build(WindowsTest& on) {
        on.ShowBar("Left", dsTop, 3);
        TcbBar& right = on.MakeBar("Right", dsTop, 3);
        right.SetOneOnRow(false);
        right.SetDockedLeft(300);
        right.SetVisible(true);
        on.ShowBar("Second", dsTop, 4, 1);
        on.ShowBar("Bottom", dsBottom, 2);
        on.ShowFloating("Float", 3, 150, 120, 3 * 23);
    }
    static std::map<std::string, Place> Places(const TcbBarManager& of) {
        std::map<std::string, Place> places;
        for (int i = 0; i < of.Bars().Count(); ++i) {
            const TcbBar& bar = *of.Bars().Items(i);
            const TcbBarControl& window = WindowOf(bar);
            const QRect r = window.geometry();
            places[bar.Caption()] = {window.DockingStyle(), bar.Row(), {r.left(), r.top(), r.right() + 1, r.bottom() + 1}};
        }
        return places;
    }
    std::string File() const { return m_folder.filePath("layout.ini").toStdString(); }

    test_support::ScriptedMessages messages;

private:
    QTemporaryDir m_folder;
};

TEST_F(LayoutPlacesTest, ASavedLayoutLoadedAtOnceLeavesEveryBarWhereItWas) {
    const auto before = Places(*manager);
    ASSERT_EQ(before.at("Right").bounds.left, 300);
    ASSERT_TRUE(SaveToIniFile(*manager, File()));
    LoadFromIniFile(*manager, File());
    FlushDeletes();
    EXPECT_EQ(Places(*manager), before);
    // And once more: what the load left is what it saves.
    ASSERT_TRUE(SaveToIniFile(*manager, File()));
    LoadFromIniFile(*manager, File());
    FlushDeletes();
    EXPECT_EQ(Places(*manager), before);
}

TEST_F(LayoutPlacesTest, EachRestartWithTheLayoutComesBackWhereTheLastOneLeftIt) {
    const auto before = Places(*manager);
    manager->SetStoreInIniFile(true);
    manager->SetIniFileName(File());
    for (int restart = 0; restart < 3; ++restart) {
        // The form goes, writing its layout; the next run builds the same bars and reads it.
        form.reset();
        FlushDeletes();
        form = std::make_unique<QWidget>();
        form->setObjectName("PlacesForm");
        form->setGeometry(0, 0, 400, 300);
        manager = new TcbBarManager(form.get());
        manager->SetName("Bars");
        manager->SetStoreInIniFile(true);
        manager->SetIniFileName(File());
        form->show();
        Build(*this);
        ASSERT_TRUE(ReadLayoutStores(*manager));
        FlushDeletes();
        EXPECT_EQ(Places(*manager), before) << "restart " << restart;
    }
}

}  // namespace
}  // namespace bars::testing
