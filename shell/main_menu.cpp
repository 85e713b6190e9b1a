#include "shell/main_menu.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "bars/design/manager_description.h"
#include "platform/core/virtual_keys.h"

namespace shell {

namespace {

constexpr int kTopDockHeight = 23;
constexpr int kFontHeight = -11;
constexpr int kItemsAlwaysVisible = 2;  // "ItemsVisibles": ivAlways

int CategoryIndex(std::string_view category) {
    const auto found = std::find(kCommandCategories.begin(), kCommandCategories.end(), category);
    if (found == kCommandCategories.end()) throw std::logic_error("a command of no category: " + std::string(category));
    return static_cast<int>(found - kCommandCategories.begin());
}

std::string ClassOf(CommandKind kind) {
    switch (kind) {
    case CommandKind::kSubMenu:
        return "TcbBarSubItem";
    case CommandKind::kList:
        return "TcbBarListItem";
    default:
        return "TcbBarButton";
    }
}

// The entries whose menu is `parent` (empty: the menu bar), in order.
std::vector<bars::TcbBarLinkDescription> LinksOf(std::span<const CommandDesign> commands, std::string_view parent) {
    std::vector<bars::TcbBarLinkDescription> links;
    for (const CommandDesign& command : commands)
        if (command.parent == parent)
            links.push_back({.item = std::string(command.name), .beginGroup = command.beginGroup});
    return links;
}

}  // namespace

std::shared_ptr<const bars::TcbBarManagerDescription> MainMenuDescription(std::span<const CommandDesign> commands) {
    auto d = std::make_shared<bars::TcbBarManagerDescription>();
    d->name = "cbBarManager1";
    d->style = bars::bmsStandard;
    d->canCustomize = false;
    d->notDocking = bars::TcbBarDockingStyles::All();
    d->dockControlHeights = {0, 0, kTopDockHeight, 0};
    platform::CanvasFont font;
    font.name = "Tahoma";
    font.height = kFontHeight;
    d->font = font;
    for (std::string_view category : kCommandCategories) d->categories.emplace_back(category);
    d->itemsVisibles.assign(kCommandCategories.size(), kItemsAlwaysVisible);
    d->visibles.assign(kCommandCategories.size(), true);

    for (const CommandDesign& command : commands) {
        bars::TcbBarItemDescription item{.className = ClassOf(command.kind),
                                         .name = std::string(command.name),
                                         .caption = std::string(command.caption),
                                         .category = CategoryIndex(command.category),
                                         .shortCut = platform::TextToShortCut(command.shortcut)};
        if (command.kind == CommandKind::kCheck) item.buttonStyle = bars::bsChecked;
        if (command.kind == CommandKind::kSubMenu) item.links = LinksOf(commands, command.name);
        d->items.push_back(std::move(item));
    }

    bars::TcbBarDescription bar;
    bar.name = "MainMenu";
    bar.caption = "Main Menu";
    bar.isMainMenu = true;
    bar.dockingStyle = bars::dsTop;
    bar.dockedDockingStyle = bars::dsTop;
    bar.oneOnRow = true;
    bar.wholeRow = true;
    bar.visible = true;
    bar.links = LinksOf(commands, "");
    d->bars = {bar};
    return d;
}

}  // namespace shell
