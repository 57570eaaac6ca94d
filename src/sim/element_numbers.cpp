#include "sim/element_numbers.h"

#include <algorithm>

namespace vantor::sim {

std::optional<int> element_number(std::string_view block_name) {
    int number = 0;
    std::size_t digits = 0;
    // Five digits cover every element number; more would overflow.
    while (digits < block_name.size() && digits < 6 && block_name[digits] >= '0' &&
           block_name[digits] <= '9')
        number = number * 10 + (block_name[digits++] - '0');
    if (digits == 0) return std::nullopt;
    return number;
}

std::vector<int> element_numbers(const std::vector<std::string>& block_names) {
    std::vector<int> numbers;
    for (const std::string& name : block_names) {
        if (const auto n = element_number(name)) numbers.push_back(*n);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

}  // namespace vantor::sim
