#include "sim/expression.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <stdexcept>

#include "model/message_word.h"
#include "sim/expression_functions.h"

namespace vantor::sim {

// Precedence climbing over the binary operators, with Simulink's Fcn levels
// from the loosest: || && (== !=) (< > <= >=) (+ -) (* /). Then the prefix
// operators + - ! and, tighter than all of them, a left-associative ^ whose
// exponent may carry its own signs: -2^2 is -4, 2^3^2 is 64, 2^-1 is 0.5.
// Recursion deepens with the six binary levels and at a parenthesis or an
// argument list, whose nesting is bounded, so no text can exhaust the stack;
// a run of prefixes or of operators of one level is a loop.
class ExpressionParser {
  public:
    ExpressionParser(std::string_view text, bool fcn, const Workspace* workspace)
        : text_(text), fcn_(fcn), workspace_(workspace) {}

    Expression parse() {
        skip_blanks();
        if (pos_ == text_.size()) fail("empty expression");
        binary(kLoosest);
        skip_blanks();
        if (pos_ != text_.size()) fail(unexpected());
        return std::move(out_);
    }

  private:
    using Op = Expression::Op;
    struct Binary {
        std::string_view token;
        Op op;
        int level;
        bool fcn_only;
    };
    static constexpr int kLoosest = 1;
    // Longer tokens first, so that <= is not read as <.
    static constexpr Binary kBinaries[] = {
        {"||", Op::kOr, 1, true},        {"&&", Op::kAnd, 2, true},
        {"==", Op::kEqual, 3, true},     {"!=", Op::kNotEqual, 3, true},
        {"<=", Op::kLessEqual, 4, true}, {">=", Op::kGreaterEqual, 4, true},
        {"<", Op::kLess, 4, true},       {">", Op::kGreater, 4, true},
        {"+", Op::kAdd, 5, false},       {"-", Op::kSubtract, 5, false},
        {".*", Op::kMultiply, 6, false}, {"*", Op::kMultiply, 6, false},
        {"./", Op::kDivide, 6, false},   {"/", Op::kDivide, 6, false},
    };

    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("expression '" + shown() + "': " + what);
    }
    // The expression as a message quotes it: a long one is cut.
    std::string shown() const { return message_word(text_); }
    // The character at the read position, whole when it is a UTF-8 sequence.
    std::string unexpected() const {
        std::size_t end = pos_ + 1;
        while (end < text_.size() && (static_cast<unsigned char>(text_[end]) & 0xC0) == 0x80) ++end;
        return "unexpected '" + std::string(text_.substr(pos_, end - pos_)) + "'";
    }
    void skip_blanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    bool at(std::string_view token) {
        skip_blanks();
        return text_.substr(pos_, token.size()) == token;
    }
    bool accept(std::string_view token) {
        if (!at(token)) return false;
        pos_ += token.size();
        return true;
    }
    void fcn_only(std::string_view what) const {
        if (!fcn_) fail("'" + std::string(what) + "' is only known in a Fcn block");
    }
    void open() {
        if (++nesting_ > Expression::kMaxNesting)
            fail("more than " + std::to_string(Expression::kMaxNesting) + " nested parentheses");
    }

    void binary(int level) {
        prefixed();
        for (;;) {
            const Binary* op = nullptr;
            for (const Binary& b : kBinaries) {
                if (at(b.token)) {
                    op = &b;
                    break;
                }
            }
            if (op == nullptr || op->level < level) return;
            if (op->fcn_only) fcn_only(op->token);
            pos_ += op->token.size();
            binary(op->level + 1);  // left-associative: 1-2-3 is (1-2)-3
            emit({op->op});
        }
    }

    // Signs and ! apply to the power after them, the nearest first.
    void prefixed() {
        std::string prefixes;
        for (;;) {
            if (accept("-")) {
                prefixes += '-';
            } else if (accept("!")) {
                fcn_only("!");
                prefixes += '!';
            } else if (!accept("+")) {
                break;
            }
        }
        power();
        for (auto p = prefixes.rbegin(); p != prefixes.rend(); ++p)
            emit({*p == '-' ? Op::kNegate : Op::kNot});
    }

    void power() {
        primary();
        while (accept(".^") || accept("^")) {
            bool negate = false;
            for (;;) {
                if (accept("-"))
                    negate = !negate;
                else if (!accept("+"))
                    break;
            }
            primary();
            if (negate) emit({Op::kNegate});
            emit({Op::kPower});
        }
    }

