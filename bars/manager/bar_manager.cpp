#include "bars/manager/bar_manager.h"

#include "bars/controls/bar_window.h"
#include "bars/controls/item_control.h"
#include "bars/customize/customizing_drag.h"
#include "bars/customize/customizing_site.h"
#include "bars/design/manager_description.h"
#include "bars/items/bar_item.h"
#include "bars/items/bar_sub_item.h"
#include "bars/links/item_links.h"
#include "bars/hooks/owner_form.h"
#include "bars/manager/bar_hooks.h"
#include "bars/manager/categories.h"
#include "bars/manager/manager_list.h"
#include "bars/popups/bar_hints.h"
#include "bars/popups/framework_timers.h"
#include "bars/popups/popup_menu.h"
#include "bars/popups/popup_menu_links.h"
#include "bars/popups/quick_control.h"
#include "bars/services/bar_fonts.h"
#include "bars/services/framework_services.h"
#include "bars/store/layout_store.h"
#include "bars/toolbars/bar.h"
#include "bars/toolbars/bar_collection.h"
#include "bars/windows/bar_window_base.h"
#include "bars/windows/dock_control.h"
#include "platform/core/ascii_case.h"
#include "platform/core/bar_error.h"
#include "platform/core/bar_strings.h"
#include "platform/core/system_colours.h"
#include "platform/qt/logical_fonts.h"
#include "platform/qt/main_form.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace bars {

namespace {

constexpr int kMinArrowWidth = 2;
}  // namespace

QWidget* TcbBarManager::CheckedOwner(QWidget* owner) {
    if (!owner) {
        owner = platform::MainForm();
    }
    if (!owner || !owner->isWindow()) {
        throw platform::BarError(platform::bar_string::kManagerOwnerNotForm);
    }
    if (BarManagers().ManagerOfForm(owner)) {
        throw platform::BarError(platform::bar_string::kSingleManagerPerForm);
    }
    return owner;
}

TcbBarManager::TcbBarManager(QWidget* owner, bool fromDescription)
    : QObject(CheckedOwner(owner)), m_ownerForm(qobject_cast<QWidget*>(parent())), m_loading(fromDescription) {
    // Hold-to-repeat and the other timers of bars and fields need the service from the start.
    FrameworkTimers();
    InstallBarHooks(*this);
    m_categories = std::make_unique<TcbBarManagerCategories>(*this, fromDescription);
    m_bars = std::make_unique<TcbBars>(*this);
    m_dockColor = platform::clBtnFace;
    m_popupMenuLinks = std::make_unique<TcbBarPopupMenuLinks>();
    CalcButtonMetrics();
    m_style = bmsStandard;
    SetStyle(bmsEnhanced);
    SetUseSystemFont(true);
    WatchOwnerFormEnd(*this);
}

TcbBarManager::~TcbBarManager() {
    // Its private bar goes first, whatever it shows. (The layout store writes when the form
    // goes, before its children, this manager among them.)
    CloseQuickControlOf(*this);
    BarHints::Instance().ManagerGoing(*this);
    m_destroying = true;
    SetCustomizing(false);
    FreePopupMenusOf(*this);
    m_bars.reset();
    while (!m_items.empty()) {
        FreeItem(*m_items.back());
    }
    RemoveBarHooks(*this);
    m_categories.reset();
    m_popupMenuLinks.reset();
}

void TcbBarManager::SetName(const std::string& name) {
    std::string oldName = Name();
    platform::Component::SetName(name);
    // Only the designer names items after their manager; a running program keeps its names.
    if (!IsDesigning() || oldName.empty() || oldName == name) {
        return;
    }
    for (const auto& item : m_items) {
        const std::string& itemName = item->Name();
        if (item->OwnerForm() == m_ownerForm && itemName.size() >= oldName.size() &&
            platform::EqualsIgnoreCase(std::string_view(itemName).substr(0, oldName.size()), oldName)) {
            item->SetName(name + itemName.substr(oldName.size()));
        }
    }
}

