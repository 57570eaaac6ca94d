#include "equations/expression_printer.h"

#include "equations/term_order.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace vantor::equations {
namespace {

using GiNaC::ex;
using GiNaC::ex_to;
using GiNaC::is_a;
using GiNaC::numeric;

// Binding strength of what an expression prints as; a context asks for at least
// its own level and parenthesises anything looser.
enum Level { kCompare = 0, kSum = 1, kProduct = 2, kPower = 3, kAtom = 4 };

struct Text {
    std::string text;
    int level;
};

struct Term {
    bool negative;
    std::string body;
    bool constant;
};

class Printer {
  public:
    explicit Printer(bool latex) : latex_(latex) {}

    std::string print(const ex& e, int context) {
        const Text t = text(e);
        return t.level < context ? parenthesised(t.text) : t.text;
    }

  private:
    std::string parenthesised(const std::string& s) const {
        return latex_ ? "\\left(" + s + "\\right)" : "(" + s + ")";
    }

    std::string magnitude(const numeric& n) const { return number_magnitude(n, latex_); }

    Text number(const numeric& n) {
        if (!n.is_real()) throw std::runtime_error("a complex number in an expression");
        const std::string body = magnitude(n);
        if (n.is_negative()) return {"-" + body, kSum};
        const bool fraction = n.is_rational() && !n.is_integer() && !latex_;
        return {body, fraction ? kProduct : kAtom};
    }

    Text text(const ex& e) {
        if (is_a<numeric>(e)) return number(ex_to<numeric>(e));
        if (is_a<GiNaC::symbol>(e)) {
            const std::string& name = ex_to<GiNaC::symbol>(e).get_name();
            return {latex_ ? latex_name(name) : name, kAtom};
        }
        if (e.is_equal(GiNaC::Pi)) return {latex_ ? "\\pi" : "pi", kAtom};
        if (is_a<GiNaC::constant>(e)) return number(ex_to<numeric>(e.evalf()));
        if (is_a<GiNaC::add>(e)) return sum(e);
        if (is_a<GiNaC::mul>(e) || is_a<GiNaC::power>(e)) {
            if (is_a<GiNaC::power>(e)) {
                const ex exponent = e.op(1);
                const bool sign_free = !is_a<GiNaC::add>(e.op(0)) || !is_a<numeric>(exponent) ||
                                       !ex_to<numeric>(exponent).is_integer();
                if (!is_a<numeric>(exponent) || !ex_to<numeric>(exponent).is_negative()) {
                    if (sign_free) return power(e.op(0), exponent);
                }
            }
            const Term t = product(e);
            return t.negative ? Text{"-" + t.body, kSum} : Text{t.body, kProduct};
        }
        if (is_a<GiNaC::function>(e)) return function(e);
        if (is_a<GiNaC::relational>(e)) return comparison(ex_to<GiNaC::relational>(e));
        std::ostringstream out;
        out << e;
        return {out.str(), kCompare};
    }

    Term term(const ex& e) {
        if (is_a<numeric>(e)) {
            const numeric& n = ex_to<numeric>(e);
            return {n.is_negative(), magnitude(n), true};
        }
        if (is_a<GiNaC::mul>(e) || is_a<GiNaC::power>(e)) {
            const Text t = text(e);
            if (t.level != kSum || t.text[0] != '-') return {false, t.text, false};
            return {true, t.text.substr(1), false};
        }
        return {false, print(e, kSum), false};
    }

    // LaTeX sorts by the plain text, so both show terms in the same order.
    std::string key(const std::string& text, const ex& e, bool as_term) {
        if (!latex_) return text;
        Printer plain(false);
        return as_term ? plain.term(e).body : plain.print(e, kProduct);
    }
    std::string key(const std::string& text, const ex& base, const ex& exponent) {
        if (!latex_) return text;
        Printer plain(false);
        return exponent.is_equal(1) ? plain.print(base, kProduct)
                                    : plain.power(base, exponent).text;
    }

