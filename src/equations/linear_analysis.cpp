#include "equations/linear_analysis.h"

#include <map>
#include <optional>
#include <set>
#include <stdexcept>

namespace vantor::equations {
namespace {

using GiNaC::ex;

// The symbols of x and u, each with its column: states first, then inputs.
struct Variables {
    std::vector<GiNaC::symbol> symbols;
    std::map<ex, std::size_t, GiNaC::ex_is_less> column;
    GiNaC::symbol t;
};

// The columns of the variables in `e`, in one walk: asking each of hundreds of
// states whether it occurs would walk `e` as often.
void columns_in(const ex& e, const Variables& v, std::set<std::size_t>& out) {
    if (GiNaC::is_a<GiNaC::symbol>(e)) {
        const auto found = v.column.find(e);
        if (found != v.column.end()) out.insert(found->second);
        return;
    }
    for (const ex& op : e) columns_in(op, v, out);
}

bool has_variable(const ex& e, const Variables& v) {
    std::set<std::size_t> columns;
    columns_in(e, v, columns);
    return !columns.empty();
}

// A node that differentiation would see through wrongly (a comparison
// differentiates both sides) or that is not a polynomial in what it holds.
bool opaque_in_variables(const ex& e, const Variables& v) {
    if (GiNaC::is_a<GiNaC::relational>(e) || GiNaC::is_a<GiNaC::function>(e)) {
        return has_variable(e, v);
    }
    if (GiNaC::is_a<GiNaC::power>(e)) {
        const ex exponent = e.op(1);
        if (has_variable(exponent, v)) return true;
        if (!GiNaC::is_a<GiNaC::numeric>(exponent) ||
            !GiNaC::ex_to<GiNaC::numeric>(exponent).is_integer())
            return has_variable(e.op(0), v);
    }
    for (const ex& op : e) {
        if (opaque_in_variables(op, v)) return true;
    }
    return false;
}

// The coefficients of one row, none when the row is not linear.
std::optional<std::vector<ex>> row_coefficients(const ex& f, const Variables& v, std::string& why) {
    if (f.has(v.t)) {
        why = "depend on t other than through the inputs";
        return std::nullopt;
    }
    if (opaque_in_variables(f, v)) {
        why = "hold a function, comparison or power of the states or inputs";
        return std::nullopt;
    }
    std::vector<ex> row(v.symbols.size(), 0);
    ex rest = f;
    std::set<std::size_t> columns;
    columns_in(f, v, columns);
    for (const std::size_t j : columns) {
        const GiNaC::symbol& s = v.symbols[j];
        const ex a = f.diff(s).normal();
        if (has_variable(a, v)) {
            why = "are not linear in the states and inputs";
            return std::nullopt;
        }
        row[j] = a;
        rest -= a * s;
    }
    if (!rest.normal().is_zero()) {
        why = "have a term without a state or input";
        return std::nullopt;
    }
    return row;
}

}  // namespace

LinearSystem analyse_linear(const EquationSystem& system) {
    LinearSystem out;
    Variables v;
    v.t = system.t;
    for (const State& s : system.states) v.symbols.push_back(s.symbol);
    for (const Input& u : system.inputs) v.symbols.push_back(u.symbol);
    for (std::size_t j = 0; j < v.symbols.size(); ++j) v.column[v.symbols[j]] = j;
    if (!system.implicit.empty()) {
        out.reason = "the equations keep an implicit loop";
        return out;
    }
    const std::size_t n = system.states.size(), m = system.inputs.size();
    const std::size_t p = system.outputs_eq.size();
    out.A = Grid<ex>(n, n, 0);
    out.B = Grid<ex>(n, m, 0);
    out.C = Grid<ex>(p, n, 0);
    out.D = Grid<ex>(p, m, 0);
    const auto fill = [&](const std::vector<ex>& rows, Grid<ex>& left, Grid<ex>& right,
                          const char* what) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            std::string why;
            std::optional<std::vector<ex>> row;
            try {
                row = row_coefficients(rows[i], v, why);
            } catch (const std::exception& e) {
                why = std::string("cannot be differentiated (") + e.what() + ")";
            }
            if (!row) {
                out.reason = std::string("the ") + what + " " + why;
                return false;
            }
            for (std::size_t j = 0; j < v.symbols.size(); ++j) {
                if (j < n) {
                    left.at(i, j) = (*row)[j];
                } else {
                    right.at(i, j - n) = (*row)[j];
                }
            }
        }
        return true;
    };
    out.linear = fill(system.derivatives, out.A, out.B, "derivatives") &&
                 fill(system.outputs_eq, out.C, out.D, "outputs");
    if (!out.linear) out.A = out.B = out.C = out.D = Grid<ex>();
    return out;
}

}  // namespace vantor::equations