void TcbBarManager::Loaded() {
    if (m_lockUpdate) {
        return;
    }
    for (int i = 0; i < ItemCount(); ++i) {
        Items(i)->Loaded();
    }
    for (int i = 0; i < m_bars->Count(); ++i) {
        m_bars->Items(i)->Loaded();
    }
    // Neither a design-time copy nor a manager being designed reads or writes the layout store.
    if (!IsReadingDesignCopy() && !IsDesigning()) {
        ReadLayoutStores(*this);
    }
    m_loading = false;
    for (int i = 0; i < m_categories->Count(); ++i) {
        if (const auto* record = m_categories->FindRecord(i)) {
            SetCategoryItemsVisible(i, record->loadedItemsVisible);
        }
    }
    // Every area once, empty ones too: a stored size holds only until the first layout.
    m_arrangingDockAreas = true;
    RelayoutDockAreas();
    m_arrangingDockAreas = false;
}

void TcbBarManager::SetCustomizing(bool value) {
    if (m_customizing == value) {
        return;
    }
    // One customizing dialog in the process: no other manager starts while one is open.
    if (value && CustomizingSite()) {
        return;
    }
    if (value && OnShowCustomizingForm) {
        OnShowCustomizingForm(*this);
    }
    if (!m_destroying) {
        CloseMenusAndSelections();
    }
    m_customizing = value;
    if (!value && TcbBarCustomizingDrag::Instance().IsDragging(*this)) TcbBarCustomizingDrag::Instance().Cancel();
    if (ICustomizingSite* site = CustomizingSite(); !value && site && &site->Manager() == this) site->CustomizingEnded();
    // What the links show, and how, depends on customizing.
    RebuildLinks();
    if (!value && OnHideCustomizingForm) {
        OnHideCustomizingForm(*this);
    }
    RelayoutBars();
}

void TcbBarManager::CloseMenusAndSelections() {
    CloseQuickControlOf(*this);
    for (int i = 0; i < m_bars->Count(); ++i) {
        if (auto* window = dynamic_cast<TCustomcbBarControl*>(m_bars->Items(i)->ItemLinks().Window())) {
            window->CloseMenusAndDeselect();
        }
    }
    // A pop-up menu or a framework pop-up of the manager.
    TCustomcbBarControl* active = TCustomcbBarControl::ActiveBarControl();
    if (active && &active->Manager() == this) {
        active->CloseAll();
    }
    SetSelectedItemControl(nullptr);
}

void TcbBarManager::RebuildLinks() {
    for (int i = 0; i < m_bars->Count(); ++i) {
        TcbBarItemLinks& links = m_bars->Items(i)->ItemLinks();
        links.Refresh();
        if (IBarWindow* window = links.Window(); window && !m_destroying) {
            window->Rebuild();
        }
    }
    for (const auto& item : m_items) {
        if (auto* subItem = dynamic_cast<TCustomcbBarSubItem*>(item.get())) {
            subItem->ItemLinks().Refresh();
        }
    }
    for (TcbBarPopupMenu* popup : PopupMenusOf(*this)) {
        popup->ItemLinks().Refresh();
    }
}

TcbBarItem* TcbBarManager::Items(int index) const {
    return (index >= 0 && index < ItemCount()) ? m_items[static_cast<std::size_t>(index)].get() : nullptr;
}

TcbBarItem* TcbBarManager::ItemByName(const std::string& name) const {
    for (const auto& item : m_items) {
        if (platform::EqualsIgnoreCase(item->Name(), name)) {
            return item.get();
        }
    }
    return nullptr;
}

TcbBarItem& TcbBarManager::AdoptItem(std::unique_ptr<TcbBarItem> item) {
    m_items.push_back(std::move(item));
    return *m_items.back();
}

