#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/core/component.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/canvas.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace platform {
class ImageList;
}

namespace bars {

class IBarWindow;
class TcbBarPopupMenuLinks;
struct TcbBarManagerDescription;

using TcbBarEvent = std::function<void(TcbBarManager& sender, TcbBar& bar)>;
using TcbBarItemLinkEvent = std::function<void(TcbBarManager& sender, TcbBarItemLink& link)>;
using TcbBarClickItemEvent = std::function<void(TcbBarManager& sender, TcbBarItem& item)>;
using TcbBarCanDockingEvent =
    std::function<void(TcbBarManager& sender, TcbBar& bar, TcbBarDockingStyle side, bool& canDock)>;
using TcbBarManagerNotifyEvent = std::function<void(TcbBarManager& sender)>;
// The links of a framework pop-up about to open; a handler may add or change entries.
using TcbBarShowPopupEvent = std::function<void(TcbBarManager& sender, TcbBarItemLinks& itemLinks)>;
// Merges an MDI child's menus into the parent's main-menu bar (merge true) or takes them out
// again (false); when set, it replaces the framework's own copying.
using TcbBarMenuMergeEvent = std::function<void(TcbBarManager& parent, TcbBarManager& child, bool merge)>;

// The non-visual part of a form that gives it toolbars and a menu bar: it holds the form's
// bars and dock areas, every item of the form and its categories, the shared font and image
// lists, and the switches for painting, hints, menus, customizing and the layout store.
// One per form; a child of its form, so it goes when the form goes.
class TcbBarManager : public QObject, public platform::Component {
public:
    // Owner none: the program's main form. Throws BarError 39004 when there is no form and
    // 39003 when the form already has a manager; nothing is registered then. A manager made
    // from a description starts loading (no "Default" category) until Loaded.
    explicit TcbBarManager(QWidget* owner, bool fromDescription = false);
    ~TcbBarManager() override;

    QWidget* OwnerForm() const { return m_ownerForm; }
    void SetName(const std::string& name) override;

    // The loading phase: setters only store while it lasts; Loaded applies what was stored.
    bool IsLoading() const { return m_loading; }
    void BeginLoading() { m_loading = true; }
    void Loaded();
    // A layout read into a running manager shows its bars under the loading mark, as Loaded
    // does: at their stored rows and places, laid out once when the updates are unlocked.
    void EndLoading() { m_loading = false; }
    // The owner form's design state: a form designer editing the form sets it before the
    // form's components load. The program's forms always run.
    bool IsDesigning() const { return m_designing; }
    void SetDesigning(bool value) { m_designing = value; }
    bool IsDestroying() const { return m_destroying; }
    bool IsCustomizing() const { return m_customizing; }
    // Switches customizing on and off (the customizing dialog does): open menus close and
    // selections go first, and every link collection shows its links again. Switching on
    // fires OnShowCustomizingForm and is refused while a customizing dialog is open.
    void SetCustomizing(bool value);

    // Items (the manager owns them; an item is freed through its manager).
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    TcbBarItem* Items(int index) const;
    TcbBarItem* ItemByName(const std::string& name) const;  // without regard to case
    template <class Item>
    Item& CreateItem(const std::string& name = {});
    TcbBarItem& AdoptItem(std::unique_ptr<TcbBarItem> item);
    void FreeItem(TcbBarItem& item);
    // Puts the item at the index of the item list (clamped); the customizing dialog reorders.
    void MoveItem(TcbBarItem& item, int index);
    int IndexOfItem(const TcbBarItem& item) const;

    TcbBars& Bars() const { return *m_bars; }
    TcbBar* BarByName(const std::string& name) const;  // exact
    TcbBar* MainMenuBar() const { return m_mainMenuBar; }
    void SetMainMenuBar(TcbBar* bar) { m_mainMenuBar = bar; }
    TcbBarManagerCategories& Categories() const { return *m_categories; }
    // The pop-up menus tied to controls of the form.
    TcbBarPopupMenuLinks& PopupMenuLinks() const { return *m_popupMenuLinks; }

    // Category visibility; out of range reads ivNever and false, a category without a
    // record ivAlways and true, and out-of-range sets are ignored.
    TcbBarItemVisible CategoryItemsVisible(int index) const;
    void SetCategoryItemsVisible(int index, TcbBarItemVisible value);
    bool CategoryVisible(int index) const;
    void SetCategoryVisible(int index, bool value);
    // The n-th category whose visible state is on; -1 for none.
    int VisibleCategory(int n) const;

