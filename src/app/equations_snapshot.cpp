#include "app/equations_snapshot.h"

#include "app/equations_html.h"
#include "app/equations_view.h"
#include "app/nice_ticks.h"
#include "equations/expression_printer.h"
#include "equations/html_printer.h"
#include "equations/transfer_function.h"
#include "model/model.h"

namespace vantor {

namespace eq = equations;

namespace {

// More pairs than a window's choice lists make sensible are derived on request only.
constexpr std::size_t kSymbolicTransferPairs = 64;

std::string element_name(const Model& model, int n) {
    // The type without the library's padding: "I__" is an I.
    std::string type = model.objs[static_cast<std::size_t>(n)].type.trimmed();
    while (type.size() > 1 && type.back() == '_') type.pop_back();
    return type + " (" + std::to_string(n) + ")";
}

std::vector<EquationsRow> rows_of(const eq::EquationSystem& system) {
    std::vector<EquationsRow> rows;
    for (const eq::State& x : system.states) {
        rows.push_back({"state", x.name, x.element,
                        std::string(eq::kind_name(x.kind)) + ", initially " +
                            eq::print_expression(x.initial)});
    }
    for (const eq::Input& u : system.inputs) rows.push_back({"input", u.name, u.element, u.value});
    for (std::size_t i = 0; i < system.outputs.size(); ++i) {
        const eq::Output& y = system.outputs[i];
        rows.push_back({"output", "y" + std::to_string(i + 1), y.element, y.name});
    }
    for (const eq::Parameter& p : system.parameters) {
        std::string value = p.text + ", no value";
        if (p.value) {
            const std::string number = eq::format_number(*p.value);
            value = p.text == number ? number : p.text + " = " + number;
        }
        rows.push_back({"parameter", p.name, p.element, value});
    }
    return rows;
}

std::vector<std::string> symbolic_transfers(const eq::EquationSystem& system,
                                            const eq::LinearSystem& linear) {
    const std::size_t pairs = system.inputs.size() * system.outputs.size();
    if (!linear.linear || system.states.size() > eq::kSymbolicTransferStates ||
        pairs > kSymbolicTransferPairs)
        return {};
    const GiNaC::symbol s("s");
    std::vector<std::string> out;
    for (std::size_t o = 0; o < system.outputs.size(); ++o) {
        for (std::size_t i = 0; i < system.inputs.size(); ++i) {
            const auto g = eq::symbolic_transfer_function(linear, s, o, i);
            out.push_back(g ? eq::fraction_html(eq::html_expression(g->numerator),
                                                eq::html_expression(g->denominator))
                            : std::string());
        }
    }
    return out;
}

}  // namespace

EquationsSnapshot snapshot_of(const EquationsView& view, const Model& model) {
    EquationsSnapshot snap;
    snap.has_equations = view.has_equations();
    snap.stale = view.stale();
    snap.problem = view.problem();
    snap.bond_without_causality = view.bond_without_causality();
    snap.notes = view.notes();
    snap.element_names.assign(static_cast<std::size_t>(kTableSlots), std::string());
    for (int n = 1; n <= model.nobj; ++n)
        snap.element_names[static_cast<std::size_t>(n)] = element_name(model, n);
    if (!snap.has_equations) return snap;
    const eq::EquationSystem& system = view.system();
    const eq::Analysis& analysis = view.analysis();
    for (const bool numeric : {false, true}) {
        snap.equations_html[numeric] = equations_html(system, analysis, numeric);
        snap.linear_html[numeric] = linear_html(system, analysis, numeric);
    }
    snap.rows = rows_of(system);
    for (const eq::Input& u : system.inputs) snap.inputs.push_back(u.name);
    for (const eq::Output& y : system.outputs) snap.outputs.push_back(y.name);
    snap.states = system.states.size();
    snap.linear = analysis.linear.linear;
    snap.numeric_problem = analysis.numeric_problem;
    snap.poles = analysis.poles;
    snap.numeric = analysis.numeric;
    snap.symbolic_transfer = symbolic_transfers(system, analysis.linear);
    return snap;
}

std::optional<std::vector<eq::BodePoint>> bode_of(const EquationsSnapshot& snapshot,
                                                  std::size_t input, std::size_t output) {
    if (!snapshot.numeric) return std::nullopt;
    const eq::NumericMatrices& m = *snapshot.numeric;
    if (input >= m.B.cols || output >= m.C.rows) return std::nullopt;
    const eq::TransferFunction tf = eq::transfer_function(m, output, input);
    // Whole decades, which the plot's logarithmic axis labels at both ends.
    const eq::FrequencyRange poles = eq::frequency_range(snapshot.poles);
    const DecadeRange decades = decade_range(poles.from, poles.to);
    return eq::bode(tf, {decades.low, decades.high});
}

std::string transfer_html(const EquationsSnapshot& snapshot, std::size_t input,
                          std::size_t output) {
    if (input >= snapshot.inputs.size() || output >= snapshot.outputs.size()) return {};
    std::string out;
    const std::size_t at = output * snapshot.inputs.size() + input;
    if (at < snapshot.symbolic_transfer.size() && !snapshot.symbolic_transfer[at].empty())
        out += transfer_row(snapshot.symbolic_transfer[at]);
    if (snapshot.numeric && input < snapshot.numeric->B.cols && output < snapshot.numeric->C.rows) {
        const eq::TransferFunction tf = eq::transfer_function(*snapshot.numeric, output, input);
        out += transfer_row(
            eq::fraction_html(polynomial_html(tf.numerator), polynomial_html(tf.denominator)));
    }
    return out.empty() ? out : "<table cellspacing=\"4\">" + out + "</table>";
}

}  // namespace vantor
