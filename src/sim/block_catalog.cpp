#include "sim/block_catalog.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace vantor::sim {

namespace {

using Defaults = std::map<std::string, std::string>;

const std::map<std::string, Defaults>& catalog() {
    static const std::map<std::string, Defaults> types = {
        {"Integrator", {{"InitialCondition", "0"}}},
        {"Derivative", {}},
        {"Gain", {{"Gain", "1"}}},
        {"Sum", {{"Inputs", "++"}}},
        {"Constant", {{"Value", "1"}}},
        {"Step", {{"Time", "1"}, {"Before", "0"}, {"After", "1"}}},
        {"Sin", {{"Amplitude", "1"}, {"Frequency", "1"}, {"Phase", "0"}, {"Bias", "0"}}},
        {"Product", {{"Inputs", "2"}}},
        {"Fcn", {{"Expr", "sin(u(1)*exp(2.3*(-u(1))))"}}},
        {"Mux", {{"Inputs", "2"}}},
        {"Demux", {{"Outputs", "2"}}},
        {"Scope", {}},
        {"Terminator", {}},
    };
    return types;
}

bool all_digits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int count_parameter(const Block& block, const std::string& name) {
    const std::string text = trimmed(parameter(block, name));
    if (!all_digits(text) || text.size() > 4 || std::stoi(text) < 1)
        throw std::runtime_error("block '" + block.name + "': " + name + " '" + text +
                                 "' is not a port count");
    return std::stoi(text);
}

}  // namespace

const Defaults* parameter_defaults(const std::string& type) {
    const auto it = catalog().find(type);
    return it == catalog().end() ? nullptr : &it->second;
}

std::string parameter(const Block& block, const std::string& name) {
    if (const auto it = block.params.find(name); it != block.params.end()) return it->second;
    const Defaults* defaults = parameter_defaults(block.type);
    if (defaults == nullptr) throw std::runtime_error("unknown block type '" + block.type + "'");
    const auto it = defaults->find(name);
    if (it == defaults->end())
        throw std::runtime_error(block.type + " blocks have no parameter " + name);
    return it->second;
}

std::string input_signs(const Block& block) {
    const bool sum = block.type == "Sum";
    const std::string text = trimmed(parameter(block, "Inputs"));
    if (all_digits(text)) return std::string(count_parameter(block, "Inputs"), sum ? '+' : '*');
    std::string signs;
    for (char c : text) {
        if (c == '|') continue;  // a spacer of the block's icon, not a port
        if (sum ? c != '+' && c != '-' : c != '*' && c != '/')
            throw std::runtime_error("block '" + block.name + "': Inputs '" + text +
                                     "' is not a sign list");
        signs += c;
    }
    if (signs.empty())
        throw std::runtime_error("block '" + block.name + "': Inputs '" + text + "' has no sign");
    return signs;
}

int input_count(const Block& block) {
    const std::string& t = block.type;
    if (t == "Sum" || t == "Product") return static_cast<int>(input_signs(block).size());
    if (t == "Mux") return count_parameter(block, "Inputs");
    if (t == "Constant" || t == "Step" || t == "Sin") return 0;
    if (parameter_defaults(t) == nullptr)
        throw std::runtime_error("unknown block type '" + t + "'");
    return 1;
}

int output_count(const Block& block) {
    const std::string& t = block.type;
    if (t == "Demux") return count_parameter(block, "Outputs");
    if (t == "Scope" || t == "Terminator") return 0;
    if (parameter_defaults(t) == nullptr)
        throw std::runtime_error("unknown block type '" + t + "'");
    return 1;
}

}  // namespace vantor::sim
