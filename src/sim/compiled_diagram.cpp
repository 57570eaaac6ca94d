#include "sim/compiled_diagram.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <unordered_map>

#include "sim/block_catalog.h"
#include "sim/evaluation_order.h"
#include "sim/simulation_error.h"

namespace vantor::sim {

namespace {

// The numeric parameters of each kind, in the order Unit::p holds them.
const std::map<std::string, std::vector<const char*>>& numeric_parameters() {
    static const std::map<std::string, std::vector<const char*>> names = {
        {"Integrator", {"InitialCondition"}},
        {"Gain", {"Gain"}},
        {"Constant", {"Value"}},
        {"Step", {"Time", "Before", "After"}},
        {"Sin", {"Amplitude", "Frequency", "Phase", "Bias"}},
    };
    return names;
}

}  // namespace

CompiledDiagram::CompiledDiagram(const Diagram& diagram, const TemplateOf& template_of) {
    units_.reserve(diagram.blocks.size());
    for (const Block& block : diagram.blocks) {
        units_.push_back(compile(block, template_of));
        names_.push_back(block.name);
    }
    wire(diagram);
    const std::vector<std::size_t> order = evaluation_order(diagram);
    order_.assign(order.begin(), order.end());
    place_outputs(diagram, order, template_of);
}

CompiledDiagram::Unit CompiledDiagram::compile(const Block& block, const TemplateOf& template_of) {
    auto refuse = [&](const std::string& problem) -> SimulationError {
        return SimulationError(block, template_of ? template_of(block) : "", problem);
    };
    static const std::map<std::string, Kind> kinds = {
        {"Integrator", Kind::kIntegrator},
        {"Derivative", Kind::kDerivative},
        {"Gain", Kind::kGain},
        {"Sum", Kind::kSum},
        {"Product", Kind::kProduct},
        {"Constant", Kind::kConstant},
        {"Step", Kind::kStep},
        {"Sin", Kind::kSin},
        {"Fcn", Kind::kFcn},
        {"Mux", Kind::kMux},
        {"Demux", Kind::kDemux},
        {"Scope", Kind::kScope},
        {"Terminator", Kind::kTerminator},
    };
    const auto kind = kinds.find(block.type);
    const auto* defaults = parameter_defaults(block.type);
    if (kind == kinds.end() || defaults == nullptr)
        throw refuse("the simulator does not know this block type");
    for (const auto& [name, value] : block.params) {
        if (defaults->count(name) == 0)
            throw refuse("the simulator does not know the parameter '" + name + "'");
    }

    Unit u;
    u.kind = kind->second;
    try {
        u.input_count = input_count(block);
        u.outputs = output_count(block);
        if (const auto numeric = numeric_parameters().find(block.type);
            numeric != numeric_parameters().end()) {
            for (std::size_t k = 0; k < numeric->second.size(); ++k) {
                const char* name = numeric->second[k];
                try {
                    u.p[k] = evaluate(parameter(block, name));
                } catch (const std::runtime_error& e) {
                    throw std::runtime_error(std::string("parameter ") + name + ": " + e.what());
                }
            }
        }
        if (u.kind == Kind::kFcn) {
            u.fcn = static_cast<int>(fcns_.size());
            fcns_.push_back(Expression::parse(parameter(block, "Expr"), true));
        }
    } catch (const std::runtime_error& e) {
        // The catalogue's messages name the block themselves.
        std::string problem = e.what();
        const std::string named = "block '" + block.name + "': ";
        if (problem.compare(0, named.size(), named) == 0) problem.erase(0, named.size());
        throw refuse(problem);
    }
    u.first_input = static_cast<int>(inputs_.size());
    inputs_.resize(inputs_.size() + u.input_count);
    if (u.kind == Kind::kSum || u.kind == Kind::kProduct) {
        for (char sign : input_signs(block)) signs_.push_back(sign == '-' || sign == '/' ? -1 : 1);
    } else {
        signs_.resize(signs_.size() + u.input_count, 1);
    }
    if (u.kind == Kind::kIntegrator) {
        u.state = static_cast<int>(state_units_.size());
        state_units_.push_back(static_cast<int>(units_.size()));
        state_blocks_.push_back(block.name);
    }
    if (u.kind == Kind::kScope) {
        scope_units_.push_back(static_cast<int>(units_.size()));
        scope_names_.push_back(block.name);
    }
    return u;
}

void CompiledDiagram::wire(const Diagram& diagram) {
    std::unordered_map<std::string, int> index;
    for (std::size_t i = 0; i < diagram.blocks.size(); ++i) {
        if (!index.emplace(diagram.blocks[i].name, static_cast<int>(i)).second)
            throw std::runtime_error("two blocks are named '" + diagram.blocks[i].name + "'");
    }
    auto find = [&](const std::string& name) {
        const auto it = index.find(name);
        if (it == index.end())
            throw std::runtime_error("a line names the missing block '" + name + "'");
        return it->second;
    };
    for (const Line& line : diagram.lines) {
        const int src = find(line.src);
        const Unit& dst = units_[find(line.dst)];
        if (line.dst_port < 1 || line.dst_port > dst.input_count || line.src_port < 1 ||
            line.src_port > units_[src].outputs)
            throw std::runtime_error("line " + line.src + " -> " + line.dst +
                                     " names a port that does not exist");
        inputs_[dst.first_input + line.dst_port - 1] = {src, line.src_port - 1};
    }
}

// Widths follow the evaluation order: a block's inputs are placed first.
void CompiledDiagram::place_outputs(const Diagram& diagram, const std::vector<std::size_t>& order,
                                    const TemplateOf& template_of) {
    values_.assign(1, 0.0);
    slots_.assign(inputs_.size(), 0);
    widths_.assign(inputs_.size(), 1);
    auto resolve_inputs = [&](const Unit& u) {
        for (int k = 0; k < u.input_count; ++k) {
            const Source& s = inputs_[u.first_input + k];
            if (s.block < 0) continue;  // slot 0, one element
            const Unit& from = units_[s.block];
            slots_[u.first_input + k] = from.out + s.port * from.width;
            widths_[u.first_input + k] = from.width;
        }
    };
    // An Integrator is placed before the blocks that feed it: its inputs are
    // resolved once everything has a slot.
    for (std::size_t i : order) {
        Unit& u = units_[i];
        if (u.kind != Kind::kIntegrator) resolve_inputs(u);
        u.width = 1;
        if (u.kind == Kind::kMux) {
            u.width = 0;
            for (int k = 0; k < u.input_count; ++k) u.width += widths_[u.first_input + k];
        } else if (u.kind == Kind::kDemux) {
            const int in = widths_[u.first_input];
            if (in % u.outputs != 0)
                throw std::runtime_error("demux '" + diagram.blocks[i].name + "' cannot split " +
                                         std::to_string(in) + " elements");
            u.width = in / u.outputs;
        }
        u.out = static_cast<int>(values_.size());
        values_.resize(values_.size() + static_cast<std::size_t>(u.width) * u.outputs);
    }
    for (std::size_t i = 0; i < units_.size(); ++i) {
        const Unit& u = units_[i];
        if (u.kind == Kind::kIntegrator) resolve_inputs(u);
        if (u.kind == Kind::kMux || u.kind == Kind::kDemux || u.kind == Kind::kScope ||
            u.kind == Kind::kTerminator)
            continue;
        // A Fcn reads the elements of a vector by u(i).
        if (u.kind == Kind::kFcn) {
            const Block& block = diagram.blocks[i];
            const std::size_t read = fcns_[u.fcn].inputs_read();
            const auto width = static_cast<std::size_t>(widths_[u.first_input]);
            if (read > width)
                throw SimulationError(block, template_of ? template_of(block) : "",
                                      "its expression reads u(" + std::to_string(read) +
                                          ") but its input has " + std::to_string(width) +
                                          (width == 1 ? " element" : " elements"));
            continue;
        }
        for (int k = 0; k < u.input_count; ++k) {
            if (widths_[u.first_input + k] != 1)
                throw std::runtime_error("block '" + diagram.blocks[i].name + "' gets a vector");
        }
    }
}

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
