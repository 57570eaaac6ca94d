#pragma once

// What the State Equations window shows of a model's equations, as text,
// numbers and names only: made where GiNaC runs, read where it must not.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "equations/bode.h"
#include "equations/numeric_values.h"
#include "equations/poles.h"

namespace vantor {

class EquationsView;
struct Model;

// A row of the variables table: a state, an input, an output or a parameter.
struct EquationsRow {
    std::string kind;  // "state" "input" "output" "parameter"
    std::string name;
    int element = 0;
    std::string value;
};

struct EquationsSnapshot {
    bool has_equations = false;
    bool stale = false;   // the equations are not the model's as it stands
    std::string problem;  // why
    int bond_without_causality = 0;
    std::vector<std::string> notes;
    std::string equations_html[2];  // [numeric]
    std::string linear_html[2];
    std::vector<EquationsRow> rows;
    std::vector<std::string> inputs;   // names, in the system's order
    std::vector<std::string> outputs;  // "9scope/1 (scope)"
    std::size_t states = 0;
    bool linear = false;
    std::string numeric_problem;  // why there are no numbers, for a linear system
    std::vector<equations::Pole> poles;
    std::optional<equations::NumericMatrices> numeric;
    // The symbolic transfer function of output o from input i as HTML, at
    // o * inputs.size() + i; none for a large system.
    std::vector<std::string> symbolic_transfer;
    // "C (5)" by element number, as the model had them when derived.
    std::vector<std::string> element_names;
};

// Reads `view`'s GiNaC objects: hold equations::ginac_lock() where another
// thread may use GiNaC.
EquationsSnapshot snapshot_of(const EquationsView& view, const Model& model);

// The Bode plot of input `input` to output `output` over the whole decades
// around the range the poles give; none without numbers or for a pair that does not exist.
std::optional<std::vector<equations::BodePoint>> bode_of(const EquationsSnapshot& snapshot,
                                                         std::size_t input, std::size_t output);

// G(s) of the pair as stacked fractions: symbolic where small enough, then
// with the numbers; empty for a pair that does not exist.
std::string transfer_html(const EquationsSnapshot& snapshot, std::size_t input, std::size_t output);

}  // namespace vantor
