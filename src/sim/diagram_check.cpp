#include "sim/diagram_check.h"

#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "sim/block_catalog.h"
#include "sim/evaluation_order.h"
#include "sim/expression.h"

namespace vantor::sim {

namespace {

struct Ports {
    int inputs = 0;
    int outputs = 0;
};

// A parameter value that Simulink could not evaluate is reported with it.
void check_values(const Block& block, std::vector<Problem>& problems) {
    const auto* defaults = parameter_defaults(block.type);
    for (const auto& [name, value] : block.params) {
        if (defaults->count(name) == 0) {
            problems.push_back(
                {Severity::kError,
                 "block '" + block.name + "': " + block.type + " blocks have no parameter " + name,
                 {block.name},
                 block.line});
            continue;
        }
        try {
            if (block.type == "Fcn")
                Expression::parse(value, true);
            else if (name == "Inputs" || name == "Outputs")
                continue;  // read as port counts
            else
                evaluate(value);
        } catch (const std::runtime_error& e) {
            problems.push_back({Severity::kError,
                                "block '" + block.name + "' parameter " + name + ": " + e.what(),
                                {block.name},
                                block.line});
        }
    }
}

std::string line_text(const Line& line) {
    return "line " + line.src + "/" + std::to_string(line.src_port) + " -> " + line.dst + "/" +
           std::to_string(line.dst_port);
}

// An algebraic loop, once every line leads between existing blocks.
void check_loops(const Diagram& diagram, std::vector<Problem>& problems) {
    try {
        evaluation_order(diagram);
    } catch (const AlgebraicLoop& loop) {
        problems.push_back({Severity::kError, loop.what(), loop.blocks()});
    }
}

}  // namespace

std::vector<Problem> check_diagram(const Diagram& diagram) {
    std::vector<Problem> problems;
    auto error = [&](std::string message, std::vector<std::string> blocks) {
        problems.push_back({Severity::kError, std::move(message), std::move(blocks)});
    };
    // Nothing when the counts are unreadable.
    std::unordered_map<std::string, std::optional<Ports>> ports;
    for (const Block& block : diagram.blocks) {
        if (ports.count(block.name) != 0) {
            error("block '" + block.name + "' is defined twice", {block.name});
            continue;
        }
        if (parameter_defaults(block.type) == nullptr) {
            error("block '" + block.name + "' has the unknown type '" + block.type + "'",
                  {block.name});
            ports[block.name] = std::nullopt;
            continue;
        }
        check_values(block, problems);
        try {
            ports[block.name] = Ports{input_count(block), output_count(block)};
        } catch (const std::runtime_error& e) {
            error(e.what(), {block.name});
            ports[block.name] = std::nullopt;
        }
    }

    // "block/port" of an input -> the lines into it.
    std::unordered_map<std::string, int> feeds;
    auto input_key = [](const std::string& block, int port) {
        return block + "/" + std::to_string(port);
    };
    std::unordered_set<std::string> connected;
    bool lines_lead_to_blocks = true;
    for (const Line& line : diagram.lines) {
        const auto src = ports.find(line.src);
        const auto dst = ports.find(line.dst);
        if (src == ports.end())
            error(line_text(line) + ": no block '" + line.src + "'", {line.dst});
        if (dst == ports.end())
            error(line_text(line) + ": no block '" + line.dst + "'", {line.src});
        lines_lead_to_blocks = lines_lead_to_blocks && src != ports.end() && dst != ports.end();
        if (src != ports.end() && src->second &&
            (line.src_port < 1 || line.src_port > src->second->outputs))
            error(line_text(line) + ": '" + line.src + "' has " +
                      std::to_string(src->second->outputs) + " output(s)",
                  {line.src});
        if (dst != ports.end() && dst->second &&
            (line.dst_port < 1 || line.dst_port > dst->second->inputs))
            error(line_text(line) + ": '" + line.dst + "' has " +
                      std::to_string(dst->second->inputs) + " input(s)",
                  {line.dst});
        ++feeds[input_key(line.dst, line.dst_port)];
        connected.insert(line.src);
        connected.insert(line.dst);
    }
    // In the order of the lines, each input once.
    std::unordered_set<std::string> reported;
    for (const Line& line : diagram.lines) {
        const std::string key = input_key(line.dst, line.dst_port);
        const int count = feeds[key];
        if (count > 1 && reported.insert(key).second)
            error("input " + std::to_string(line.dst_port) + " of '" + line.dst + "' is fed by " +
                      std::to_string(count) + " lines",
                  {line.dst});
    }
    for (const Block& block : diagram.blocks) {
        const auto& counts = ports[block.name];
        if (!counts || connected.count(block.name) == 0) continue;
        for (int k = 1; k <= counts->inputs; ++k) {
            if (feeds.count(input_key(block.name, k)) == 0)
                problems.push_back(
                    {Severity::kWarning,
                     "input " + std::to_string(k) + " of '" + block.name + "' is not fed",
                     {block.name}});
        }
    }
    if (lines_lead_to_blocks) check_loops(diagram, problems);
    return problems;
}

}  // namespace vantor::sim
