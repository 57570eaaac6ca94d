#pragma once

#include <gtest/gtest.h>

#include <string>

#include "causality/causality_commands.h"
#include "causality/causality_fixtures.h"
#include "equations/equation_system.h"
#include "model/model_reader.h"

namespace vantor::test {

// An example model with its causality assigned as Assign & Check does.
inline ModelWindowState causal_example(const std::string& file) {
    ModelWindowState window;
    leerarchivo(window, std::string(VANTOR_EXAMPLES_DIR) + "/" + file);
    RecordingHost host;
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), host);
    return window;
}

// The symbol of a state, input or parameter by its name.
inline GiNaC::ex sym(const equations::EquationSystem& s, const std::string& name) {
    for (const auto& x : s.states) {
        if (x.name == name) return x.symbol;
    }
    for (const auto& u : s.inputs) {
        if (u.name == name) return u.symbol;
    }
    for (const auto& p : s.parameters) {
        if (p.name == name) return p.symbol;
    }
    ADD_FAILURE() << "no symbol " << name;
    return GiNaC::symbol(name);
}

inline std::string show(const GiNaC::ex& e) {
    std::ostringstream out;
    out << e;
    return out.str();
}

// Whether two expressions are the same function.
inline ::testing::AssertionResult same(const GiNaC::ex& got, const GiNaC::ex& expected) {
    if ((got - expected).normal().is_zero()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << show(got) << " is not " << show(expected);
}

// Signal blocks with their ports, for models the examples do not have.
class SignalBuilder : public ModelBuilder {
  public:
    int block(std::string_view type, const std::string& parameters = "",
              const std::string& parameter2 = "") {
        const int n = add(type);
        window.model.objs[n].parameters = parameters;
        window.model.objs[n].parameter2 = parameter2;
        window.model.objs[n].caption = std::string(type);
        return n;
    }
    // A port of `owner`: an output (signout -1) or input (0), number `k`.
    int port(int owner, int k, bool output) {
        const int n = add("con");
        ObjRecord& o = window.model.objs[n];
        o.auxil2 = static_cast<std::int16_t>(owner);
        o.auxil3 = static_cast<std::int16_t>(k);
        o.signout = output ? -1 : 0;
        o.caption = ">";
        return n;
    }
    // A signal link from output `k` of `from` to input `port` of `to`.
    void link(int from, int k, int to, int input) {
        bond(port(from, k, true), port(to, input, false), kSignalLink);
    }
};

}  // namespace vantor::test
