#include "bars/customize/customizing_site.h"
#include "bars/store/layout_store.h"
#include "tests/bars/windows_fixture.h"
#include "tests/support/fake_services.h"

#include <QTemporaryDir>

namespace bars::testing {
namespace {

// A manager made in code, as a program makes it, with two bars on the top row (one far along
// it), one on a second row, one at the bottom and a floating one; its layout file is its own.
class LayoutPlacesTest : public WindowsTest {
public:
    LayoutPlacesTest() {
        SetCustomizingMessages(&messages);
        Build();
    }
    // The layout is written as the form goes, while its folder is still there.
    ~LayoutPlacesTest() override {
        form.reset();
        SetCustomizingMessages(nullptr);
        EXPECT_TRUE(messages.Events().empty());
    }
    void Build() {
        form->setObjectName("PlacesForm");
        manager->SetName("Bars");
        ShowBar("Left", dsTop, 3);
        TcbBar& right = MakeBar("Right", dsTop, 3);
        right.SetOneOnRow(false);
        right.SetDockedLeft(300);
        right.SetVisible(true);
        ShowBar("Second", dsTop, 4, 1);
        ShowBar("Bottom", dsBottom, 2);
        ShowFloating("Float", 3, 150, 120, 3 * 23);
        FlushDeletes();
    }
    // Each bar's side, row and window place.
    std::string Places() const {
        std::string places;
        for (int i = 0; i < manager->Bars().Count(); ++i) {
            const TcbBar& bar = *manager->Bars().Items(i);
            const QRect r = WindowOf(bar).geometry();
            places += bar.Caption() + " " + std::to_string(bar.DockingStyle()) + "/" + std::to_string(bar.Row()) +
                      " at " + std::to_string(r.x()) + "," + std::to_string(r.y()) + "; ";
        }
        return places;
    }
    std::string File() const { return m_folder.filePath("layout.ini").toStdString(); }

    test_support::ScriptedMessages messages;

private:
    QTemporaryDir m_folder;
};

TEST_F(LayoutPlacesTest, SavedAndLoadedAtOnceOrReadByEachRestartEveryBarStaysWhereItWas) {
    const std::string before = Places();
    ASSERT_NE(before.find("Right 2/0 at 300,0"), std::string::npos) << before;
    ASSERT_TRUE(SaveToIniFile(*manager, File()));
    LoadFromIniFile(*manager, File());
    FlushDeletes();
    EXPECT_EQ(Places(), before);

    for (int restart = 0; restart < 3; ++restart) {
        // The form goes, writing its layout; the next run builds the same bars and reads it.
        manager->SetStoreInIniFile(true);
        manager->SetIniFileName(File());
        form = std::make_unique<QWidget>();
        form->setGeometry(0, 0, 400, 300);
        form->show();
        manager = new TcbBarManager(form.get());
        Build();
        manager->SetStoreInIniFile(true);
        manager->SetIniFileName(File());
        ASSERT_TRUE(ReadLayoutStores(*manager));
        FlushDeletes();
        EXPECT_EQ(Places(), before) << "restart " << restart;
    }
}

}  // namespace
}  // namespace bars::testing
