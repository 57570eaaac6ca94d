#include "sim/expression.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <stdexcept>

namespace vantor::sim {

// Recursive descent with MATLAB's precedence: ^ binds tighter than a unary
// sign (-2^2 is -4) and is left-associative (2^3^2 is 64); an exponent may
// carry its own sign (2^-1).
class ExpressionParser {
  public:
    ExpressionParser(std::string_view text, bool allow_u) : text_(text), allow_u_(allow_u) {}

    Expression parse() {
        sum();
        skip_blanks();
        if (pos_ != text_.size()) fail("unexpected '" + std::string(1, text_[pos_]) + "'");
        if (out_.program_.empty()) fail("empty expression");
        return std::move(out_);
    }

  private:
    using Op = Expression::Op;

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("expression '" + std::string(text_) + "': " + what);
    }
    void skip_blanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    bool accept(std::string_view token) {
        skip_blanks();
        if (text_.substr(pos_, token.size()) != token) return false;
        pos_ += token.size();
        return true;
    }
    void emit(Op op) { out_.program_.push_back({op}); }

    void sum() {
        unary();
        for (;;) {
            if (accept("+")) {
                unary();
                emit(Op::kAdd);
            } else if (accept("-")) {
                unary();
                emit(Op::kSubtract);
            } else {
                return;
            }
        }
    }
    bool multiplicative(Op& op) {
        if (accept(".*") || accept("*")) {
            op = Op::kMultiply;
            return true;
        }
        if (accept("./") || accept("/")) {
            op = Op::kDivide;
            return true;
        }
        return false;
    }
    void unary() {
        if (accept("-")) {
            unary();
            emit(Op::kNegate);
            return;
        }
        if (accept("+")) return unary();
        power();
        for (Op op; multiplicative(op);) {
            unary_operand();
            emit(op);
        }
    }
    // The right operand of * and /: a signed power (2*-3 is -6).
    void unary_operand() {
        if (accept("-")) {
            unary_operand();
            emit(Op::kNegate);
        } else if (accept("+")) {
            unary_operand();
        } else {
            power();
        }
    }
    void power() {
        primary();
        while (accept(".^") || accept("^")) {
            int negations = 0;
            for (;;) {
                if (accept("-"))
                    ++negations;
                else if (!accept("+"))
                    break;
            }
            primary();
            if (negations % 2 == 1) emit(Op::kNegate);
            emit(Op::kPower);
        }
    }
    void primary() {
        skip_blanks();
        if (pos_ >= text_.size()) fail("an operand is missing");
        const char c = text_[pos_];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return number();
        if (accept("(")) {
            sum();
            if (!accept(")")) fail("')' is missing");
            return;
        }
        if (std::isalpha(static_cast<unsigned char>(c))) return name();
        fail("unexpected '" + std::string(1, c) + "'");
    }
    void number() {
        const std::size_t start = pos_;
        auto digits = [&] {
            std::size_t n = 0;
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
                ++pos_, ++n;
            return n;
        };
        std::size_t count = digits();
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            count += digits();
        }
        if (count == 0) fail("a number is missing its digits");
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (digits() == 0) fail("an exponent is missing its digits");
        }
        // from_chars reads the C locale's numbers, as MATLAB writes them,
        // without a copy of the text.
        double value = 0;
        const auto read = std::from_chars(text_.data() + start, text_.data() + pos_, value);
        if (read.ec == std::errc::result_out_of_range)  // 1e999 is Inf and 1e-999 is 0 in MATLAB
            value = std::strtod(std::string(text_.substr(start, pos_ - start)).c_str(), nullptr);
        out_.program_.push_back({Op::kNumber, value});
    }
    void name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            ++pos_;
        const std::string word(text_.substr(start, pos_ - start));
        if (word == "pi") {
            out_.program_.push_back({Op::kNumber, std::numbers::pi});
            return;
        }
        if (word == "u") {
            if (!allow_u_) fail("'u' is only known in a Fcn block");
            // u(1) is the same scalar input.
            if (accept("(")) {
                if (!accept("1") || !accept(")")) fail("only u(1) may be indexed");
            }
            emit(Op::kInput);
            return;
        }
        double (*function)(double) = nullptr;
        if (word == "sin") function = [](double x) { return std::sin(x); };
        if (word == "cos") function = [](double x) { return std::cos(x); };
        if (word == "exp") function = [](double x) { return std::exp(x); };
        if (word == "sqrt") function = [](double x) { return std::sqrt(x); };
        if (word == "abs") function = [](double x) { return std::fabs(x); };
        if (function == nullptr) fail("unknown name '" + word + "'");
        if (!accept("(")) fail("'" + word + "' needs an argument in parentheses");
        sum();
        if (!accept(")")) fail("')' is missing after the argument of '" + word + "'");
        out_.program_.push_back({Op::kCall, 0, function});
    }

    std::string_view text_;
    bool allow_u_;
    std::size_t pos_ = 0;
    Expression out_;
};

Expression Expression::parse(std::string_view text, bool allow_u) {
    return ExpressionParser(text, allow_u).parse();
}

double Expression::operator()(double u) const {
    // Fcn blocks run at every stage of every step: short programs keep their
    // stack on the machine stack.
    std::array<double, 64> small;
    std::vector<double> large;
    double* stack = small.data();
    if (program_.size() > small.size()) {
        large.resize(program_.size());
        stack = large.data();
    }
    std::size_t top = 0;  // values on the stack
    for (const Step& step : program_) {
        switch (step.op) {
            case Op::kNumber:
                stack[top++] = step.value;
                break;
            case Op::kInput:
                stack[top++] = u;
                break;
            case Op::kNegate:
                stack[top - 1] = -stack[top - 1];
                break;
            case Op::kCall:
                stack[top - 1] = step.function(stack[top - 1]);
                break;
            default: {
                const double b = stack[--top];
                double& a = stack[top - 1];
                if (step.op == Op::kAdd) a += b;
                if (step.op == Op::kSubtract) a -= b;
                if (step.op == Op::kMultiply) a *= b;
                if (step.op == Op::kDivide) a /= b;
                if (step.op == Op::kPower) a = std::pow(a, b);
            }
        }
    }
    return stack[top - 1];
}

double evaluate(std::string_view text) {
    return Expression::parse(text)();
}

}  // namespace vantor::sim
