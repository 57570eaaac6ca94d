#pragma once

// An expression of the equations made into a short postfix program over
// numbered values, so that a run evaluates it many times a second without
// any symbolic work. Comparisons and the Fcn functions give what a Fcn block
// gives (1 or 0 for a comparison).

#include <ginac/ginac.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vantor::equations {

class NumericProgram {
  public:
    // The values a program reads, by symbol: slot k of the array `run` takes.
    using Slots = std::map<GiNaC::ex, int, GiNaC::ex_is_less>;
    // Names what stops a symbol from being read (a parameter without a value).
    using UnknownSymbol = std::function<std::string(const GiNaC::ex& symbol)>;

    // Throws NumericError for a symbol not in `slots` (with `unknown`'s
    // message), a number that is not real, or a function it cannot evaluate.
    NumericProgram(const GiNaC::ex& e, const Slots& slots, const UnknownSymbol& unknown);

    double run(const double* slots) const;

  private:
    enum class Op : std::uint8_t {
        kConstant,
        kSlot,
        kAdd,
        kMul,
        kSquare,
        kInverse,
        kPowInt,
        kPow,
        kSqrt,
        kCall1,  // a function of the Fcn language, as the simulator runs it
        kCall2,
        kLt,
        kLe,
        kGt,
        kGe,
        kEq,
        kNe,
        kAnd,
        kOr,
        kNot,
    };
    struct Step {
        Op op;
        int slot = 0;      // kSlot; kPowInt: the exponent
        double value = 0;  // kConstant
        double (*unary)(double) = nullptr;
        double (*binary)(double, double) = nullptr;
    };

    void compile(const GiNaC::ex& e, const Slots& slots, const UnknownSymbol& unknown, int depth);
    void emit(Op op, int slot = 0, double value = 0) { steps_.push_back({op, slot, value}); }
    void emit_call(double (*unary)(double), double (*binary)(double, double)) {
        steps_.push_back({unary ? Op::kCall1 : Op::kCall2, 0, 0, unary, binary});
    }

    std::vector<Step> steps_;
    int depth_ = 0;  // the stack the program needs
};

}  // namespace vantor::equations
