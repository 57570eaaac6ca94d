#include "equations/html_printer.h"

#include <cctype>

#include "equations/expression_printer.h"

namespace vantor::equations {
namespace {

bool name_start(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool name_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool number_char(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.';
}

// The functions of the Fcn language stay upright: they are no variables.
bool is_function_call(const std::string& text, std::size_t end) {
    return end < text.size() && text[end] == '(';
}

// One operand after "^": a name, a number (with its sign) or a parenthesised group.
std::size_t operand_end(const std::string& text, std::size_t from) {
    std::size_t i = from;
    if (i < text.size() && text[i] == '-') ++i;
    if (i < text.size() && text[i] == '(') {
        int depth = 0;
        for (; i < text.size(); ++i) {
            if (text[i] == '(') ++depth;
            if (text[i] == ')' && --depth == 0) return i + 1;
        }
        return text.size();
    }
    if (i < text.size() && name_start(text[i])) {
        while (i < text.size() && name_char(text[i])) ++i;
        return i;
    }
    while (i < text.size() && (number_char(text[i]) || text[i] == 'e')) ++i;
    return i;
}

std::string html_text(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (name_start(c)) {
            std::size_t end = i;
            while (end < text.size() && name_char(text[end])) ++end;
            const std::string name = text.substr(i, end - i);
            out += is_function_call(text, end) ? name : html_name(name);
            i = end;
        } else if (number_char(c)) {
            std::size_t end = i;
            while (end < text.size() && number_char(text[end])) ++end;
            // 1e-05: the exponent belongs to the number.
            if (end < text.size() && text[end] == 'e' && end + 1 < text.size() &&
                (text[end + 1] == '-' || text[end + 1] == '+' ||
                 std::isdigit(static_cast<unsigned char>(text[end + 1])))) {
                const std::string mantissa = text.substr(i, end - i);
                std::size_t exp_end = end + 2;
                while (exp_end < text.size() &&
                       std::isdigit(static_cast<unsigned char>(text[exp_end])))
                    ++exp_end;
                std::string exponent = text.substr(end + 1, exp_end - end - 1);
                if (exponent[0] == '+') exponent.erase(0, 1);
                while (exponent.size() > 1 &&
                       (exponent[0] == '0' || (exponent[0] == '-' && exponent[1] == '0')))
                    exponent.erase(exponent[0] == '-' ? 1 : 0, 1);
                out += (mantissa == "1" ? "" : mantissa + "&middot;") + "10<sup>" + exponent +
                       "</sup>";
                i = exp_end;
            } else {
                out += text.substr(i, end - i);
                i = end;
            }
        } else if (c == '^') {
            const std::size_t end = operand_end(text, i + 1);
            std::string exponent = text.substr(i + 1, end - i - 1);
            // A parenthesised exponent is raised already: its brackets go.
            if (exponent.size() > 1 && exponent.front() == '(' && exponent.back() == ')')
                exponent = exponent.substr(1, exponent.size() - 2);
            out += "<sup>" + html_text(exponent) + "</sup>";
            i = end;
        } else if (c == '*') {
            out += "&middot;";
            ++i;
        } else if (c == '-' && i > 0 && text[i - 1] == ' ') {
            out += "&minus;";
            ++i;
        } else if (c == '-' && i == 0) {
            out += "&minus;";
            ++i;
        } else if (c == '<') {
            out += "&lt;";
            ++i;
        } else if (c == '>') {
            out += "&gt;";
            ++i;
        } else if (c == '&') {
            out += "&amp;";
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace

std::string html_escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else {
            out += c;
        }
    }
    return out;
}

std::string html_name(const std::string& name) {
    const std::size_t slash = name.find('/');
    if (slash != std::string::npos && name.size() > 1 && name[0] == 'd') {
        // "dq5/dt": a derivative, shown as d q5 / d t.
        return "d" + html_name(name.substr(1, slash - 1)) + "/d" +
               html_name(name.substr(slash + 2));
    }
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
    if (digits == 0 || digits == name.size()) return "<i>" + html_escaped(name) + "</i>";
    std::string base = name.substr(0, digits);
    if (base.size() > 1 && base.back() == '_') base.pop_back();  // "La_0": La with 0 below
    return "<i>" + html_escaped(base) + "</i><sub>" + name.substr(digits) + "</sub>";
}

std::string html_expression(const GiNaC::ex& e) {
    return html_text(print_expression(e));
}

}  // namespace vantor::equations
