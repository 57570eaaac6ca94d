#include <gtest/gtest.h>

#include "gui/model_window_session.h"

namespace vantor::test {
namespace {

using Menus = ModelWindowSession;

TEST_F(Menus, TheMainWindowAndAModelWindowCarryEveryItemWithItsShortcut) {
    open();
    main->core().new_Click();
    EXPECT_EQ(menu_items(*main->menuBar()),
              (std::vector<std::string>{
                  "&File: &New Model [Ctrl+N] | &Open Model [Ctrl+O] | "
                  "Open &Recent | E&xit [Ctrl+Q]",
                  "&File > Open &Recent:",
                  "&Edit: &Copy [Ctrl+C] | &Paste [Ctrl+V]",
                  "&Window: &1 MODEL1 | &2 MODEL2",
                  "&Help: &Contents [F1] | &How to use Help | &About",
              }));
    EXPECT_FALSE(find_item(*main->menuBar(), "&Edit > &Copy")->isEnabled());
    EXPECT_FALSE(find_item(*main->menuBar(), "&Edit > &Paste")->isEnabled());

    EXPECT_EQ(menu_items(*window->menuBar()),
              (std::vector<std::string>{
                  "&File: &Save Model [Ctrl+S] | Save Model &As... [Ctrl+Shift+S] | - | "
                  "&Print Model [Ctrl+P] | Print &Options... | &Export Picture... | - | "
                  "&Close [Ctrl+W]",
                  "&Edit: &Undo [Ctrl+Z] | &Redo [Ctrl+Y] | - | &Delete [Del] | &Cut [Ctrl+X] | "
                  "C&opy [Ctrl+C] | &Paste [Ctrl+V] | &Rotate [Ctrl+R] | - | &Select All [Ctrl+A]",
                  "&View: Zoom &In [Ctrl++] | Zoom &Out [Ctrl+-] | - | &Actual Size [Ctrl+0] | "
                  "Zoom to &Fit [Ctrl+9]",
                  "&Options: &Show Parameters | - | &Simulink Version",
                  "&Options > &Simulink Version: Simulink 1.3 | Simulink 2.09 | Simulink 2.2",
                  "&Run: &Generate Simulink File [F5] | - | &Assign && Check Causality [F7] | "
                  "&Extend Causality [F8] | &Undo Causality  [F12] | - | &Simulate [F9] | "
                  "Simulation &Settings... | - | State E&quations...",
                  "&Help: &Contents [F1] | &How to use Help | &About",
              }));
}

TEST_F(Menus, TheSimulinkVersionItemsFollowTheDocument) {
    open();
    const std::string version = "&Options > &Simulink Version > ";
    auto checked = [&] {
        std::string marks;
        for (const char* name : {"Simulink 1.3", "Simulink 2.09", "Simulink 2.2"}) {
            marks += item(version + name)->isChecked() ? 'x' : '.';
        }
        return marks;
    };

    EXPECT_EQ(checked(), "..x");
    item(version + "Simulink 1.3")->trigger();
    EXPECT_EQ(state().menus.simulink_version, 1);
    EXPECT_EQ(checked(), "x..");
    item(version + "Simulink 1.3")->trigger();  // choosing it again changes nothing
    EXPECT_EQ(checked(), "x..");

    // Nothing is selected in a new model, so the commands on a selection are off.
    for (const char* name : {"&Delete", "&Cut", "C&opy", "&Rotate"}) {
        EXPECT_FALSE(item(std::string("&Edit > ") + name)->isEnabled()) << name;
    }
    for (const char* name : {"&Paste", "&Select All"}) {
        EXPECT_TRUE(item(std::string("&Edit > ") + name)->isEnabled()) << name;
    }
}

}  // namespace
}  // namespace vantor::test
