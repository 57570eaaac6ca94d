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

// Text for LaTeX's text mode: its special characters as commands.
std::string latex_text(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\textbackslash{}";
                break;
            case '{':
            case '}':
            case '$':
            case '&':
            case '#':
            case '%':
            case '_':
                out += '\\';
                out += c;
                break;
            case '~':
                out += "\\textasciitilde{}";
                break;
            case '^':
                out += "\\textasciicircum{}";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

std::string matrix_line(const char* name, const Grid<std::string>& cells) {
    std::string out = std::string(name) + " &= ";
    if (cells.rows == 0 || cells.cols == 0) {
        return out + "0_{" + std::to_string(cells.rows) + " \\times " + std::to_string(cells.cols) +
               "}";
    }
    out += "\\begin{pmatrix}\n";
    for (std::size_t i = 0; i < cells.rows; ++i) {
        out += "  ";
        for (std::size_t j = 0; j < cells.cols; ++j) out += (j ? " & " : "") + cells.at(i, j);
        out += i + 1 < cells.rows ? " \\\\\n" : "\n";
    }
    return out + "\\end{pmatrix}";
}

}  // namespace

std::string format_latex(const EquationSystem& system, const Analysis& analysis,
                         const FormatOptions& options) {
    const bool numeric = options.numeric;
    const auto math = [&](const GiNaC::ex& e) { return print_latex(shown(analysis, e, numeric)); };
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < system.states.size() && i < system.derivatives.size(); ++i) {
        lines.push_back("\\frac{d" + latex_name(system.states[i].name) +
                        "}{dt} &= " + math(system.derivatives[i]));
    }
    for (std::size_t i = 0; i < system.outputs_eq.size(); ++i)
        lines.push_back("y_{" + std::to_string(i + 1) + "} &= " + math(system.outputs_eq[i]));
    for (const GiNaC::ex& h : system.implicit) lines.push_back("0 &= " + math(h));

    std::size_t columns = 10;
    const LinearSystem& linear = analysis.linear;
    if (linear.linear) {
        const std::pair<const char*, const Grid<GiNaC::ex>*> matrices[] = {
            {"A", &linear.A}, {"B", &linear.B}, {"C", &linear.C}, {"D", &linear.D}};
        for (const auto& [name, grid] : matrices) {
            Grid<std::string> cells(grid->rows, grid->cols);
            for (std::size_t k = 0; k < grid->cells.size(); ++k)
                cells.cells[k] = math(grid->cells[k]);
            columns = std::max(columns, grid->cols);
            lines.push_back(matrix_line(name, cells));
        }
    }

    std::string out =
        "\\documentclass{article}\n"
        "\\usepackage{amsmath}\n"
        "\\allowdisplaybreaks\n"
        "\\setcounter{MaxMatrixCols}{" +
        std::to_string(columns) +
        "}\n"
        "\\begin{document}\n";
    if (!options.title.empty())
        out += "\\section*{State equations of " + latex_text(options.title) + "}\n";
    out += "\\begin{align*}\n";
    if (lines.empty()) lines.push_back("&\\text{(no equations)}");
    for (std::size_t i = 0; i < lines.size(); ++i)
        out += lines[i] + (i + 1 < lines.size() ? " \\\\\n" : "\n");
    out += "\\end{align*}\n";
    const auto item = [](const std::string& math_name, const std::string& what) {
        return "\\item $" + math_name + "$: " + latex_text(what) + "\n";
    };
    std::string names;
    for (const State& s : system.states)
        names += item(latex_name(s.name), "state of element " + std::to_string(s.element));
    for (const Input& u : system.inputs)
        names += item(latex_name(u.name),
                      "input of element " + std::to_string(u.element) + ": " + u.value);
    for (std::size_t i = 0; i < system.outputs.size(); ++i)
        names += item("y_{" + std::to_string(i + 1) + "}", system.outputs[i].name);
    for (const Parameter& p : system.parameters) {
        names += item(latex_name(p.name),
                      "parameter of element " + std::to_string(p.element) + ": " + p.text);
    }
    if (!names.empty()) out += "\\begin{itemize}\n" + names + "\\end{itemize}\n";
    if (analysis.numeric && !analysis.poles.empty()) {
        out += "Poles:\n\\begin{itemize}\n";
        for (const Pole& p : analysis.poles) {
            std::string value = short_number(p.re);
            if (p.complex())
                value += (p.im < 0 ? " - " : " + ") + short_number(std::abs(p.im)) + "i";
            out += "\\item $" + value + "$";
            if (p.complex()) {
                out += ", $\\omega_n = " + short_number(p.wn) +
                       "$ rad/s, $\\zeta = " + short_number(p.zeta) + "$";
            }
            out += "\n";
        }
        out += "\\end{itemize}\n";
    }
    for (const std::string& note : all_notes(system, analysis))
        out += "\n" + latex_text(note) + "\n";
    return out + "\\end{document}\n";
}

}  // namespace vantor::equations
