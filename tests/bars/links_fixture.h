#pragma once

#include "tests/bars/bar_fixture.h"

namespace bars::testing {

// A main-menu bar and helpers that link new buttons to it.
class LinksTest : public BarFixture {
public:
    TcbBarItemLinks& links = NewBar("Main Menu").ItemLinks();

    TcbBarItemLink& Add(const std::string& name, const std::string& caption = {}, bool beginGroup = false) {
        auto& item = NewItem(name);
        item.SetCaption(caption);
        return Link(links, item, beginGroup);
    }
    static std::string Names(const std::vector<TcbBarItemLink*>& list) {
        std::string names;
        for (const TcbBarItemLink* link : list) {
            names += link->Item()->Name();
        }
        return names;
    }
};

}  // namespace bars::testing