void TcbBarManager::FreeItem(TcbBarItem& item) {
    auto find = [&] {
        return std::find_if(m_items.begin(), m_items.end(), [&](const auto& owned) { return owned.get() == &item; });
    };
    if (find() == m_items.end()) {
        return;
    }
    item.Release();
    // Out of the list before the item ends, as an item leaves its manager first.
    auto it = find();
    auto owned = std::move(*it);
    m_items.erase(it);
    bool categorised = owned->Category() >= 0;
    owned.reset();
    if (m_customizing && categorised) {
        NotifyCustomizingDialog();
    }
}

TcbBar* TcbBarManager::BarByName(const std::string& name) const {
    for (int i = 0; i < m_bars->Count(); ++i) {
        if (m_bars->Items(i)->Name() == name) {
            return m_bars->Items(i);
        }
    }
    return nullptr;
}

TcbBarItemVisible TcbBarManager::CategoryItemsVisible(int index) const {
    if (index < 0 || index >= m_categories->Count()) {
        return ivNever;
    }
    const auto* record = m_categories->FindRecord(index);
    return record ? record->itemsVisible : ivAlways;
}

void TcbBarManager::SetCategoryItemsVisible(int index, TcbBarItemVisible value) {
    auto* record = m_categories->RecordOf(index);
    if (!record) {
        return;
    }
    if (m_loading) {
        record->loadedItemsVisible = value;
        return;
    }
    TcbBarItemVisible old = record->itemsVisible;
    record->itemsVisible = value;
    std::vector<TcbBar*> emptyBefore;
    if (m_autoHideEmptyBars) {
        for (int i = 0; i < m_bars->Count(); ++i) {
            if (m_bars->Items(i)->ItemLinks().VisibleLinks().empty()) {
                emptyBefore.push_back(m_bars->Items(i));
            }
        }
    }
    bool wasLocked = m_lockUpdate;
    SetLockUpdate(true);
    std::vector<TcbBarItem*> items;
    for (const auto& item : m_items) {
        if (item->Category() == index) {
            items.push_back(item.get());
        }
    }
    if (value == ivAlways) {
        std::reverse(items.begin(), items.end());
    }
    for (TcbBarItem* item : items) {
        if (item->Visible() == old) {
            item->SetVisible(value);
        }
    }
    if (m_autoHideEmptyBars) {
        for (int i = 0; i < m_bars->Count(); ++i) {
            TcbBar& bar = *m_bars->Items(i);
            bool emptyNow = bar.ItemLinks().VisibleLinks().empty();
            bool wasEmpty = std::find(emptyBefore.begin(), emptyBefore.end(), &bar) != emptyBefore.end();
            if (value == ivNever && emptyNow && !wasEmpty) {
                bar.SetVisible(false);
                bar.SetHiddenBecauseEmpty(true);
            } else if (value == ivAlways && !emptyNow && bar.HiddenBecauseEmpty()) {
                bar.SetVisible(true);
            }
        }
    }
    SetLockUpdate(wasLocked);
    if (old != value) {
        NotifyCustomizingDialog();
    }
}

bool TcbBarManager::CategoryVisible(int index) const {
    if (index < 0 || index >= m_categories->Count()) {
        return false;
    }
    const auto* record = m_categories->FindRecord(index);
    return record ? record->visible : true;
}

void TcbBarManager::SetCategoryVisible(int index, bool value) {
    if (index < 0 || index >= m_categories->Count() || CategoryVisible(index) == value) {
        return;
    }
    m_categories->RecordOf(index)->visible = value;
    NotifyCustomizingDialog();
}

int TcbBarManager::VisibleCategory(int n) const {
    for (int i = 0; i < m_categories->Count(); ++i) {
        if (CategoryVisible(i) && n-- == 0) {
            return i;
        }
    }
    return -1;
}

bool TcbBarManager::CanDocking(TcbBar& bar, TcbBarDockingStyle side) {
    bool canDock = !m_notDocking.Contains(side) && !bar.NotDocking().Contains(side);
    if (OnDocking) {
        OnDocking(*this, bar, side, canDock);
    }
    return canDock;
}

