#include <gtest/gtest.h>

#include "app/app_fakes.h"
#include "gui/menu_walk.h"
#include "gui/program_folder.h"
#include "shell/main_window_widget.h"
#include "shell/model_window_widget.h"

namespace vantor::test {
namespace {

using shell::MainWindowWidget;

TEST(Menus, TheMainWindowListsItsCommandsAndTheOpenModels) {
    ProgramFolder folder;
    FakePorts ports;
    MainWindowWidget main(folder.path(), "", &ports);
    main.activate();
    main.core().new_Click();
    main.core().new_Click();

    const std::vector<std::string> expected = {
        "&File",
        "&File > &New Model",
        "&File > &Open Model",
        "&File > E&xit [Ctrl+Q]",
        "&Edit",
        "&Edit > &Copy [Ctrl+C]",
        "&Edit > &Paste [Ctrl+V]",
        "&Window",
        "&Window > &1 MODEL1",
        "&Window > &2 MODEL2",
        "&Help",
        "&Help > &Contents [F1]",
        "&Help > &How to use Help",
        "&Help > &About",
    };
    EXPECT_EQ(menu_items(*main.menuBar()), expected);
    EXPECT_FALSE(find_item(*main.menuBar(), "&Edit > &Copy")->isEnabled());
    EXPECT_FALSE(find_item(*main.menuBar(), "&Edit > &Paste")->isEnabled());
}

TEST(Menus, AModelWindowCarriesEveryItemWithItsShortcut) {
    ProgramFolder folder;
    FakePorts ports;
    MainWindowWidget main(folder.path(), "", &ports);
    main.activate();
    main.core().new_Click();
    shell::ModelWindowWidget* window = main.model_window_widget(1);
    ASSERT_NE(window, nullptr);

    const std::vector<std::string> expected = {
        "&File",
        "&File > &Save Model",
        "&File > Save Model &As...",
        "&File > -",
        "&File > &Print Model",
        "&File > Print &Options...",
        "&File > &Export Picture...",
        "&File > -",
        "&File > &Close",
        "&Edit",
        "&Edit > &Undo [Ctrl+Z]",
        "&Edit > &Redo [Ctrl+Y]",
        "&Edit > -",
        "&Edit > &Delete [Del]",
        "&Edit > &Cut [Ctrl+X]",
        "&Edit > C&opy [Ctrl+C]",
        "&Edit > &Paste [Ctrl+V]",
        "&Edit > &Rotate [Ctrl+R]",
        "&Edit > -",
        "&Edit > &Select All",
        "&View",
        "&View > Zoom &In [Ctrl++]",
        "&View > Zoom &Out [Ctrl+-]",
        "&View > -",
        "&View > &Actual Size [Ctrl+0]",
        "&View > Zoom to &Fit [Ctrl+9]",
        "&Options",
        "&Options > &Show Parameters",
        "&Options > -",
        "&Options > &Simulink Version",
        "&Options > &Simulink Version > Simulink 1.3",
        "&Options > &Simulink Version > Simulink 2.09",
        "&Options > &Simulink Version > Simulink 2.2",
        "&Run",
        "&Run > &Generate Simulink File [F5]",
        "&Run > -",
        "&Run > &Assign && Check Causality [F7]",
        "&Run > &Extend Causality [F8]",
        "&Run > &Undo Causality  [F12]",
        "&Run > -",
        "&Run > &Simulate [F9]",
        "&Run > Simulation &Settings...",
        "&Help",
        "&Help > &Contents [F1]",
        "&Help > &How to use Help",
        "&Help > &About",
    };
    EXPECT_EQ(menu_items(*window->menuBar()), expected);
}

TEST(Menus, TheSimulinkVersionItemsFollowTheDocument) {
    ProgramFolder folder;
    FakePorts ports;
    MainWindowWidget main(folder.path(), "", &ports);
    main.activate();
    main.core().new_Click();
    const QMenuBar& bar = *main.model_window_widget(1)->menuBar();
    const std::string version = "&Options > &Simulink Version > ";
    auto checked = [&] {
        std::string marks;
        for (const char* item : {"Simulink 1.3", "Simulink 2.09", "Simulink 2.2"}) {
            marks += find_item(bar, version + item)->isChecked() ? 'x' : '.';
        }
        return marks;
    };

    EXPECT_EQ(checked(), "..x");
    find_item(bar, version + "Simulink 1.3")->trigger();
    EXPECT_EQ(main.core().model_window(1)->window.menus.simulink_version, 1);
    EXPECT_EQ(checked(), "x..");
    find_item(bar, version + "Simulink 1.3")->trigger();  // choosing it again changes nothing
    EXPECT_EQ(checked(), "x..");

    // Nothing is selected in a new model, so the commands on a selection are off.
    for (const char* item : {"&Delete", "&Cut", "C&opy", "&Rotate"}) {
        EXPECT_FALSE(find_item(bar, std::string("&Edit > ") + item)->isEnabled()) << item;
    }
    for (const char* item : {"&Paste", "&Select All"}) {
        EXPECT_TRUE(find_item(bar, std::string("&Edit > ") + item)->isEnabled()) << item;
    }
}

}  // namespace
}  // namespace vantor::test
