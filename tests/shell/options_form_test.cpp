#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QKeyEvent>

#include "engine/files/preference_keys.h"
#include "engine/model/preference_fields.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "platform/qt/tree_view.h"
#include "shell/options/options_choices.h"
#include "shell/options/options_form.h"
#include "tests/shell/dialog_fixture.h"
#include "tests/shell/table_drawing_rig.h"

namespace {

namespace f = engine::fields;
using engine::kSectionPreference;
using platform::TreeView;
using shell::TfrmCustomize_Freeware;

constexpr QRgb kBackBlue = qRgb(20, 40, 140);
constexpr QRgb kMeadow = qRgb(40, 160, 60);
constexpr QRgb kTop = qRgb(200, 0, 0);
constexpr QRgb kBottom = qRgb(0, 0, 200);

class OptionsTest : public shell_test::DialogTest {
protected:
    OptionsTest() : rig(game, bitmaps) {
        host.drawing = &rig.context;
        AddPicture("DB011", shell_test::SolidImage(71, 96, kBackBlue));
        AddPicture("DB019", shell_test::SolidImage(71, 96, qRgb(200, 100, 0)));
        AddPicture("B324", shell_test::SolidImage(32, 32, kMeadow));
        for (const auto& [field, value] : std::vector<std::pair<f::Field, std::string>>{
                 {f::kBackCard, "011"},       {f::kCardSize, "M"},      {f::kCardSet, "001"},
                 {f::kFadeBackground, "N"},   {f::kBackgroundBmp, "0"}, {f::kBackgroundCol, "0"},
                 {f::kBackgroundFixedCol, "32768"}, {f::kBackgroundDef, "N"}, {f::kPilesTT, "N"},
                 {f::kSoundsEnabled, "Y"},    {f::kShowTime, "Y"},      {f::kShowScore, "N"},
                 {f::kConfirmQuitGame, "Y"}})
            SetField(field, value);
    }

    // Shows the dialog; the player's part runs while it is up.
    void ShowOptions(std::function<void(TfrmCustomize_Freeware&)> player) {
        AnswerModal([&player](platform::Form& form) { player(static_cast<TfrmCustomize_Freeware&>(form)); });
        shell::OpenOptionsDialog(Context());
    }

    static TreeView& Tree(TfrmCustomize_Freeware& dialog, const char* name) { return *dialog.Control<TreeView>(name); }
    static platform::CheckBox& Check(TfrmCustomize_Freeware& dialog, const char* name) {
        return *dialog.Control<platform::CheckBox>(name);
    }
    static void Click(TfrmCustomize_Freeware& dialog, const char* name) {
        dialog.Control<platform::Button>(name)->click();
    }
    static QRgb Pixel(TfrmCustomize_Freeware& dialog, const char* image, int x, int y) {
        return dialog.Control<platform::Image>(image)->Picture().Image().pixel(x, y);
    }
    static void SelectBackground(TfrmCustomize_Freeware& dialog, int value) {
        Tree(dialog, "trvBackGround").Select(Tree(dialog, "trvBackGround").FindNode(value));
    }

    std::vector<std::string> BackgroundFields() const {
        return {Field(f::kBackgroundBmp), Field(f::kBackgroundCol), Field(f::kBackgroundFixedCol),
                Field(f::kBackgroundDef)};
    }

    shell_test::TableDrawingRig rig;
};

TEST_F(OptionsTest, OpensOnTheStoredChoicesWithTheirSamples) {
    bool hookRan = false;
    ShowOptions([&](TfrmCustomize_Freeware& dialog) {
        EXPECT_EQ(TreeView::Text(Tree(dialog, "trvCardBack").Selected()), "Plaiting 1");
        EXPECT_EQ(TreeView::Text(Tree(dialog, "trvBackGround").Selected()), "Green");
        EXPECT_EQ(dialog.Control<platform::Label>("lblDecks")->Caption(), "Plaiting 1");
        EXPECT_EQ(Pixel(dialog, "imgSfondoEsempio", 100, 150), qRgb(0, 128, 0));
        // The back lies on the background sample; its corners take the background's colour.
        EXPECT_EQ(Pixel(dialog, "imgDorsoEsempio", 35, 48), kBackBlue);
        EXPECT_EQ(Pixel(dialog, "imgDorsoEsempio", 0, 0), qRgb(0, 128, 0));
        EXPECT_EQ(Pixel(dialog, "imgSfondoEsempio2", 5, 5), qRgb(0, 128, 0));
        EXPECT_TRUE(Check(dialog, "chkShowTime").IsChecked());
        EXPECT_FALSE(Check(dialog, "chkShowScore").IsChecked());
        EXPECT_TRUE(Check(dialog, "chkConfirmQuitGame").IsChecked());
        EXPECT_FALSE(Check(dialog, "chkConfirmOnExit").IsChecked());
        EXPECT_FALSE(Check(dialog, "chkSoundsEnabled").IsChecked());
        EXPECT_TRUE(Check(dialog, "chkTBFlatBtn").IsChecked());
        Click(dialog, "btnAnnulla");
    });
    // The hook is the dialog's own; set it through a dialog made here.
    TfrmCustomize_Freeware dialog(Context(), nullptr);
    dialog.OptionsShownHook = [&] { hookRan = true; };
    AnswerModal([&](platform::Form&) { EXPECT_TRUE(hookRan); });
    dialog.ShowModal();
}

TEST_F(OptionsTest, CancelPutsTheSettingsBackButStillRedrawsTheTable) {
    const std::vector<std::string> before = BackgroundFields();
    std::vector<std::string> drawnWith;
    std::string backDrawn;
    host.onRefresh = [&] {
        drawnWith = BackgroundFields();
        backDrawn = Field(f::kBackCard);
    };
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        Tree(dialog, "trvCardBack").Select(Tree(dialog, "trvCardBack").FindNode(19));
        SelectBackground(dialog, 324);
        EXPECT_EQ(Pixel(dialog, "imgSfondoEsempio", 5, 5), kMeadow);
        Check(dialog, "chkFadeBackground").Click();
        Click(dialog, "btnAnnulla");
    });
    EXPECT_EQ(drawnWith, before);
    EXPECT_EQ(backDrawn, "011");
    EXPECT_EQ(Field(f::kFadeBackground), "N");
    EXPECT_EQ(Field(f::kCardSize), "M");
    EXPECT_TRUE(host.Called("RefreshTableLook"));
    EXPECT_TRUE(host.Called("RedrawSelectionLine"));
    EXPECT_EQ(Preference(kSectionPreference, "Background_bmp"), "(none)");
    EXPECT_EQ(Preference(kSectionPreference, "Back_Card"), "(none)");
}

