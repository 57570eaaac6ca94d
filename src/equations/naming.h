#pragma once

#include <set>
#include <string>
#include <vector>

#include "model/model.h"

namespace vantor::equations {

// The names of a model's symbols: identifiers, each used once.
class Names {
  public:
    explicit Names(const Model& model);

    // An element's own name: its caption when that is an identifier that no
    // other element's caption repeats and that no generated name can take,
    // else its type's letters and its number: C5, R12, step7.
    const std::string& base(int element) const { return bases_[static_cast<std::size_t>(element)]; }

    // `wanted` when nothing has it yet, else `wanted` with _2, _3... Claimed.
    std::string claim(const std::string& wanted);

  private:
    std::vector<std::string> bases_;
    std::set<std::string> taken_;
};

// A text field as typed: blanks trimmed, and a field never assigned (NULs) empty.
std::string field_text(const ValueText& field);

// Whether `text` is an identifier: a letter, then letters, digits or _.
bool is_identifier(const std::string& text);

// "5 (C2)": an element by its number and caption, as notes name elements.
std::string element_label(const Model& model, int element);

}  // namespace vantor::equations
