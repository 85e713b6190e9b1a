#include "bars/popups/customizing_popup.h"

#include "bars/items/bar_button.h"
#include "bars/links/item_link.h"
#include "bars/menus/sub_menu_window.h"
#include "bars/popups/popup_entries.h"
#include "bars/windows/bar_window_base.h"
#include "platform/core/bar_strings.h"
#include "platform/core/messages.h"

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

TcbBarSubMenuControl* ShowCustomizingPopup(TcbBarItemLink& link, platform::Point screen) {
    TcbBarManager& manager = link.Collection()->Manager();
    PopupEntries::Instance().Purge();
    auto popup = std::make_shared<PopupEntryLinks>(manager);
    TcbBarItemLinks& links = popup->Links();
    const auto target = std::make_shared<TcbBarItemLink*>(&link);
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
    const bool styled = dynamic_cast<TcbBarButton*>(link.Item()) != nullptr;
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
    links.CreateWindow();
    auto* menu = dynamic_cast<TcbBarSubMenuControl*>(links.Window());
    if (!menu) return nullptr;
    menu->SetRequestedPosition(screen);
    QPointer<TcbBarManager> alive(&manager);
    auto* window = dynamic_cast<TCustomcbBarControl*>(link.Collection()->Window());
    QPointer<QWidget> bar(window);
    // The links live as long as the menu window; out of customizing the bar drops its selection.
    menu->OnCloseUp = [popup, alive, bar, window] {
        if (alive && !alive->IsCustomizing() && bar) window->SelectControl(nullptr);
    };
    menu->ShowMenu();
    return menu;
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
