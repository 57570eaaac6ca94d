#include "simulink/sim/diagram_check.h"

#include <map>
#include <optional>
#include <set>
#include <stdexcept>

#include "simulink/sim/block_catalog.h"
#include "simulink/sim/expression.h"

namespace vantor::sim {

namespace {

struct Ports {
    int inputs = 0;
    int outputs = 0;
};

// A parameter value that Simulink could not evaluate is reported with it.
void check_values(const Block& block, std::vector<std::string>& problems) {
    const auto* defaults = parameter_defaults(block.type);
    for (const auto& [name, value] : block.params) {
        if (defaults->count(name) == 0) {
            problems.push_back("block '" + block.name + "': " + block.type +
                               " blocks have no parameter " + name);
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
            problems.push_back("block '" + block.name + "' parameter " + name + ": " + e.what());
        }
    }
}

std::string line_text(const Line& line) {
    return "line " + line.src + "/" + std::to_string(line.src_port) + " -> " + line.dst + "/" +
           std::to_string(line.dst_port);
}

}  // namespace

std::vector<std::string> check_diagram(const Diagram& diagram) {
    std::vector<std::string> problems;
    std::map<std::string, std::optional<Ports>> ports;  // nothing when the counts are unreadable
    for (const Block& block : diagram.blocks) {
        if (ports.count(block.name) != 0) {
            problems.push_back("block '" + block.name + "' is defined twice");
            continue;
        }
        if (parameter_defaults(block.type) == nullptr) {
            problems.push_back("block '" + block.name + "' has the unknown type '" + block.type +
                               "'");
            ports[block.name] = std::nullopt;
            continue;
        }
        check_values(block, problems);
        try {
            ports[block.name] = Ports{input_count(block), output_count(block)};
        } catch (const std::runtime_error& e) {
            problems.push_back(e.what());
            ports[block.name] = std::nullopt;
        }
    }

    std::map<std::pair<std::string, int>, int> feeds;
    std::set<std::string> connected;
    for (const Line& line : diagram.lines) {
        const auto src = ports.find(line.src);
        const auto dst = ports.find(line.dst);
        if (src == ports.end())
            problems.push_back(line_text(line) + ": no block '" + line.src + "'");
        if (dst == ports.end())
            problems.push_back(line_text(line) + ": no block '" + line.dst + "'");
        if (src != ports.end() && src->second &&
            (line.src_port < 1 || line.src_port > src->second->outputs))
            problems.push_back(line_text(line) + ": '" + line.src + "' has " +
                               std::to_string(src->second->outputs) + " output(s)");
        if (dst != ports.end() && dst->second &&
            (line.dst_port < 1 || line.dst_port > dst->second->inputs))
            problems.push_back(line_text(line) + ": '" + line.dst + "' has " +
                               std::to_string(dst->second->inputs) + " input(s)");
        ++feeds[{line.dst, line.dst_port}];
        connected.insert(line.src);
        connected.insert(line.dst);
    }
    for (const auto& [input, count] : feeds) {
        if (count > 1)
            problems.push_back("input " + std::to_string(input.second) + " of '" + input.first +
                               "' is fed by " + std::to_string(count) + " lines");
    }
    for (const Block& block : diagram.blocks) {
        const auto& counts = ports[block.name];
        if (!counts || connected.count(block.name) == 0) continue;
        for (int k = 1; k <= counts->inputs; ++k) {
            if (feeds.count({block.name, k}) == 0)
                problems.push_back("input " + std::to_string(k) + " of '" + block.name +
                                   "' is not fed");
        }
    }
    return problems;
}

}  // namespace vantor::sim
