#include "simulink/generate.h"

#include "model/file_error.h"
#include "model/text.h"
#include "simulink/code_writer.h"
#include "simulink/parametriza.h"
#include "simulink/template_expander.h"
#include "simulink/template_folder.h"
#include "simulink/wiring.h"

namespace vantor {
namespace {

constexpr const char* kSaveTitle = "Save Simulink Model As";
constexpr const char* kSaveFilter = "Simulink Models (*.mdl;*.m)|*.mdl;*.m|All Files (*.*)|*.*|";

bool every_bond_causal(const Model& m) {
    for (int j = 1; j <= m.nlin; ++j) {
        if (m.lines[j].causa == 0) return false;
    }
    return true;
}

}  // namespace

std::string generate_text(Model& model, const std::string& program_dir, int simulink_version,
                          const std::string& output_path, std::set<std::string>* missing) {
    TemplateFolder folder(program_dir, simulink_version);
    PortTables ports;
    TemplateExpander expander(model, ports, output_path);
    std::string s;
    for (int n = 0; n <= model.nobj; ++n) {
        if (model.objs[n].auxil3 == 0) model.objs[n].auxil3 = 1;
        expander.expand(carga_codigo(folder, model, n), n, s);
    }
    Wiring(model, ports, folder.file("lin.cod")).append_lines(s);
    s += carga_codigo(folder, model, model.nobj + 1);  // the end, not expanded
    if (missing != nullptr) *missing = folder.missing();
    return s;
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
    // A conflict in the mandatory tables also sets causerr: a model known to be
    // wrong is not converted.
    result.assign = assign_Click(window, request.program_dir, host);
    if (window.causerr != kFalse) {
        result.outcome = GenerateOutcome::kStopped;
        return result;
    }

    host.set_busy(true);
    parametriza(m);
    m.objs[0].type = "sta";
    const std::string proposed = to_lower_ascii(trim_blanks(request.window_caption)) + ".m";
    const std::optional<std::string> chosen =
        host.ask_save_file({kSaveTitle, kSaveFilter, proposed});
    if (!chosen || trim_blanks(*chosen).empty()) {
        host.set_busy(false);
        result.outcome = GenerateOutcome::kCancelled;
        return result;
    }
    host.set_busy(true);

    const TemplateFolder folder(request.program_dir, request.simulink_version);
    if (!folder.exists()) {
        host.set_busy(false);
        host.show_message("The template folder " + folder.path() + " does not exist");
        return result;
    }
    const std::string text = generate_text(m, request.program_dir, request.simulink_version,
                                           *chosen, &result.missing_templates);
    try {
        guardar_codigo(text, *chosen);
    } catch (const FileError& e) {
        host.set_busy(false);
        host.show_message(std::string("Cannot write the Simulink file ") + e.what());
        return result;
    }
    host.set_busy(false);
    result.outcome = GenerateOutcome::kWritten;
    result.path = *chosen;
    return result;
}

}  // namespace vantor
