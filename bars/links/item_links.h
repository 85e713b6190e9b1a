#pragma once

#include "bars/core/bar_types.h"

#include <functional>
#include <memory>
#include <vector>

namespace bars {

class IBarWindow;
class TcbBarItemLinksOwner;

// The ordered links of one owner (a bar, a sub item, a pop-up menu), with the lists the
// windows lay out and walk: the available links (their item may show now), the visible
// links (also their own Visible is set) and the shown links (within the shown limit), and
// the recent-use order of personalized menus. While customizing, every link with an item
// is available, visible and shown.
class TcbBarItemLinks {
public:
    TcbBarItemLinks(TcbBarManager& manager, TcbBarItemLinksOwner& owner);
    TcbBarItemLinks(const TcbBarItemLinks&) = delete;
    TcbBarItemLinks& operator=(const TcbBarItemLinks&) = delete;
    ~TcbBarItemLinks();

    TcbBarManager& Manager() const { return m_manager; }
    TcbBarItemLinksOwner& Owner() const { return m_owner; }

    int Count() const { return static_cast<int>(m_links.size()); }
    // None out of range.
    TcbBarItemLink* Items(int index) const;
    int IndexOf(const TcbBarItemLink& link) const;
    TcbBarItemLink& Add();
    // Frees the link (its destruction tells the manager, the item and the window).
    void Delete(TcbBarItemLink& link);
    void Clear();
    // Puts the link at the index (clamped to the list); the window rebuilds.
    void Move(TcbBarItemLink& link, int index);
    // Container expansion (menus): a new link at a place; a link taken out of the collection
    // without being freed, and put back at a place.
    TcbBarItemLink& Insert(int index);
    std::unique_ptr<TcbBarItemLink> Take(TcbBarItemLink& link);
    void PutBack(std::unique_ptr<TcbBarItemLink> link, int index, int recentIndex);
    // Copies the links of another collection; itemOf maps each source item to the item
    // the copy links (a reset looks items up by name in the real form).
    void Assign(const TcbBarItemLinks& source,
                const std::function<TcbBarItem*(TcbBarItem*)>& itemOf = [](TcbBarItem* item) { return item; });
    // While Assign runs, links only note their Visible.
    bool IsAssigning() const { return m_assigning; }

    const std::vector<TcbBarItemLink*>& AvailableLinks() const { return m_available; }
    const std::vector<TcbBarItemLink*>& VisibleLinks() const { return m_visible; }
    const std::vector<TcbBarItemLink*>& ShownLinks() const { return m_shown; }
    int VisibleIndexOf(const TcbBarItemLink& link) const;
    int ShownIndexOf(const TcbBarItemLink& link) const;
    int AvailableIndexOf(const TcbBarItemLink& link) const;
    void Refresh();
    // While a stored layout is read in, the lists are not brought up to date link by link,
    // which would cost the square of thousands of links; AfterLoading does it once.
    void SetReading(bool reading) { m_reading = reading; }

    // -1 shows every visible link; N >= 1 the N most recently used ones.
    int ShownLimit() const { return m_shownLimit; }
    void SetShownLimit(int limit);
    void RestorePreviousLimit();

    // Keyboard walk over the shown links that fit the window (a bar's links behind its end
    // mark do not), among those whose item can be selected by keyboard.
    std::vector<TcbBarItemLink*> FittingLinks() const;
    int FitCount() const { return static_cast<int>(FittingLinks().size()); }
    TcbBarItemLink* FirstSelectable() const;
    TcbBarItemLink* LastSelectable() const;
    TcbBarItemLink* NextSelectable(const TcbBarItemLink* link) const;
    TcbBarItemLink* PreviousSelectable(const TcbBarItemLink* link) const;
    // The next link after start (cyclically, one pass) whose caption's accelerator is the
    // key and whose item lets the accelerator choose it.
    TcbBarItemLink* FindByAccelerator(int key, unsigned shift, const TcbBarItemLink* start) const;

    // Recent use; the owner copies its UseRecentItems here.
    bool UseRecentItems() const { return m_useRecentItems; }
    void SetUseRecentItems(bool value) { m_useRecentItems = value; }
    const std::vector<TcbBarItemLink*>& RecentLinks() const { return m_recent; }
    int RecentIndexOf(const TcbBarItemLink& link) const;
    // The use count from which a visible link counts as recent; the smallest count plus
    // the manager's share of the spread.
    int RecentUseCountThreshold() const;
    // How many recent links a personalized menu shows; -1 when all would show.
    int RecentThreshold() const;
    void UseLink(TcbBarItemLink& link, bool counted);
    void MoveToRecentEnd(TcbBarItemLink& link);
    // After the owner is loaded: links without an item go, the rest take their initial use
    // and, with visibility, their pending Visible; then the saved recent positions apply.
    void AfterLoading(bool withVisibility);
    // A reset takes the recent-use state of the design-time links.
    void CopyRecentState(const TcbBarItemLinks& source);

    // The window that shows the links now, made through the window factory.
    IBarWindow* Window() const { return m_window; }
    void CreateWindow();
    // Windows announce themselves and their end here. Controls draw on one window: when the
    // window changes or goes, the controls of the links go with the old one.
    void SetWindow(IBarWindow* window);

    // Whether a link here, or in a sub item reached through one, links the item.
    bool Reaches(const TcbBarItem& item) const;

    // An item or link changed: the owner notes it, the lists refresh, OnChange fires.
    void ItemChanged();
    std::function<void(TcbBarItemLinks&)> OnChange;

private:
    friend class TcbBarItemLink;
    void Forget(TcbBarItemLink& link);
    void MoveRecent(TcbBarItemLink& link, int index);
    bool IsCustomizing() const;
    bool IsDockedToolbarWindow() const;

    TcbBarManager& m_manager;
    TcbBarItemLinksOwner& m_owner;
    std::vector<std::unique_ptr<TcbBarItemLink>> m_links;
    std::vector<TcbBarItemLink*> m_available;
    std::vector<TcbBarItemLink*> m_visible;
    std::vector<TcbBarItemLink*> m_shown;
    std::vector<TcbBarItemLink*> m_recent;
    int m_shownLimit = -1;
    int m_previousLimit = -1;
    bool m_useRecentItems = true;
    bool m_assigning = false;
    bool m_clearing = false;
    bool m_reading = false;
    IBarWindow* m_window = nullptr;
};

}  // namespace bars
