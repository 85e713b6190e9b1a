#include "tests/bars/layout_store_fixture.h"

#include "bars/customize/customizing_site.h"

namespace bars::testing {

LayoutStoreFixture::LayoutStoreFixture() {
    form->setObjectName("MainForm");
    manager->SetName("Bars");
    Populate(*manager);
    standard = &NewBar("Standard");
    tools = &NewBar("Tools");
    for (const char* name : {"btnNew", "btnOpen", "btnSave"}) Link(standard->ItemLinks(), *manager->ItemByName(name));
    Link(tools->ItemLinks(), *manager->ItemByName("mnuFile"));
    SetLayoutRegistryFile(Folder() / "registry.store");
    SetCustomizingMessages(&messages);
}

LayoutStoreFixture::~LayoutStoreFixture() {
    freshForm.reset();
    form.reset();
    SetCustomizingMessages(nullptr);
    SetLayoutRegistryFile({});
}

void LayoutStoreFixture::Populate(TcbBarManager& target, const std::string& leaveOut) {
    for (const char* name : {"btnNew", "btnOpen", "btnSave"}) {
        if (name != leaveOut) target.CreateItem<TcbBarButton>(name).SetCaption(name);
    }
    auto& file = target.CreateItem<TcbBarSubItem>("mnuFile");
    file.SetCaption("&File");
    for (const char* name : {"btnOpen", "btnSave"}) {
        if (TcbBarItem* item = target.ItemByName(name)) file.ItemLinks().Add().SetItem(item);
    }
}

TcbBarManager& LayoutStoreFixture::FreshManager(const std::string& leaveOut) {
    freshForm = std::make_unique<QWidget>();
    freshForm->setObjectName("MainForm");
    fresh = new TcbBarManager(freshForm.get());
    fresh->SetName("Bars");
    Populate(*fresh, leaveOut);
    return *fresh;
}

std::string LayoutStoreFixture::LinkNames(const TcbBarItemLinks& links) {
    std::string names;
    for (int i = 0; i < links.Count(); ++i) names += (names.empty() ? "" : " ") + links.Items(i)->Item()->Name();
    return names;
}

}  // namespace bars::testing
