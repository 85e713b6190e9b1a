#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bars {
class TcbBarItem;
class TcbBarManager;
}  // namespace bars

namespace shell {

// How a command shows in a menu.
enum class CommandKind {
    kButton,   // an ordinary entry
    kCheck,    // a checked entry: a click toggles its Down state before the handler runs
    kSubMenu,  // opens the entries whose parent it is
    kList,     // a list of texts filled while the program runs
};

// One command of the main window's menu bar, as data: the menu bar is made from these,
// and each handler is bound by its name. Commands without a handler exist (the program
// enables and hides them by name) but do nothing.
struct CommandDesign {
    std::string_view name;      // the item's component name, "mnuNew"
    std::string_view caption;   // as stored: "&" marks the access key, "[Program]" the product
    std::string_view shortcut;  // "F2", "Ctrl+F12", "Ctrl+Shift+A"; empty for none
    std::string_view category;  // one of kCommandCategories
    std::string_view handler;   // "mnuNewClick"; empty for none
    CommandKind kind = CommandKind::kButton;
    std::string_view parent;    // the sub-menu holding it; empty: a menu of the menu bar
    bool beginGroup = false;    // a separator comes before it
    bool offered = true;        // false: hidden for good once the window is prepared
};

// The main window's commands, in menu order: each menu of the menu bar, then its entries.
// The "Menus" category holds the menus and sub-menus.
std::span<const CommandDesign> MainCommands();
inline constexpr std::array<std::string_view, 8> kCommandCategories{"File", "Game",  "Statistics", "Tools",
                                                                   "Help", "Menus", "Bookmarks",  "Options"};

// A command while the window lives. Once the menu bar is made its item holds the state, so
// that every change shows in the menu at once.
struct Command {
    const CommandDesign* design = nullptr;
    std::function<void()> handler;

    const std::string& Caption() const;
    void SetCaption(std::string_view caption);
    bool IsEnabled() const;
    void SetEnabled(bool enabled);
    bool IsVisible() const;
    void SetVisible(bool visible);
    // Only a checked command goes down.
    bool IsDown() const;
    void SetDown(bool down);

    bars::TcbBarItem* Item() const { return m_item; }
    // The item takes over the state held so far.
    void Bind(bars::TcbBarItem& item);

private:
    bars::TcbBarItem* m_item = nullptr;
    std::string m_caption;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_down = false;
};

// The command table: the commands with their state and their bound handlers.
class CommandTable {
public:
    using Handlers = std::map<std::string, std::function<void()>, std::less<>>;

    CommandTable(std::span<const CommandDesign> designs, const Handlers& handlers);

    Command* Find(std::string_view name);
    const Command* Find(std::string_view name) const;
    const std::vector<std::unique_ptr<Command>>& Commands() const { return m_commands; }

    // A click as the menu bar delivers it: nothing for a hidden or disabled command; a
    // checked command changes its Down state first. True when the command was run.
    bool Click(std::string_view name);
    // Hides every command that is not offered.
    void HideUnoffered();
    // Binds each command to the manager's item of its name: the item holds the state and
    // its clicks run the handler.
    void Bind(bars::TcbBarManager& manager);

private:
    std::vector<std::unique_ptr<Command>> m_commands;
};

}  // namespace shell
