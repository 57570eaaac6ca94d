#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "editor/events.h"
#include "window/controls.h"
#include "window/model_window.h"

// The model window's commands, one row each, in the order of its menus. The
// menus, the journal's `menu` words, the replay, the undo steps' names, the
// enabling and the wait during a gesture all read this one table.
//
// Adding a command: its id below, one row in command_table.cpp (the rows
// stand in the ids' order, which the build checks) and one handler. A
// handler the core can run is a function of command_handlers.h named in the
// row; the window and the replay then run it with nothing more. A command
// that needs the platform (a file dialog, printing, a progress window) has
// no handler in its row: the shell binds it by id in the one switch of
// model_window_menus.cpp, and, when it is journaled, the replay binds it by
// id in its run_menu. A journal word is for good: other programs replay it.
namespace vantor {

class ActionHistory;
struct CommandContext;

enum class CommandId {
    kSave,
    kSaveAs,
    kPrint,
    kPrintOptions,
    kExportPicture,
    kClose,
    kEditMenu,
    kEditUndo,
    kEditRedo,
    kDelete,
    kCut,
    kCopy,
    kPaste,
    kRotate,
    kSelectAll,
    kZoomIn,
    kZoomOut,
    kActualSize,
    kZoomToFit,
    kShowParameters,
    kSimulink1,
    kSimulink2,
    kSimulink3,
    kGenerate,
    kGenerateCancelled,
    kAssign,
    kExtend,
    kUndoCausality,
    kSimulate,
    kSimulationSettings,
    kStateEquations,
    kHelpContents,
    kHowToUseHelp,
    kAbout,
    kCount,
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(CommandId::kCount);

// The model window's menus, in the menu bar's order; a submenu sits in its
// parent where its first row comes.
enum class MenuId { kFile, kEdit, kView, kOptions, kSimulinkVersion, kRun, kHelp, kCount };
inline constexpr std::size_t kMenuCount = static_cast<std::size_t>(MenuId::kCount);

struct MenuInfo {
    MenuId id;
    std::string_view caption = {};
    bool submenu = false;  // an item of `parent`, else of the menu bar
    MenuId parent = MenuId::kFile;
};

// Where a row shows in its menu.
enum class Placement {
    kItem,     // an item of the menu
    kOpening,  // no item: the command runs as the menu opens ("edit")
    kNone,     // no item: the shell journals it for the outcome of another
               // row's command (Generate whose save dialog was cancelled)
};

// When the item can be chosen; a command that cannot does nothing, as a
// click on a disabled item does.
enum class Enabled {
    kAlways,
    kSelection,  // while the row's `flag` of the window's menus is on
    kCanUndo,    // while there is a step to undo; the caption then names it
    kCanRedo,    // the same for a step to redo
};

// The item's check mark.
enum class Check {
    kNone,
    kFlag,     // checked while the row's `flag` of the window's menus is on
    kVersion,  // one of its menu's exclusive group: checked while the
               // window's Simulink version is the row's `version`
};

// What the command's action makes of the undo history.
enum class Step {
    kNone,     // no step: Undo and Redo move through the steps; the commands
               // that are never journaled leave the records alone
    kNamed,    // a step named `step_name` when it changed a record
    kUnnamed,  // opening a menu changes nothing and names nothing
};

// Runs the command on the window; false when it stopped because a support
// file could not be read (its message went to the context's causality host).
using CommandHandler = bool (*)(CommandContext&);

struct Command {
    CommandId id;
    std::string_view word = {};  // the journal's `menu` word; empty: never journaled
    MenuId menu;
    Placement placement = Placement::kItem;
    // A separator comes before the item; on a submenu's first row, before
    // the submenu's item in its parent.
    bool separated = false;
    // "&" marks the accelerator, "&&" stands for "&".
    std::string_view caption = {};
    // Portable key text (QKeySequence::PortableText); alternatives are
    // separated by "; ", the first being the one the menu shows.
    std::string_view keys = {};
    Enabled enabled = Enabled::kAlways;
    bool ModelMenus::*flag = nullptr;
    Check check = Check::kNone;
    int version = 0;
    Step step = Step::kNone;
    std::string_view step_name = {};
    // Whether it waits while a gesture is open: the Edit and Run commands,
    // which act on the model as a whole.
    bool waits = false;
    // Null where the platform binds the command by id.
    CommandHandler run = nullptr;
};

// Every row, in menu order.
std::span<const Command> commands();
const Command& command(CommandId id);
// The row of a journal word; null for a word no row has (and for "").
const Command* find_command(std::string_view word);

std::span<const MenuInfo> menus();
const MenuInfo& menu_info(MenuId id);

bool command_enabled(const Command& command, const ModelWindow& window,
                     const ActionHistory& history);
bool command_checked(const Command& command, const ModelWindow& window);
// The caption the item shows now: Undo and Redo name their step, "&Undo Move".
std::string command_caption(const Command& command, const ActionHistory& history);

// The journal's line for the command: `menu WORD`.
EditorEvent menu_event(const Command& command);
inline EditorEvent menu_event(CommandId id) {
    return menu_event(command(id));
}

// Runs the row's handler (which it must have) when the command is enabled,
// with the result of the handler: true when disabled.
bool run_command(const Command& command, CommandContext& context);

}  // namespace vantor
