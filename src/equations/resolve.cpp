// The unknowns in causal order, with the algebraic loops among them.
#include <algorithm>
#include <functional>
#include <set>

#include "equations/reduction.h"

namespace vantor::equations {

namespace {

using Graph = std::vector<std::vector<int>>;

// Strongly connected components, each after those it depends on (Tarjan).
std::vector<std::vector<int>> components(const Graph& depends) {
    const int n = static_cast<int>(depends.size());
    std::vector<int> index(n, -1), low(n, 0), stack;
    std::vector<bool> on_stack(n, false);
    std::vector<std::vector<int>> out;
    int next = 0;
    std::function<void(int)> visit = [&](int v) {
        index[v] = low[v] = next++;
        stack.push_back(v);
        on_stack[v] = true;
        for (int w : depends[v]) {
            if (index[w] < 0) {
                visit(w);
                low[v] = std::min(low[v], low[w]);
            } else if (on_stack[w]) {
                low[v] = std::min(low[v], index[w]);
            }
        }
        if (low[v] != index[v]) return;
        std::vector<int> component;
        int w = -1;
        do {
            w = stack.back();
            stack.pop_back();
            on_stack[w] = false;
            component.push_back(w);
        } while (w != v);
        std::sort(component.begin(), component.end());
        out.push_back(component);
    };
    for (int v = 0; v < n; ++v) {
        if (index[v] < 0) visit(v);
    }
    return out;
}

std::string elements_of(const Derivation& d, const std::vector<int>& component) {
    std::set<int> elements;
    for (int u : component) elements.insert(d.unknowns[static_cast<std::size_t>(u)].element);
    std::string text;
    for (int n : elements) text += (text.empty() ? "" : ", ") + d.label(n);
    return text;
}

}  // namespace

bool linear_in(const GiNaC::lst& eqs, const GiNaC::lst& vars) {
    for (const GiNaC::ex& eq : eqs) {
        const GiNaC::ex e = (eq.lhs() - eq.rhs()).expand();
        if (!e.is_polynomial(vars)) return false;
        for (const GiNaC::ex& v : vars) {
            if (e.degree(v) > 1) return false;
            const GiNaC::ex c = e.coeff(v, 1);
            for (const GiNaC::ex& w : vars) {
                if (c.has(w)) return false;
            }
        }
    }
    return true;
}

GiNaC::exmap resolve_unknowns(Derivation& d) {
    std::map<GiNaC::ex, int, GiNaC::ex_is_less> index;
    for (std::size_t k = 0; k < d.unknowns.size(); ++k)
        index[d.unknowns[k].symbol] = static_cast<int>(k);
    Graph depends(d.unknowns.size());
    std::vector<bool> self(d.unknowns.size(), false);
    for (std::size_t k = 0; k < d.unknowns.size(); ++k) {
        for (auto it = d.unknowns[k].rhs.preorder_begin(); it != d.unknowns[k].rhs.preorder_end();
             ++it) {
            if (!GiNaC::is_a<GiNaC::symbol>(*it)) continue;
            const auto found = index.find(*it);
            if (found == index.end()) continue;
            depends[k].push_back(found->second);
            if (found->second == static_cast<int>(k)) self[k] = true;
        }
        // GiNaC orders an expression's terms by hashes that differ from run to
        // run; the causal order must not.
        std::sort(depends[k].begin(), depends[k].end());
        depends[k].erase(std::unique(depends[k].begin(), depends[k].end()), depends[k].end());
    }
    GiNaC::exmap values;
    for (const std::vector<int>& component : components(depends)) {
        for (int u : component) {
            const Unknown& unknown = d.unknowns[static_cast<std::size_t>(u)];
            d.system.bond_equations.emplace_back(unknown.name, unknown.rhs);
        }
        if (component.size() == 1 && !self[static_cast<std::size_t>(component[0])]) {
            const Unknown& unknown = d.unknowns[static_cast<std::size_t>(component[0])];
            values[unknown.symbol] = unknown.rhs.subs(values, GiNaC::subs_options::no_pattern);
            continue;
        }
        GiNaC::lst eqs, vars;
        for (int u : component) {
            const Unknown& unknown = d.unknowns[static_cast<std::size_t>(u)];
            eqs.append(unknown.symbol == unknown.rhs.subs(values, GiNaC::subs_options::no_pattern));
            vars.append(unknown.symbol);
        }
        GiNaC::ex solution;
        if (linear_in(eqs, vars)) {
            try {
                solution = GiNaC::lsolve(eqs, vars);
            } catch (const std::exception&) {
                solution = GiNaC::lst{};
            }
        }
        const std::string elements = elements_of(d, component);
        if (solution.nops() == vars.nops()) {
            for (const GiNaC::ex& rel : solution) values[rel.lhs()] = rel.rhs();
            d.system.notes.push_back("Algebraic loop through elements " + elements +
                                     ": solved exactly");
            continue;
        }
        for (const GiNaC::ex& eq : eqs) d.system.implicit.push_back(eq.lhs() - eq.rhs());
        d.system.notes.push_back("Algebraic loop through elements " + elements +
                                 " is not linear in its unknowns: left implicit");
    }
    return values;
}

}  // namespace vantor::equations
