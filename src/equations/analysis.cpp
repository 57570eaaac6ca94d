#include "equations/analysis.h"

namespace vantor::equations {

Analysis analyse(const EquationSystem& system) {
    Analysis out;
    out.values = ParameterValues(system);
    out.linear = analyse_linear(system);
    if (!out.linear.linear) {
        out.numeric_problem = "not linear: " + out.linear.reason;
        return out;
    }
    try {
        out.numeric = numeric_matrices(system, out.linear);
        out.poles = poles(out.numeric->A);
    } catch (const NumericError& e) {
        out.numeric_problem = std::string("no numeric matrices: ") + e.what();
    }
    return out;
}

std::vector<std::string> all_notes(const EquationSystem& system, const Analysis& analysis) {
    std::vector<std::string> notes = system.notes;
    if (!analysis.numeric) notes.push_back(analysis.numeric_problem);
    return notes;
}

GiNaC::ex shown(const Analysis& analysis, const GiNaC::ex& e, bool numeric) {
    return numeric ? analysis.values.apply(e) : e;
}

const char* kind_name(StateKind kind) {
    switch (kind) {
        case StateKind::kQ:
            return "q";
        case StateKind::kP:
            return "p";
        case StateKind::kIntegrator:
            return "int";
    }
    return "q";
}

}  // namespace vantor::equations
