#include <algorithm>
#include <cstdio>

#include "equations/expression_printer.h"
#include "equations/formats.h"

namespace vantor::equations {
namespace {

std::string short_number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

// The cells right-aligned in their columns, each row bracketed.
std::string matrix_lines(const std::string& name, const Grid<std::string>& cells) {
    std::string out = name + " =";
    if (cells.rows == 0 || cells.cols == 0) {
        return out + " (" + std::to_string(cells.rows) + " x " + std::to_string(cells.cols) +
               ", empty)\n";
    }
    out += "\n";
    std::vector<std::size_t> width(cells.cols, 0);
    for (std::size_t i = 0; i < cells.rows; ++i) {
        for (std::size_t j = 0; j < cells.cols; ++j)
            width[j] = std::max(width[j], cells.at(i, j).size());
    }
    for (std::size_t i = 0; i < cells.rows; ++i) {
        out += "  [";
        for (std::size_t j = 0; j < cells.cols; ++j) {
            const std::string& cell = cells.at(i, j);
            out += (j ? "  " : "") + std::string(width[j] - cell.size(), ' ') + cell;
        }
        out += "]\n";
    }
    return out;
}

std::string pole_line(const Pole& p) {
    std::string line = "  " + short_number(p.re);
    if (p.complex()) line += (p.im < 0 ? " - " : " + ") + short_number(std::abs(p.im)) + "i";
    if (p.complex())
        line += "   wn = " + short_number(p.wn) + " rad/s, zeta = " + short_number(p.zeta);
    return line + "\n";
}

}  // namespace

std::string format_text(const EquationSystem& system, const Analysis& analysis,
                        const FormatOptions& options) {
    const bool numeric = options.numeric;
    const auto expression = [&](const GiNaC::ex& e) {
        return print_expression(shown(analysis, e, numeric));
    };
    std::string out;
    if (!options.title.empty()) out += "State equations of " + options.title + "\n\n";
    out += "States x:\n";
    for (const State& s : system.states) {
        out += "  " + s.name + "  (element " + std::to_string(s.element) + ", " +
               kind_name(s.kind) + "), initially " + expression(s.initial) + "\n";
    }
    out += "Inputs u:\n";
    for (const Input& u : system.inputs)
        out += "  " + u.name + " = " + u.value + "  (element " + std::to_string(u.element) + ")\n";
    out += "Outputs y:\n";
    for (std::size_t i = 0; i < system.outputs.size(); ++i) {
        const Output& y = system.outputs[i];
        out += "  y" + std::to_string(i + 1) + " = " + y.name + "  (element " +
               std::to_string(y.element) + ", input " + std::to_string(y.port) + ")\n";
    }
    out += "Parameters:\n";
    for (const Parameter& p : system.parameters) {
        out += "  " + p.name + " = " + p.text + "  (element " + std::to_string(p.element) + ")" +
               (p.value ? "" : ", no value") + "\n";
    }
    if (!system.bond_equations.empty()) {
        out += "\nBond variables:\n";
        for (const auto& [name, e] : system.bond_equations)
            out += "  " + name + " = " + expression(e) + "\n";
    }
    out += "\nEquations:\n";
    for (std::size_t i = 0; i < system.states.size() && i < system.derivatives.size(); ++i)
        out += "  d" + system.states[i].name + "/dt = " + expression(system.derivatives[i]) + "\n";
    for (std::size_t i = 0; i < system.outputs_eq.size(); ++i)
        out += "  y" + std::to_string(i + 1) + " = " + expression(system.outputs_eq[i]) + "\n";
    for (const GiNaC::ex& h : system.implicit) out += "  0 = " + expression(h) + "\n";

    const LinearSystem& linear = analysis.linear;
    if (linear.linear) {
        out += "\nLinear: dx/dt = A x + B u, y = C x + D u\n";
        const std::pair<const char*, const Grid<GiNaC::ex>*> matrices[] = {
            {"A", &linear.A}, {"B", &linear.B}, {"C", &linear.C}, {"D", &linear.D}};
        // With --numeric, the computed matrices where there are any.
        const NumericMatrices* values = numeric && analysis.numeric ? &*analysis.numeric : nullptr;
        const Grid<double>* numbers[] = {
            values ? &values->A : nullptr, values ? &values->B : nullptr,
            values ? &values->C : nullptr, values ? &values->D : nullptr};
        for (int k = 0; k < 4; ++k) {
            const Grid<GiNaC::ex>& grid = *matrices[k].second;
            Grid<std::string> cells(grid.rows, grid.cols);
            for (std::size_t i = 0; i < grid.rows; ++i) {
                for (std::size_t j = 0; j < grid.cols; ++j) {
                    cells.at(i, j) =
                        numbers[k] ? short_number(numbers[k]->at(i, j)) : expression(grid.at(i, j));
                }
            }
            out += matrix_lines(matrices[k].first, cells);
        }
        if (analysis.numeric) {
            out += "Poles:\n";
            for (const Pole& p : analysis.poles) out += pole_line(p);
        }
    }
    const std::vector<std::string> notes = all_notes(system, analysis);
    if (!notes.empty()) {
        out += "\nNotes:\n";
        for (const std::string& note : notes) out += "  " + note + "\n";
    }
    return out;
}

}  // namespace vantor::equations