TEST_F(OptionsTest, OkStoresThePictureAndTheBackAndDrawsWithThem) {
    std::vector<std::string> drawnWith;
    host.onRefresh = [&] { drawnWith = BackgroundFields(); };
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        Tree(dialog, "trvCardBack").Select(Tree(dialog, "trvCardBack").FindNode(19));
        SelectBackground(dialog, 324);
        Click(dialog, "btnOK");
    });
    EXPECT_EQ(drawnWith, (std::vector<std::string>{"324", "0", "0", "N"}));
    EXPECT_EQ(Field(f::kBackCard), "019");
    EXPECT_EQ(Preference(kSectionPreference, "Back_Card"), "19");
    EXPECT_EQ(Preference(kSectionPreference, "Background_bmp"), "324");
    EXPECT_EQ(Preference(kSectionPreference, "Background_Col"), std::to_string(engine::kButtonFaceColour));
    EXPECT_EQ(Preference(kSectionPreference, "Background_Fixed_Col"), "0");
    EXPECT_EQ(Preference(kSectionPreference, "Background_Def"), "N");
}

TEST_F(OptionsTest, TheColorsFolderStandsForTheDefaultBackground) {
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        Tree(dialog, "trvBackGround").Select(Tree(dialog, "trvBackGround").topLevelItem(0));
        Click(dialog, "btnOK");
    });
    EXPECT_EQ(Preference(kSectionPreference, "Background_Def"), "Y");
    EXPECT_EQ(Preference(kSectionPreference, "Background_bmp"), "0");
    EXPECT_EQ(Field(f::kBackgroundDef), "Y");
    // And it is what the dialog opens on next time.
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        EXPECT_EQ(TreeView::Text(Tree(dialog, "trvBackGround").Selected()), "Colors");
        Click(dialog, "btnAnnulla");
    });
}

TEST_F(OptionsTest, WithNoBackgroundSelectedOkKeepsTheStoredOne) {
    SetField(f::kBackgroundFixedCol, "0");
    SetField(f::kBackgroundCol, "12345");
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        EXPECT_EQ(Tree(dialog, "trvBackGround").Selected(), nullptr);
        EXPECT_EQ(Pixel(dialog, "imgSfondoEsempio", 5, 5), qRgb(0x39, 0x30, 0));
        Click(dialog, "btnOK");
    });
    EXPECT_EQ(BackgroundFields(), (std::vector<std::string>{"0", "12345", "0", "N"}));
    EXPECT_EQ(Preference(kSectionPreference, "Background_Col"), "(none)");
}

TEST_F(OptionsTest, OkWritesTheSwitchesToTheirKeys) {
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        Check(dialog, "chkSoundsEnabled").Click();
        Check(dialog, "chkConfirmOnExit").Click();
        Check(dialog, "chkConfirmQuitGame").Click();
        Check(dialog, "chkTBLargeIcons").Click();
        Check(dialog, "chkShowScore").Click();
        Check(dialog, "chkWinningAnimation").Click();
        Click(dialog, "btnOK");
    });
    EXPECT_EQ(Preference(kSectionPreference, "Sounds_Enabled"), "N");
    EXPECT_EQ(Field(f::kSoundsEnabled), "N");
    EXPECT_EQ(Preference(kSectionPreference, "ConfirmQuit"), "Y");
    EXPECT_EQ(Preference(kSectionPreference, "ConfirmQuitGame"), "N");
    EXPECT_EQ(Field(f::kConfirmQuitGame), "N");
    EXPECT_EQ(Preference(kSectionPreference, "ToolBar_Large"), "Y");
    EXPECT_EQ(Preference(kSectionPreference, "ToolBar_Flat"), "Y");
    EXPECT_EQ(Preference(kSectionPreference, "Show_Score"), "Y");
    EXPECT_EQ(Field(f::kShowScore), "Y");
    EXPECT_EQ(Preference(kSectionPreference, "Winning_Animation"), "N");
    EXPECT_TRUE(host.Called("SetToolbarLarge Y"));
    EXPECT_TRUE(host.Called("SetToolbarFlat Y"));
    EXPECT_TRUE(shellPort.IsPanelVisible(engine::ShellPanel::kScore));
}

