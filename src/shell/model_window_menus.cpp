// The model window's menu bar, laid out by the command table, and what each
// command runs on the document.
#include <QSettings>
#include <QStatusBar>

#include "shell/command_menus.h"
#include "shell/help_menu.h"
#include "shell/model_canvas.h"
#include "shell/model_printing.h"
#include "shell/model_window_run.h"
#include "shell/model_window_widget.h"
#include "shell/page_fit_choice.h"
#include "shell/simulation_settings_dialog.h"

namespace vantor::shell {

void ModelWindowWidget::build_menus() {
    commands_ = add_command_menus(*menuBar(),
                                  {MenuId::kFile, MenuId::kEdit, MenuId::kView, MenuId::kOptions,
                                   MenuId::kSimulinkVersion, MenuId::kRun, MenuId::kHelp},
                                  this, [this](const Command& row) { command_chosen(row); });
}

// The commands that need the window are bound here; every other row runs its
// handler on the document.
void ModelWindowWidget::command_chosen(const Command& row) {
    switch (row.id) {
        case CommandId::kSave:
            save([](ModelDocument& d) { d.save_Click(); });
            return;
        case CommandId::kSaveAs:
            save([](ModelDocument& d) { d.saveas_Click(); });
            return;
        case CommandId::kPrint:
            run([this](ModelDocument& d) {
                const QSettings settings;
                print_Click(d, ports_, stored_page_fit(settings));
            });
            return;
        case CommandId::kPrintOptions:
            run([this](ModelDocument& d) {
                QSettings settings;
                print_with_dialog(d, ports_, this, settings);
            });
            return;
        case CommandId::kExportPicture:
            run([this](ModelDocument& d) { export_picture_Click(d, ports_); });
            return;
        case CommandId::kClose:
            request_close();
            return;
        case CommandId::kZoomIn:
            canvas_->zoom_in();
            return;
        case CommandId::kZoomOut:
            canvas_->zoom_out();
            return;
        case CommandId::kActualSize:
            canvas_->actual_size();
            return;
        case CommandId::kZoomToFit:
            canvas_->zoom_to_fit();
            return;
        case CommandId::kGenerate:
            generate();
            return;
        case CommandId::kSimulate:
            simulate();
            return;
        case CommandId::kSimulationSettings:
            if (document_ != nullptr)
                edit_simulation_settings(this, document_->simulation_settings);
            return;
        case CommandId::kStateEquations:
            show_equations();
            return;
        case CommandId::kHelpContents:
        case CommandId::kHowToUseHelp:
        case CommandId::kAbout:
            run_help_command(row.id, app_, ports_);
            return;
        default:
            if (row.run == nullptr) return;
            run_menu(row,
                     [this, &row](ModelDocument& d) { d.run_command(row, host_, clipboard_); });
            return;
    }
}

template <typename Save>
void ModelWindowWidget::save(Save save) {
    run([this, save](ModelDocument& d) {
        const std::string before = d.tag;
        const bool named = d.window.hasname == kTrue;
        save(d);
        if (d.window.hasname == kTrue && (!named || d.tag != before))
            Q_EMIT saved_as(QString::fromStdString(d.tag));
    });
}

void ModelWindowWidget::generate() {
    if (commands_wait(command(CommandId::kGenerate))) return;
    run([this](ModelDocument& d) {
        const GenerateResult result = d.generate_Click();
        // Journaled once the save dialog has answered: a replay goes as far
        // as the command went.
        const EditorEvent line = menu_event(result.stopped_at_dialog ? CommandId::kGenerateCancelled
                                                                     : CommandId::kGenerate);
        journal(line);
        d.history.after_event(d.window, line);
        if (result.outcome == GenerateOutcome::kWritten) {
            statusBar()->showMessage(
                QStringLiteral("Wrote %1").arg(QString::fromStdString(result.path)));
        }
    });
}

}  // namespace vantor::shell
