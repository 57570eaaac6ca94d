#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "equations/analysis.h"
#include "equations/equation_system.h"
#include "equations/formats.h"
#include "model/model.h"

namespace vantor {

// What the state-equations window shows of a model: the equations of its
// last causal state, analysed, and why they may no longer be the model's.
// Used by one thread at a time, under equations::ginac_lock() where threads meet.
class EquationsView {
  public:
    // Derives again when the model's records changed since the last call.
    // A model with a bond without causality keeps the last equations, now
    // stale. True when anything shown changed.
    bool follow(const Model& model);

    bool has_equations() const { return result_ != nullptr; }
    const equations::EquationSystem& system() const { return result_->system; }
    const equations::Analysis& analysis() const { return result_->analysis; }

    // Whether the equations shown are not the model's as it stands.
    bool stale() const { return !problem_.empty(); }
    // Why: the bond without causality, or what stopped the derivation.
    const std::string& problem() const { return problem_; }
    // The first bond without causality, 0 when every bond has it.
    int bond_without_causality() const { return bond_; }

    // The system's notes and why there are no matrices or numbers.
    std::vector<std::string> notes() const;

    // One of the file formats; throws equations::NumericError where a
    // format needs numbers the model does not give.
    std::string format(equations::Format format, bool numeric, const std::string& title) const;

  private:
    struct Result {
        equations::EquationSystem system;
        equations::Analysis analysis;
    };
    std::unique_ptr<Result> result_;
    std::optional<Model> followed_;
    std::string problem_;
    int bond_ = 0;
};

}  // namespace vantor
