#include "app/equations_view.h"

namespace vantor {

namespace {

int first_bond_without_causality(const Model& model) {
    for (int j = 1; j <= model.nlin; ++j) {
        if (model.lines[static_cast<std::size_t>(j)].causa == 0) return j;
    }
    return 0;
}

}  // namespace

bool EquationsView::follow(const Model& model) {
    if (followed_ && same_file_records(*followed_, model)) return false;
    followed_ = model;
    bond_ = first_bond_without_causality(model);
    if (bond_ != 0) {
        problem_ = "Bond " + std::to_string(bond_) +
                   " has no causality: the equations shown are those of the model before.";
        return true;
    }
    try {
        auto result = std::make_unique<Result>();
        result->system = equations::derive_equations(model);
        result->analysis = equations::analyse(result->system);
        result_ = std::move(result);
        problem_.clear();
    } catch (const std::runtime_error& e) {
        // An element whose law is unknown, or a causality its law cannot take.
        problem_ = e.what();
    }
    return true;
}

std::vector<std::string> EquationsView::notes() const {
    if (result_ == nullptr) return {};
    return equations::all_notes(result_->system, result_->analysis);
}

std::string EquationsView::format(equations::Format format, bool numeric,
                                  const std::string& title) const {
    if (result_ == nullptr) return {};
    return equations::format_equations(format, result_->system, result_->analysis,
                                       {numeric, title});
}

}  // namespace vantor
