#pragma once

#include "bars/store/layout_store.h"
#include "tests/bars/bar_fixture.h"
#include "tests/support/fake_services.h"

#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>

namespace bars::testing {

// A manager "Bars" on form "MainForm" with three buttons, a sub item and two bars, stores in
// a folder of the test's own, and a second manager of the same design to load into. What
// the stores tell the user is recorded; the forms go before the folder does.
class LayoutStoreFixture : public BarFixture {
public:
    LayoutStoreFixture();
    ~LayoutStoreFixture() override;

    // The same items (all but the ones left out) on a new form; no bars.
    TcbBarManager& FreshManager(const std::string& leaveOut = {});
    std::string IniPath() const { return (Folder() / "layout.ini").string(); }
    std::filesystem::path Folder() const { return std::filesystem::path(m_folder.path().toStdString()); }
    static void Populate(TcbBarManager& manager, const std::string& leaveOut = {});
    static std::string LinkNames(const TcbBarItemLinks& links);

    TcbBar* standard = nullptr;
    TcbBar* tools = nullptr;
    std::unique_ptr<QWidget> freshForm;
    TcbBarManager* fresh = nullptr;
    test_support::ScriptedMessages messages;

private:
    QTemporaryDir m_folder;
};

}  // namespace bars::testing
