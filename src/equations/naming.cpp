#include "equations/naming.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>

#include "model/element_kinds.h"

namespace vantor::equations {

namespace {

// Names with a meaning of their own in the equations or where they are
// written (MATLAB, the Fcn language, the Laplace variable).
bool reserved(const std::string& name) {
    static const std::set<std::string> words = {
        "t",    "u",   "s",    "pi",    "i",     "j",    "e",    "inf",   "Inf",  "nan",
        "NaN",  "eps", "ans",  "abs",   "acos",  "asin", "atan", "atan2", "ceil", "cos",
        "cosh", "exp", "fabs", "floor", "hypot", "ln",   "log",  "log10", "pow",  "power",
        "rem",  "sgn", "sin",  "sinh",  "sqrt",  "tan",  "tanh", "end",   "if",   "for"};
    // The generated names: bond variables, states and signals.
    static const std::regex generated("[efqpxy][0-9]+(_[0-9]+)?");
    return words.count(name) != 0 || std::regex_match(name, generated);
}

// The letters of a type code, with the usual names of the signal sources.
std::string type_letters(const std::string& type) {
    if (type == "stp") return "step";
    if (type == "sin") return "sine";
    if (type == "cst") return "const";
    std::string letters;
    for (char c : type) {
        if (std::isalnum(static_cast<unsigned char>(c))) letters += c;
    }
    if (letters.empty() || std::isdigit(static_cast<unsigned char>(letters[0])))
        letters = "E" + letters;
    return letters;
}

}  // namespace

std::string field_text(const ValueText& field) {
    std::string text = field.trimmed();
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool is_identifier(const std::string& text) {
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
    for (char c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

std::string element_label(const Model& model, int element) {
    if (!in_model(model, element)) return std::to_string(element);
    return std::to_string(element) + " (" + field_text(model.objs[element].caption) + ")";
}

Names::Names(const Model& model) : bases_(static_cast<std::size_t>(model.nobj) + 1) {
    std::map<std::string, int> uses;
    for (int n = 1; n <= model.nobj; ++n) ++uses[field_text(model.objs[n].caption)];
    for (int n = 1; n <= model.nobj; ++n) {
        const std::string caption = field_text(model.objs[n].caption);
        if (is_identifier(caption) && uses[caption] == 1 && !reserved(caption)) {
            bases_[n] = caption;
            taken_.insert(caption);
        }
    }
    for (int n = 1; n <= model.nobj; ++n) {
        if (bases_[n].empty())
            bases_[n] = claim(type_letters(model.objs[n].type.trimmed()) + std::to_string(n));
    }
}

std::string Names::claim(const std::string& wanted) {
    std::string name = wanted;
    for (int k = 2; taken_.count(name) != 0; ++k) name = wanted + "_" + std::to_string(k);
    taken_.insert(name);
    return name;
}

}  // namespace vantor::equations
