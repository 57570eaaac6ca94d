#include "equations/expression_printer.h"
#include "equations/formats.h"

namespace vantor::equations {
namespace {

std::string matlab_string(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'') out += '\'';
        if (static_cast<unsigned char>(c) >= 0x20) out += c;
    }
    return out + "'";
}

// A comment line holds no line break.
std::string comment(std::string_view text) {
    std::string out = "% ";
    for (const char c : text) out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    return out + "\n";
}

std::string matrix(const char* name, const Grid<double>& grid) {
    const std::string size = std::to_string(grid.rows) + ", " + std::to_string(grid.cols);
    if (grid.rows == 0 || grid.cols == 0) return std::string(name) + " = zeros(" + size + ");\n";
    std::string out = std::string(name) + " = [";
    for (std::size_t i = 0; i < grid.rows; ++i) {
        out += i ? "\n     " : "";
        for (std::size_t j = 0; j < grid.cols; ++j)
            out += (j ? ", " : "") + format_number(grid.at(i, j));
        out += i + 1 < grid.rows ? ";" : "";
    }
    return out + "];\n";
}

std::string names(const char* property, const std::vector<std::string>& list) {
    if (list.empty()) return "";
    std::string out = ", " + matlab_string(property) + ", {";
    for (std::size_t i = 0; i < list.size(); ++i) out += (i ? "; " : "") + matlab_string(list[i]);
    return out + "}";
}

}  // namespace

std::string format_matlab(const EquationSystem& system, const Analysis& analysis,
                          const FormatOptions& options) {
    if (!analysis.numeric) throw NumericError(analysis.numeric_problem);
    const NumericMatrices& m = *analysis.numeric;
    std::string out;
    if (!options.title.empty()) out += comment("State equations of " + options.title);
    for (std::size_t i = 0; i < system.states.size() && i < system.derivatives.size(); ++i) {
        out += comment("d" + system.states[i].name + "/dt = " +
                       print_expression(shown(analysis, system.derivatives[i], options.numeric)));
    }
    for (std::size_t i = 0; i < system.outputs.size() && i < system.outputs_eq.size(); ++i) {
        out += comment(system.outputs[i].name + " = " +
                       print_expression(shown(analysis, system.outputs_eq[i], options.numeric)));
    }
    for (const std::string& note : system.notes) out += comment(note);
    out += matrix("A", m.A) + matrix("B", m.B) + matrix("C", m.C) + matrix("D", m.D);
    std::vector<std::string> states, inputs, outputs;
    for (const State& s : system.states) states.push_back(s.name);
    for (const Input& u : system.inputs) inputs.push_back(u.name);
    for (const Output& y : system.outputs) outputs.push_back(y.name);
    out += "sys = ss(A, B, C, D" + names("StateName", states) + names("InputName", inputs) +
           names("OutputName", outputs) + ");\n";
    return out;
}

std::optional<Format> parse_format(std::string_view name) {
    if (name == "text") return Format::kText;
    if (name == "latex") return Format::kLatex;
    if (name == "matlab") return Format::kMatlab;
    if (name == "json") return Format::kJson;
    return std::nullopt;
}

std::string format_equations(Format format, const EquationSystem& system, const Analysis& analysis,
                             const FormatOptions& options) {
    switch (format) {
        case Format::kText:
            return format_text(system, analysis, options);
        case Format::kLatex:
            return format_latex(system, analysis, options);
        case Format::kMatlab:
            return format_matlab(system, analysis, options);
        case Format::kJson:
            return format_json(system, analysis, options);
    }
    return format_text(system, analysis, options);
}

}  // namespace vantor::equations
