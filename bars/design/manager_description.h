#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/qt/canvas.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace bars {

// A form's bar manager as designed: the values its form would store, as data. The manager is
// made from it in one loading phase (setters only store, Loaded applies), and a reset makes
// a temporary copy from it. Events are not part of it: the form binds its handlers to the
// items after the manager is made. Every default is the property's own default.

struct TcbBarLinkDescription {
    std::string item{};  // the item's name
    bool beginGroup = false;
    int data = 0;
    bool mostRecentlyUsed = true;
    std::string userCaption{};
    TcbBarUserDefines userDefine = 0;
    TcbBarPaintStyle userPaintStyle = psStandard;
    int userWidth = 0;
    bool visible = true;
};

struct TcbBarItemDescription {
    std::string className = "TcbBarButton";
    std::string name{};
    std::string caption{};
    int category = -1;  // -1: no category
    std::string description{};
    bool enabled = true;
    int helpContext = 0;
    std::string hint{};
    int imageIndex = -1;
    int shortCut = 0;
    bool unclickAfterDoing = true;
    TcbBarItemVisible visible = ivAlways;
    // Buttons.
    bool allowAllUp = false;
    TcbBarButtonStyle buttonStyle = bsDefault;
    bool closeSubMenuOnClick = true;
    bool down = false;
    bool dropDownEnabled = true;
    int groupIndex = 0;
    TcbBarPaintStyle paintStyle = psStandard;
    // Sub items.
    bool allowCustomizing = true;
    bool showCaption = true;
    std::vector<TcbBarLinkDescription> links{};
};

struct TcbBarDescription {
    std::string name{};
    std::string caption{};
    bool allowClose = true;
    bool allowCustomizing = true;
    bool allowQuickCustomizing = true;
    bool allowReset = true;
    TcbBarDockingStyle dockedDockingStyle = dsTop;
    int dockedLeft = 0;
    int dockedTop = 0;
    TcbBarDockingStyle dockingStyle = dsNone;
    int floatLeft = 0;
    int floatTop = 0;
    int floatClientWidth = 0;
    int floatClientHeight = 0;
    bool hidden = false;
    bool isMainMenu = false;
    TcbBarDockingStyles notDocking{};
    bool oneOnRow = false;
    bool rotateWhenVertical = true;
    int row = 0;
    bool useOwnFont = false;
    bool useRecentItems = true;
    bool useRestSpace = false;
    bool visible = false;
    bool wholeRow = false;
    std::vector<TcbBarLinkDescription> links{};
};

struct TcbBarManagerDescription {
    std::string name = "BarManager";
    bool allowCallFromAnotherForm = false;
    bool allowReset = true;
    bool alwaysMerge = false;
    bool autoHideEmptyBars = false;
    bool scaled = true;
    std::optional<platform::CanvasFont> font{};  // none: the system menu font
    int buttonArrowWidth = 9;
    bool canCustomize = true;
    std::optional<platform::Colour> dockColor{};  // none: the form's colour
    int helpContext = 0;
    std::string iniFileName{};
    int largeButtonArrowWidth = 14;
    bool largeIcons = false;
    TcbBarMenuAnimations menuAnimations = maNone;
    bool menusShowRecentItemsFirst = true;
    int mostRecentItemsPercents = 95;
    TcbBarDockingStyles notDocking{};
    std::string registryPath{};
    bool showFullMenusAfterDelay = true;
    bool showHint = true;
    bool showHintForDisabledItems = true;
    bool showShortCutInHint = false;
    bool storeInIniFile = false;
    bool storeInRegistry = false;
    TcbBarManagerStyle style = bmsEnhanced;
    bool sunkenBorder = false;
    bool useF10ForMenu = true;
    bool useFullReset = false;
    int waitForDockingTime = 21;

    std::vector<std::string> categories{};
    std::vector<int> itemsVisibles{};  // "ItemsVisibles": 0 ivNever, 1 ivInCustomizing, 2 ivAlways
    std::vector<bool> visibles{};      // "Visibles"
    // "DockControlHeights": the left and right dock areas' widths, the top and bottom ones' heights.
    std::array<int, 4> dockControlHeights{};
    std::vector<TcbBarItemDescription> items{};
    std::vector<TcbBarDescription> bars{};
};

// Makes the form's manager from its description; the manager is a child of the form and
// keeps the description for resets. Throws what the manager's construction throws, and
// std::invalid_argument for an item class nobody registered; nothing is left on the form then.
TcbBarManager& BuildBarManager(QWidget* form, std::shared_ptr<const TcbBarManagerDescription> description);

// A temporary copy of a manager as designed, made from its description on a temporary form.
// The copy never reads or writes the layout store. Freed with the object.
class TcbBarDesignCopy {
public:
    explicit TcbBarDesignCopy(const TcbBarManagerDescription& description);
    ~TcbBarDesignCopy();
    TcbBarManager& Manager() const { return *m_manager; }

private:
    std::unique_ptr<QWidget> m_form;
    TcbBarManager* m_manager;
};

// The design-time copy of a manager; none for a manager not made from a description.
std::unique_ptr<TcbBarDesignCopy> CreateDesignTimeCopy(const TcbBarManager& manager);

// True while a design-time copy is being made (its manager does not read the layout store).
bool IsReadingDesignCopy();

}  // namespace bars
