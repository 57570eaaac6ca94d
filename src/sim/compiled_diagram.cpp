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

}  // namespace vantor::sim
