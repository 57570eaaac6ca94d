#include "app/equations_html.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "equations/html_printer.h"
#include "equations/numeric_values.h"

namespace vantor {

namespace eq = equations;

namespace {

std::string short_number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return eq::html_escaped(buffer);
}

// `e` with the values in when asked and possible; a value that divides by
// zero leaves it symbolic.
std::string expression(const eq::Analysis& analysis, const GiNaC::ex& e, bool numeric) {
    try {
        return eq::html_stacked(eq::shown(analysis, e, numeric));
    } catch (const eq::NumericError&) {
        return eq::html_stacked(e);
    }
}

std::string row(const std::string& left, const std::string& right) {
    return "<tr><td align=\"right\" valign=\"middle\">" + left +
           "</td><td valign=\"middle\">&nbsp;=&nbsp;</td><td valign=\"middle\">" + right +
           "</td></tr>";
}

// s to the power k: "1", "s", "s^2".
std::string power_of_s(std::size_t k) {
    if (k == 0) return "";
    return k == 1 ? "<i>s</i>" : "<i>s</i><sup>" + std::to_string(k) + "</sup>";
}

std::string output_name(std::size_t i) {
    return "<i>y</i><sub>" + std::to_string(i + 1) + "</sub>";
}

std::string matrix_table(const char* name, const eq::Grid<std::string>& cells) {
    std::string out = "<p><b>" + std::string(name) + "</b>";
    if (cells.rows == 0 || cells.cols == 0) {
        return out + " (" + std::to_string(cells.rows) + " &times; " + std::to_string(cells.cols) +
               ", empty)</p>";
    }
    out += "</p><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">";
    for (std::size_t i = 0; i < cells.rows; ++i) {
        out += "<tr>";
        for (std::size_t j = 0; j < cells.cols; ++j)
            out += "<td align=\"center\">" + cells.at(i, j) + "</td>";
        out += "</tr>";
    }
    return out + "</table>";
}

}  // namespace

std::string polynomial_html(const std::vector<double>& coefficients) {
    double largest = 0;
    for (const double c : coefficients) largest = std::max(largest, std::abs(c));
    std::string out;
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
        const double c = coefficients[i];
        // What is left of a cancelled coefficient is rounding, not a term.
        if (c == 0 || std::abs(c) <= 1e-12 * largest) continue;
        const std::size_t k = coefficients.size() - 1 - i;
        const double size = std::abs(c);
        out += out.empty() ? (c < 0 ? "&minus;" : "") : (c < 0 ? " &minus; " : " + ");
        if (size != 1 || k == 0) out += short_number(size) + (k == 0 ? "" : "&nbsp;");
        out += power_of_s(k);
    }
    return out.empty() ? "0" : out;
}

std::string transfer_row(const std::string& fraction) {
    return row("<i>G</i>(<i>s</i>)", fraction);
}

std::string equations_html(const eq::EquationSystem& system, const eq::Analysis& analysis,
                           bool numeric) {
    std::string out = "<table cellspacing=\"2\">";
    for (std::size_t i = 0; i < system.states.size() && i < system.derivatives.size(); ++i) {
        out += row("d" + eq::html_name(system.states[i].name) + "/d<i>t</i>",
                   expression(analysis, system.derivatives[i], numeric));
    }
    for (std::size_t i = 0; i < system.outputs_eq.size(); ++i)
        out += row(output_name(i), expression(analysis, system.outputs_eq[i], numeric));
    for (const GiNaC::ex& h : system.implicit) out += row("0", expression(analysis, h, numeric));
    out += "</table>";
    if (system.states.empty() && system.outputs_eq.empty() && system.implicit.empty())
        out += "<p>No states and no outputs.</p>";
    if (!system.outputs.empty()) {
        out += "<p>";
        for (std::size_t i = 0; i < system.outputs.size(); ++i) {
            out += (i ? "<br>" : "") + output_name(i) + ": " +
                   eq::html_escaped(system.outputs[i].name);
        }
        out += "</p>";
    }
    if (!system.bond_equations.empty()) {
        out += "<h4>Bond variables in causal order</h4><table cellspacing=\"2\">";
        for (const auto& [name, e] : system.bond_equations)
            out += row(eq::html_name(name), expression(analysis, e, numeric));
        out += "</table>";
    }
    return out;
}

std::string linear_html(const eq::EquationSystem& system, const eq::Analysis& analysis,
                        bool numeric) {
    const eq::LinearSystem& linear = analysis.linear;
    if (!linear.linear) {
        return "<p>The system is not linear: " + eq::html_escaped(linear.reason) + "</p>";
    }
    (void)system;
    std::string out =
        "<p>d<i>x</i>/d<i>t</i> = <i>A x</i> + <i>B u</i>, &nbsp; <i>y</i> = <i>C x</i> + <i>D "
        "u</i></p>";
    const eq::NumericMatrices* values = numeric && analysis.numeric ? &*analysis.numeric : nullptr;
    const std::pair<const char*, const eq::Grid<GiNaC::ex>*> matrices[] = {
        {"A", &linear.A}, {"B", &linear.B}, {"C", &linear.C}, {"D", &linear.D}};
    const eq::Grid<double>* numbers[] = {
        values ? &values->A : nullptr, values ? &values->B : nullptr, values ? &values->C : nullptr,
        values ? &values->D : nullptr};
    for (int k = 0; k < 4; ++k) {
        const eq::Grid<GiNaC::ex>& grid = *matrices[k].second;
        eq::Grid<std::string> cells(grid.rows, grid.cols);
        for (std::size_t i = 0; i < grid.rows; ++i) {
            for (std::size_t j = 0; j < grid.cols; ++j) {
                cells.at(i, j) = numbers[k] ? short_number(numbers[k]->at(i, j))
                                            : eq::html_expression(grid.at(i, j));
            }
        }
        out += matrix_table(matrices[k].first, cells);
    }
    if (!analysis.numeric) {
        return out + "<p>No poles: " + eq::html_escaped(analysis.numeric_problem) + "</p>";
    }
    out +=
        "<p><b>Poles</b></p><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
        "<tr><th>pole</th><th>&omega;<sub>n</sub> (rad/s)</th><th>&zeta;</th></tr>";
    for (const eq::Pole& p : analysis.poles) {
        std::string pole = short_number(p.re);
        if (p.complex())
            pole += (p.im < 0 ? " &minus; " : " + ") + short_number(std::abs(p.im)) + "<i>j</i>";
        out += "<tr><td>" + pole + "</td><td>" + short_number(p.wn) + "</td><td>" +
               short_number(p.zeta) + "</td></tr>";
    }
    return out + "</table>";
}

}  // namespace vantor
