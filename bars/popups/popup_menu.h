#pragma once

#include "bars/core/bar_types.h"
#include "bars/links/item_links_owner.h"
#include "platform/core/canvas.h"
#include "platform/core/component.h"
#include "platform/qt/canvas.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QEventLoop;

namespace bars {

class TcbBarSubMenuControl;

// A context menu made of item links: Popup shows it at a screen point in a menu window and
// runs a loop until the menu closes (or returns at once for a drop-down button). It belongs
// to its owner (a form or another object) and to one manager's list of pop-up menus.
class TcbBarPopupMenu : public QObject, public platform::Component, public TcbBarItemLinksOwner {
public:
    using NotifyEvent = std::function<void(TcbBarPopupMenu& sender)>;

    // Throws BarError 39005 when no manager exists. The manager: the owner form's, else the
    // first of the process.
    explicit TcbBarPopupMenu(QObject* owner);
    ~TcbBarPopupMenu() override;

    TcbBarManager* BarManager() const { return m_manager; }
    // Moves the menu (and its links) to another manager; none is refused.
    void SetBarManager(TcbBarManager* manager);
    TcbBarItemLinks& ItemLinks() const { return *m_itemLinks; }

    const platform::CanvasFont& Font() const { return m_font; }
    // A font of its own: UseOwnFont becomes true.
    void SetFont(const platform::CanvasFont& font);
    bool UseOwnFont() const { return m_useOwnFont; }
    // False takes the manager's font back.
    void SetUseOwnFont(bool value);
    bool UseRecentItems() const { return m_useRecentItems; }
    void SetUseRecentItems(bool value);

    // Shows the menu with its left top at the screen point and returns once it has closed
    // (the chosen entry's click has run by then). Nothing while the menu is open.
    void Popup(int x, int y);
    // For a drop-down button: shows the menu without a loop, avoiding the opener's extent.
    void DropDown(platform::Point screen, bool animate, int openerWidth, int openerHeight);
    bool IsOpen() const;
    TcbBarSubMenuControl* MenuWindow() const;
    // The links finish loading with their stored visibility.
    void Loaded();

    // TcbBarItemLinksOwner.
    bool IsPopupMenu() const override { return true; }
    void LinksChanged() override {}
    const platform::CanvasFont* OwnFont() const override { return m_useOwnFont ? &m_font : nullptr; }

    NotifyEvent OnCloseUp;
    NotifyEvent OnPopup;

private:
    void CloseUp();

    TcbBarManager* m_manager = nullptr;
    std::unique_ptr<TcbBarItemLinks> m_itemLinks;
    platform::CanvasFont m_font;
    bool m_useOwnFont = false;
    bool m_useRecentItems = false;
    bool m_noLoop = false;
    bool m_animate = true;
    int m_openerWidth = 0;
    int m_openerHeight = 0;
    bool m_loopRunning = false;
    QEventLoop* m_loop = nullptr;
};

// The pop-up menus of a manager go before its items do.
void FreePopupMenusOf(const TcbBarManager& manager);
std::vector<TcbBarPopupMenu*> PopupMenusOf(const TcbBarManager& manager);
// Makes drop-down buttons open their menus through the pop-up menu component.
void InstallPopupMenuDropDowns();

}  // namespace bars
