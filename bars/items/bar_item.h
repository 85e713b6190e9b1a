#pragma once

#include "bars/core/bar_types.h"
#include "platform/core/component.h"
#include "platform/core/notify_event.h"
#include "platform/qt/bitmap.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace platform {
class Action;
class ImageList;
}

namespace bars {

class TcbBarItemActionLink;

// The command object of the framework: one command (a menu entry, a toolbar button, a
// sub-menu) with its caption, category, enabled state, image, visibility, shortcut and click.
// It never draws: each place that shows it is a link, and each change is pushed to the
// controls of its links. Items belong to their manager, which frees them.
class TcbBarItem : public platform::Component {
public:
    static constexpr const char* kClassName = "TcbBarItem";

    TcbBarItem(TcbBarManager* manager, QWidget* owner);
    ~TcbBarItem() override;

    TcbBarManager* BarManager() const { return m_barManager; }
    QWidget* OwnerForm() const { return m_ownerForm; }
    void SetName(const std::string& name) override;

    // True while the item is being built from a description (until the manager's Loaded).
    bool IsLoading() const { return m_loading; }
    void SetLoading(bool value) { m_loading = value; }
    // The manager's Loaded: the linked action's values, then the stored visibility.
    virtual void Loaded();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& value);
    int Category() const { return m_category; }
    void SetCategory(int value);
    // The category list renumbers its items directly, without the range test.
    void AssignCategoryIndex(int value) { m_category = value; }
    const std::string& Description() const { return m_description; }
    void SetDescription(const std::string& value);
    // While the user customizes, an item with a category reads as enabled.
    bool Enabled() const;
    bool StoredEnabled() const { return m_enabled; }
    void SetEnabled(bool value);
    const platform::Bitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const platform::Bitmap& value);
    int HelpContext() const { return m_helpContext; }
    void SetHelpContext(int value);
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& value) { m_hint = value; }
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value);
    int ShortCut() const { return m_shortCut; }
    void SetShortCut(int value);
    bool UnclickAfterDoing() const { return m_unclickAfterDoing; }
    void SetUnclickAfterDoing(bool value) { m_unclickAfterDoing = value; }
    TcbBarItemVisible Visible() const { return m_visible; }
    void SetVisible(TcbBarItemVisible value);
    platform::Action* Action() const;
    void SetAction(platform::Action* action);

    platform::NotifyEvent OnClick;
    platform::NotifyEvent OnDestroy;

    // Links: every place that shows the item.
    int LinkCount() const { return static_cast<int>(m_links.size()); }
    TcbBarItemLink* Links(int index) const;
    void AddLink(TcbBarItemLink& link);
    void RemoveLink(TcbBarItemLink& link);
    // The first link whose control is the active control of its bar.
    TcbBarItemLink* ActiveLink() const;
    // The link through which the running click came; none outside a click.
    TcbBarItemLink* ClickedLink() const { return m_clickedLink; }
    void SetClickedLink(TcbBarItemLink* link) { m_clickedLink = link; }

    bool IsVisibleNow() const;
    bool HasParent() const { return m_category >= 0; }

    virtual bool IsClickable() const { return true; }
    virtual bool CanSelectByKeyboard() const { return true; }
    virtual bool CanUseAccelerator(const TcbBarItemLink& link) const;
    virtual bool UsesHotImages() const { return false; }
    virtual bool UsesLargeImages() const { return false; }
    virtual bool IsSubItem() const { return false; }
    // The paint style and width a link shows when it holds no value of its own.
    virtual TcbBarPaintStyle LinkPaintStyle() const { return psStandard; }
    virtual int LinkWidth() const { return 0; }

    // Change notices to the controls of the links.
    virtual void CaptionChanged();
    virtual void EnabledChanged();
    virtual void GlyphChanged();
    virtual void HotImagesChanged() {}
    virtual void LargeImagesChanged() {}
    // An image list is being freed: an item that holds it lets go of it.
    virtual void ImageListFreed(const platform::ImageList*) {}
    virtual void ShortCutChanged();
    virtual void RepaintControls();
    virtual void RelayoutBars();
    virtual void UpdateItemControls();

    // The public click (shortcuts, code): DirectClick when the item is clickable.
    virtual void Click();
    // The manager's OnClickItem, then DoClick; nothing while disabled.
    virtual void DirectClick();
    virtual void DoClick();
    // Takes the action's values; with checkDefaults only into values still at default.
    virtual void ActionChange(platform::Action& action, bool checkDefaults);
    // Copies the item into an action.
    virtual void AssignTo(platform::Action& action) const;

    // Before the manager frees the item: OnDestroy, then every link goes, last first.
    virtual void Release();

protected:
    // Each link that has a control, with it.
    void ForEachControl(const std::function<void(TcbBarItemLink&, TcbBarItemControl&)>& f) const;
    // The notice to the control of every link, except links that hold their own value
    // (the user-defined bit given).
    void NotifyControls(void (TcbBarItemControl::*notice)(), TcbBarUserDefines unlessHeld = 0) const;
    // A control that is its bar's selected control while that bar is active is left alone.
    bool IsBusyControl(const TcbBarItemControl& control) const;

private:
    TcbBarManager* m_barManager;
    QWidget* m_ownerForm;
    bool m_loading = false;
    std::unique_ptr<TcbBarItemActionLink> m_actionLink;
    std::string m_caption;
    int m_category = -1;
    TcbBarItemLink* m_clickedLink = nullptr;
    std::string m_description;
    bool m_enabled = true;
    platform::Bitmap m_glyph;
    int m_helpContext = 0;
    std::string m_hint;
    int m_imageIndex = -1;
    std::vector<TcbBarItemLink*> m_links;
    TcbBarItemVisible m_loadedVisible = ivAlways;
    int m_shortCut = 0;
    bool m_unclickAfterDoing = true;
    TcbBarItemVisible m_visible = ivAlways;
};

}  // namespace bars
