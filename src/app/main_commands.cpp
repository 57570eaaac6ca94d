// The table of the main window's commands (see main_commands.h).
#include "app/main_commands.h"

namespace vantor {
namespace {

using enum MainCommandId;

// Copy and Paste stay disabled: the main window has nothing to copy.
constexpr MainCommand kMainCommands[] = {
    {.id = kNewModel,
     .menu = "&File",
     .caption = "&New Model",
     .keys = "Ctrl+N",
     .everywhere = true},
    {.id = kOpenModel,
     .menu = "&File",
     .caption = "&Open Model",
     .keys = "Ctrl+O",
     .everywhere = true},
    {.id = kOpenRecent, .menu = "&File", .caption = "Open &Recent", .submenu = true},
    {.id = kExit, .menu = "&File", .caption = "E&xit", .keys = "Ctrl+Q", .everywhere = true},
    {.id = kCopy, .menu = "&Edit", .caption = "&Copy", .keys = "Ctrl+C", .enabled = false},
    {.id = kPaste, .menu = "&Edit", .caption = "&Paste", .keys = "Ctrl+V", .enabled = false},
};

constexpr bool rows_in_id_order() {
    if (std::size(kMainCommands) != kMainCommandCount) return false;
    for (std::size_t k = 0; k < kMainCommandCount; ++k) {
        if (static_cast<std::size_t>(kMainCommands[k].id) != k) return false;
        // A key of every window must not be one that is disabled here.
        if (kMainCommands[k].everywhere && !kMainCommands[k].enabled) return false;
    }
    return true;
}
static_assert(rows_in_id_order());

}  // namespace

std::span<const MainCommand> main_commands() {
    return kMainCommands;
}

const MainCommand& main_command(MainCommandId id) {
    return kMainCommands[static_cast<std::size_t>(id)];
}

}  // namespace vantor
