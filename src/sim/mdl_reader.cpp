#include "sim/mdl_reader.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

#include "sim/mdl_syntax.h"
#include "sim/read_error.h"

namespace vantor::sim {

namespace {

using namespace mdl;

// The coordinates a .mdl file takes: Simulink keeps them in 16 bits.
constexpr double kMostCoordinate = 32767;

double number(const Value& v, const std::string& key) {
    const char* begin = v.text.c_str();
    char* end = nullptr;
    const double d = std::strtod(begin, &end);
    if (v.is_vector || v.text.empty() || *end != '\0' || !std::isfinite(d))
        fail_at(v.line, key + " '" + v.text + "' is not a number");
    return d;
}

int positive_integer(const Value& v, const std::string& key) {
    const double d = number(v, key);
    if (d < 1 || d != std::floor(d) || d > 1e6)
        fail_at(v.line, key + " '" + v.text + "' is not a port number");
    return static_cast<int>(d);
}

const std::string& text(const Entry& e) {
    if (e.is_section || e.value.is_vector) fail_at(e.line, e.key + " must be a text");
    return e.value.text;
}

// The entries of a section by key, each key at most once; sections of the
// keys in `repeatable` go to `repeated` in file order.
std::map<std::string, const Entry*> unique_entries(const Entry& section,
                                                   const std::set<std::string>& repeatable,
                                                   std::vector<const Entry*>* repeated) {
    std::map<std::string, const Entry*> entries;
    for (const Entry& e : section.section) {
        if (repeatable.count(e.key) != 0) {
            if (!e.is_section) fail_at(e.line, e.key + " must be a section");
            repeated->push_back(&e);
        } else if (!entries.emplace(e.key, &e).second) {
            fail_at(e.line, e.key + " is given twice in the " + section.key + " section");
        }
    }
    return entries;
}

const Entry& required(const std::map<std::string, const Entry*>& entries, const std::string& key,
                      const Entry& section) {
    const auto it = entries.find(key);
    if (it == entries.end()) fail_at(section.line, "the " + section.key + " section has no " + key);
    return *it->second;
}

Block read_block(const Entry& section) {
    Block block;
    block.line = section.line;
    std::vector<const Entry*> none;
    const auto entries = unique_entries(section, {}, &none);
    block.type = text(required(entries, "BlockType", section));
    block.name = text(required(entries, "Name", section));
    for (const auto& [key, e] : entries) {
        if (key == "BlockType" || key == "Name") continue;
        if (e->is_section) fail_at(e->line, "a block has no " + key + " section");
        if (key == "Position") {
            if (!e->value.is_vector || e->value.numbers.size() != 4)
                fail_at(e->line, "Position must be [left, top, right, bottom]");
            for (std::size_t i = 0; i < 4; ++i) {
                const double d = number({false, e->value.numbers[i], {}, e->line}, "Position");
                if (d != std::floor(d))
                    fail_at(e->line, "Position '" + e->value.numbers[i] + "' is not a coordinate");
                if (std::fabs(d) > kMostCoordinate) {
                    throw FormatLimitError(
                        e->line, ".mdl line " + std::to_string(e->line) + ": the Position " +
                                     e->value.numbers[i] + " of block '" + block.name +
                                     "' is outside the coordinates a .mdl file takes (-32767 "
                                     "to 32767)");
                }
                block.position[i] = static_cast<int>(d);
            }
            if (block.position[2] <= block.position[0] || block.position[3] <= block.position[1])
                fail_at(e->line, "the Position of '" + block.name + "' is not a rectangle");
        } else {
            // Unknown types and parameters are kept for the checker and the
            // simulator, which report them with the block's name.
            block.params[key] = text(*e);
        }
    }
    return block;
}

Line read_line(const Entry& section) {
    std::vector<const Entry*> none;
    const auto entries = unique_entries(section, {}, &none);
    for (const auto& [key, e] : entries) {
        if (key == "Branch") fail_at(e->line, "branched lines are not in the subset");
        if (key != "SrcBlock" && key != "SrcPort" && key != "DstBlock" && key != "DstPort")
            fail_at(e->line, "unknown line parameter " + key);
    }
    Line line;
    line.src = text(required(entries, "SrcBlock", section));
    line.dst = text(required(entries, "DstBlock", section));
    line.src_port = positive_integer(required(entries, "SrcPort", section).value, "SrcPort");
    line.dst_port = positive_integer(required(entries, "DstPort", section).value, "DstPort");
    return line;
}

}  // namespace

Diagram read_mdl(std::string_view text_of_file) {
    const Entry model = parse_mdl(text_of_file);
    std::vector<const Entry*> systems;
    const auto model_entries = unique_entries(model, {"System"}, &systems);
    Diagram diagram;
    for (const auto& [key, e] : model_entries) {
        if (key == "Name")
            diagram.name = text(*e);
        else if (key == "StopTime")
            diagram.stop_time = number(e->value, "StopTime");
        else
            fail_at(e->line, "unknown model parameter " + key);
    }
    if (model_entries.count("Name") == 0) fail_at(model.line, "the Model section has no Name");
    if (systems.size() != 1) fail_at(model.line, "the model must have exactly one System section");

    const Entry& system = *systems.front();
    std::vector<const Entry*> parts;
    const auto system_entries = unique_entries(system, {"Block", "Line"}, &parts);
    for (const auto& [key, e] : system_entries) {
        if (key != "Name") fail_at(e->line, "unknown system parameter " + key);
    }
    if (text(required(system_entries, "Name", system)) != diagram.name)
        fail_at(system.line, "the System is not named after the model");

    std::set<std::string> names;
    for (const Entry* part : parts) {
        if (part->key == "Block") {
            diagram.blocks.push_back(read_block(*part));
            if (!names.insert(diagram.blocks.back().name).second)
                fail_at(part->line, "two blocks are named '" + diagram.blocks.back().name + "'");
        } else {
            diagram.lines.push_back(read_line(*part));
        }
    }
    return diagram;
}

}  // namespace vantor::sim
