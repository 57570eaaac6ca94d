// The menus as the command tables lay them out: every item in its place with
// its keys and check mark, enabled when it can run, and choosing an item of a
// journaled row records its word. The clipboard's picture.

#include "gui/model_window_session.h"
#include "shell/qt_clipboard.h"

namespace vantor::test {
namespace {

using Menus = ModelWindowSession;

TEST_F(Menus, TheMainWindowAndAModelWindowCarryEveryItemWithItsKeys) {
    open();
    main->core().new_Click();
    // Nothing is selected in a new model, so the commands on a selection are off.
    const std::string version = "&Options > &Simulink Version";
    // Chosen twice: the second changes nothing, and the listing shows its mark.
    item(version + " > Simulink 1.3")->trigger();
    item(version + " > Simulink 1.3")->trigger();
    // Every item of both, as "Menu: Item [Keys] | - | Item ( )", "(x)" if
    // checked, "(off)" if disabled.
    std::string listed;
    for (const QMenuBar* bar : {main->menuBar(), window->menuBar()}) {
        for (const std::string& line : menu_items(*bar)) listed += line + "\n";
    }
    expect_data_file("gw_menus.txt", listed);
}

// Every journaled item, found by the caption it shows now (Undo names its
// step), runs and records its word; the journal replays to the same window.
TEST_F(Menus, ChoosingAJournaledItemRecordsItsWordAndTheJournalReplays) {
    const std::string model = example("algebraic_loop.bgf");
    open(VANTOR_DATA_DIR, model);
    QGuiApplication::clipboard()->clear();
    auto choose = [&](CommandId id) {
        item(command(id))->trigger();
        settle();
    };
    // Generate whose save dialog is cancelled, once the causality is assigned.
    choose(CommandId::kAssign);
    ports.files = {std::nullopt};
    choose(CommandId::kGenerate);

    for (const Command& row : commands()) {
        if (row.word.empty() || row.placement == Placement::kNone) continue;
        SCOPED_TRACE(row.word);
        // What makes the item enabled: a selection, a step to undo, or to redo.
        if (row.enabled != Enabled::kAlways && state().model.nobj == 0)
            choose(CommandId::kEditUndo);
        if (row.enabled != Enabled::kAlways) choose(CommandId::kSelectAll);
        if (row.enabled == Enabled::kCanUndo || row.enabled == Enabled::kCanRedo) {
            choose(CommandId::kCopy);
            choose(CommandId::kPaste);
        }
        if (row.enabled == Enabled::kCanRedo) choose(CommandId::kEditUndo);

        if (row.placement == Placement::kOpening) {
            item(std::string(menu_info(row.menu).caption))->menu()->aboutToShow();
        } else {
            QAction* action = item(row);
            ASSERT_NE(action, nullptr);
            ASSERT_TRUE(action->isEnabled());
            if (row.id == CommandId::kGenerate)
                ports.files = {dir.filePath("loop.m").toStdString()};
            action->trigger();
            settle();
        }
    }
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    // Reading a written file back is the window's alone.
    std::erase_if(ports.messages,
                  [](const std::string& m) { return m.rfind("The Simulink file ", 0) == 0; });
    expect_journal_replays(model);
    expect_journal_case("gx4_menus_every_word");
    // Saving keeps the steps to undo.
    ports.files = {dir.filePath("loop.bgf").toStdString()};
    item("&File > Save Model &As...")->trigger();
    EXPECT_EQ(state().saved, kTrue);
    EXPECT_TRUE(item(command(CommandId::kEditUndo))->isEnabled());
}

TEST(ClipboardImage, FramesAndLinesAreBlackOnWhitePaper) {
    const Glyph framed{.left = 150,
                       .top = 150,
                       .width = 300,
                       .height = 255,
                       .caption = "C",
                       .visible = true,
                       .border = 1};
    const ClipboardPicture picture{
        1500, 900, {framed}, {LineControl{600, 600, 1200, 600, 0, true, 1}}};
    const QImage image = shell::clipboard_image(picture);
    ASSERT_EQ(image.size(), QSize(100, 60));
    // The frame's left edge, paper, the line, beside it.
    std::string ink;
    for (const auto& [x, y] : {std::pair{10, 12}, {5, 5}, {60, 40}, {60, 45}})
        ink += image.pixel(x, y) == qRgb(0, 0, 0) ? '#' : '.';
    EXPECT_EQ(ink, "#.#.");
}

}  // namespace
}  // namespace vantor::test
