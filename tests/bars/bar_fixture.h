#pragma once

#include "bars/controls/item_control.h"
#include "bars/items/bar_button.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/categories.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace bars::testing {

// A button whose links get a control that writes down every notice it receives.
class RecordedButton : public TcbBarButton {
public:
    static constexpr const char* kClassName = "RecordedButton";
    using TcbBarButton::TcbBarButton;
};

class RecordingControl : public TcbBarItemControl {
public:
    explicit RecordingControl(TcbBarItemLink& link, std::vector<std::string>& log) : TcbBarItemControl(link), m_log(log) {
        m_log.push_back("create");
    }
    ~RecordingControl() override { m_log.push_back("destroy"); }
    void CaptionChanged() override { m_log.push_back("caption"); }
    void EnabledChanged() override { m_log.push_back("enabled"); }
    void GlyphChanged() override { m_log.push_back("glyph"); }
    void ItemVisibleChanged() override { m_log.push_back("visible"); }
    void DownChanged() override { m_log.push_back("down"); }
    TcbBarPaintStyle EffectivePaintStyle() const override { return m_effectivePaintStyle; }
    TcbBarPaintStyle m_effectivePaintStyle = psStandard;

private:
    std::vector<std::string>& m_log;
};

// Every control notice of the recorded buttons, in order.
std::vector<std::string>& ControlLog();

// A form with a manager on it, and helpers to fill it.
class BarFixture : public ::testing::Test {
public:
    BarFixture();

    template <class Item = TcbBarButton>
    Item& NewItem(const std::string& name, int category = 0) {
        Item& item = manager->CreateItem<Item>(name);
        item.SetCategory(category);
        return item;
    }
    TcbBar& NewBar(const std::string& caption);
    TcbBarItemLink& Link(TcbBarItemLinks& links, TcbBarItem& item, bool beginGroup = false);

    std::unique_ptr<QWidget> form;
    TcbBarManager* manager;
};

}  // namespace bars::testing
