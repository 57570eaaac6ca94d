#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

#include "equations/expression_printer.h"

namespace vantor::equations {

std::string format_number(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
    if (value == 0) return "0";  // no "-0"
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string number_magnitude(const GiNaC::numeric& n, bool latex) {
    const GiNaC::numeric a = GiNaC::abs(n);
    const auto integer = [](const GiNaC::numeric& i) {
        std::ostringstream out;
        out << i;
        return out.str();
    };
    if (a.is_integer()) return integer(a);
    if (a.is_rational()) {
        return latex ? "\\frac{" + integer(a.numer()) + "}{" + integer(a.denom()) + "}"
                     : integer(a.numer()) + "/" + integer(a.denom());
    }
    const std::string plain = format_number(a.to_double());
    const std::size_t e = plain.find('e');
    if (!latex || e == std::string::npos) return plain;
    std::string exponent = plain.substr(e + 1);
    if (exponent[0] == '+') exponent.erase(0, 1);
    const std::size_t zeros = exponent[0] == '-' ? 1 : 0;
    while (exponent.size() > zeros + 1 && exponent[zeros] == '0') exponent.erase(zeros, 1);
    return plain.substr(0, e) + " \\cdot 10^{" + exponent + "}";
}

std::string latex_name(const std::string& name) {
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
    // "R_1" is R with subscript 1.
    const bool marked = digits > 1 && digits < name.size() && name[digits - 1] == '_';
    std::string stem;
    for (char c : name.substr(0, marked ? digits - 1 : digits)) {
        if (c == '_') {
            stem += "\\_";
        } else {
            stem += c;
        }
    }
    if ((marked ? digits - 1 : digits) > 1) stem = "\\mathit{" + stem + "}";
    if (digits == name.size() || digits == 0) return stem.empty() ? name : stem;
    return stem + "_{" + name.substr(digits) + "}";
}

}  // namespace vantor::equations
