#include "bars/toolbars/bar.h"

#include "bars/controls/bar_window.h"
#include "bars/links/item_links.h"
#include "bars/manager/bar_manager.h"
#include "bars/toolbars/bar_collection.h"

namespace bars {

TcbBar::TcbBar(TcbBars& collection)
    : m_collection(collection),
      m_loading(collection.Manager().IsLoading()),
      m_itemLinks(std::make_unique<TcbBarItemLinks>(collection.Manager(), *this)),
      m_font(collection.Manager().Font()) {
    m_itemLinks->OnChange = [this](TcbBarItemLinks&) { Manager().MarkChanged(); };
}

TcbBar::~TcbBar() {
    TcbBarManager& manager = Manager();
    if (!manager.IsDestroying()) {
        manager.MarkChanged();
        manager.BarDeleted(*this);
    }
    SetVisible(false);
    if (manager.MainMenuBar() == this) {
        manager.SetMainMenuBar(nullptr);
    }
    m_itemLinks.reset();
}

TcbBarManager& TcbBar::Manager() const { return m_collection.Manager(); }

int TcbBar::Index() const { return m_collection.IndexOf(*this); }

void TcbBar::LinksChanged() { Manager().MarkChanged(); }

template <class T>
void TcbBar::StoreChange(T& field, T value) {
    if (field != value) {
        field = value;
        Manager().MarkChanged();
    }
}

template void TcbBar::StoreChange<int>(int&, int);
template void TcbBar::StoreChange<bool>(bool&, bool);

void TcbBar::SetFont(const platform::CanvasFont& font) {
    m_font = font;
    m_useOwnFont = true;
    TellWindowFontChanged();
}

void TcbBar::SetUseOwnFont(bool value) {
    if (value == m_useOwnFont) return;
    m_useOwnFont = value;
    if (!value) m_font = Manager().Font();
    TellWindowFontChanged();
}

void TcbBar::ManagerFontChanged() {
    if (!m_useOwnFont) m_font = Manager().Font();
    TellWindowFontChanged();
}

void TcbBar::TellWindowFontChanged() {
    if (IBarWindow* window = m_itemLinks->Window()) window->FontChanged();
}

void TcbBar::SetCaption(const std::string& caption) {
    if (m_caption == caption) {
        return;
    }
    m_caption = caption;
    // A floating window shows the caption in its frame.
    if (IBarWindow* window = m_itemLinks->Window()) {
        window->Relayout();
    }
    if (m_name.empty() && !Manager().IsLoading()) {
        std::string name = caption;
        for (int n = 1; Manager().BarByName(name) != nullptr; ++n) {
            name = caption + std::to_string(n);
        }
        m_name = name;
    }
    Manager().NotifyCustomizingDialog();
    Manager().MarkChanged();
}

void TcbBar::SetIsMainMenu(bool value) {
    if (m_isMainMenu == value) {
        return;
    }
    TcbBarManager& manager = Manager();
    bool wasLocked = manager.IsUpdateLocked();
    manager.SetLockUpdate(true);
    if (value && manager.MainMenuBar() && manager.MainMenuBar() != this) {
        manager.MainMenuBar()->SetIsMainMenu(false);
    }
    m_isMainMenu = value;
    manager.SetMainMenuBar(value ? this : nullptr);
    // Through the setter: a docked bar docks again, on a row of its own as the menu bar.
    if (m_wholeRow != value) SetWholeRow(value);
    if (!manager.IsLoading()) {
        if (IBarWindow* window = m_itemLinks->Window(); window && window->DockingStyle() != dsNone) {
            window->Rebuild();
        }
        manager.NotifyCustomizingDialog();
    }
    manager.SetLockUpdate(wasLocked);
}

void TcbBar::SetDockingStyle(TcbBarDockingStyle value) {
    if (m_loading) {
        m_pendingDockingStyle = value;
        return;
    }
    if (m_dockingStyle == value) {
        return;
    }
    // The window of the new side is made by showing the bar again.
    bool reshow = m_itemLinks->Window() != nullptr && m_itemLinks->Window()->DockingStyle() != value;
    if (reshow) {
        SetVisible(false);
    }
    m_dockingStyle = value;
    m_itemLinks->SetShownLimit(-1);
    if (reshow) {
        SetVisible(true);
    }
    // Not while the manager's Loaded applies the stored values.
    if (!Manager().IsLoading()) {
        if (Manager().OnBarDockingStyleChange) {
            Manager().OnBarDockingStyleChange(Manager(), *this);
        }
        Manager().MarkChanged();
    }
}

void TcbBar::SetVisible(bool value) {
    TcbBarManager& manager = Manager();
    if ((value && manager.IsDestroying()) || (!m_loading && value == m_visible)) {
        return;
    }
    m_hiddenBecauseEmpty = false;
    if (m_loading) {
        m_pendingVisible = value;
        return;
    }
    m_visible = value;
    if (value) {
        m_itemLinks->CreateWindow();
    } else if (IBarWindow* window = m_itemLinks->Window()) {
        window->Release();
    }
    manager.NotifyCustomizingDialog();
    if (!manager.IsDestroying()) {
        manager.BarVisibleChanged(*this);
    }
    if (!manager.IsLoading()) {
        manager.MarkChanged();
    }
}

void TcbBar::SetDockedLeft(int value) { StoreChange(m_dockedLeft, value < 0 ? 0 : value); }

void TcbBar::SetDockedTop(int value) { StoreChange(m_dockedTop, value < 0 ? 0 : value); }

void TcbBar::RebuildWindow() {
    if (IBarWindow* window = m_itemLinks->Window()) {
        window->Rebuild();
    }
}

void TcbBar::SetAllowClose(bool value) {
    m_allowClose = value;
    // Only a floating window shows a close button.
    if (IBarWindow* window = m_itemLinks->Window(); window && window->DockingStyle() == dsNone) {
        window->Rebuild();
    }
}

void TcbBar::SetAllowQuickCustomizing(bool value) {
    if (m_allowQuickCustomizing == value) return;
    m_allowQuickCustomizing = value;
    // Only the enhanced style shows the quick-customize mark.
    if (Manager().Style() == bmsEnhanced) RebuildWindow();
}

void TcbBar::SetRotateWhenVertical(bool value) {
    if (m_rotateWhenVertical == value) return;
    m_rotateWhenVertical = value;
    TellWindowFontChanged();
}

void TcbBar::SetUseRestSpace(bool value) {
    m_useRestSpace = value;
    RebuildWindow();
}

void TcbBar::SetUseRecentItems(bool value) {
    m_useRecentItems = value;
    m_itemLinks->SetUseRecentItems(value);
    RebuildWindow();
}

void TcbBar::SetWholeRow(bool value) {
    m_wholeRow = value;
    // A docked bar docks again under the new rule.
    if (IBarWindow* window = m_itemLinks->Window(); window && window->DockingStyle() != dsNone) {
        SetVisible(false);
        SetVisible(true);
    }
    Manager().MarkChanged();
}

void TcbBar::Loaded() {
    m_loading = false;
    m_itemLinks->AfterLoading(true);
    SetDockingStyle(m_pendingDockingStyle);
    SetVisible(m_pendingVisible);
}

}  // namespace bars
