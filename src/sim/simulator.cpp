#include "sim/simulator.h"

#include <algorithm>
#include <boost/numeric/odeint.hpp>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <stdexcept>

#include "sim/compiled_diagram.h"

namespace vantor::sim {

namespace {

namespace odeint = boost::numeric::odeint;
using State = std::vector<double>;

std::string time_text(double t) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", t);
    return text;
}

double fixed_step_of(const SimulationOptions& options, double stop) {
    return options.fixed_step.value_or(stop / 1000);
}

// The steps of a fixed-step run, the last one shortened to end at the stop.
// A quotient a rounding error above a whole number makes no extra step.
double fixed_steps(double stop, double h) {
    const double n = stop / h;
    return std::max(1.0,
                    std::ceil(n - std::max(1e-9, 4 * std::numeric_limits<double>::epsilon() * n)));
}

// The right side for the steppers.
struct Slopes {
    Dynamics* diagram;
    double step_start;
    void operator()(const State& x, State& dx, double t) const {
        diagram->slopes(t, step_start, x, dx);
    }
};

// Odeint's error check, except that a state's error estimate that is NaN (an
// overflow inside the step: infinity less infinity) rejects the step as the
// largest error would, so that the step shrinks instead of being accepted.
// Odeint's own maximum passes over NaN.
class FiniteErrorChecker : public odeint::default_error_checker<double, odeint::range_algebra,
                                                                odeint::default_operations> {
  public:
    using default_error_checker::default_error_checker;
    template <class X, class Dxdt, class Err, class Time>
    double error(odeint::range_algebra& algebra, const X& x_old, const Dxdt& dxdt_old, Err& x_err,
                 Time dt) const {
        const double e = default_error_checker::error(algebra, x_old, dxdt_old, x_err, dt);
        const bool nan = std::isnan(e) || std::any_of(x_err.begin(), x_err.end(),
                                                      [](double v) { return std::isnan(v); });
        return nan ? std::numeric_limits<double>::infinity() : e;
    }
};

// One run: the compiled diagram, the result so far, and what ends it early.
class Run {
  public:
    Run(Dynamics& diagram, const SimulationOptions& options, double stop)
        : diagram_(diagram), options_(options), stop_(stop), x_(diagram.initial_states()) {}

    SimulationResult fixed_step() {
        const double h = fixed_step_of(options_, stop_);
        if (!begin()) return std::move(result_);
        const std::vector<double> jumps = diagram_.breakpoints(0, stop_);
        auto next_jump = jumps.begin();
        odeint::runge_kutta4<State> stepper;
        // The last step is shortened to end at the stop time; grid times are
        // multiples of the step, never sums of it.
        const double steps = fixed_steps(stop_, h);
        for (double k = 1; k <= steps; ++k) {
            const double end = k == steps ? stop_ : k * h;
            // A jump inside the step ends a shorter step there, unrecorded.
            for (; next_jump != jumps.end() && *next_jump <= end; ++next_jump) {
                if (end - *next_jump <= 1e-9 * h) continue;  // the step ends there anyway
                stepper.do_step(system(), x_, t_, *next_jump - t_);
                t_ = *next_jump;
                if (!accept(false)) return std::move(result_);
            }
            stepper.do_step(system(), x_, t_, end - t_);
            t_ = end;
            if (!accept(true)) return std::move(result_);
        }
        return std::move(result_);
    }

    SimulationResult adaptive() {
        if (!begin()) return std::move(result_);
        const double max_step = options_.max_step.value_or(stop_ / 50);
        using Checker = FiniteErrorChecker;
        using Adjuster = odeint::default_step_adjuster<double, double>;
        odeint::controlled_runge_kutta<odeint::runge_kutta_dopri5<State>, Checker, Adjuster>
            stepper(Checker(options_.absolute_tolerance, options_.relative_tolerance, 1, 0),
                    Adjuster(max_step));
        std::vector<double> ends = diagram_.breakpoints(0, stop_);
        ends.push_back(stop_);
        double dt = std::min(max_step, stop_ * 1e-3);
        for (double end : ends) {
            // The slope remembered from the last step is that of the piece before.
            stepper.reset();
            while (t_ < end) {
                // The piece's last step ends on the jump exactly; a step
                // over the maximum would be refused over and over.
                const double left = end - t_;
                const bool last = left <= dt * (1 + 1e-9) && left <= max_step;
                double trial = last ? left : dt;
                const double from = t_;
                if (stepper.try_step(system(), x_, t_, trial) == odeint::fail) {
                    dt = trial;
                    if (dt <= 16 * std::numeric_limits<double>::epsilon() * std::max(1.0, t_)) {
                        stalled();
                        return std::move(result_);
                    }
                    continue;
                }
                // A step too small to move the time would repeat for ever.
                if (!last && t_ <= from) {
                    stalled();
                    return std::move(result_);
                }
                if (last) t_ = end;
                dt = last ? std::max(dt, trial) : trial;
                if (!accept(true)) return std::move(result_);
            }
        }
        return std::move(result_);
    }

    // Sends the recorded rows to `sink` instead of the result.
    void stream_to(RowSink* sink) { sink_ = sink; }

  private:
    // A step starts at a jump or after it, so the sources take the value of
    // the step's start throughout.
    Slopes system() { return {&diagram_, t_}; }

    // The initial states, checked and recorded as the first accepted step.
    bool begin() {
        if (sink_ != nullptr) sink_->begin(diagram_.recorded_signals());
        return accept(true, false);
    }

