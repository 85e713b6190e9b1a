#pragma once

#include <memory>
#include <span>

#include "shell/commands.h"

namespace bars {
struct TcbBarManagerDescription;
}

namespace shell {

// The main window's bar manager as designed, made from its commands: standard style, no
// customizing, no docking anywhere, the top dock area 23 high, Tahoma -11, the command
// categories, and one bar "Main Menu" docked on top along the whole row that holds the
// menus. Each command becomes an item of its category, linked into its menu in order.
std::shared_ptr<const bars::TcbBarManagerDescription> MainMenuDescription(
    std::span<const CommandDesign> commands = MainCommands());

}  // namespace shell