    // Called by an enabled item when it is clicked, before its own click.
    virtual void DoClickItem(TcbBarItem& item);
    // Whether the bar may dock at the side (dsNone: float).
    virtual bool CanDocking(TcbBar& bar, TcbBarDockingStyle side);

    // While locked, the dock areas do not redraw and bars postpone their layout.
    bool IsUpdateLocked() const { return m_lockUpdate; }
    void SetLockUpdate(bool value);

    TcbBarItemControl* SelectedItemControl() const { return m_selectedControl; }
    void SetSelectedItemControl(TcbBarItemControl* control);
    // A control going away is forgotten without a repaint.
    void ForgetItemControl(const TcbBarItemControl* control) {
        if (m_selectedControl == control) {
            m_selectedControl = nullptr;
        }
    }
    // The toolbar window in keyboard mode (the keyboard hook leaves the manager alone then).
    IBarWindow* KeyboardBar() const { return m_keyboardBar; }
    void SetKeyboardBar(IBarWindow* window) { m_keyboardBar = window; }

    // The link the customizing drag moves now; none outside a drag.
    TcbBarItemLink* DragLink() const { return m_dragLink; }
    void SetDragLink(TcbBarItemLink* link) { m_dragLink = link; }

    // Marks a change of the layout (bars, links, items) that the layout store may save.
    void MarkChanged() { m_changed = true; }
    bool IsChanged() const { return m_changed; }
    void ClearChanged() { m_changed = false; }
    // An item's property changed (the customizing dialog shows items).
    void ItemChanged(TcbBarItem& item);
    void NotifyCustomizingDialog();

    // Button metrics.
    int ImageSize() const { return 16 * (m_largeIcons ? 2 : 1); }
    int ButtonWidth() const { return ImageSize() + 7; }
    int ButtonHeight() const { return ImageSize() + 6; }
    int ArrowWidth() const { return m_arrowWidth; }
    // Style metrics read by the bar windows; the second is the size of a bar's drag grip.
    int StyleMetric(int index) const { return m_styleMetrics[static_cast<std::size_t>(index)]; }
    int GripSize() const { return StyleMetric(1); }
    // The size a bar window takes beyond its content, by docking side.
    platform::Size BarExtraSize(TcbBarDockingStyle side) const;
    // How many recent links a personalized menu shows at least, and the use count a new
    // most-recently-used link starts with.
    int RecentItemsThreshold() const;
    bool PersonalizedMenus() const { return m_style == bmsEnhanced && m_menusShowRecentItemsFirst; }

    // The description the manager was made from (a reset builds a copy from it); none for
    // a manager made in code.
    const std::shared_ptr<const TcbBarManagerDescription>& Description() const { return m_description; }
    void SetDescription(std::shared_ptr<const TcbBarManagerDescription> description) {
        m_description = std::move(description);
    }

