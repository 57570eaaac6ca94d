#include "app/model_document.h"

#include <filesystem>

#include "app/message_kinds.h"

#include "causality/causality_commands.h"
#include "display/redraw.h"
#include "display/stored_int16.h"
#include "display/window_load.h"
#include "editor/command_handlers.h"
#include "editor/editor_host.h"
#include "editor/window_causality.h"
#include "model/cp1252.h"
#include "model/element_kinds.h"
#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/model_reader.h"
#include "model/model_writer.h"
#include "model/numeric_prefix.h"
#include "model/text.h"
#include "simulink/generate.h"
#include "simulink/generation_problems.h"
#include "window/selection.h"

namespace vantor {
namespace {

// Message boxes for the window's handlers and commands.
class PortsEditorHost : public EditorHost {
  public:
    explicit PortsEditorHost(Ports& ports) : ports_(ports) {}
    void show_message(const std::string& text) override {
        tell(ports_, text, kind_of_message(text));
    }

  private:
    Ports& ports_;
};

// The window side of the causality and generation commands.
class DocumentHost : public GenerationHost {
  public:
    DocumentHost(ModelDocument& doc, AppState& app, Ports& ports)
        : doc_(doc),
          ports_(ports),
          editor_host_(ports),
          causality_(doc.window, app, editor_host_) {}

    void show_message(const std::string& text) override { causality_.show_message(text); }
    void show_error(const std::string& text) override { tell(ports_, text, MessageKind::kError); }
    void selection_changed(int element) override {
        causality_.selection_changed(element);
        doc_.dirty = true;
    }
    void derivative_causality_selected(const std::vector<int>& elements) override {
        causality_.derivative_causality_selected(elements);
        std::string note = "In derivative causality:";
        for (std::size_t k = 0; k < elements.size(); ++k) {
            note += (k == 0 ? " " : ", ") +
                    cp1252_to_utf8(element_label(doc_.window.model, elements[k]));
        }
        doc_.status_note = note;
        doc_.dirty = true;
    }
    void redraw() override {
        causality_.redraw();
        doc_.dirty = true;
    }
    std::optional<std::string> ask_save_file(const SaveDialogRequest& request) override {
        return ports_.save_file({request.title, request.filter, doc_.dialog_folder,
                                 request.proposed_name, false, true});
    }
    void set_busy(bool busy) override { ports_.set_busy_pointer(busy); }

