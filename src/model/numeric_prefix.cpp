#include "model/numeric_prefix.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vantor {
namespace {

bool ignored_in_number(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

int digit_value(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

double radix_value(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        const int d = digit_value(c, base);
        if (d < 0) break;
        value = value * base + d;
    }
    // Literals of 16 or 32 bits are two's-complement numbers.
    if (value <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    if (value <= 0xFFFFFFFFu) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return std::numeric_limits<double>::infinity();
}

// The longest prefix of `s` that reads as a decimal number, in from_chars form.
std::string decimal_prefix(std::string_view s) {
    std::string out;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') out += '-';
        ++i;
    }
    bool any_digit = false;
    for (; i < s.size() && is_digit(s[i]); ++i, any_digit = true) out += s[i];
    if (i < s.size() && s[i] == '.') {
        out += '.';
        for (++i; i < s.size() && is_digit(s[i]); ++i, any_digit = true) out += s[i];
    }
    if (!any_digit) return {};
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t digits_from = j;
        for (; j < s.size() && is_digit(s[j]); ++j) exponent += s[j];
        if (j > digits_from) out += exponent;
    }
    return out;
}

// The power of ten of the first significant digit of a number in from_chars
// form ("0.004" gives -3, "12e5" gives 6); only its sign matters, and only for
// numbers that are out of range, so they never have all-zero digits.
long long decimal_order(std::string_view number) {
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        for (const char c : digits) {
            exponent = std::min<long long>(exponent * 10 + (c - '0'), 1'000'000'000);
        }
        if (negative) exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::size_t first = whole.find_first_of("123456789");
    if (first != std::string_view::npos) {
        return exponent + static_cast<long long>(whole.size() - first) - 1;
    }
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const std::size_t nonzero = fraction.find_first_of("123456789");
    const long long leading_zeros =
        nonzero == std::string_view::npos ? static_cast<long long>(fraction.size()) : nonzero;
    return exponent - leading_zeros - 1;
}

}  // namespace

double numeric_prefix(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!ignored_in_number(c)) s += c;
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return radix_value(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return radix_value(std::string_view(s).substr(2), 8);
    }
    const std::string number = decimal_prefix(s);
    if (number.empty()) return 0;
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too small a number reads as zero, too large a one as an infinity.
        if (decimal_order(number) < 0) return 0;
        const double inf = std::numeric_limits<double>::infinity();
        return number[0] == '-' ? -inf : inf;
    }
    return ec == std::errc{} ? value : 0;
}

double round_half_even(double value) {
    if (!std::isfinite(value)) return value;
    const double floor_value = std::floor(value);
    const double fraction = value - floor_value;
    if (fraction < 0.5) return floor_value;
    if (fraction > 0.5) return floor_value + 1;
    return std::fmod(floor_value, 2.0) == 0 ? floor_value : floor_value + 1;
}

std::optional<std::int16_t> to_int16(double value) {
    const double rounded = round_half_even(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace vantor