void TcbBarManager::SetLockUpdate(bool value) {
    if (m_lockUpdate == value) {
        return;
    }
    m_lockUpdate = value;
    if (!value) {
        UnlockUpdate();
    }
}

void TcbBarManager::UnlockUpdate() { RelayoutBars(); }

void TcbBarManager::SetSelectedItemControl(TcbBarItemControl* control) {
    if (m_selectedControl == control) {
        return;
    }
    TcbBarItemControl* previous = m_selectedControl;
    m_selectedControl = control;
    if (previous) {
        previous->Repaint();
        // The previous control may go with its menu here: it is not used after.
        if ((m_customizing || IsDesigning()) && previous->BarWindow()) {
            previous->BarWindow()->DropSelectionFor(control);
        }
    }
    if (ICustomizingSite* site = CustomizingSite(); site && m_customizing && &site->Manager() == this) {
        site->ShowCommand(control ? control->Item() : nullptr);
    }
}

void TcbBarManager::ItemChanged(TcbBarItem&) { NotifyCustomizingDialog(); }

void TcbBarManager::NotifyCustomizingDialog() {
    if (ICustomizingSite* site = CustomizingSite(); site && &site->Manager() == this && !m_loading) site->Refresh();
}

void TcbBarManager::CalcButtonMetrics() {
    int factor = m_largeIcons ? 2 : 1;
    m_arrowWidth = factor * m_buttonArrowWidth;
    if (m_arrowWidth % 2 == 0) {
        ++m_arrowWidth;
    }
}

void TcbBarManager::RelayoutBars() {
    if (m_lockUpdate || m_loading) {
        return;
    }
    for (int i = 0; i < m_bars->Count(); ++i) {
        if (IBarWindow* window = m_bars->Items(i)->ItemLinks().Window()) {
            window->Relayout();
        }
    }
}

platform::Size TcbBarManager::BarExtraSize(TcbBarDockingStyle side) const {
    constexpr int kBorder = 4;
    switch (side) {
    case dsTop:
    case dsBottom:
        return {GripSize() + kBorder, kBorder};
    case dsLeft:
    case dsRight:
        return {kBorder, GripSize() + kBorder};
    case dsNone:
        break;
    }
    // A floating bar: the frame on both sides, the small caption above.
    return {2 * (FrameWidth() + kBorder), 2 * FrameHeight() + SmallCaptionHeight() + 3};
}

int TcbBarManager::RecentItemsThreshold() const {
    if (m_mostRecentItemsPercents >= 100) {
        return 0;
    }
    int n = 1;
    while ((100 - m_mostRecentItemsPercents) * n / 100 <= 0) {
        ++n;
    }
    return n;
}

void TcbBarManager::SetAutoHideEmptyBars(bool value) {
    m_autoHideEmptyBars = value;
    if (!value) {
        for (int i = 0; i < m_bars->Count(); ++i) {
            m_bars->Items(i)->SetHiddenBecauseEmpty(false);
        }
    }
}

void TcbBarManager::SetScaled(bool value) {
    m_scaled = value;
    if (value && !m_useSystemFont) {
        FontChanged();
    }
}

void TcbBarManager::SetFont(const platform::CanvasFont& font) {
    m_font = font;
    FontChanged();
}

void TcbBarManager::FontChanged() {
    m_useSystemFont = false;
    if (m_scaled) {
        // The system menu font's size and style with the chosen face.
        platform::CanvasFont scaled = platform::MenuFont();
        scaled.name = m_font.name;
        m_font = scaled;
    }
    CreateBarFont(m_font, m_barFont, m_scaled);
    BarsTakeFont();
}

void TcbBarManager::BarsTakeFont() {
    // Bars without a font of their own follow the manager's.
    for (int i = 0; i < m_bars->Count(); ++i) m_bars->Items(i)->ManagerFontChanged();
    RelayoutBars();
}

void TcbBarManager::SetButtonArrowWidth(int value) {
    if (value < kMinArrowWidth) {
        return;
    }
    m_buttonArrowWidth = value;
    CalcButtonMetrics();
    RelayoutBars();
}

