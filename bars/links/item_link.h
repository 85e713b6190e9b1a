#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/canvas.h"
#include "platform/qt/bitmap.h"

#include <memory>
#include <string>

namespace bars {

// One place of an item on a bar, sub-menu or pop-up menu, with what is particular to that
// place: a group start, values the user set for this place only, its visibility, its
// recent-use record, and, while shown in an open window, the control that displays it.
// Owned by its collection.
class TcbBarItemLink {
public:
    explicit TcbBarItemLink(TcbBarItemLinks& collection);
    TcbBarItemLink(const TcbBarItemLink&) = delete;
    TcbBarItemLink& operator=(const TcbBarItemLink&) = delete;
    ~TcbBarItemLink();

    TcbBarItemLinks* Collection() const { return m_collection; }
    // The collection frees the link; nothing of it may be used afterwards.
    void Free();
    // Copies Data, the user values, Item (through the lookup when given), UserDefine, the
    // effective group start and Visible.
    void Assign(const TcbBarItemLink& source, TcbBarItem* item);

    bool OwnBeginGroup() const { return m_beginGroup; }
    // The group start as shown: a start on a hidden link passes to the next shown one.
    bool BeginGroup() const;
    void SetBeginGroup(bool value);
    int Data() const { return m_data; }
    void SetData(int value) { m_data = value; }
    TcbBarItem* Item() const { return m_item; }
    // None frees the link. A sub item's link may not reach the sub item itself: that
    // throws BarError 39009 and leaves the link without an item.
    void SetItem(TcbBarItem* item);
    bool MostRecentlyUsed() const { return m_mostRecentlyUsed; }
    void SetMostRecentlyUsed(bool value);
    const std::string& UserCaption() const { return m_userCaption; }
    void SetUserCaption(const std::string& value);
    TcbBarUserDefines UserDefine() const { return m_userDefine; }
    void SetUserDefine(TcbBarUserDefines value);
    const platform::Bitmap& UserGlyph() const { return m_userGlyph; }
    void SetUserGlyph(const platform::Bitmap& value);
    TcbBarPaintStyle UserPaintStyle() const { return m_userPaintStyle; }
    void SetUserPaintStyle(TcbBarPaintStyle value);
    int UserWidth() const { return m_userWidth; }
    void SetUserWidth(int value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);

    // The values in force: the link's own when its UserDefine bit is set, else the item's.
    std::string Caption() const;
    const platform::Bitmap& Glyph() const;
    TcbBarPaintStyle PaintStyle() const;
    int Width() const;

    int Index() const;
    // -1 when not among the visible links.
    int VisibleIndex() const;
    int RecentIndex() const;
    // The item is visible now and the link's Visible is set.
    bool CanShow() const;
    // Whether the key (virtual-key code) with the modifiers (platform::ShiftState bits)
    // types the accelerator of the caption in force.
    bool IsAccelerator(int key, unsigned shift) const;

    TcbBarItemControl* Control() const { return m_control.get(); }
    // The link is on a bar docked left or right that turns its captions.
    bool InRotatedVerticalBar() const;
    // There an edit or a combo cannot be read: it shows as a button that clicks its item.
    bool ShowsAsButton() const;
    // Makes the control of the item's class when there is none (no control for a class
    // without one); a link that shows as a button gets a button's control.
    void CreateControl();
    void DestroyControl();

    // Set by the window's layout.
    const platform::Rect& ItemRect() const { return m_itemRect; }
    void SetItemRect(const platform::Rect& rect) { m_itemRect = rect; }
    int RowHeight() const { return m_rowHeight; }
    void SetRowHeight(int value) { m_rowHeight = value; }

    // The recent-use record.
    int UseCount() const { return m_useCount; }
    void SetUseCount(int value) { m_useCount = value; }
    // Filled by the layout store while loading; -1: none.
    int SavedRecentIndex() const { return m_savedRecentIndex; }
    int SavedUseCount() const { return m_savedUseCount; }
    void SetSavedRecent(int index, int useCount) {
        m_savedRecentIndex = index;
        m_savedUseCount = useCount;
    }
    // The link this one stands for (a container's expansion); none stands for itself.
    TcbBarItemLink* SourceLink() const { return m_sourceLink; }
    void SetSourceLink(TcbBarItemLink* link) { m_sourceLink = link; }
    TcbBarItemLink& RepresentedLink() { return m_sourceLink ? *m_sourceLink : *this; }

private:
    friend class TcbBarItemLinks;
    void Notify();
    void RelayoutControl();
    bool ReachesOwnerSubItem(TcbBarItem& item) const;
    TcbBarItemLink* LinkToRegroup() const;

    TcbBarItemLinks* m_collection;
    bool m_beginGroup = false;
    int m_data = 0;
    TcbBarItem* m_item = nullptr;
    bool m_mostRecentlyUsed = true;
    std::string m_userCaption;
    TcbBarUserDefines m_userDefine = 0;
    platform::Bitmap m_userGlyph;
    TcbBarPaintStyle m_userPaintStyle = psStandard;
    int m_userWidth = 0;
    bool m_visible = true;
    bool m_pendingVisible = true;
    std::unique_ptr<TcbBarItemControl> m_control;
    platform::Rect m_itemRect;
    int m_rowHeight = 0;
    int m_savedRecentIndex = -1;
    int m_savedUseCount = 0;
    TcbBarItemLink* m_sourceLink = nullptr;
    int m_useCount = 0;
};

}  // namespace bars
