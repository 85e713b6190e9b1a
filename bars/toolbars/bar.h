#pragma once

#include "bars/core/bar_types.h"
#include "bars/links/item_links_owner.h"
#include "platform/qt/canvas.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {
class IMessages;
}

namespace bars {

// One toolbar or the form's menu bar: its persistent description (caption, side, positions,
// row, flags) and its links. The window that shows it exists while it is visible.
class TcbBar : public TcbBarItemLinksOwner {
public:
    explicit TcbBar(TcbBars& collection);
    ~TcbBar() override;

    TcbBars& Collection() const { return m_collection; }
    TcbBarManager& Manager() const;
    int Index() const;
    TcbBarItemLinks& ItemLinks() const { return *m_itemLinks; }

    TcbBar* AsBar() override { return this; }
    void LinksChanged() override;

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    const std::string& Caption() const { return m_caption; }
    // An unnamed bar takes its caption as name, followed by 1, 2, ... when that is taken.
    void SetCaption(const std::string& caption);
    bool IsMainMenu() const { return m_isMainMenu; }
    // A second main-menu bar takes the role from the first.
    void SetIsMainMenu(bool value);
    TcbBarDockingStyle DockingStyle() const { return m_dockingStyle; }
    void SetDockingStyle(TcbBarDockingStyle value);
    TcbBarDockingStyle DockedDockingStyle() const { return m_dockedDockingStyle; }
    void SetDockedDockingStyle(TcbBarDockingStyle value) { m_dockedDockingStyle = value; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    bool CanClose() const { return m_allowClose && !m_isMainMenu; }

    bool AllowClose() const { return m_allowClose; }
    void SetAllowClose(bool value);
    bool AllowCustomizing() const { return m_allowCustomizing; }
    void SetAllowCustomizing(bool value) { m_allowCustomizing = value; }
    bool AllowQuickCustomizing() const { return m_allowQuickCustomizing; }
    // The enhanced style's end mark comes or goes at once.
    void SetAllowQuickCustomizing(bool value);
    bool AllowReset() const { return m_allowReset; }
    void SetAllowReset(bool value) { m_allowReset = value; }
    int DockedLeft() const { return m_dockedLeft; }
    void SetDockedLeft(int value);
    int DockedTop() const { return m_dockedTop; }
    void SetDockedTop(int value);
    int FloatLeft() const { return m_floatLeft; }
    void SetFloatLeft(int value) { StoreChange(m_floatLeft, value); }
    int FloatTop() const { return m_floatTop; }
    void SetFloatTop(int value) { StoreChange(m_floatTop, value); }
    int FloatClientWidth() const { return m_floatClientWidth; }
    void SetFloatClientWidth(int value) { StoreChange(m_floatClientWidth, value); }
    int FloatClientHeight() const { return m_floatClientHeight; }
    void SetFloatClientHeight(int value) { StoreChange(m_floatClientHeight, value); }
    bool Hidden() const { return m_hidden; }
    void SetHidden(bool value) { StoreChange(m_hidden, value); }
    // The toolbars pop-up and the toolbars list item offer the bar to be shown or hidden:
    // only a bar the user may close, as a click hides it.
    bool IsListed() const { return !m_hidden && CanClose(); }
    TcbBarDockingStyles NotDocking() const { return m_notDocking; }
    void SetNotDocking(TcbBarDockingStyles value) { m_notDocking = value; }
    bool OneOnRow() const { return m_oneOnRow; }
    void SetOneOnRow(bool value) { m_oneOnRow = value; }
    bool RotateWhenVertical() const { return m_rotateWhenVertical; }
    // A bar on a left or right dock measures and draws its captions anew.
    void SetRotateWhenVertical(bool value);
    int Row() const { return m_row; }
    void SetRow(int value) { m_row = value < 0 ? 0 : value; }
    const platform::CanvasFont& Font() const { return m_font; }
    // A font of its own: UseOwnFont becomes true and the window measures and draws anew.
    void SetFont(const platform::CanvasFont& font);
    bool UseOwnFont() const { return m_useOwnFont; }
    // False takes the manager's font back.
    void SetUseOwnFont(bool value);
    // The manager's font changed: a bar without a font of its own follows it.
    void ManagerFontChanged();
    bool UseRecentItems() const { return m_useRecentItems; }
    void SetUseRecentItems(bool value);
    bool UseRestSpace() const { return m_useRestSpace; }
    void SetUseRestSpace(bool value);
    bool WholeRow() const { return m_wholeRow; }
    void SetWholeRow(bool value);

    // Hidden by the manager's AutoHideEmptyBars because no link is visible.
    bool HiddenBecauseEmpty() const { return m_hiddenBecauseEmpty; }
    void SetHiddenBecauseEmpty(bool value) { m_hiddenBecauseEmpty = value; }

    // The manager's Loaded: the links finish loading, then the stored side and visibility
    // take effect.
    void Loaded();

    // Takes every property of the source bar, its visibility last, so that a bar shown by it
    // shows with everything in place. The links are copied as they are, or by assignLinks
    // (a reset looks the items up by name in the real form).
    using LinksAssigner = std::function<void(TcbBarItemLinks& target, const TcbBarItemLinks& source)>;
    void Assign(const TcbBar& source, const LinksAssigner& assignLinks = {});

    // Runs the click of the first enabled button (through sub items too) whose shortcut is
    // the key (virtual key with the shift bits); false when none has it.
    bool ShortCutSearch(int key);
    // Puts the bar back as the form designed it: its links (or, with the manager's
    // UseFullReset, everything) from a design-time copy of the manager; a manager made in code
    // takes back the links it was first given.
    void Reset();
    // Asks first (string 39001 with the caption); OK resets.
    void ResetWithConfirmation(platform::IMessages& messages, const std::string& applicationTitle);

private:
    template <class T>
    void StoreChange(T& field, T value);
    // The bar's window (if shown) lays its links out again.
    void RebuildWindow();
    void TellWindowFontChanged();

    TcbBars& m_collection;
    bool m_loading;
    std::unique_ptr<TcbBarItemLinks> m_itemLinks;
    std::string m_name;
    std::string m_caption;
    bool m_isMainMenu = false;
    TcbBarDockingStyle m_dockingStyle = dsNone;
    TcbBarDockingStyle m_pendingDockingStyle = dsNone;
    TcbBarDockingStyle m_dockedDockingStyle = dsTop;
    bool m_visible = false;
    bool m_pendingVisible = false;
    bool m_allowClose = true;
    bool m_allowCustomizing = true;
    bool m_allowQuickCustomizing = true;
    bool m_allowReset = true;
    int m_dockedLeft = 0;
    int m_dockedTop = 0;
    int m_floatLeft = 0;
    int m_floatTop = 0;
    int m_floatClientWidth = 0;
    int m_floatClientHeight = 0;
    bool m_hidden = false;
    TcbBarDockingStyles m_notDocking;
    bool m_oneOnRow = false;
    bool m_rotateWhenVertical = true;
    int m_row = 0;
    platform::CanvasFont m_font;
    bool m_useOwnFont = false;
    bool m_useRecentItems = true;
    bool m_useRestSpace = false;
    bool m_wholeRow = false;
    bool m_hiddenBecauseEmpty = false;
};

}  // namespace bars
