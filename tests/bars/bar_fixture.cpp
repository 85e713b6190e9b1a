#include "tests/bars/bar_fixture.h"

#include "bars/registry/item_class_registry.h"

namespace bars::testing {

std::vector<std::string>& ControlLog() {
    static std::vector<std::string> log;
    return log;
}

namespace {
void RegisterRecordedButton() {
    static bool registered = [] {
        BarItemClasses().RegisterBarItemClass<RecordedButton>(
            [](TcbBarItemLink& link) { return std::make_unique<RecordingControl>(link, ControlLog()); }, false);
        return true;
    }();
    (void)registered;
}
}  // namespace

BarFixture::BarFixture() : form(std::make_unique<QWidget>()), manager(new TcbBarManager(form.get())) {
    RegisterRecordedButton();
    ControlLog().clear();
}

TcbBar& BarFixture::NewBar(const std::string& caption) {
    TcbBar& bar = manager->Bars().Add();
    bar.SetCaption(caption);
    return bar;
}

TcbBarItemLink& BarFixture::Link(TcbBarItemLinks& links, TcbBarItem& item, bool beginGroup) {
    TcbBarItemLink& link = links.Add();
    link.SetItem(&item);
    link.SetBeginGroup(beginGroup);
    return link;
}

}  // namespace bars::testing
