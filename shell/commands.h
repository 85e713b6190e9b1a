#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// How a command shows in a menu.
enum class CommandKind {
    kButton,   // an ordinary entry
    kCheck,    // a checked entry: a click toggles its Down state before the handler runs
    kSubMenu,  // opens the entries whose parent it is
};

// One command of the main window's menu bar, as data: the menu bar is made from these,
// and each handler is bound by its name. Commands without a handler exist (the program
// enables and hides them by name) but do nothing.
struct CommandDesign {
    std::string_view name;      // the item's component name, "mnuNew"
    std::string_view caption;   // as stored: "&" marks the access key, "[Program]" the product
    std::string_view shortcut;  // "F2", "Ctrl+F12", "Ctrl+Shift+A"; empty for none
    std::string_view category;  // "File", "Game", "Statistics", "Tools", "Help" or "Menus"
    std::string_view handler;   // "mnuNewClick"; empty for none
    CommandKind kind = CommandKind::kButton;
    std::string_view parent;    // the sub-menu holding it; empty: the category's menu
    bool beginGroup = false;    // a separator comes before it
    bool offered = true;        // false: hidden for good once the window is prepared
};

// The main window's commands, in menu order. The "Menus" category holds the sub-menus.
std::span<const CommandDesign> MainCommands();
// The menus of the menu bar, in order, by category.
inline constexpr std::array<std::string_view, 5> kMenuBarCategories{"File", "Game", "Statistics", "Tools", "Help"};

// A command's state while the window lives.
struct Command {
    const CommandDesign* design = nullptr;
    std::string caption;
    bool enabled = true;
    bool visible = true;
    bool down = false;
    std::function<void()> handler;
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

private:
    std::vector<std::unique_ptr<Command>> m_commands;
};

}  // namespace shell