    void primary() {
        skip_blanks();
        if (pos_ >= text_.size()) fail("an operand is missing");
        const char c = text_[pos_];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return number();
        if (accept("(")) {
            open();
            binary(kLoosest);
            if (!accept(")")) fail("')' is missing");
            --nesting_;
            return;
        }
        if (std::isalpha(static_cast<unsigned char>(c))) return name();
        fail(unexpected());
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
        emit({Op::kNumber, 0, value});
    }

    void name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            ++pos_;
        const std::string word(text_.substr(start, pos_ - start));
        if (word == "u") {
            fcn_only("u");
            return input();
        }
        if (word == "pi") return emit({Op::kNumber, 0, std::numbers::pi});
        if (const Function* f = find_function(word)) {
            if (f->fcn_only) fcn_only(word);
            return call(*f);
        }
        if (workspace_ != nullptr) {
            if (const auto it = workspace_->find(word); it != workspace_->end()) {
                if (at("(")) fail("'" + word + "' is a workspace value, not a function");
                return emit({Op::kNumber, 0, it->second});
            }
        }
        if (at("(")) fail("unknown function '" + word + "'");
        fail("unknown name '" + word + "'");
    }

    // u is u(1); u(i) the i-th element of a vector input.
    void input() {
        std::uint32_t index = 1;
        if (accept("(")) {
            skip_blanks();
            const char* first = text_.data() + pos_;
            const auto read = std::from_chars(first, text_.data() + text_.size(), index);
            pos_ += static_cast<std::size_t>(read.ptr - first);
            if (read.ec != std::errc() || index == 0 || !accept(")"))
                fail("u(i) needs a whole number i from 1");
        }
        out_.inputs_read_ = std::max<std::size_t>(out_.inputs_read_, index);
        emit({Op::kInput, index - 1});
    }

    void call(const Function& f) {
        if (!accept("(")) fail("'" + std::string(f.name) + "' needs its arguments in parentheses");
        open();
        int count = 0;
        if (!accept(")")) {
            do {
                binary(kLoosest);
                ++count;
            } while (accept(","));
            if (!accept(")"))
                fail("')' is missing after the arguments of '" + std::string(f.name) + "'");
        }
        --nesting_;
        if (count != f.arity)
            fail("'" + std::string(f.name) + "' takes " + std::to_string(f.arity) +
                 (f.arity == 1 ? " argument, not " : " arguments, not ") + std::to_string(count));
        if (f.arity == 1)
            emit({Op::kCall1, 0, 0, f.unary});
        else
            emit({Op::kCall2, 0, 0, nullptr, f.binary});
    }

    // Appends a step; one whose operands are all numbers is computed now, by
    // the same code that runs the program, so that folding cannot change a
    // result.
    void emit(Expression::Step step) {
        auto& program = out_.program_;
        if (step.op == Op::kPower && program.back().op == Op::kNumber &&
            program.back().value == 2) {
            program.pop_back();
            --depth_;
            step.op = Op::kSquare;
        }
        const int n = Expression::operands(step.op);
        depth_ = depth_ + 1 - static_cast<std::size_t>(n);
        out_.stack_size_ = std::max(out_.stack_size_, depth_);
        program.push_back(step);
        if (n == 0 || program.size() < static_cast<std::size_t>(n) + 1) return;
        const auto tail = program.end() - n - 1;
        if (!std::all_of(tail, program.end() - 1,
                         [](const Expression::Step& s) { return s.op == Op::kNumber; }))
            return;
        Expression constant;
        constant.program_.assign(tail, program.end());
        constant.stack_size_ = static_cast<std::size_t>(n);
        const double value = constant.run(nullptr);
        program.erase(tail, program.end());
        program.push_back({Op::kNumber, 0, value});
    }

    std::string_view text_;
    bool fcn_;
    const Workspace* workspace_;
    std::size_t pos_ = 0;
    int nesting_ = 0;
    std::size_t depth_ = 0;  // values on the stack after the program so far
    Expression out_;
};

Expression Expression::parse(std::string_view text, bool fcn, const Workspace* workspace) {
    return ExpressionParser(text, fcn, workspace).parse();
}

double evaluate(std::string_view text) {
    return Expression::parse(text)();
}

}  // namespace vantor::sim