TEST_F(OptionsTest, TheWinningAnimationSwitchOpensAsStored) {
    WritePreferences("[Preference]\nWinning_Animation=N\n");
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        EXPECT_FALSE(Check(dialog, "chkWinningAnimation").IsChecked());
        Click(dialog, "btnOK");
    });
    EXPECT_EQ(Preference(kSectionPreference, "Winning_Animation"), "N");
    WritePreferences("[Preference]\n");
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        EXPECT_TRUE(Check(dialog, "chkWinningAnimation").IsChecked());
        Click(dialog, "btnAnnulla");
    });
}

// A stored picture from 500 on fills the whole screen: the sample shows all of it, shrunk,
// where a smaller one is tiled.
TEST_F(OptionsTest, AWholeScreenPictureIsShownShrunkAndTheHelpButtonOpensThePage) {
    QImage whole(640, 480, QImage::Format_RGB32);
    whole.fill(kTop);
    for (int y = 240; y < 480; ++y)
        for (int x = 0; x < 640; ++x) whole.setPixel(x, y, kBottom);
    AddPicture("B600", whole);
    SetField(f::kBackgroundFixedCol, "0");
    SetField(f::kBackgroundBmp, "600");
    app.SetHelpHandler([this](int context) { help.ShowHelpContext(context); });
    ShowOptions([](TfrmCustomize_Freeware& dialog) {
        const QImage& sample = dialog.Control<platform::Image>("imgSfondoEsempio")->Picture().Image();
        EXPECT_EQ(sample.pixel(sample.width() / 2, 5), kTop);
        EXPECT_EQ(sample.pixel(sample.width() / 2, sample.height() - 5), kBottom);
        Click(dialog, "btnAiuto");
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(&Tree(dialog, "trvCardBack"), &f1);
        Click(dialog, "btnAnnulla");
    });
    EXPECT_EQ(help.contexts, (std::vector<int>{1019, 1019}));
}

TEST_F(OptionsTest, FadedSamplesNeedMoreThan256Colours) {
    for (int colours : {256, 65536}) {
        host.colours = colours;
        ShowOptions([colours](TfrmCustomize_Freeware& dialog) {
            Check(dialog, "chkFadeBackground").Click();
            const QColor bottom(Pixel(dialog, "imgSfondoEsempio", 5, 157));
            if (colours <= 256)
                EXPECT_EQ(bottom.rgb(), qRgb(0, 128, 0));
            else
                EXPECT_LT(bottom.green(), 10);
            Click(dialog, "btnAnnulla");
        });
    }
}

struct BackgroundCase {
    const char* name;
    int value;
    shell::BackgroundFields stored;
    shell::BackgroundFields applied;
};
void PrintTo(const BackgroundCase& c, std::ostream* out) { *out << c.name; }

class BackgroundFieldsTest : public testing::TestWithParam<BackgroundCase> {};

TEST_P(BackgroundFieldsTest, OkStoresTheChosenColourButTheTableDrawsWithoutIt) {
    constexpr platform::Colour kChosen = 4242;
    const auto same = [](const shell::BackgroundFields& a, const shell::BackgroundFields& b) {
        return a.bitmap == b.bitmap && a.colour == b.colour && a.fixedColour == b.fixedColour &&
               a.isDefault == b.isDefault;
    };
    EXPECT_TRUE(same(shell::StoredBackground(GetParam().value, kChosen), GetParam().stored));
    EXPECT_TRUE(same(shell::AppliedBackground(GetParam().value, kChosen), GetParam().applied));
}

INSTANTIATE_TEST_SUITE_P(
    Values, BackgroundFieldsTest,
    testing::Values(BackgroundCase{"Folder", 0, {"0", 4242, 0, "Y"}, {"0", 0, 0, "Y"}},
                    BackgroundCase{"OwnColour", 1, {"0", 4242, 0, "N"}, {"0", 4242, 0, "N"}},
                    BackgroundCase{"Picture", 311, {"311", 4242, 0, "N"}, {"311", 0, 0, "N"}},
                    BackgroundCase{"LastPicture", 1000, {"1000", 4242, 0, "N"}, {"1000", 0, 0, "N"}},
                    BackgroundCase{"FixedColour", 1001, {"0", 4242, 1001, "N"}, {"0", 0, 1001, "N"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
