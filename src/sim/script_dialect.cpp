#include "sim/script_dialect.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <stdexcept>

#include "sim/block_catalog.h"

namespace vantor::sim {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// 1.x names that differ from today's, lower case -> today's.
const std::map<std::string, std::string>& legacy_types() {
    static const std::map<std::string, std::string> names = {
        {"step fcn", "Step"},
        {"sine wave", "Sin"},
    };
    return names;
}
const std::map<std::string, std::string>& legacy_parameters() {
    static const std::map<std::string, std::string> names = {
        {"initial", "InitialCondition"},
    };
    return names;
}
const std::map<std::string, std::string>& legacy_model_parameters() {
    static const std::map<std::string, std::string> names = {
        {"stop time", "StopTime"},
    };
    return names;
}

}  // namespace

std::string block_type(ScriptDialect dialect, const std::string& written) {
    if (dialect == ScriptDialect::kSimulink1) {
        if (const auto it = legacy_types().find(lower(written)); it != legacy_types().end())
            return it->second;
        for (const auto& [old_name, today] : legacy_types()) {
            if (written == today)
                throw std::runtime_error("unknown block type 'built-in/" + written + "'");
        }
    } else if (legacy_types().count(lower(written)) != 0) {
        throw std::runtime_error("unknown block type 'built-in/" + written + "'");
    }
    // A type no Simulink generation knows is kept as written: the checker and
    // the simulator report it with its block, which a reader cannot name.
    return written;
}

std::string block_parameter(ScriptDialect dialect, const std::string& type,
                            const std::string& written) {
    std::string name = lower(written);
    if (name == "position") return "Position";
    for (const auto& [old_name, today] : legacy_parameters()) {
        const bool other_dialects =
            dialect == ScriptDialect::kSimulink1 ? name == lower(today) : name == old_name;
        if (other_dialects)
            throw std::runtime_error("unknown parameter '" + written + "' of a " + type + " block");
    }
    if (dialect == ScriptDialect::kSimulink1) {
        if (const auto it = legacy_parameters().find(name); it != legacy_parameters().end())
            name = lower(it->second);
    }
    if (const auto* defaults = parameter_defaults(type)) {
        for (const auto& [known, value] : *defaults) {
            if (lower(known) == name) return known;
        }
    }
    return written;  // unknown everywhere: reported with its block, as an unknown type is
}

std::string model_parameter(ScriptDialect dialect, const std::string& written) {
    const std::string name = lower(written);
    if (dialect == ScriptDialect::kSimulink1) {
        const auto it = legacy_model_parameters().find(name);
        if (it != legacy_model_parameters().end()) return it->second;
    } else if (name == "stoptime") {
        return "StopTime";
    }
    throw std::runtime_error("unknown model parameter '" + written + "'");
}

}  // namespace vantor::sim
