#include "equations/term_order.h"

#include <algorithm>
#include <cctype>
#include <tuple>

namespace vantor::equations {

bool text_before(const std::string& x, const std::string& y) {
    const auto key = [](const std::string& s) {
        const std::size_t start = std::min(s.find_first_not_of("0123456789.*/- "), s.size());
        const std::string rest = s.substr(start);
        const bool name = !rest.empty() && std::isalpha(static_cast<unsigned char>(rest[0]));
        return std::make_tuple(!name, rest, s);
    };
    return key(x) < key(y);
}

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? separator : "") + parts[i];
    return out;
}

std::vector<std::string> sorted_texts(std::vector<std::pair<std::string, std::string>> parts) {
    std::sort(parts.begin(), parts.end(),
              [](const auto& a, const auto& b) { return text_before(a.first, b.first); });
    std::vector<std::string> texts;
    for (auto& part : parts) texts.push_back(std::move(part.second));
    return texts;
}

}  // namespace vantor::equations
