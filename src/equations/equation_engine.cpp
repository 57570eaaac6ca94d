#include "equations/equation_engine.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "equations/fcn_functions.h"
#include "equations/numeric_values.h"
#include "sim/simulator.h"

namespace vantor::equations {

namespace {

// A step source's input holds (t >= T): inside an integration piece it keeps
// the value of the piece's start, as the diagram's Step block does, so that
// the stage at a piece's end does not see the jump early.
bool is_step(const Input& u) {
    return u.expression.has(fcn_ge(GiNaC::wild(0), GiNaC::wild(1)));
}

// A state by the name of the diagram's Integrator that holds it ("3p",
// "5q", "7int"), so that messages and columns name the same element.
std::string state_block_name(const State& x) {
    static const char* const suffixes[] = {"q", "p", "int"};
    return std::to_string(x.element) + suffixes[static_cast<int>(x.kind)];
}

}  // namespace

EquationEngine::EquationEngine(const EquationSystem& system) {
    if (!system.implicit.empty()) {
        std::string text = "the equations keep a loop implicit, which they cannot run";
        for (const std::string& note : system.notes) {
            if (note.find("left implicit") != std::string::npos) text = note;
        }
        throw NumericError(text);
    }
    const ParameterValues values(system);
    const GiNaC::symbol source_time("t_source");
    NumericProgram::Slots slots{{system.t, 0}, {source_time, 1}};
    for (std::size_t i = 0; i < system.states.size(); ++i)
        slots[system.states[i].symbol] = static_cast<int>(i) + 2;
    GiNaC::exmap inputs;
    for (const Input& u : system.inputs) {
        GiNaC::ex e = u.expression;
        if (is_step(u)) e = e.subs(GiNaC::exmap{{system.t, source_time}});
        inputs[u.symbol] = e;
    }
    const auto unknown = [&system](const GiNaC::ex& symbol) {
        for (const Parameter& p : system.parameters) {
            if (p.symbol == symbol)
                return "the parameter " + p.name + " of element " + std::to_string(p.element) +
                       " has no value (\"" + p.text + "\")";
        }
        std::ostringstream name;
        name << symbol;
        return "the equations hold " + name.str() + ", which has no value";
    };
    const auto program = [&](const GiNaC::ex& e) {
        return NumericProgram(values.apply(e.subs(inputs)), slots, unknown);
    };
    for (const GiNaC::ex& e : system.derivatives) f_.push_back(program(e));
    for (const GiNaC::ex& e : system.outputs_eq) g_.push_back(program(e));
    for (const State& x : system.states) {
        initial_.push_back(values.number(x.initial, "the initial value of " + x.name));
        state_names_.push_back(state_block_name(x));
    }
    // The step sources' times are where a piece of the integration ends.
    for (const Input& u : system.inputs) {
        if (!is_step(u)) continue;
        for (const Parameter& p : system.parameters) {
            if (p.element == u.element && p.index == 1)
                jumps_.push_back(values.number(p.symbol, "the time of " + u.name));
        }
    }
    std::sort(jumps_.begin(), jumps_.end());
    jumps_.erase(std::unique(jumps_.begin(), jumps_.end()), jumps_.end());
    // The Scope inputs, each Scope's elements from 0, as the diagram records them.
    for (const Output& y : system.outputs) {
        signals_.push_back(
            {std::to_string(y.element) + "scope", static_cast<std::size_t>(y.port - 1), false});
    }
    states_recorded_ = system.outputs.empty();
    if (states_recorded_) {
        for (const State& x : system.states) {
            signals_.push_back({state_block_name(x), 0, true});
        }
    }
    slots_.assign(system.states.size() + 2, 0);
    row_.assign(signals_.size(), 0);
}

std::vector<double> EquationEngine::breakpoints(double start, double stop) const {
    std::vector<double> times;
    for (double t : jumps_) {
        if (t > start && t < stop) times.push_back(t);
    }
    return times;
}

void EquationEngine::load(double t, double source_time, const std::vector<double>& x) {
    slots_[0] = t;
    slots_[1] = source_time;
    std::copy(x.begin(), x.end(), slots_.begin() + 2);
}

void EquationEngine::slopes(double t, double piece_start, const std::vector<double>& x,
                            std::vector<double>& dx) {
    load(t, piece_start, x);
    for (std::size_t i = 0; i < f_.size(); ++i) dx[i] = f_[i].run(slots_.data());
}

void EquationEngine::accept(double t, const std::vector<double>& x) {
    load(t, t, x);
    if (states_recorded_) {
        std::copy(x.begin(), x.end(), row_.begin());
        return;
    }
    for (std::size_t k = 0; k < g_.size(); ++k) row_[k] = g_[k].run(slots_.data());
}

std::optional<sim::NonFiniteOutput> EquationEngine::first_non_finite_output() const {
    for (std::size_t k = 0; k < row_.size(); ++k) {
        if (!std::isfinite(row_[k])) return sim::NonFiniteOutput{k, std::isnan(row_[k])};
    }
    return std::nullopt;
}

void EquationEngine::record(double t, sim::SimulationResult& result) const {
    result.time.push_back(t);
    for (std::size_t k = 0; k < signals_.size(); ++k) {
        const sim::RecordedSignal& s = signals_[k];
        if (s.state) {
            result.states[s.block].push_back(row_[k]);
            continue;
        }
        auto& series = result.scopes[s.block];
        if (series.size() <= s.element) series.resize(s.element + 1);
        series[s.element].push_back(row_[k]);
    }
}

sim::SimulationResult simulate_equations(const EquationSystem& system, double default_stop,
                                         const sim::SimulationOptions& options) {
    EquationEngine engine(system);
    return sim::simulate(engine, options.stop_time.value_or(default_stop), options);
}

}  // namespace vantor::equations
