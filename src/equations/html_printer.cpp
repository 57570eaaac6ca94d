#include "equations/html_printer.h"

#include <cctype>
#include <utility>
#include <vector>

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

// Whether `text` is one parenthesised group: "(a + b)" but not "(a)*(b)".
bool parenthesised(const std::string& text) {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0 && i + 1 < text.size()) return false;
    }
    return true;
}

std::string unwrapped(const std::string& text) {
    return parenthesised(text) ? text.substr(1, text.size() - 2) : text;
}

// The terms of the outermost sum as the plain printer writes it ("a - b/c + d"),
// each with the sign before it: {"", "a"}, {"-", "b/c"}, {"+", "d"}.
std::vector<std::pair<std::string, std::string>> outer_terms(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> terms;
    std::string sign;
    std::size_t start = 0;
    if (!text.empty() && text[0] == '-') {
        sign = "-";
        start = 1;
    }
    int depth = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')') --depth;
        if (depth == 0 && i + 2 < text.size() && text[i] == ' ' &&
            (text[i + 1] == '+' || text[i + 1] == '-') && text[i + 2] == ' ') {
            terms.emplace_back(sign, text.substr(start, i - start));
            sign = text.substr(i + 1, 1);
            start = i + 3;
            i += 2;
        }
    }
    terms.emplace_back(sign, text.substr(start));
    return terms;
}

// The position of a term's only outermost "/", or npos.
std::size_t only_outer_slash(const std::string& term) {
    std::size_t found = std::string::npos;
    int depth = 0;
    for (std::size_t i = 0; i < term.size(); ++i) {
        if (term[i] == '(') ++depth;
        if (term[i] == ')') --depth;
        if (depth == 0 && term[i] == '/') {
            if (found != std::string::npos) return std::string::npos;
            found = i;
        }
    }
    return found;
}

}  // namespace

std::string fraction_html(const std::string& top, const std::string& bottom) {
    return "<table cellspacing=\"0\" cellpadding=\"1\"><tr><td align=\"center\">" + top +
           "</td></tr><tr><td align=\"center\" style=\"border-top-width: 1px; "
           "border-top-style: solid; border-top-color: black\">" +
           bottom + "</td></tr></table>";
}

std::string html_stacked(const GiNaC::ex& e) {
    const std::string text = print_expression(e);
    std::string cells;
    bool stacked = false;
    for (const auto& [sign, term] : outer_terms(text)) {
        if (!sign.empty()) {
            const std::string op = sign == "-" ? "&minus;" : "+";
            cells += "<td valign=\"middle\">" + (cells.empty() ? op : "&nbsp;" + op + "&nbsp;") +
                     "</td>";
        }
        const std::size_t slash = only_outer_slash(term);
        std::string cell;
        if (slash == std::string::npos) {
            cell = html_text(term);
        } else {
            cell = fraction_html(html_text(unwrapped(term.substr(0, slash))),
                                 html_text(unwrapped(term.substr(slash + 1))));
            stacked = true;
        }
        cells += "<td valign=\"middle\">" + cell + "</td>";
    }
    if (!stacked) return html_text(text);
    return "<table cellspacing=\"0\" cellpadding=\"0\"><tr>" + cells + "</tr></table>";
}

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
