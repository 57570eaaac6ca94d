#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// The main window's own commands, one row each, in the order of its menus,
// in the style of the model window's table (editor/commands.h). The menu bar
// and the keyboard table read it; the Window list and the Help menu are
// made elsewhere.
namespace vantor {

enum class MainCommandId {
    kNewModel,
    kOpenModel,
    kOpenRecent,
    kExit,
    kCopy,
    kPaste,
    kCount,
};
inline constexpr std::size_t kMainCommandCount = static_cast<std::size_t>(MainCommandId::kCount);

struct MainCommand {
    MainCommandId id;
    std::string_view menu;     // the menu's caption, "&File"
    std::string_view caption;  // "&" marks the accelerator
    // Portable key text, as in the model window's table.
    std::string_view keys = {};
    bool submenu = false;  // an item that opens a list made at run time
    bool enabled = true;
    // Its keys work in the model windows and palettes too, which have no
    // item of their own for it.
    bool everywhere = false;
};

std::span<const MainCommand> main_commands();
const MainCommand& main_command(MainCommandId id);

}  // namespace vantor
