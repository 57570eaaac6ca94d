#include <cmath>
#include <cstdio>

#include "equations/expression_printer.h"
#include "equations/formats.h"

namespace vantor::equations {
namespace {

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char code[8];
                    std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
                    out += code;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

// JSON has no NaN or infinity.
std::string json_number(double value) {
    return std::isfinite(value) ? format_number(value) : "null";
}

// A number where the expression is one, else its text.
std::string json_value(const GiNaC::ex& e) {
    if (GiNaC::is_a<GiNaC::numeric>(e) && GiNaC::ex_to<GiNaC::numeric>(e).is_real())
        return json_number(GiNaC::ex_to<GiNaC::numeric>(e).to_double());
    return json_string(print_expression(e));
}

// "[\n    item,\n    item\n  ]", or "[]".
std::string json_list(const std::vector<std::string>& items) {
    if (items.empty()) return "[]";
    std::string out = "[\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += "    " + items[i] + (i + 1 < items.size() ? ",\n" : "\n");
    }
    return out + "  ]";
}

std::string json_matrix(const Analysis& analysis, const Grid<GiNaC::ex>& grid, bool numeric) {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < grid.rows; ++i) {
        std::string row = "[";
        for (std::size_t j = 0; j < grid.cols; ++j) {
            row += (j ? ", " : "") + json_value(shown(analysis, grid.at(i, j), numeric));
        }
        rows.push_back(row + "]");
    }
    return json_list(rows);
}

}  // namespace

std::string format_json(const EquationSystem& system, const Analysis& analysis,
                        const FormatOptions& options) {
    const bool numeric = options.numeric;
    std::vector<std::string> states, inputs, outputs, parameters, derivatives, outputs_eq, notes;
    for (const State& s : system.states) {
        states.push_back(
            "{\"name\": " + json_string(s.name) + ", \"element\": " + std::to_string(s.element) +
            ", \"kind\": \"" + kind_name(s.kind) +
            "\", \"initial\": " + json_value(shown(analysis, s.initial, numeric)) + "}");
    }
    for (const Input& u : system.inputs) {
        inputs.push_back("{\"name\": " + json_string(u.name) + ", \"element\": " +
                         std::to_string(u.element) + ", \"value\": " + json_string(u.value) + "}");
    }
    for (const Output& y : system.outputs) {
        outputs.push_back("{\"name\": " + json_string(y.name) +
                          ", \"element\": " + std::to_string(y.element) +
                          ", \"port\": " + std::to_string(y.port) + "}");
    }
    for (const Parameter& p : system.parameters) {
        parameters.push_back("{\"name\": " + json_string(p.name) + ", \"element\": " +
                             std::to_string(p.element) + ", \"text\": " + json_string(p.text) +
                             ", \"value\": " + (p.value ? json_number(*p.value) : "null") + "}");
    }
    for (const GiNaC::ex& f : system.derivatives)
        derivatives.push_back(json_string(print_expression(shown(analysis, f, numeric))));
    for (const GiNaC::ex& g : system.outputs_eq)
        outputs_eq.push_back(json_string(print_expression(shown(analysis, g, numeric))));
    for (const std::string& note : all_notes(system, analysis)) notes.push_back(json_string(note));

    const LinearSystem& linear = analysis.linear;
    std::string out = "{\n";
    out += "  \"states\": " + json_list(states) + ",\n";
    out += "  \"inputs\": " + json_list(inputs) + ",\n";
    out += "  \"outputs\": " + json_list(outputs) + ",\n";
    out += "  \"parameters\": " + json_list(parameters) + ",\n";
    out += "  \"derivatives\": " + json_list(derivatives) + ",\n";
    out += "  \"outputs_eq\": " + json_list(outputs_eq) + ",\n";
    out += std::string("  \"linear\": ") + (linear.linear ? "true" : "false") + ",\n";
    const std::pair<const char*, const Grid<GiNaC::ex>*> matrices[] = {
        {"A", &linear.A}, {"B", &linear.B}, {"C", &linear.C}, {"D", &linear.D}};
    for (const auto& [name, grid] : matrices) {
        out += std::string("  \"") + name +
               "\": " + (linear.linear ? json_matrix(analysis, *grid, numeric) : "null") + ",\n";
    }
    std::string poles = "null";
    if (analysis.numeric) {
        std::vector<std::string> items;
        for (const Pole& p : analysis.poles) {
            items.push_back("{\"re\": " + json_number(p.re) + ", \"im\": " + json_number(p.im) +
                            "}");
        }
        poles = json_list(items);
    }
    out += "  \"poles\": " + poles + ",\n";
    out += "  \"notes\": " + json_list(notes) + "\n}\n";
    return out;
}

}  // namespace vantor::equations
