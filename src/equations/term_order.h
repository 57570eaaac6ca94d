#pragma once

#include <string>
#include <utility>
#include <vector>

// The order in which printed terms and factors stand, so that an expression
// prints the same whatever order GiNaC keeps it in.
namespace vantor::equations {

// Sorting by text, leading coefficients and signs aside, and names before
// parenthesised or numeric parts: "a*b + c/a", not "2*c/a + a*b".
bool text_before(const std::string& x, const std::string& y);

std::string joined(const std::vector<std::string>& parts, const std::string& separator);

// The texts of (key, text) pairs in the order of their keys.
std::vector<std::string> sorted_texts(std::vector<std::pair<std::string, std::string>> parts);

}  // namespace vantor::equations