    // Properties.
    bool AllowCallFromAnotherForm() const { return m_allowCallFromAnotherForm; }
    void SetAllowCallFromAnotherForm(bool value) { m_allowCallFromAnotherForm = value; }
    bool AllowReset() const { return m_allowReset; }
    void SetAllowReset(bool value) { m_allowReset = value; }
    bool AlwaysMerge() const { return m_alwaysMerge; }
    void SetAlwaysMerge(bool value) { m_alwaysMerge = value; }
    bool AlwaysSaveText() const { return m_alwaysSaveText; }
    void SetAlwaysSaveText(bool value) { m_alwaysSaveText = value; }
    bool AutoDockColor() const { return m_autoDockColor; }
    void SetAutoDockColor(bool value);
    bool AutoHideEmptyBars() const { return m_autoHideEmptyBars; }
    void SetAutoHideEmptyBars(bool value);
    bool Scaled() const { return m_scaled; }
    void SetScaled(bool value);
    const platform::CanvasFont& Font() const { return m_font; }
    // The font the bars draw with, made from Font.
    const platform::CanvasFont& BarFont() const { return *m_barFont; }
    void SetFont(const platform::CanvasFont& font);
    int ButtonArrowWidth() const { return m_buttonArrowWidth; }
    void SetButtonArrowWidth(int value);
    bool CanCustomize() const { return m_canCustomize; }
    void SetCanCustomize(bool value) { m_canCustomize = value; }
    // The owner form's colour while AutoDockColor is set.
    platform::Colour DockColor() const;
    void SetDockColor(platform::Colour value);
    bool FlatCloseButton() const { return m_flatCloseButton; }
    void SetFlatCloseButton(bool value);
    const platform::Bitmap& HelpButtonGlyph() const { return m_helpButtonGlyph; }
    void SetHelpButtonGlyph(const platform::Bitmap& value);
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int value) { m_helpContext = value; }
    platform::ImageList* Images() const { return m_images; }
    void SetImages(platform::ImageList* value);
    platform::ImageList* LargeImages() const { return m_largeImages; }
    void SetLargeImages(platform::ImageList* value);
    platform::ImageList* HotImages() const { return m_hotImages; }
    void SetHotImages(platform::ImageList* value);
    // An image list is going: it is cleared from the properties that name it.
    void ImageListFreed(const platform::ImageList* images);
    platform::Colour ImageListBkColor() const { return m_imageListBkColor; }
    void SetImageListBkColor(platform::Colour value);
    const std::string& IniFileName() const { return m_iniFileName; }
    void SetIniFileName(const std::string& value) { m_iniFileName = value; }
    int LargeButtonArrowWidth() const { return m_largeButtonArrowWidth; }
    void SetLargeButtonArrowWidth(int value);
    bool LargeIcons() const { return m_largeIcons; }
    void SetLargeIcons(bool value);
    TcbBarMenuAnimations MenuAnimations() const { return m_menuAnimations; }
    void SetMenuAnimations(TcbBarMenuAnimations value);
    bool MenusShowRecentItemsFirst() const { return m_menusShowRecentItemsFirst; }
    void SetMenusShowRecentItemsFirst(bool value);
    int MostRecentItemsPercents() const { return m_mostRecentItemsPercents; }
    void SetMostRecentItemsPercents(int value);
    TcbBarDockingStyles NotDocking() const { return m_notDocking; }
    void SetNotDocking(TcbBarDockingStyles value) { m_notDocking = value; }
    const std::string& RegistryPath() const { return m_registryPath; }
    void SetRegistryPath(const std::string& value) { m_registryPath = value; }
    bool ShowCloseButton() const { return m_showCloseButton; }
    void SetShowCloseButton(bool value);
    bool ShowFullMenusAfterDelay() const { return m_showFullMenusAfterDelay; }
    void SetShowFullMenusAfterDelay(bool value);
    bool ShowHelpButton() const { return m_showHelpButton; }
    void SetShowHelpButton(bool value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool value);
    bool ShowHintForDisabledItems() const { return m_showHintForDisabledItems; }
    void SetShowHintForDisabledItems(bool value) { m_showHintForDisabledItems = value; }
    bool ShowShortCutInHint() const { return m_showShortCutInHint; }
    void SetShowShortCutInHint(bool value);
    bool StoreInIniFile() const { return m_storeInIniFile; }
    void SetStoreInIniFile(bool value) { m_storeInIniFile = value; }
    bool StoreInRegistry() const { return m_storeInRegistry; }
    void SetStoreInRegistry(bool value) { m_storeInRegistry = value; }
    bool StretchGlyphs() const { return m_stretchGlyphs; }
    void SetStretchGlyphs(bool value) { m_stretchGlyphs = value; }
    TcbBarManagerStyle Style() const { return m_style; }
    void SetStyle(TcbBarManagerStyle value);
    bool SunkenBorder() const { return m_sunkenBorder; }
    void SetSunkenBorder(bool value);
    bool UseF10ForMenu() const { return m_useF10ForMenu; }
    void SetUseF10ForMenu(bool value) { m_useF10ForMenu = value; }
    bool UseFullReset() const { return m_useFullReset; }
    void SetUseFullReset(bool value) { m_useFullReset = value; }
    bool UseSystemFont() const { return m_useSystemFont; }
    void SetUseSystemFont(bool value);
    // The desktop's menu font changed: the font becomes it (UseSystemFont), or takes its size
    // and style with the face it has (Scaled).
    void SystemMenuFontChanged();
    int WaitForDockingTime() const { return m_waitForDockingTime; }
    void SetWaitForDockingTime(int value);

    // Events: fired only when set.
    TcbBarEvent OnBarAdd, OnBarAfterReset, OnBarBeforeReset, OnBarClose, OnBarDelete, OnBarDockingStyleChange,
        OnBarVisibleChange;
    TcbBarItemLinkEvent OnItemLinkAdd, OnItemLinkChange, OnItemLinkDelete;
    TcbBarManagerNotifyEvent OnCloseButtonClick, OnHelpButtonClick, OnHideCustomizingForm, OnShowCustomizingForm;
    TcbBarCanDockingEvent OnDocking;
    TcbBarClickItemEvent OnClickItem;
    TcbBarShowPopupEvent OnShowCustomizingPopup, OnShowToolbarsPopup;
    TcbBarMenuMergeEvent OnMenuMerge;