    // An accepted step at t_: the Derivatives remember it, a recorded one
    // goes to the result, a counted one to the progress. False ends the run.
    bool accept(bool recorded, bool counted = true) {
        result_.end_time = t_;
        for (std::size_t i = 0; i < x_.size(); ++i) {
            if (std::isfinite(x_[i])) continue;
            result_.status = SimulationStatus::kNonFinite;
            result_.block = diagram_.state_block(i);
            result_.message = "the state of block '" + result_.block + "' became " +
                              (std::isnan(x_[i]) ? "NaN" : "infinite") + " at t = " + time_text(t_);
            return false;
        }
        diagram_.accept(t_, x_);
        const std::optional<NonFiniteOutput> bad = diagram_.first_non_finite_output();
        if (!recorded && !bad) return true;
        if (result_.rows >= options_.max_rows) {
            result_.status = SimulationStatus::kRowLimit;
            result_.message = "the run reached the limit of " + std::to_string(options_.max_rows) +
                              " rows at t = " + time_text(t_);
            return false;
        }
        record();
        // The row that shows the value is kept; the run cannot go on from it.
        if (bad) {
            result_.status = SimulationStatus::kNonFinite;
            result_.block = diagram_.block_name(bad->block);
            result_.message = "the output of block '" + result_.block + "' became " +
                              (bad->nan ? "NaN" : "infinite") + " at t = " + time_text(t_);
            return false;
        }
        if (counted && options_.progress &&
            ++steps_ % std::max(1, options_.progress_interval) == 0 &&
            !options_.progress(stop_ > 0 ? t_ / stop_ : 1)) {
            result_.status = SimulationStatus::kCancelled;
            result_.message = "cancelled at t = " + time_text(t_);
            return false;
        }
        return true;
    }

    void record() {
        ++result_.rows;
        if (sink_ == nullptr) {
            diagram_.record(t_, result_);
            return;
        }
        diagram_.record_row(row_);
        sink_->row(t_, row_);
    }

    // The step size vanished: name the state that changes fastest against
    // its tolerance, the one that forced the steps down.
    void stalled() {
        result_.status = SimulationStatus::kStalled;
        State dx(x_.size());
        diagram_.slopes(t_, t_, x_, dx);
        double fastest = -1;
        for (std::size_t i = 0; i < dx.size(); ++i) {
            const double rate = std::fabs(dx[i]) / (options_.absolute_tolerance +
                                                    options_.relative_tolerance * std::fabs(x_[i]));
            if (std::isnan(rate) || rate > fastest) {
                fastest = std::isnan(rate) ? HUGE_VAL : rate;
                result_.block = diagram_.state_block(i);
            }
        }
        result_.message = "the step size vanished at t = " + time_text(t_);
        if (!result_.block.empty()) result_.message += " (block '" + result_.block + "')";
    }

    Dynamics& diagram_;
    const SimulationOptions& options_;
    double stop_;
    State x_;
    double t_ = 0;
    long steps_ = 0;
    SimulationResult result_;
    RowSink* sink_ = nullptr;
    std::vector<double> row_;
};

// A step or a time that a run can count with: not 0, negative, subnormal,
// infinite or NaN.
bool normal_positive(double v) {
    return v > 0 && std::isnormal(v);
}

void check(const SimulationOptions& o, double stop) {
    if (!normal_positive(stop))
        throw std::invalid_argument("the stop time " + time_text(stop) +
                                    " is not a positive normal number");
    if (o.max_rows < 1) throw std::invalid_argument("the row limit must be at least 1");
    if (o.solver == SolverKind::kFixed) {
        const double h = fixed_step_of(o, stop);
        if (!normal_positive(h))
            throw std::invalid_argument("the fixed step " + time_text(h) +
                                        " is not a positive normal number");
        // Such a run would record its start and one shortened step: no step
        // of the size asked for.
        if (h > stop)
            throw std::invalid_argument(
                "the fixed step " + time_text(h) +
                " is longer than the run, which stops at t = " + time_text(stop));
        // The first row and one per step.
        const double rows = fixed_step_rows(stop, h);
        if (rows > static_cast<double>(o.max_rows)) {
            throw std::invalid_argument(
                "a fixed step of " + time_text(h) + " up to t = " + time_text(stop) + " makes " +
                rows_text(rows) + " rows, more than the limit of " + std::to_string(o.max_rows));
        }
    }
    if (o.solver == SolverKind::kAdaptive &&
        (!normal_positive(o.relative_tolerance) || !normal_positive(o.absolute_tolerance) ||
         (o.max_step && !normal_positive(*o.max_step))))
        throw std::invalid_argument("the tolerances and the maximum step must be positive");
}

SimulationResult run_checked(Dynamics& dynamics, const SimulationOptions& options, double stop) {
    Run run(dynamics, options, stop);
    run.stream_to(options.sink);
    return options.solver == SolverKind::kFixed ? run.fixed_step() : run.adaptive();
}

}  // namespace

double fixed_step_rows(double stop, double step) {
    return fixed_steps(stop, step) + 1;
}

SimulationResult simulate(const Diagram& diagram, const SimulationOptions& options) {
    const double stop = options.stop_time.value_or(diagram.stop_time);
    check(options, stop);
    CompiledDiagram compiled(diagram, options.template_of);
    return run_checked(compiled, options, stop);
}

SimulationResult simulate(Dynamics& dynamics, double stop, const SimulationOptions& options) {
    check(options, stop);
    return run_checked(dynamics, options, stop);
}

SimulationResult simulate(std::string_view text, GeneratedForm form,
                          const SimulationOptions& options) {
    return simulate(read_generated(text, form), options);
}

}  // namespace vantor::sim
