#include "simulink/template_expander.h"

#include <cmath>
#include <optional>

#include "display/glyph_metrics.h"
#include "model/text.h"

namespace vantor {
namespace {

// Floor division, so that negative coordinates round down as well.
int floor_div(int value, int divisor) {
    return static_cast<int>(std::floor(static_cast<double>(value) / divisor));
}

// Where a port name records its block, as (effort?, column) pairs.
struct PortColumns {
    std::string_view name;
    bool effort;
    int first;
    int second;  // -1 for none
};

constexpr PortColumns kPortColumns[] = {
    {"flow_out", false, 0, 2},    {"flow_inp", false, 1, 3},    {"effort_out", true, 0, 2},
    {"effort_inp", true, 1, 3},   {"flow_out2", false, 2, -1},  {"flow_inp2", false, 3, -1},
    {"effort_out2", true, 2, -1}, {"effort_inp2", true, 3, -1},
};

const PortColumns* port_columns(std::string_view name) {
    for (const PortColumns& port : kPortColumns) {
        if (port.name == name) return &port;
    }
    return nullptr;
}

}  // namespace

TemplateExpander::TemplateExpander(const Model& model, PortTables& ports, std::string arch)
    : model_(model), ports_(ports), arch_base_(nombrecorto(arch)) {}

void TemplateExpander::expand(std::string_view codigo, int n, std::string& out) {
    for (char c : codigo) {
        if (c == '#') {
            if (inside_) placeholder(n, out);
            inside_ = !inside_;
            text_.clear();
        } else if (inside_) {
            text_ += c;
        } else {
            out += c;
        }
    }
}

std::optional<std::string> TemplateExpander::value_of(const std::string& p, int n) const {
    const ObjRecord& obj = model_.objs[n];
    if (p == "caption") return obj.caption.trimmed();
    if (p == "arch") return arch_base_;
    if (p == "parameters") return obj.parameters.trimmed();
    if (p == "parameter2") return obj.parameter2.trimmed();
    if (p == "top") return std::to_string(floor_div(obj.top, 10));
    if (p == "left") return std::to_string(floor_div(obj.left, 10));
    if (p == "center") {
        const int width = glyph_size(obj.caption.trimmed(), obj.auxil1 == 1).width;
        return std::to_string(floor_div(width / 2 + obj.left, 10));
    }
    if (p == "obj") return std::to_string(n);
    return std::nullopt;
}

void TemplateExpander::placeholder(int n, std::string& out) {
    if (const auto value = value_of(text_, n)) {
        out += *value;
        return;
    }
    if (text_ == "signal" || port_columns(text_) != nullptr) {
        port_ = text_;
        return;
    }
    // Any other word names a block of element n for the current port.
    if (port_.empty()) return;
    const std::string block = std::to_string(n) + text_;
    const auto e = static_cast<std::size_t>(n);
    if (port_ == "signal") {
        ports_.signal[e] = block;
    } else {
        const PortColumns* port = port_columns(port_);
        auto& columns = (port->effort ? ports_.effort : ports_.flow)[e];
        columns[static_cast<std::size_t>(port->first)] = block;
        if (port->second >= 0) columns[static_cast<std::size_t>(port->second)] = block;
    }
    port_.clear();
}

}  // namespace vantor