    // Firers used by bars and links.
    void BarAdded(TcbBar& bar);
    void BarDeleted(TcbBar& bar);
    void BarVisibleChanged(TcbBar& bar);
    void ItemLinkAdded(TcbBarItemLink& link);
    void ItemLinkChanged(TcbBarItemLink& link);
    void ItemLinkDeleted(TcbBarItemLink& link);

private:
    static QWidget* CheckedOwner(QWidget* owner);
    void CalcButtonMetrics();
    void RelayoutBars();
    void RepaintBars();
    // The dock areas take a new colour, or new frames and a new layout.
    void RepaintDockAreas();
    void RelayoutDockAreas();
    // The close button of the main-menu bar changed.
    void CloseButtonChanged();
    void FontChanged();
    void BarsTakeFont();
    void ImagesChanged(platform::ImageList* TcbBarManager::*which);
    void UnlockUpdate();
    void CloseMenusAndSelections();
    void RebuildLinks();

    QWidget* m_ownerForm;
    bool m_loading;
    bool m_designing = false;
    bool m_destroying = false;
    bool m_customizing = false;
    bool m_lockUpdate = false;
    bool m_changed = false;
    bool m_arrangingDockAreas = false;
    IBarWindow* m_keyboardBar = nullptr;
    TcbBarItemControl* m_selectedControl = nullptr;
    TcbBarItemLink* m_dragLink = nullptr;
    TcbBar* m_mainMenuBar = nullptr;
    std::vector<std::unique_ptr<TcbBarItem>> m_items;
    std::unique_ptr<TcbBarManagerCategories> m_categories;
    std::unique_ptr<TcbBars> m_bars;
    std::unique_ptr<TcbBarPopupMenuLinks> m_popupMenuLinks;
    std::shared_ptr<const TcbBarManagerDescription> m_description;

    bool m_allowCallFromAnotherForm = false;
    bool m_allowReset = true;
    bool m_alwaysMerge = false;
    bool m_alwaysSaveText = false;
    bool m_autoDockColor = true;
    bool m_autoHideEmptyBars = false;
    bool m_scaled = true;
    platform::CanvasFont m_font;
    std::optional<platform::CanvasFont> m_barFont;
    int m_buttonArrowWidth = 9;
    bool m_canCustomize = true;
    platform::Colour m_dockColor;
    bool m_flatCloseButton = false;
    platform::Bitmap m_helpButtonGlyph;
    int m_helpContext = 0;
    platform::ImageList* m_images = nullptr;
    platform::ImageList* m_largeImages = nullptr;
    platform::ImageList* m_hotImages = nullptr;
    platform::Colour m_imageListBkColor = 0xFF00FF;
    std::string m_iniFileName;
    int m_largeButtonArrowWidth = 14;
    bool m_largeIcons = false;
    TcbBarMenuAnimations m_menuAnimations = maNone;
    bool m_menusShowRecentItemsFirst = true;
    int m_mostRecentItemsPercents = 95;
    TcbBarDockingStyles m_notDocking;
    std::string m_registryPath;
    bool m_showCloseButton = false;
    bool m_showFullMenusAfterDelay = true;
    bool m_showHelpButton = false;
    bool m_showHint = true;
    bool m_showHintForDisabledItems = true;
    bool m_showShortCutInHint = false;
    bool m_storeInIniFile = false;
    bool m_storeInRegistry = false;
    bool m_stretchGlyphs = true;
    TcbBarManagerStyle m_style = bmsEnhanced;
    bool m_sunkenBorder = false;
    bool m_useF10ForMenu = true;
    bool m_useFullReset = false;
    bool m_useSystemFont = false;
    int m_waitForDockingTime = 21;

    int m_arrowWidth = 9;
    std::array<int, 3> m_styleMetrics{1, 6, 12};
};

template <class Item>
Item& TcbBarManager::CreateItem(const std::string& name) {
    auto item = std::make_unique<Item>(this, m_ownerForm);
    item->SetName(name);
    return static_cast<Item&>(AdoptItem(std::move(item)));
}

}  // namespace bars
