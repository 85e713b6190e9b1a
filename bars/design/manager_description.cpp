#include "bars/design/manager_description.h"

#include "bars/items/bar_button.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_link.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/manager/categories.h"
#include "bars/registry/item_class_registry.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"

#include <QWidget>

#include <stdexcept>

namespace bars {

namespace {

bool g_readingDesignCopy = false;

void ApplyManager(TcbBarManager& manager, const TcbBarManagerDescription& d) {
    manager.SetName(d.name);
    manager.SetAllowCallFromAnotherForm(d.allowCallFromAnotherForm);
    manager.SetAllowReset(d.allowReset);
    manager.SetAlwaysMerge(d.alwaysMerge);
    manager.SetAutoHideEmptyBars(d.autoHideEmptyBars);
    manager.SetScaled(d.scaled);
    if (d.font) {
        manager.SetFont(*d.font);
    }
    manager.SetButtonArrowWidth(d.buttonArrowWidth);
    manager.SetCanCustomize(d.canCustomize);
    if (d.dockColor) {
        manager.SetDockColor(*d.dockColor);
    }
    manager.SetHelpContext(d.helpContext);
    manager.SetIniFileName(d.iniFileName);
    manager.SetLargeButtonArrowWidth(d.largeButtonArrowWidth);
    manager.SetLargeIcons(d.largeIcons);
    manager.SetMenuAnimations(d.menuAnimations);
    manager.SetMenusShowRecentItemsFirst(d.menusShowRecentItemsFirst);
    manager.SetMostRecentItemsPercents(d.mostRecentItemsPercents);
    manager.SetNotDocking(d.notDocking);
    manager.SetRegistryPath(d.registryPath);
    manager.SetShowFullMenusAfterDelay(d.showFullMenusAfterDelay);
    manager.SetShowHint(d.showHint);
    manager.SetShowHintForDisabledItems(d.showHintForDisabledItems);
    manager.SetShowShortCutInHint(d.showShortCutInHint);
    manager.SetStoreInIniFile(d.storeInIniFile);
    manager.SetStoreInRegistry(d.storeInRegistry);
    manager.SetStyle(d.style);
    manager.SetSunkenBorder(d.sunkenBorder);
    manager.SetUseF10ForMenu(d.useF10ForMenu);
    manager.SetUseFullReset(d.useFullReset);
    manager.SetWaitForDockingTime(d.waitForDockingTime);
    if (!d.categories.empty()) {
        manager.Categories().Assign(d.categories);
    }
    manager.Categories().ReadItemsVisibles(d.itemsVisibles);
    manager.Categories().ReadVisibles(d.visibles);
}

void ApplyItem(TcbBarItem& item, const TcbBarItemDescription& d) {
    item.SetName(d.name);
    item.SetCaption(d.caption);
    item.SetCategory(d.category);
    item.SetDescription(d.description);
    item.SetEnabled(d.enabled);
    item.SetHelpContext(d.helpContext);
    item.SetHint(d.hint);
    item.SetImageIndex(d.imageIndex);
    item.SetShortCut(d.shortCut);
    item.SetUnclickAfterDoing(d.unclickAfterDoing);
    item.SetVisible(d.visible);
    if (auto* button = dynamic_cast<TcbBarButton*>(&item)) {
        // The group before Down: a new group releases the button.
        button->SetButtonStyle(d.buttonStyle);
        button->SetGroupIndex(d.groupIndex);
        button->SetAllowAllUp(d.allowAllUp);
        button->SetCloseSubMenuOnClick(d.closeSubMenuOnClick);
        button->SetDown(d.down);
        button->SetDropDownEnabled(d.dropDownEnabled);
        button->SetPaintStyle(d.paintStyle);
    }
    if (auto* subItem = dynamic_cast<TCustomcbBarSubItem*>(&item)) {
        subItem->SetShowCaption(d.showCaption);
    }
    if (auto* subItem = dynamic_cast<TcbBarSubItem*>(&item)) {
        subItem->SetAllowCustomizing(d.allowCustomizing);
    }
}

void ApplyLinks(TcbBarManager& manager, TcbBarItemLinks& links, const std::vector<TcbBarLinkDescription>& list) {
    for (const auto& d : list) {
        TcbBarItemLink& link = links.Add();
        link.SetBeginGroup(d.beginGroup);
        link.SetData(d.data);
        // A name nobody carries leaves the link without an item; Loaded drops it.
        if (TcbBarItem* item = manager.ItemByName(d.item)) {
            link.SetItem(item);
        }
        if (!d.mostRecentlyUsed) {
            link.SetMostRecentlyUsed(false);
        }
        if (d.userDefine & udCaption) {
            link.SetUserCaption(d.userCaption);
        }
        if (d.userDefine & udPaintStyle) {
            link.SetUserPaintStyle(d.userPaintStyle);
        }
        if (d.userDefine & udWidth) {
            link.SetUserWidth(d.userWidth);
        }
        link.SetUserDefine(d.userDefine);
        link.SetVisible(d.visible);
    }
}

void ApplyBar(TcbBarManager& manager, TcbBar& bar, const TcbBarDescription& d) {
    bar.SetName(d.name);
    bar.SetAllowClose(d.allowClose);
    bar.SetAllowCustomizing(d.allowCustomizing);
    bar.SetAllowQuickCustomizing(d.allowQuickCustomizing);
    bar.SetAllowReset(d.allowReset);
    bar.SetCaption(d.caption);
    bar.SetDockedDockingStyle(d.dockedDockingStyle);
    bar.SetDockedLeft(d.dockedLeft);
    bar.SetDockedTop(d.dockedTop);
    bar.SetDockingStyle(d.dockingStyle);
    bar.SetFloatLeft(d.floatLeft);
    bar.SetFloatTop(d.floatTop);
    bar.SetFloatClientWidth(d.floatClientWidth);
    bar.SetFloatClientHeight(d.floatClientHeight);
    bar.SetHidden(d.hidden);
    bar.SetIsMainMenu(d.isMainMenu);
    ApplyLinks(manager, bar.ItemLinks(), d.links);
    bar.SetNotDocking(d.notDocking);
    bar.SetOneOnRow(d.oneOnRow);
    bar.SetRotateWhenVertical(d.rotateWhenVertical);
    bar.SetRow(d.row);
    bar.SetUseOwnFont(d.useOwnFont);
    bar.SetUseRecentItems(d.useRecentItems);
    bar.SetUseRestSpace(d.useRestSpace);
    bar.SetVisible(d.visible);
    bar.SetWholeRow(d.wholeRow);
}

void Load(TcbBarManager& manager, const TcbBarManagerDescription& d, QWidget* form) {
    ApplyManager(manager, d);
    for (const auto& itemDescription : d.items) {
        const auto* itemClass = BarItemClasses().FindClass(itemDescription.className);
        if (!itemClass) {
            throw std::invalid_argument("no item class " + itemDescription.className);
        }
        TcbBarItem& item = manager.AdoptItem(itemClass->makeItem(&manager, form));
        ApplyItem(item, itemDescription);
    }
    // Links name their items, so they come once every item exists.
    for (const auto& itemDescription : d.items) {
        if (auto* subItem = dynamic_cast<TCustomcbBarSubItem*>(manager.ItemByName(itemDescription.name))) {
            ApplyLinks(manager, subItem->ItemLinks(), itemDescription.links);
        }
    }
    for (const auto& barDescription : d.bars) {
        ApplyBar(manager, manager.Bars().Add(), barDescription);
    }
    manager.Bars().SetDockControlHeights(d.dockControlHeights);
}

}  // namespace

TcbBarManager& BuildBarManager(QWidget* form, std::shared_ptr<const TcbBarManagerDescription> description) {
    auto manager = std::make_unique<TcbBarManager>(form, true);
    Load(*manager, *description, form);
    manager->SetDescription(std::move(description));
    manager->Loaded();
    // The form owns its manager from here on.
    return *manager.release();
}

bool IsReadingDesignCopy() { return g_readingDesignCopy; }

TcbBarDesignCopy::TcbBarDesignCopy(const TcbBarManagerDescription& description) : m_form(std::make_unique<QWidget>()) {
    auto copy = std::make_shared<TcbBarManagerDescription>(description);
    copy->storeInRegistry = false;
    copy->storeInIniFile = false;
    struct ReadingFlag {
        ReadingFlag() { g_readingDesignCopy = true; }
        ~ReadingFlag() { g_readingDesignCopy = false; }
    } reading;
    m_manager = &BuildBarManager(m_form.get(), std::move(copy));
}

TcbBarDesignCopy::~TcbBarDesignCopy() = default;

std::unique_ptr<TcbBarDesignCopy> CreateDesignTimeCopy(const TcbBarManager& manager) {
    if (!manager.Description()) {
        return nullptr;
    }
    return std::make_unique<TcbBarDesignCopy>(*manager.Description());
}

}  // namespace bars