    static bool term_before(const std::pair<std::string, Term>& a,
                            const std::pair<std::string, Term>& b) {
        if (a.second.constant != b.second.constant) return b.second.constant;
        if (a.first != b.first) return text_before(a.first, b.first);
        return a.second.negative < b.second.negative;
    }

    // Whether a sum's first term, as shown, is negative.
    static bool leads_negative(const ex& sum) {
        Printer plain(false);
        std::pair<std::string, Term> first;
        bool any = false;
        for (const ex& op : sum) {
            Term t = plain.term(op);
            std::pair<std::string, Term> candidate(t.body, std::move(t));
            if (!any || term_before(candidate, first)) first = std::move(candidate);
            any = true;
        }
        return any && first.second.negative;
    }

    // A factor as base ^ exponent (exponent 1 for a plain factor).
    struct Factor {
        ex base;
        ex exponent;
    };

    // GiNaC keeps a sign inside a sum factor or outside it by its term order,
    // which depends on addresses and so changes from run to run. A sum factor
    // is shown with its first term positive, its sign moved to `coefficient`.
    // Base and exponent stay apart: GiNaC may take the sign of a power of a
    // sum back out, which would bring the factor here again without end.
    static Factor oriented(const ex& f, numeric& coefficient) {
        const bool is_power = is_a<GiNaC::power>(f);
        const ex base = is_power ? f.op(0) : f;
        const ex exponent = is_power ? f.op(1) : ex(1);
        if (!is_a<GiNaC::add>(base) || !is_a<numeric>(exponent) ||
            !ex_to<numeric>(exponent).is_integer() || !leads_negative(base))
            return {base, exponent};
        if (ex_to<numeric>(exponent).is_odd()) coefficient = -coefficient;
        GiNaC::exvector negated;
        for (const ex& term : base) negated.push_back(-term);
        return {GiNaC::add(negated), exponent};
    }

    Text sum(const ex& e) {
        std::vector<std::pair<std::string, Term>> terms;
        for (const ex& op : e) {
            Term t = term(op);
            terms.emplace_back(key(t.body, op, true), std::move(t));
        }
        std::sort(terms.begin(), terms.end(), term_before);
        std::string out = terms[0].second.negative ? "-" : "";
        out += terms[0].second.body;
        for (std::size_t i = 1; i < terms.size(); ++i) {
            out += terms[i].second.negative ? " - " : " + ";
            out += terms[i].second.body;
        }
        return {out, kSum};
    }

    // A product as numerator over denominator, its sign apart.
    Term product(const ex& e) {
        std::vector<ex> factors;
        if (is_a<GiNaC::mul>(e)) {
            for (const ex& op : e) factors.push_back(op);
        } else {
            factors.push_back(e);
        }
        numeric coefficient(1);
        std::vector<std::pair<std::string, std::string>> upper, lower;  // key, text
        for (const ex& factor : factors) {
            const Factor f = oriented(factor, coefficient);
            const bool plain = f.exponent.is_equal(1);
            if (plain && is_a<numeric>(f.base)) {
                coefficient *= ex_to<numeric>(f.base);
            } else if (is_a<numeric>(f.exponent) && ex_to<numeric>(f.exponent).is_negative()) {
                const ex exponent = -f.exponent;
                const std::string text = exponent.is_equal(1)
                                             ? print(f.base, latex_ ? kProduct : kPower)
                                             : power(f.base, exponent).text;
                lower.emplace_back(key(text, f.base, exponent), text);
            } else {
                // A power directly: through print, a power of a sum comes back here.
                const std::string text =
                    plain ? print(f.base, kProduct) : power(f.base, f.exponent).text;
                upper.emplace_back(key(text, f.base, f.exponent), text);
            }
        }
        std::vector<std::string> top = sorted_texts(upper), bottom = sorted_texts(lower);
        if (!coefficient.is_real()) throw std::runtime_error("a complex number in an expression");
        const bool negative = coefficient.is_negative();
        const numeric c = GiNaC::abs(coefficient);
        if (c.is_rational()) {
            if (c.denom() != 1) bottom.insert(bottom.begin(), number_magnitude(c.denom(), false));
            if (c.numer() != 1) top.insert(top.begin(), number_magnitude(c.numer(), false));
        } else if (c != 1) {
            top.insert(top.begin(), magnitude(c));
        }
        if (latex_) {
            const std::string upper = top.empty() ? "1" : joined(top, "\\,");
            if (bottom.empty()) return {negative, upper, false};
            return {negative, "\\frac{" + upper + "}{" + joined(bottom, "\\,") + "}", false};
        }
        std::string body = top.empty() ? "1" : joined(top, "*");
        if (bottom.size() == 1) body += "/" + bottom[0];
        if (bottom.size() > 1) body += "/(" + joined(bottom, "*") + ")";
        return {negative, body, false};
    }

