#include "equations/numeric_program.h"

#include <cmath>

#include "equations/numeric_values.h"
#include "sim/expression_functions.h"

namespace vantor::equations {

namespace {

double truth(bool b) {
    return b ? 1.0 : 0.0;
}

double real(const GiNaC::ex& e) {
    const GiNaC::ex value = e.evalf();
    if (!GiNaC::is_a<GiNaC::numeric>(value) || !GiNaC::ex_to<GiNaC::numeric>(value).is_real())
        throw NumericError("the equations hold a number that is not real");
    return GiNaC::ex_to<GiNaC::numeric>(value).to_double();
}

}  // namespace

NumericProgram::NumericProgram(const GiNaC::ex& e, const Slots& slots,
                               const UnknownSymbol& unknown) {
    compile(e, slots, unknown, 1);
}

void NumericProgram::compile(const GiNaC::ex& e, const Slots& slots, const UnknownSymbol& unknown,
                             int depth) {
    depth_ = std::max(depth_, depth);
    if (GiNaC::is_a<GiNaC::numeric>(e) || GiNaC::is_a<GiNaC::constant>(e))
        return emit(Op::kConstant, 0, real(e));
    if (GiNaC::is_a<GiNaC::symbol>(e)) {
        const auto found = slots.find(e);
        if (found == slots.end()) throw NumericError(unknown(e));
        return emit(Op::kSlot, found->second);
    }
    if (GiNaC::is_a<GiNaC::add>(e) || GiNaC::is_a<GiNaC::mul>(e)) {
        const Op op = GiNaC::is_a<GiNaC::add>(e) ? Op::kAdd : Op::kMul;
        for (std::size_t k = 0; k < e.nops(); ++k) {
            compile(e.op(k), slots, unknown, depth + (k == 0 ? 0 : 1));
            if (k > 0) emit(op);
        }
        return;
    }
    if (GiNaC::is_a<GiNaC::power>(e)) {
        const GiNaC::ex exponent = e.op(1);
        compile(e.op(0), slots, unknown, depth);
        if (GiNaC::is_a<GiNaC::numeric>(exponent)) {
            const GiNaC::numeric n = GiNaC::ex_to<GiNaC::numeric>(exponent);
            if (n.is_integer() && n.to_double() == 2) return emit(Op::kSquare);
            if (n.is_integer() && n.to_double() == -1) return emit(Op::kInverse);
            if (n.is_integer() && std::fabs(n.to_double()) <= 64)
                return emit(Op::kPowInt, static_cast<int>(n.to_int()));
            if (n == GiNaC::numeric(1, 2)) return emit(Op::kSqrt);
        }
        compile(exponent, slots, unknown, depth + 1);
        return emit(Op::kPow);
    }
    if (GiNaC::is_a<GiNaC::function>(e)) {
        // Comparisons and logic are the Fcn language's operators; the rest its functions.
        static const std::map<std::string, Op> operators = {
            {"fcn_lt", Op::kLt},   {"fcn_le", Op::kLe}, {"fcn_gt", Op::kGt},
            {"fcn_ge", Op::kGe},   {"fcn_eq", Op::kEq}, {"fcn_ne", Op::kNe},
            {"fcn_and", Op::kAnd}, {"fcn_or", Op::kOr}, {"fcn_not", Op::kNot},
        };
        std::string name = GiNaC::ex_to<GiNaC::function>(e).get_name();
        const auto op = operators.find(name);
        if (name.starts_with("fcn_")) name.erase(0, 4);
        const sim::Function* function = op == operators.end() ? sim::find_function(name) : nullptr;
        if (op == operators.end() &&
            (function == nullptr || function->arity != static_cast<int>(e.nops())))
            throw NumericError("the function " + name + " cannot be evaluated");
        for (std::size_t k = 0; k < e.nops(); ++k)
            compile(e.op(k), slots, unknown, depth + static_cast<int>(k));
        if (function != nullptr) return emit_call(function->unary, function->binary);
        return emit(op->second);
    }
    throw NumericError("the equations hold a term that cannot be evaluated");
}

double NumericProgram::run(const double* slots) const {
    // The stacks of the equations are shallow; a deeper one takes the heap.
    double fixed[32];
    std::vector<double> heap;
    double* stack = fixed;
    if (depth_ > 32) {
        heap.resize(static_cast<std::size_t>(depth_));
        stack = heap.data();
    }
    double* top = stack;  // one past the last value
    for (const Step& s : steps_) {
        switch (s.op) {
            case Op::kConstant:
                *top++ = s.value;
                break;
            case Op::kSlot:
                *top++ = slots[s.slot];
                break;
            case Op::kAdd:
                --top;
                top[-1] += top[0];
                break;
            case Op::kMul:
                --top;
                top[-1] *= top[0];
                break;
            case Op::kSquare:
                top[-1] *= top[-1];
                break;
            case Op::kInverse:
                top[-1] = 1 / top[-1];
                break;
            case Op::kPowInt:
                top[-1] = std::pow(top[-1], s.slot);
                break;
            case Op::kPow:
                --top;
                top[-1] = std::pow(top[-1], top[0]);
                break;
            case Op::kSqrt:
                top[-1] = std::sqrt(top[-1]);
                break;
            case Op::kCall1:
                top[-1] = s.unary(top[-1]);
                break;
            case Op::kCall2:
                --top;
                top[-1] = s.binary(top[-1], top[0]);
                break;
            case Op::kLt:
                --top;
                top[-1] = truth(top[-1] < top[0]);
                break;
            case Op::kLe:
                --top;
                top[-1] = truth(top[-1] <= top[0]);
                break;
            case Op::kGt:
                --top;
                top[-1] = truth(top[-1] > top[0]);
                break;
            case Op::kGe:
                --top;
                top[-1] = truth(top[-1] >= top[0]);
                break;
            case Op::kEq:
                --top;
                top[-1] = truth(top[-1] == top[0]);
                break;
            case Op::kNe:
                --top;
                top[-1] = truth(top[-1] != top[0]);
                break;
            // Any value other than 0, NaN too, is true.
            case Op::kAnd:
                --top;
                top[-1] = truth(top[-1] != 0 && top[0] != 0);
                break;
            case Op::kOr:
                --top;
                top[-1] = truth(top[-1] != 0 || top[0] != 0);
                break;
            case Op::kNot:
                top[-1] = truth(top[-1] == 0);
                break;
        }
    }
    return top[-1];
}

}  // namespace vantor::equations
