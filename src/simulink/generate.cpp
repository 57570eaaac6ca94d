#include "simulink/generate.h"

#include "model/file_error.h"
#include "model/file_saving.h"
#include "model/text.h"
#include "sim/diagram_check.h"
#include "sim/generated_form.h"
#include "sim/read_error.h"
#include "simulink/code_writer.h"
#include "simulink/matlab_name.h"
#include "simulink/parametriza.h"
#include "simulink/template_expander.h"
#include "simulink/template_folder.h"
#include "simulink/wiring.h"

namespace vantor {
namespace {

constexpr const char* kSaveTitle = "Save Simulink Model As";
constexpr const char* kSaveFilter = "Simulink Models (*.mdl;*.m)|*.mdl;*.m|All Files (*.*)|*.*|";

const char* simulink_version_name(int version) {
    switch (version) {
        case 1:
            return "1.3";
        case 2:
            return "2.09";
        default:
            return "2.2";
    }
}

bool every_bond_causal(const Model& m) {
    for (int j = 1; j <= m.nlin; ++j) {
        if (m.lines[j].causa == 0) return false;
    }
    return true;
}

// Why the chosen file cannot take the generated model, or nothing.
std::optional<std::string> refusal(const std::string& chosen, const GenerateRequest& request) {
    const std::string name = nombrecorto(chosen);
    if (!is_matlab_name(name)) {
        return chosen + ": \"" + name +
               "\" is not a valid MATLAB model name; use a letter, then letters, digits or "
               "underscores, at most 63 characters";
    }
    if (!request.model_path.empty() && same_file(chosen, request.model_path)) {
        return chosen + ": this is the model's own file; choose another name";
    }
    return std::nullopt;
}

}  // namespace

void GenerationHost::write_output(const std::string& path, std::string_view bytes) {
    save_file(path, bytes);
}

std::string generate_text(Model& model, const std::string& program_dir, int simulink_version,
                          const std::string& output_path, std::set<std::string>* missing,
                          std::string* template_error, std::vector<TemplateLines>* lines) {
    TemplateFolder folder(program_dir, simulink_version);
    PortTables ports;
    TemplateExpander expander(model, ports, output_path);
    std::string s;
    int line = 1;  // the line where the next template's text starts
    const auto from = [&](const std::string& name, std::size_t start) {
        if (lines != nullptr) lines->push_back({line, name});
        line += line_ends(s.substr(start));
    };
    for (int n = 0; n <= model.nobj; ++n) {
        if (model.objs[n].auxil3 == 0) model.objs[n].auxil3 = 1;
        const std::size_t start = s.size();
        expander.expand(carga_codigo(folder, model, n), n, s);
        from(template_name(model, n), start);
    }
    std::size_t start = s.size();
    Wiring(model, ports, folder.file("lin.cod")).append_lines(s);
    from("lin.cod", start);
    start = s.size();
    s += carga_codigo(folder, model, model.nobj + 1);  // the end, not expanded
    from("end.cod", start);
    if (missing != nullptr) *missing = folder.missing();
    if (template_error != nullptr) *template_error = folder.error();
    return s;
}

std::string proposed_output_name(const GenerateRequest& request) {
    // The 2.09 templates make a model file; the others a script.
    const char* extension = request.simulink_version == 2 ? ".mdl" : ".m";
    return to_lower_ascii(trim_blanks(request.window_caption)) + extension;
}

GenerateResult generate_Click(ModelWindowState& window, const GenerateRequest& request,
                              GenerationHost& host) {
    Model& m = window.model;
    GenerateResult result;
    if (!every_bond_causal(m)) {
        host.show_message(kNotCausalMessage);
        result.outcome = GenerateOutcome::kNotCausal;
        return result;
    }
    window.causerr = kFalse;
    // A conflict in the mandatory tables leaves causerr clear, but a model
    // known to be wrong is not converted: the outcome tells.
    result.assign = assign_Click(window, read_priority_tables(request.program_dir), host);
    if (result.assign != AssignOutcome::kCompleted || window.causerr != kFalse) {
        result.outcome = GenerateOutcome::kStopped;
        return result;
    }

    host.set_busy(true);
    parametriza(m);
    m.objs[0].type = "sta";
    const std::string proposed = proposed_output_name(request);
    const std::optional<std::string> chosen =
        host.ask_save_file({kSaveTitle, kSaveFilter, proposed});
    if (!chosen || trim_blanks(*chosen).empty()) {
        host.set_busy(false);
        result.outcome = GenerateOutcome::kCancelled;
        result.stopped_at_dialog = true;
        return result;
    }
    host.set_busy(true);

    const auto stop = [&](const std::string& message) {
        host.set_busy(false);
        host.show_error(message);
        return result;
    };
    if (const std::optional<std::string> why = refusal(*chosen, request)) {
        result.stopped_at_dialog = true;
        return stop(*why);
    }
    const TemplateFolder folder(request.program_dir, request.simulink_version);
    if (!folder.exists()) return stop("The template folder " + folder.path() + " does not exist");
    std::string template_error;
    std::vector<TemplateLines>& lines = result.template_lines;
    const std::string text =
        generate_text(m, request.program_dir, request.simulink_version, *chosen,
                      &result.missing_templates, &template_error, &lines);
    if (!template_error.empty()) return stop("Cannot read the template " + template_error);
    const std::string bytes = code_bytes(text);
    // Templates are the users' own: what they made is checked as it will be
    // written, and a file its format cannot take is not written at all.
    try {
        result.problems = sim::check_diagram(
            sim::read_generated(bytes, sim::generated_form(request.simulink_version)));
    } catch (const sim::FormatLimitError& e) {
        result.outcome = GenerateOutcome::kRefused;
        return stop("The model is too large for a Simulink " +
                    std::string(simulink_version_name(request.simulink_version)) + " file: " +
                    read_error_message(e, lines) + ". Choose another Simulink version.");
    } catch (const std::runtime_error& e) {
        result.problems = {{sim::Severity::kError, read_error_message(e, lines), {}}};
    }
    // A parameter the checker refuses is mended in the template that wrote it.
    for (sim::Problem& problem : result.problems) {
        const std::string where = problem.line > 0 ? template_at(lines, problem.line) : "";
        if (!where.empty()) problem.message += " (" + where + ")";
    }
    try {
        host.write_output(*chosen, bytes);
    } catch (const FileError& e) {
        return stop(std::string("Cannot write the Simulink file ") + e.what());
    }
    host.set_busy(false);
    result.outcome = GenerateOutcome::kWritten;
    result.path = *chosen;
    return result;
}

}  // namespace vantor