  private:
    ModelDocument& doc_;
    Ports& ports_;
    PortsEditorHost editor_host_;
    WindowCausalityHost causality_;
};

// The folder the program was started in, taken before anything could change
// the working folder.
const std::string& start_folder() {
    static const std::string folder = [] {
        std::error_code error;
        const std::filesystem::path path = std::filesystem::current_path(error);
        return error ? std::string() : path.string();
    }();
    return folder;
}
const std::string& kStartFolderTakenAtLoad = start_folder();

std::string folder_of(const std::string& path) {
    return std::filesystem::absolute(std::filesystem::path(path)).parent_path().string();
}

}  // namespace

ModelDocument::ModelDocument(AppState& app, Ports& ports) : app_(app), ports_(ports) {
    init_model_window(window, app.nextnum);
    // The dialogs start by the model's file; a new model's in the folder the
    // program was started in, never among the program's own files.
    dialog_folder = app.openpath.empty() ? start_folder() : folder_of(app.openpath);
    if (!app.openpath.empty()) {
        const std::string& path = app.openpath;
        const std::string bytes = read_whole_file(path, kModelFileLimit);
        ModelFileFacts facts;
        window.model = parse_model(bytes, path, &facts);  // throws: no window then
        window.hasname = kTrue;
        try {
            show_loaded_model(window, app);
        } catch (const Int16Overflow&) {
            throw FileError(path, "a value overflows a 16-bit field as the window shows the model");
        }
        // Said once, at opening: a later Save would otherwise surprise the user.
        if (!bytes.empty() && !facts.holds_model) {
            tell(ports,
                 path +
                     " holds no model. Saving this window will replace the file with "
                     "an empty model.",
                 MessageKind::kWarning);
        } else if (facts.lf_line_ends) {
            tell(ports, path +
                            " has LF line ends, as a text tool converted it. It reads as a "
                            "model, and it will be saved with CR LF line ends.");
        }
    }
    window.saved = kTrue;
    history.start(window);
}

void ModelDocument::run_command(const Command& command, EditorHost& host,
                                ClipboardPort& clipboard) {
    DocumentHost causality(*this, app_, ports_);
    run([&](ModelWindow& w, AppState& app) {
        CommandContext context{w, app, host, clipboard, history, causality};
        vantor::run_command(command, context);
    });
}

void ModelDocument::take_recovered(const std::string& path, bool named) {
    tag = path;
    caption = nombrecorto(path);
    dialog_folder = named ? folder_of(path) : start_folder();
    // Never written in place: Save asks, proposing the file.
    window.hasname = kFalse;
    window.saved = kFalse;
}

bool ModelDocument::write_to(const std::string& path) {
    try {
        guardar(path, window);
        return true;
    } catch (const FileError& e) {
        tell(ports_, std::string("The model could not be saved: ") + e.what(), MessageKind::kError);
        return false;
    }
}

bool ModelDocument::save_Click() {
    if (window.hasname == kTrue) return write_to(tag);
    return saveas_Click();
}

bool ModelDocument::saveas_Click() {
    // A new model's made-up name is proposed as its caption in lower case,
    // without the program's folder that it names.
    const std::string proposed = window.hasname == kTrue ? tag : to_lower_ascii(caption) + ".bgf";
    const auto chosen =
        ports_.save_file({"Save Model As", kModelFilter, dialog_folder, proposed, false, true});
    if (!chosen) return false;
    const std::string name(trim_blanks(*chosen));
    // The window takes the new name only once the model is safely written there.
    if (name.empty() || !write_to(name)) return false;
    tag = name;
    caption = nombrecorto(name);
    dialog_folder = folder_of(name);
    window.hasname = kTrue;
    return true;
}

bool ModelDocument::confirm_close() {
    while (window.saved == kFalse) {
        const MessageAnswer answer = ports_.message_box(
            {"file " + caption + " has changed, \rDo you want to save it?",
             MessageButtons::kYesNoCancel, MessageKind::kWarning, MessageAnswer::kCancel});
        if (answer == MessageAnswer::kCancel) return false;
        if (answer == MessageAnswer::kNo) return true;
        save_Click();  // a cancelled or failed save asks again
    }
    return true;
}

void ModelDocument::simulink_Click(int version) {
    if (version >= 1 && version <= 3) window.menus.simulink_version = version;
}

void ModelDocument::assign_Click() {
    DocumentHost host(*this, app_, ports_);
    vantor::assign_Click(window, read_priority_tables(app_.program_dir), host);
}

void ModelDocument::extend_Click() {
    DocumentHost host(*this, app_, ports_);
    vantor::extend_Click(window, host);
}

void ModelDocument::Undo_Click() {
    DocumentHost host(*this, app_, ports_);
    vantor::Undo_Click(window, host);
}

GenerateResult ModelDocument::generate_Click() {
    DocumentHost host(*this, app_, ports_);
    const std::string model_path = window.hasname == kTrue ? tag : std::string();
    GenerateResult result = vantor::generate_Click(
        window, {app_.program_dir, window.menus.simulink_version, caption, model_path}, host);
    if (result.outcome == GenerateOutcome::kWritten && !result.problems.empty()) {
        tell(ports_, problems_message(window.model, result.path, result.problems),
             MessageKind::kWarning);
    }
    return result;
}

SimulationRun ModelDocument::simulate_Click(const std::function<bool(double)>& progress,
                                            const std::function<std::ostream*()>& open_csv) {
    DocumentHost host(*this, app_, ports_);
    SimulationRun run = simulate_model(window,
                                       {app_.program_dir, window.menus.simulink_version, caption,
                                        simulation_settings, progress, open_csv},
                                       host);
    dirty = true;
    if (!run.elements.empty()) select_elements(window, app_, run.elements);
    // A run that stopped or could not start is an error; one refused for
    // the model's shape (an algebraic loop) is a plain refusal.
    if (!run.message.empty()) {
        const bool failed = run.outcome == SimulateOutcome::kStopped ||
                            run.message.find("cannot") != std::string::npos;
        tell(ports_, run.message, failed ? MessageKind::kError : MessageKind::kInformation);
    }
    return run;
}

}  // namespace vantor
