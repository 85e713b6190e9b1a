#include <gtest/gtest.h>

#include <QCheckBox>

#include "bars/manager/bar_manager.h"
#include "platform/qt/controls.h"
#include "shell/advanced_form.h"

namespace {

using shell::C_TAdvancedForm;
using shell::FontFallback;

QString FamilyOf(const QWidget& widget) { return widget.font().family(); }

// A window with one control of each kind the fallback knows, each in the design font,
// plus the controls whose own font decides otherwise.
struct DesignedForm {
    explicit DesignedForm(FontFallback& fallback) : form(nullptr, &fallback) {
        for (QWidget* w : std::initializer_list<QWidget*>{tahomaLabel, arialLabel, panel, button, group, box})
            platform::SetFontFamily(*w, "Tahoma");
        platform::SetFontFamily(*arialLabel, "Arial");
        QFont tabs = notebook->TabFont();
        tabs.setFamily("Tahoma");
        notebook->SetTabFont(tabs);
        platform::SetFontFamily(*notebook, "Verdana");
        QFont plainTabs = plainNotebook->TabFont();
        plainTabs.setFamily("Verdana");
        plainNotebook->SetTabFont(plainTabs);
        platform::SetFontFamily(*plainNotebook, "Tahoma");
        platform::CanvasFont menus = manager->Font();
        menus.name = "Tahoma";
        manager->SetFont(menus);
        form.Created();
    }

    C_TAdvancedForm form;
    platform::Label* tahomaLabel = new platform::Label(&form, "lblA");
    platform::Label* arialLabel = new platform::Label(&form, "lblB");
    platform::Panel* panel = new platform::Panel(&form, "pnl");
    platform::Button* button = new platform::Button(&form, "btn", "OK");
    platform::GroupBox* group = new platform::GroupBox(&form, "grp", "Group");
    QCheckBox* box = new QCheckBox(&form);
    platform::Notebook* notebook = new platform::Notebook(&form, "nbTabs");
    platform::Notebook* plainNotebook = new platform::Notebook(&form, "nbPlain");
    bars::TcbBarManager* manager = new bars::TcbBarManager(&form);
};

TEST(FontFallbackTest, WithTheDesignFontInstalledNothingChanges) {
    FontFallback fallback([](std::string_view) { return true; });
    DesignedForm designed(fallback);
    EXPECT_EQ(fallback.Current(), FontFallback::State::kInstalled);
    EXPECT_EQ(FamilyOf(designed.form), "Tahoma");
    EXPECT_EQ(FamilyOf(*designed.tahomaLabel), "Tahoma");
    EXPECT_EQ(FamilyOf(*designed.box), "Tahoma");
    EXPECT_EQ(designed.manager->Font().name, "Tahoma");
}

TEST(FontFallbackTest, WithoutItTheTextControlsInItSwitchAndTheOthersKeepTheirFonts) {
    int tests = 0;
    FontFallback fallback([&](std::string_view family) {
        ++tests;
        return family != "Tahoma";
    });
    DesignedForm designed(fallback);
    EXPECT_EQ(fallback.Current(), FontFallback::State::kMissing);
    EXPECT_EQ(FamilyOf(designed.form), "MS Sans Serif");
    for (const QWidget* w : std::initializer_list<const QWidget*>{designed.tahomaLabel, designed.panel,
                                                                   designed.button, designed.group})
        EXPECT_EQ(FamilyOf(*w), "MS Sans Serif") << w->objectName().toStdString();
    EXPECT_EQ(FamilyOf(*designed.arialLabel), "Arial");
    EXPECT_EQ(FamilyOf(*designed.box), "Tahoma");  // check boxes are left alone
    // A notebook is decided on its tab font, then both fonts change.
    EXPECT_EQ(designed.notebook->TabFont().family(), "MS Sans Serif");
    EXPECT_EQ(FamilyOf(*designed.notebook), "MS Sans Serif");
    EXPECT_EQ(designed.plainNotebook->TabFont().family(), "Verdana");
    EXPECT_EQ(FamilyOf(*designed.plainNotebook), "Tahoma");
    // The menu manager draws its bars with a font of its own; it switches too.
    EXPECT_EQ(designed.manager->Font().name, "MS Sans Serif");
    // The font is tested once, not once per window.
    DesignedForm second(fallback);
    EXPECT_EQ(tests, 1);
    EXPECT_EQ(FamilyOf(*second.tahomaLabel), "MS Sans Serif");
}

}  // namespace
