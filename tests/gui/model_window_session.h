#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/app_fakes.h"
#include "display/window_load.h"
#include "editor/commands.h"
#include "editor/editor_host.h"
#include "expected_file.h"
#include "gui/menu_walk.h"
#include "gui/program_folder.h"
#include "gui/recording_painter.h"
#include "journal/journal_reader.h"
#include "journal/replay.h"
#include "journal/state_file.h"
#include "model/model_reader.h"
#include "shell/element_drag.h"
#include "shell/journal_recorder.h"
#include "shell/main_window_widget.h"
#include "shell/model_canvas.h"
#include "shell/model_window_widget.h"
#include "shell/palette_widget.h"

namespace vantor::test {

// Keeps a replay's messages; with no display there is no focus to give.
class ReplayMessages : public EditorHost {
  public:
    void show_message(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// A main window whose model window 1 a test works in as a person would:
// palette drops, pointer moves, menu items. Every event is journaled.
struct ModelWindowSession : ::testing::Test {
    ModelWindowSession() : journal(dir.filePath("session.jnl").toStdString()) {}

    // Opens the main window on `program_dir` (the test's own program folder
    // when empty) with `model`, or with a new model when that is empty.
    void open(const std::string& program_dir = "", const std::string& model = "") {
        program = program_dir.empty() ? folder.path() : program_dir;
        main = std::make_unique<shell::MainWindowWidget>(program, model, &ports, &recorder);
        before_activate();
        main->activate();
        if (model.empty()) main->core().new_Click();
        window = main->model_window_widget(1);
        ASSERT_NE(window, nullptr);
        settle();
        canvas = window->canvas();
    }

    // What a session does to the main window before it first shows.
    virtual void before_activate() {}

    const ModelWindow& state() const { return main->core().model_window(1)->window; }

    // A point of element i's glyph, in pixels: (fx, fy) of its width and
    // height from its top-left corner.
    QPoint at_glyph(int i, double fx = 0.5, double fy = 0.5) const {
        const Glyph& g = state().image1[static_cast<std::size_t>(i)];
        const Viewport& v = state().viewport;
        return QPoint(
            static_cast<int>(std::floor((g.left + g.width * fx - v.HScroll1.value) / 15)),
            static_cast<int>(std::floor((g.top + g.height * fy - v.VScroll1.value) / 15)));
    }
    QAction* item(const std::string& path) const { return find_item(*window->menuBar(), path); }
    // The item of a command row, by the caption it shows now (Undo names its step).
    QAction* item(const Command& row) const {
        std::string path = command_caption(row, main->core().model_window(1)->history);
        for (MenuId id = row.menu;; id = menu_info(id).parent) {
            path = std::string(menu_info(id).caption) + " > " + path;
            if (!menu_info(id).submenu) return item(path);
        }
    }
    std::string journal_text() const { return file_text(journal); }

    // The number of library `caption`, 1-based.
    int library(const char* caption) const {
        const auto& labels = main->core().labels;
        for (std::size_t n = 0; n < labels.size(); ++n)
            if (labels[n].caption == caption) return static_cast<int>(n) + 1;
        ADD_FAILURE() << "no library " << caption;
        return 1;
    }
    // The palette of library `caption`, shown and read as a drag from it needs.
    Palette& palette(const char* caption) {
        const int i = library(caption);
        main->core().Label1_DblClick(i);
        main->palette_widget(i)->reread();
        return *main->core().palette(i);
    }

    // Drags palette entry `entry` of library `caption` and drops it with its
    // glyph's centre at `at` (pixels).
    void drop(const char* caption, int entry, QPoint at) {
        palette(caption).image1_DragOver(main->app(), entry);
        QMimeData data;
        data.setData(shell::kElementMimeType, shell::element_drag_bytes({caption, entry}));
        drop_data(data, at);
    }
    // Drops `data` on the canvas at `at`. Qt hands a drop only to the widget
    // that took the drag's entry.
    void drop_data(const QMimeData& data, QPoint at) {
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &enter);
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &dropped);
        settle();
    }
    // The library's first entry of element type `type`.
    int entry(const char* caption, const char* type) {
        const Palette& entries = palette(caption);
        for (int k = 1; k <= entries.entries(); ++k)
            if (entries.objs[static_cast<std::size_t>(k)].type.trimmed() == type) return k;
        ADD_FAILURE() << "no " << type << " in " << caption;
        return 1;
    }
    void drop(const char* caption, const char* type, QPoint at) {
        drop(caption, entry(caption, type), at);
    }

    // A move with no button held, sent even where the pointer already is.
    void hover(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), canvas->mapToGlobal(QPointF(at)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &move);
    }

    // Where the canvas paints its captions now: the left ends of their baselines.
    std::vector<QPointF> caption_baselines() const {
        RecordingDevice device(canvas->size());
        canvas->render(&device, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        std::vector<QPointF> at;
        for (const DrawnText& text : device.drawing.texts) at.push_back(text.baseline);
        return at;
    }

    // The journal (window `window` of it, or all of it for 0) replayed with no
    // display, on `model` as Open Model reads it or on a new model, gives this
    // window and its messages.
    void expect_journal_replays(const std::string& model = "", int window = 0) {
        ModelWindow replayed;
        init_model_window(replayed, 1);
        AppState app;
        app.program_dir = program;
        if (!model.empty()) {
            replayed.model = read_model_file(model);
            replayed.hasname = kTrue;
            show_loaded_model(replayed, app);
            replayed.saved = kTrue;
        }
        ReplayMessages host;
        replay_journal(replayed, app, host, read_journal_file(journal, window));
        EXPECT_EQ(format_state_file(replayed, app), format_state_file(state(), main->app()));
        EXPECT_EQ(host.messages, ports.messages);
    }

    // This session's journal is that of journal case `name` (tests/data/journals),
    // whose replay by vantor-cli gives the case's expected files. With
    // VANTOR_UPDATE_CASES=1 it is written there, after the case's own comments.
    void expect_journal_case(const std::string& name) {
        const std::string path = VANTOR_SOURCE_DIR "/tests/data/journals/" + name + "/journal.jnl";
        std::string head = file_text(path);
        head.erase(std::min(head.find("# window "), head.size()));
        expect_file_text(path, head + journal_text(), "journal case " + name);
    }

    ProgramFolder folder;
    std::string program;
    QTemporaryDir dir;
    std::string journal;
    shell::JournalRecorder recorder{journal};
    FakePorts ports;
    std::unique_ptr<shell::MainWindowWidget> main;
    shell::ModelWindowWidget* window = nullptr;
    shell::ModelCanvas* canvas = nullptr;
};

}  // namespace vantor::test