    Text power(const ex& base, const ex& exponent) {
        if (exponent.is_equal(GiNaC::numeric(1, 2))) {
            const std::string inner = print(base, kCompare);
            return {latex_ ? "\\sqrt{" + inner + "}" : "sqrt(" + inner + ")", kAtom};
        }
        const std::string b = print(base, kAtom);
        if (latex_) return {b + "^{" + print(exponent, kCompare) + "}", kPower};
        return {b + "^" + print(exponent, kAtom), kPower};
    }

    Text function(const ex& e) {
        const std::string name = ex_to<GiNaC::function>(e).get_name();
        std::vector<std::string> args;
        for (const ex& op : e) args.push_back(print(op, kCompare));
        // GiNaC's step is 1/2 at 0; the step sources are the only users.
        if (name == "step" && args.size() == 1)
            return {parenthesised(args[0] + (latex_ ? " \\geq 0" : ">=0")), kAtom};
        if (!latex_)
            return {(name == "csgn" ? "sgn" : name) + "(" + joined(args, ", ") + ")", kAtom};
        if (name == "abs" && args.size() == 1) return {"\\left|" + args[0] + "\\right|", kAtom};
        static const char* const kNamed[][2] = {
            {"sin", "\\sin"},     {"cos", "\\cos"},     {"tan", "\\tan"},
            {"sinh", "\\sinh"},   {"cosh", "\\cosh"},   {"tanh", "\\tanh"},
            {"asin", "\\arcsin"}, {"acos", "\\arccos"}, {"atan", "\\arctan"},
            {"exp", "\\exp"},     {"log", "\\ln"},      {"csgn", "\\operatorname{sgn}"}};
        std::string command = "\\operatorname{" + name + "}";
        for (const auto& named : kNamed) {
            if (name == named[0]) command = named[1];
        }
        return {command + parenthesised(joined(args, ", ")), kAtom};
    }

    // GiNaC keeps a comparison's operator to itself; find it by equality.
    Text comparison(const GiNaC::relational& r) {
        using R = GiNaC::relational;
        struct Operator {
            R::operators which;
            const char* plain;
            const char* latex;
        };
        static const Operator kOperators[] = {
            {R::equal, "==", " = "},  {R::not_equal, "!=", " \\neq "},
            {R::less, "<", " < "},    {R::less_or_equal, "<=", " \\leq "},
            {R::greater, ">", " > "}, {R::greater_or_equal, ">=", " \\geq "}};
        const char* op = "==";
        for (const Operator& o : kOperators) {
            if (r.is_equal(R(r.lhs(), r.rhs(), o.which))) op = latex_ ? o.latex : o.plain;
        }
        return {print(r.lhs(), kSum) + op + print(r.rhs(), kSum), kCompare};
    }

    bool latex_;
};

}  // namespace

std::string print_expression(const GiNaC::ex& e) {
    return Printer(false).print(e, kCompare);
}

std::string print_latex(const GiNaC::ex& e) {
    return Printer(true).print(e, kCompare);
}

}  // namespace vantor::equations
