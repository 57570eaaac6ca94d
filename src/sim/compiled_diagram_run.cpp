#include "sim/compiled_diagram.h"

// The compiled diagram at run time: outputs, slopes and what a run records.

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <unordered_map>

#include "sim/block_catalog.h"
#include "sim/evaluation_order.h"
#include "sim/simulation_error.h"

namespace vantor::sim {

std::vector<double> CompiledDiagram::initial_states() const {
    std::vector<double> x(state_units_.size());
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = units_[state_units_[i]].p[0];
    return x;
}

std::vector<double> CompiledDiagram::breakpoints(double start, double stop) const {
    std::vector<double> times;
    for (const Unit& u : units_) {
        if (u.kind == Kind::kStep && u.p[0] > start && u.p[0] < stop) times.push_back(u.p[0]);
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return times;
}

void CompiledDiagram::compute_outputs(double t, double source_time, const std::vector<double>& x) {
    double* v = values_.data();
    for (int i : order_) {
        Unit& u = units_[i];
        double* out = v + u.out;
        switch (u.kind) {
            case Kind::kIntegrator:
                *out = x[u.state];
                break;
            case Kind::kDerivative:
                *out =
                    t > u.last_time ? (in(u, 0) - u.last_input) / (t - u.last_time) : u.last_output;
                break;
            case Kind::kGain:
                *out = u.p[0] * in(u, 0);
                break;
            case Kind::kSum: {
                double sum = 0;
                for (int k = 0; k < u.input_count; ++k) sum += signs_[u.first_input + k] * in(u, k);
                *out = sum;
                break;
            }
            case Kind::kProduct: {
                double product = 1;
                for (int k = 0; k < u.input_count; ++k) {
                    const double value = in(u, k);
                    product = signs_[u.first_input + k] < 0 ? product / value : product * value;
                }
                *out = product;
                break;
            }
            case Kind::kConstant:
                *out = u.p[0];
                break;
            case Kind::kStep:
                *out = source_time < u.p[0] ? u.p[1] : u.p[2];
                break;
            case Kind::kSin:
                *out = u.p[0] * std::sin(u.p[1] * t + u.p[2]) + u.p[3];
                break;
            case Kind::kFcn:
                *out = fcns_[u.fcn](
                    {v + slots_[u.first_input], static_cast<std::size_t>(widths_[u.first_input])});
                break;
            case Kind::kMux:
                for (int k = 0; k < u.input_count; ++k) {
                    const double* from = v + slots_[u.first_input + k];
                    out = std::copy(from, from + widths_[u.first_input + k], out);
                }
                break;
            case Kind::kDemux: {
                const double* from = v + slots_[u.first_input];
                std::copy(from, from + u.width * u.outputs, out);
                break;
            }
            case Kind::kScope:
            case Kind::kTerminator:
                break;
        }
    }
}

void CompiledDiagram::slopes(double t, double piece_start, const std::vector<double>& x,
                             std::vector<double>& dx) {
    compute_outputs(t, piece_start, x);
    for (std::size_t i = 0; i < state_units_.size(); ++i) dx[i] = in(units_[state_units_[i]], 0);
}

void CompiledDiagram::accept(double t, const std::vector<double>& x) {
    compute_outputs(t, t, x);
    for (Unit& u : units_) {
        if (u.kind != Kind::kDerivative) continue;
        u.last_time = t;
        u.last_input = in(u, 0);
        u.last_output = values_[u.out];
    }
}

std::optional<NonFiniteOutput> CompiledDiagram::first_non_finite_output() const {
    for (int i : order_) {
        const Unit& u = units_[i];
        const auto first = values_.begin() + u.out;
        const auto last = first + static_cast<std::ptrdiff_t>(u.width) * u.outputs;
        const auto bad = std::find_if(first, last, [](double v) { return !std::isfinite(v); });
        if (bad != last) return NonFiniteOutput{static_cast<std::size_t>(i), std::isnan(*bad)};
    }
    return std::nullopt;
}

std::vector<RecordedSignal> CompiledDiagram::recorded_signals() const {
    std::vector<RecordedSignal> signals;
    for (std::size_t s = 0; s < scope_units_.size(); ++s) {
        const int width = widths_[units_[scope_units_[s]].first_input];
        for (int e = 0; e < width; ++e)
            signals.push_back({scope_names_[s], static_cast<std::size_t>(e), false});
    }
    // With no Scope to show, the states are what there is to see.
    if (!scope_units_.empty()) return signals;
    for (const std::string& block : state_blocks_) signals.push_back({block, 0, true});
    return signals;
}

void CompiledDiagram::record_row(std::vector<double>& row) const {
    row.clear();
    for (int s : scope_units_) {
        const Unit& u = units_[s];
        const double* from = values_.data() + slots_[u.first_input];
        row.insert(row.end(), from, from + widths_[u.first_input]);
    }
    if (!scope_units_.empty()) return;
    for (int s : state_units_) row.push_back(values_[units_[s].out]);
}

void CompiledDiagram::record(double t, SimulationResult& result) const {
    result.time.push_back(t);
    for (std::size_t s = 0; s < scope_units_.size(); ++s) {
        const Unit& u = units_[scope_units_[s]];
        auto& series = result.scopes[scope_names_[s]];
        const int width = widths_[u.first_input];
        series.resize(width);
        for (int e = 0; e < width; ++e) series[e].push_back(values_[slots_[u.first_input] + e]);
    }
    if (!scope_units_.empty()) return;
    for (std::size_t i = 0; i < state_units_.size(); ++i) {
        result.states[state_blocks_[i]].push_back(values_[units_[state_units_[i]].out]);
    }
}

}  // namespace vantor::sim