void TcbBarManager::RepaintBars() {
    if (m_lockUpdate || m_loading) return;
    for (int i = 0; i < m_bars->Count(); ++i)
        if (auto* window = dynamic_cast<TCustomcbBarControl*>(m_bars->Items(i)->ItemLinks().Window())) window->Repaint();
}

void TcbBarManager::RepaintDockAreas() {
    if (m_loading || !HasDockAreas(*this)) return;
    DockAreasOf(*this).Repaint();
}

void TcbBarManager::RelayoutDockAreas() {
    if (m_loading || !HasDockAreas(*this)) return;
    DockAreas& areas = DockAreasOf(*this);
    for (TcbBarDockingStyle side : {dsLeft, dsTop, dsRight, dsBottom}) areas.Area(side)->Relayout();
}

platform::Colour TcbBarManager::DockColor() const {
    if (!m_autoDockColor) return m_dockColor;
    const QColor form = m_ownerForm->palette().color(QPalette::Window);
    return platform::Rgb(form.red(), form.green(), form.blue());
}

void TcbBarManager::SetAutoDockColor(bool value) {
    if (value == m_autoDockColor) return;
    m_autoDockColor = value;
    RepaintDockAreas();
}

void TcbBarManager::SetDockColor(platform::Colour value) {
    m_dockColor = value;
    m_autoDockColor = false;
    RepaintDockAreas();
}

void TcbBarManager::SetImageListBkColor(platform::Colour value) {
    if (value == m_imageListBkColor) return;
    m_imageListBkColor = value;
    RepaintBars();
}

void TcbBarManager::CloseButtonChanged() {
    if (m_loading || !m_mainMenuBar) return;
    auto* window = dynamic_cast<TCustomcbBarControl*>(m_mainMenuBar->ItemLinks().Window());
    if (!window) return;
    // The buttons take room from the bar's entries: the selection starts afresh.
    if (window->SelectedControl()) window->SelectControl(nullptr);
    window->Relayout();
}

void TcbBarManager::SetFlatCloseButton(bool value) {
    if (value == m_flatCloseButton) return;
    m_flatCloseButton = value;
    CloseButtonChanged();
}

void TcbBarManager::SetShowCloseButton(bool value) {
    if (value == m_showCloseButton) return;
    m_showCloseButton = value;
    CloseButtonChanged();
}

void TcbBarManager::SetSunkenBorder(bool value) {
    if (value == m_sunkenBorder) return;
    m_sunkenBorder = value;
    RelayoutDockAreas();
}

void TcbBarManager::ImagesChanged(platform::ImageList* TcbBarManager::*which) {
    if (m_loading) {
        return;
    }
    for (const auto& item : m_items) {
        if (which == &TcbBarManager::m_images && item->ImageIndex() >= 0) {
            item->GlyphChanged();
        } else if (which == &TcbBarManager::m_largeImages && item->UsesLargeImages()) {
            item->LargeImagesChanged();
        } else if (which == &TcbBarManager::m_hotImages && item->UsesHotImages()) {
            item->HotImagesChanged();
        }
    }
}

void TcbBarManager::SetImages(platform::ImageList* value) {
    if (m_images != value) {
        m_images = value;
        ImagesChanged(&TcbBarManager::m_images);
    }
}

void TcbBarManager::SetLargeImages(platform::ImageList* value) {
    if (m_largeImages != value) {
        m_largeImages = value;
        ImagesChanged(&TcbBarManager::m_largeImages);
    }
}

void TcbBarManager::SetHotImages(platform::ImageList* value) {
    if (m_hotImages != value) {
        m_hotImages = value;
        ImagesChanged(&TcbBarManager::m_hotImages);
    }
}

void TcbBarManager::SetHelpButtonGlyph(const platform::Bitmap& value) {
    m_helpButtonGlyph = value;
    NotifyCustomizingDialog();
}

