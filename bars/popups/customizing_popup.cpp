#include "bars/popups/customizing_popup.h"

#include "bars/customize/customizing_site.h"
#include "bars/edits/bar_edit.h"
#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/popup_entries.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/bar_strings.h"
#include "platform/core/input_hooks.h"
#include "platform/core/messages.h"
#include "platform/core/virtual_keys.h"

#include <array>
#include <memory>

namespace bars {

namespace {

// The paint-style entries check one another off; no form uses this group for its own.
constexpr int kPaintStyleGroup = 0x7FFF0001;
constexpr int kFirstEntryString = platform::bar_string::kCustomizingPopupFirst;
enum EntryString { kReset, kDelete, kName, kDefaultStyle, kTextOnly, kTextInMenus, kImageAndText, kBeginGroup, kVisible,
                   kMostRecentlyUsed };
constexpr std::array<TcbBarPaintStyle, 4> kPaintStyles{psStandard, psCaption, psCaptionInMenu, psCaptionGlyph};

std::string EntryCaption(EntryString entry) { return std::string(platform::BarString(kFirstEntryString + entry)); }

// The link is still in a collection: a click may come after another entry freed it.
bool Present(const std::shared_ptr<TcbBarItemLink*>& target) {
    TcbBarItemLink* link = *target;
    return link && link->Collection() && link->Collection()->IndexOf(*link) >= 0;
}

}  // namespace

TcbBarCustomizingPopup::TcbBarCustomizingPopup(TcbBarItemLink& link) : PopupEntryMenu(link.Collection()->Manager()) {
    TcbBarManager& manager = Manager();
    TcbBarItemLinks& links = Entries();
    const auto target = std::make_shared<TcbBarItemLink*>(&link);
    m_target = target;
    auto add = [&](EntryString which, bool beginGroup, auto action) -> TcbBarButton& {
        TcbBarButton& entry = NewPopupEntry(manager, EntryCaption(which));
        entry.OnClick = [target, action](platform::Component*) {
            if (Present(target)) action(**target);
        };
        AddPopupEntryLink(links, entry, which, beginGroup);
        return entry;
    };
    add(kReset, false, [](TcbBarItemLink& l) { l.SetUserDefine(0); });
    add(kDelete, false, [target](TcbBarItemLink& l) {
        *target = nullptr;
        l.Free();
    });
    // A blank name closes the menu before its message shows.
    TcbBarEdit& name = NewPopupEntry<TcbBarEdit>(manager, EntryCaption(kName));
    name.SetText(link.Caption());
    name.OnChange = [target, shown = QPointer<TcbBarCustomizingPopup>(this)](platform::Component* sender) {
        const std::string text = static_cast<TcbBarEdit*>(sender)->Text();
        if (!Present(target)) return;
        if (text.empty() && shown) shown->CloseAll();
        ApplyCustomizingName(**target, text, CustomizingMessages(), ApplicationTitle());
    };
    AddPopupEntryLink(links, name, kName, true);
    const auto* button = dynamic_cast<const TcbBarButton*>(link.Item());
    const bool styled = button && button->CanShowGlyph();
    for (std::size_t i = 0; i < kPaintStyles.size(); ++i) {
        const TcbBarPaintStyle style = kPaintStyles[i];
        TcbBarButton& entry = add(static_cast<EntryString>(kDefaultStyle + i), i == 0,
                                  [style](TcbBarItemLink& l) { l.SetUserPaintStyle(style); });
        entry.SetButtonStyle(bsChecked);
        entry.SetGroupIndex(kPaintStyleGroup);
        entry.SetEnabled(styled);
        entry.SetDown(styled ? link.PaintStyle() == style : i == 0);
    }
    TcbBarButton& group = add(kBeginGroup, true, [](TcbBarItemLink& l) { l.SetBeginGroup(!l.OwnBeginGroup()); });
    group.SetButtonStyle(bsChecked);
    group.SetEnabled(link.Index() > 0);
    group.SetDown(link.OwnBeginGroup());
    if (manager.IsDesigning()) {
        TcbBarButton& visible = add(kVisible, false, [](TcbBarItemLink& l) { l.SetVisible(!l.Visible()); });
        visible.SetButtonStyle(bsChecked);
        visible.SetDown(link.Visible());
        if (manager.Style() == bmsEnhanced) {
            TcbBarButton& recent = add(kMostRecentlyUsed, false,
                                       [](TcbBarItemLink& l) { l.SetMostRecentlyUsed(!l.MostRecentlyUsed()); });
            recent.SetButtonStyle(bsChecked);
            recent.SetDown(link.MostRecentlyUsed());
        }
    }
    // Out of customizing, the link's bar drops its selection when the pop-up goes.
    QPointer<TcbBarManager> alive(&manager);
    auto* window = dynamic_cast<TCustomcbBarControl*>(link.Collection()->Window());
    QPointer<QWidget> bar(window);
    OnCloseUp = [alive, bar, window] {
        if (alive && !alive->IsCustomizing() && bar) window->SelectControl(nullptr);
    };
    m_escapeHook = platform::InputHooks::Instance().AddKeyboardHook(
        [self = QPointer<TcbBarCustomizingPopup>(this)](const platform::KeyHookMessage& message) {
            if (message.key != platform::VK_ESCAPE || message.IsUp() || !self || !IsLive(self) || !self->isVisible())
                return false;
            self->CloseAll();
            return true;
        });
}

TcbBarCustomizingPopup::~TcbBarCustomizingPopup() { platform::InputHooks::Instance().Remove(m_escapeHook); }

TcbBarItemLink* TcbBarCustomizingPopup::Link() const { return Present(m_target) ? *m_target : nullptr; }

TcbBarSubMenuControl* ShowCustomizingPopup(TcbBarItemLink& link, platform::Point screen) {
    TcbBarManager& manager = link.Collection()->Manager();
    PopupEntries::Instance().Purge();
    auto* popup = new TcbBarCustomizingPopup(link);
    const QPointer<TcbBarCustomizingPopup> held(popup);
    QPointer<TcbBarManager> alive(&manager);
    if (manager.OnShowCustomizingPopup) manager.OnShowCustomizingPopup(manager, popup->Entries());
    if (!alive || !held) return nullptr;
    if (!popup->Link()) {
        delete popup;
        return nullptr;
    }
    popup->ShowAt(screen);
    return popup;
}

bool ApplyCustomizingName(TcbBarItemLink& link, const std::string& text, platform::IMessages& messages,
                          const std::string& applicationTitle) {
    if (text.empty()) {
        messages.ShowError(applicationTitle, std::string(platform::BarString(platform::bar_string::kBlankCommandName)));
        return false;
    }
    link.SetUserCaption(text);
    return true;
}

}  // namespace bars
