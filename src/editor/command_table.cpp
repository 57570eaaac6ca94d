// The table of the model window's commands (see commands.h).
#include "editor/command_handlers.h"
#include "editor/commands.h"

namespace vantor {
namespace {

namespace h = command_handlers;
using enum CommandId;
using M = MenuId;

constexpr MenuInfo kMenus[] = {
    {M::kFile, "&File"},
    {M::kEdit, "&Edit"},
    {M::kView, "&View"},
    {M::kOptions, "&Options"},
    {M::kSimulinkVersion, "&Simulink Version", true, M::kOptions},
    {M::kRun, "&Run"},
    {M::kHelp, "&Help"},
};

// The Edit and Run commands wait while a gesture is open; the step names are
// the Edit menu's "&Undo NAME".
constexpr Command kCommands[] = {
    {.id = kSave, .menu = M::kFile, .caption = "&Save Model", .keys = "Ctrl+S"},
    {.id = kSaveAs, .menu = M::kFile, .caption = "Save Model &As...", .keys = "Ctrl+Shift+S"},
    {.id = kPrint,
     .menu = M::kFile,
     .separated = true,
     .caption = "&Print Model",
     .keys = "Ctrl+P"},
    {.id = kPrintOptions, .menu = M::kFile, .caption = "Print &Options..."},
    {.id = kExportPicture, .menu = M::kFile, .caption = "&Export Picture..."},
    {.id = kClose, .menu = M::kFile, .separated = true, .caption = "&Close", .keys = "Ctrl+W"},

    {.id = kEditMenu,
     .word = "edit",
     .menu = M::kEdit,
     .placement = Placement::kOpening,
     .step = Step::kUnnamed,
     .waits = true,
     .run = h::open_edit_menu},
    {.id = kEditUndo,
     .word = "editundo",
     .menu = M::kEdit,
     .caption = "&Undo",
     .keys = "Ctrl+Z",
     .enabled = Enabled::kCanUndo,
     .waits = true,
     .run = h::edit_undo},
    {.id = kEditRedo,
     .word = "editredo",
     .menu = M::kEdit,
     .caption = "&Redo",
     .keys = "Ctrl+Y; Ctrl+Shift+Z",
     .enabled = Enabled::kCanRedo,
     .waits = true,
     .run = h::edit_redo},
    {.id = kDelete,
     .word = "ddelete",
     .menu = M::kEdit,
     .separated = true,
     .caption = "&Delete",
     .keys = "Del",
     .enabled = Enabled::kSelection,
     .flag = &ModelMenus::ddelete,
     .step = Step::kNamed,
     .step_name = "Delete",
     .waits = true,
     .run = h::delete_selection},
    {.id = kCut,
     .word = "Cut",
     .menu = M::kEdit,
     .caption = "&Cut",
     .keys = "Ctrl+X",
     .enabled = Enabled::kSelection,
     .flag = &ModelMenus::Cut,
     .step = Step::kNamed,
     .step_name = "Cut",
     .waits = true,
     .run = h::cut},
    {.id = kCopy,
     .word = "copy",
     .menu = M::kEdit,
     .caption = "C&opy",
     .keys = "Ctrl+C",
     .enabled = Enabled::kSelection,
     .flag = &ModelMenus::copy,
     .step = Step::kNamed,
     .step_name = "Edit",
     .waits = true,
     .run = h::copy},
    {.id = kPaste,
     .word = "paste",
     .menu = M::kEdit,
     .caption = "&Paste",
     .keys = "Ctrl+V",
     .step = Step::kNamed,
     .step_name = "Paste",
     .waits = true,
     .run = h::paste},
    {.id = kRotate,
     .word = "rotate",
     .menu = M::kEdit,
     .caption = "&Rotate",
     .keys = "Ctrl+R",
     .enabled = Enabled::kSelection,
     .flag = &ModelMenus::rotate,
     .step = Step::kNamed,
     .step_name = "Rotate",
     .waits = true,
     .run = h::rotate},
    {.id = kSelectAll,
     .word = "selectall",
     .menu = M::kEdit,
     .separated = true,
     .caption = "&Select All",
     .keys = "Ctrl+A",
     .step = Step::kNamed,
     .step_name = "Edit",
     .waits = true,
     .run = h::select_all},

    {.id = kZoomIn, .menu = M::kView, .caption = "Zoom &In", .keys = "Ctrl++; Ctrl+="},
    {.id = kZoomOut, .menu = M::kView, .caption = "Zoom &Out", .keys = "Ctrl+-"},
    {.id = kActualSize,
     .menu = M::kView,
     .separated = true,
     .caption = "&Actual Size",
     .keys = "Ctrl+0"},
    {.id = kZoomToFit, .menu = M::kView, .caption = "Zoom to &Fit", .keys = "Ctrl+9"},

    {.id = kShowParameters,
     .word = "showp",
     .menu = M::kOptions,
     .caption = "&Show Parameters",
     .flag = &ModelMenus::showp,
     .check = Check::kFlag,
     .step = Step::kNamed,
     .step_name = "Show Parameters",
     .run = h::show_parameters},
    {.id = kSimulink1,
     .word = "simulink1",
     .menu = M::kSimulinkVersion,
     .separated = true,
     .caption = "Simulink 1.3",
     .check = Check::kVersion,
     .version = 1,
     .step = Step::kNamed,
     .step_name = "Edit",
     .run = h::simulink1},
    {.id = kSimulink2,
     .word = "simulink2",
     .menu = M::kSimulinkVersion,
     .caption = "Simulink 2.09",
     .check = Check::kVersion,
     .version = 2,
     .step = Step::kNamed,
     .step_name = "Edit",
     .run = h::simulink2},
    {.id = kSimulink3,
     .word = "simulink3",
     .menu = M::kSimulinkVersion,
     .caption = "Simulink 2.2",
     .check = Check::kVersion,
     .version = 3,
     .step = Step::kNamed,
     .step_name = "Edit",
     .run = h::simulink3},

    // Generate and Simulate need a file dialog and a progress window on a
    // display, and write no file in a replay: both bind them.
    {.id = kGenerate,
     .word = "generate",
     .menu = M::kRun,
     .caption = "&Generate Simulink File",
     .keys = "F5",
     .step = Step::kNamed,
     .step_name = "Generate",
     .waits = true},
    {.id = kGenerateCancelled,
     .word = "generate_cancelled",
     .menu = M::kRun,
     .placement = Placement::kNone,
     .step = Step::kNamed,
     .step_name = "Generate",
     .waits = true},
    {.id = kAssign,
     .word = "assign",
     .menu = M::kRun,
     .separated = true,
     .caption = "&Assign && Check Causality",
     .keys = "F7",
     .step = Step::kNamed,
     .step_name = "Assign & Check",
     .waits = true,
     .run = h::assign},
    {.id = kExtend,
     .word = "extend",
     .menu = M::kRun,
     .caption = "&Extend Causality",
     .keys = "F8",
     .step = Step::kNamed,
     .step_name = "Extend Causality",
     .waits = true,
     .run = h::extend},
    {.id = kUndoCausality,
     .word = "undo",
     .menu = M::kRun,
     .caption = "&Undo Causality ",
     .keys = "F12",
     .step = Step::kNamed,
     .step_name = "Undo Causality",
     .waits = true,
     .run = h::undo_causality},
    {.id = kSimulate,
     .word = "simulate",
     .menu = M::kRun,
     .separated = true,
     .caption = "&Simulate",
     .keys = "F9",
     .step = Step::kNamed,
     .step_name = "Simulate",
     .waits = true},
    {.id = kSimulationSettings, .menu = M::kRun, .caption = "Simulation &Settings..."},
    // Opening a window changes no model: never journaled.
    {.id = kStateEquations, .menu = M::kRun, .separated = true, .caption = "State E&quations..."},

    {.id = kHelpContents, .menu = M::kHelp, .caption = "&Contents", .keys = "F1"},
    {.id = kHowToUseHelp, .menu = M::kHelp, .caption = "&How to use Help"},
    {.id = kAbout, .menu = M::kHelp, .caption = "&About"},
};

// A row per id, in the ids' order; a flag where a rule reads one, a caption
// on every item and a name on every named step; a word on a row without an
// item. (That a row with a handler has a word too is tested: a handler's
// address is no constant in every build.)
constexpr bool rows_well_formed() {
    if (std::size(kCommands) != kCommandCount) return false;
    for (std::size_t k = 0; k < kCommandCount; ++k) {
        const Command& row = kCommands[k];
        if (static_cast<std::size_t>(row.id) != k) return false;
        const bool reads_flag = row.enabled == Enabled::kSelection || row.check == Check::kFlag;
        if (reads_flag != (row.flag != nullptr)) return false;
        if ((row.placement == Placement::kItem) == row.caption.empty()) return false;
        if (row.placement != Placement::kItem && row.word.empty()) return false;
        if ((row.step == Step::kNamed) == row.step_name.empty()) return false;
    }
    return true;
}
static_assert(rows_well_formed());

constexpr bool menus_in_id_order() {
    if (std::size(kMenus) != kMenuCount) return false;
    for (std::size_t k = 0; k < kMenuCount; ++k) {
        if (static_cast<std::size_t>(kMenus[k].id) != k) return false;
    }
    return true;
}
static_assert(menus_in_id_order());

}  // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command& command(CommandId id) {
    return kCommands[static_cast<std::size_t>(id)];
}

const Command* find_command(std::string_view word) {
    if (word.empty()) return nullptr;
    for (const Command& row : kCommands) {
        if (row.word == word) return &row;
    }
    return nullptr;
}

std::span<const MenuInfo> menus() {
    return kMenus;
}

const MenuInfo& menu_info(MenuId id) {
    return kMenus[static_cast<std::size_t>(id)];
}

}  // namespace vantor