void TcbBarManager::ImageListFreed(const platform::ImageList* images) {
    // The items that showed the list lay out and paint again without it.
    for (auto which : {&TcbBarManager::m_images, &TcbBarManager::m_largeImages, &TcbBarManager::m_hotImages}) {
        if (this->*which == images) {
            this->*which = nullptr;
            if (!IsDestroying()) ImagesChanged(which);
        }
    }
    // Items with image lists of their own (the image and tree-view combos) let go too.
    for (int i = 0; i < ItemCount(); ++i) Items(i)->ImageListFreed(images);
}

void TcbBarManager::SetLargeButtonArrowWidth(int value) {
    if (value >= kMinArrowWidth) {
        m_largeButtonArrowWidth = value;
        RelayoutBars();
    }
}

void TcbBarManager::SetLargeIcons(bool value) {
    m_largeIcons = value;
    CalcButtonMetrics();
    NotifyCustomizingDialog();
    RelayoutBars();
}

void TcbBarManager::SetMenuAnimations(TcbBarMenuAnimations value) {
    m_menuAnimations = value;
    NotifyCustomizingDialog();
}

void TcbBarManager::SetMenusShowRecentItemsFirst(bool value) {
    m_menusShowRecentItemsFirst = value;
    NotifyCustomizingDialog();
}

void TcbBarManager::SetMostRecentItemsPercents(int value) { m_mostRecentItemsPercents = std::clamp(value, 0, 100); }

void TcbBarManager::SetShowFullMenusAfterDelay(bool value) {
    m_showFullMenusAfterDelay = value;
    NotifyCustomizingDialog();
}

void TcbBarManager::SetShowHelpButton(bool value) {
    m_showHelpButton = value;
    NotifyCustomizingDialog();
}

void TcbBarManager::SetShowHint(bool value) {
    m_showHint = value;
    NotifyCustomizingDialog();
}

void TcbBarManager::SetShowShortCutInHint(bool value) {
    m_showShortCutInHint = value;
    NotifyCustomizingDialog();
}

void TcbBarManager::SetStyle(TcbBarManagerStyle value) {
    if (m_style == value) {
        return;
    }
    m_style = value;
    m_styleMetrics = value == bmsStandard ? std::array<int, 3>{2, 9, 2} : std::array<int, 3>{1, 6, 12};
    RelayoutBars();
}

void TcbBarManager::SetUseSystemFont(bool value) {
    m_useSystemFont = value;
    if (value) {
        m_font = platform::MenuFont();
        CreateBarFont(m_font, m_barFont, m_scaled);
        BarsTakeFont();
    }
}

void TcbBarManager::SystemMenuFontChanged() {
    if (m_useSystemFont)
        SetUseSystemFont(true);
    else if (m_scaled)
        FontChanged();
}

void TcbBarManager::SetWaitForDockingTime(int value) {
    if (value >= 0) {
        m_waitForDockingTime = value;
    }
}

namespace {
template <class Event, class Subject>
void Fire(const Event& event, TcbBarManager& sender, Subject& subject) {
    if (event) {
        event(sender, subject);
    }
}
}  // namespace

void TcbBarManager::BarAdded(TcbBar& bar) { Fire(OnBarAdd, *this, bar); }

void TcbBarManager::BarDeleted(TcbBar& bar) { Fire(OnBarDelete, *this, bar); }

void TcbBarManager::BarVisibleChanged(TcbBar& bar) { Fire(OnBarVisibleChange, *this, bar); }

void TcbBarManager::ItemLinkAdded(TcbBarItemLink& link) { Fire(OnItemLinkAdd, *this, link); }

void TcbBarManager::ItemLinkChanged(TcbBarItemLink& link) { Fire(OnItemLinkChange, *this, link); }

void TcbBarManager::ItemLinkDeleted(TcbBarItemLink& link) { Fire(OnItemLinkDelete, *this, link); }

void TcbBarManager::DoClickItem(TcbBarItem& item) { Fire(OnClickItem, *this, item); }

}  // namespace bars
