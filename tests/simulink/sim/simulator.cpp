#include "simulink/sim/simulator.h"

#include <cmath>
#include <map>
#include <stdexcept>

#include "simulink/sim/block_catalog.h"
#include "simulink/sim/expression.h"

namespace vantor::sim {

namespace {

struct Source {
    int block = -1;  // -1: an unfed input, which reads 0
    int port = 0;
};

// One block, ready to run: its numbers read, its inputs resolved to the
// outputs that feed them, its outputs placed in the value array.
struct Unit {
    const Block* block = nullptr;
    std::vector<double> p;  // numeric parameters in the catalogue's order of use
    std::string signs;      // Sum, Product
    Expression fcn;
    std::vector<Source> inputs;
    std::vector<int> offset;  // per output port, into the value array
    std::vector<int> width;
    int state = -1;  // Integrator
    // Derivative: the input and output at the last accepted step.
    double last_time = 0, last_input = 0, last_output = 0;
};

double number(const Block& block, const char* name) {
    try {
        return evaluate(parameter(block, name));
    } catch (const std::runtime_error& e) {
        throw std::runtime_error("block '" + block.name + "' parameter " + name + ": " + e.what());
    }
}

class Simulator {
  public:
    explicit Simulator(const Diagram& diagram) : order_(evaluation_order(diagram)) {
        std::map<std::string, int> index;
        for (const Block& block : diagram.blocks) {
            index[block.name] = static_cast<int>(units_.size());
            units_.push_back(unit(block));
        }
        for (const Line& line : diagram.lines) {
            Unit& dst = units_[index.at(line.dst)];
            const int src = index.at(line.src);
            if (line.dst_port < 1 || line.dst_port > static_cast<int>(dst.inputs.size()) ||
                line.src_port < 1 || line.src_port > output_count(*units_[src].block))
                throw std::runtime_error("line " + line.src + " -> " + line.dst +
                                         " names a port that does not exist");
            dst.inputs[line.dst_port - 1] = {src, line.src_port - 1};
        }
        place_outputs();
    }

    SimulationResult run(double step, double stop_time) {
        SimulationResult result;
        const long steps = std::lround(stop_time / step);
        std::vector<double> x = initial_states();
        std::vector<double> k1(x.size()), k2(x.size()), k3(x.size()), k4(x.size()), probe(x.size());
        accept(0, x, result);
        for (long n = 0; n < steps; ++n) {
            const double t = static_cast<double>(n) * step;
            slopes(t, x, k1);
            for (std::size_t i = 0; i < x.size(); ++i) probe[i] = x[i] + step / 2 * k1[i];
            slopes(t + step / 2, probe, k2);
            for (std::size_t i = 0; i < x.size(); ++i) probe[i] = x[i] + step / 2 * k2[i];
            slopes(t + step / 2, probe, k3);
            for (std::size_t i = 0; i < x.size(); ++i) probe[i] = x[i] + step * k3[i];
            slopes(t + step, probe, k4);
            for (std::size_t i = 0; i < x.size(); ++i)
                x[i] += step / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
            accept(static_cast<double>(n + 1) * step, x, result);
        }
        return result;
    }

  private:
    Unit unit(const Block& block) {
        Unit u;
        u.block = &block;
        const std::string& t = block.type;
        if (parameter_defaults(t) == nullptr)
            throw std::runtime_error("block '" + block.name + "' has the unknown type '" + t + "'");
        u.inputs.resize(input_count(block));
        if (t == "Integrator") {
            u.p = {number(block, "InitialCondition")};
            u.state = states_++;
        } else if (t == "Gain") {
            u.p = {number(block, "Gain")};
        } else if (t == "Constant") {
            u.p = {number(block, "Value")};
        } else if (t == "Step") {
            u.p = {number(block, "Time"), number(block, "Before"), number(block, "After")};
        } else if (t == "Sin") {
            u.p = {number(block, "Amplitude"), number(block, "Frequency"), number(block, "Phase"),
                   number(block, "Bias")};
        } else if (t == "Sum" || t == "Product") {
            u.signs = input_signs(block);
        } else if (t == "Fcn") {
            u.fcn = Expression::parse(parameter(block, "Expr"), true);
        }
        return u;
    }

    int input_width(const Source& s) const {
        return s.block < 0 ? 1 : units_[s.block].width[s.port];
    }

    // Widths follow the evaluation order: a block's inputs are placed first.
    void place_outputs() {
        for (std::size_t i : order_) {
            Unit& u = units_[i];
            const std::string& t = u.block->type;
            const int outputs = output_count(*u.block);
            int each = 1;
            if (t == "Mux") {
                each = 0;
                for (const Source& s : u.inputs) each += input_width(s);
            } else if (t == "Demux") {
                const int in = input_width(u.inputs[0]);
                if (in % outputs != 0)
                    throw std::runtime_error("demux '" + u.block->name + "' cannot split " +
                                             std::to_string(in) + " elements");
                each = in / outputs;
            }
            for (int k = 0; k < outputs; ++k) {
                u.offset.push_back(static_cast<int>(values_.size()));
                u.width.push_back(each);
                values_.resize(values_.size() + each);
            }
        }
        for (const Unit& u : units_) {
            const std::string& t = u.block->type;
            if (t == "Mux" || t == "Demux" || t == "Scope" || t == "Terminator") continue;
            for (const Source& s : u.inputs) {
                if (input_width(s) != 1)
                    throw std::runtime_error("block '" + u.block->name + "' gets a vector");
            }
        }
    }

    std::vector<double> initial_states() const {
        std::vector<double> x(states_);
        for (const Unit& u : units_) {
            if (u.state >= 0) x[u.state] = u.p[0];
        }
        return x;
    }

    double in(const Unit& u, int k) const {
        const Source& s = u.inputs[k];
        return s.block < 0 ? 0 : values_[units_[s.block].offset[s.port]];
    }

    // All outputs at time t for the states x.
    void evaluate_at(double t, const std::vector<double>& x) {
        for (std::size_t i : order_) {
            Unit& u = units_[i];
            const std::string& type = u.block->type;
            double* out = u.offset.empty() ? nullptr : &values_[u.offset[0]];
            if (type == "Integrator") {
                *out = x[u.state];
            } else if (type == "Derivative") {
                *out =
                    t > u.last_time ? (in(u, 0) - u.last_input) / (t - u.last_time) : u.last_output;
            } else if (type == "Gain") {
                *out = u.p[0] * in(u, 0);
            } else if (type == "Sum") {
                *out = 0;
                for (std::size_t k = 0; k < u.signs.size(); ++k)
                    *out += (u.signs[k] == '-' ? -1 : 1) * in(u, static_cast<int>(k));
            } else if (type == "Product") {
                *out = 1;
                for (std::size_t k = 0; k < u.signs.size(); ++k) {
                    const double v = in(u, static_cast<int>(k));
                    *out = u.signs[k] == '/' ? *out / v : *out * v;
                }
            } else if (type == "Constant") {
                *out = u.p[0];
            } else if (type == "Step") {
                *out = t < u.p[0] ? u.p[1] : u.p[2];
            } else if (type == "Sin") {
                *out = u.p[0] * std::sin(u.p[1] * t + u.p[2]) + u.p[3];
            } else if (type == "Fcn") {
                *out = u.fcn(in(u, 0));
            } else if (type == "Mux") {
                for (const Source& s : u.inputs) {
                    const int w = input_width(s);
                    for (int e = 0; e < w; ++e)
                        *out++ = s.block < 0 ? 0 : values_[units_[s.block].offset[s.port] + e];
                }
            } else if (type == "Demux") {
                const Source& s = u.inputs[0];
                for (int e = 0; e < u.width[0] * static_cast<int>(u.width.size()); ++e)
                    out[e] = s.block < 0 ? 0 : values_[units_[s.block].offset[s.port] + e];
            }
        }
    }

    void slopes(double t, const std::vector<double>& x, std::vector<double>& dx) {
        evaluate_at(t, x);
        for (const Unit& u : units_) {
            if (u.state >= 0) dx[u.state] = in(u, 0);
        }
    }

    // An accepted step: the scopes record, the Derivatives remember.
    void accept(double t, const std::vector<double>& x, SimulationResult& result) {
        evaluate_at(t, x);
        result.time.push_back(t);
        for (Unit& u : units_) {
            if (u.block->type == "Derivative") {
                u.last_time = t;
                u.last_input = in(u, 0);
                u.last_output = values_[u.offset[0]];
            } else if (u.block->type == "Scope") {
                auto& series = result.scopes[u.block->name];
                const Source& s = u.inputs[0];
                const int w = input_width(s);
                series.resize(w);
                for (int e = 0; e < w; ++e)
                    series[e].push_back(s.block < 0 ? 0
                                                    : values_[units_[s.block].offset[s.port] + e]);
            }
        }
    }

    std::vector<std::size_t> order_;
    std::vector<Unit> units_;
    std::vector<double> values_;
    int states_ = 0;
};

}  // namespace

SimulationResult simulate(const Diagram& diagram, double step, double stop_time) {
    if (!(step > 0) || !(stop_time >= 0))
        throw std::runtime_error("a simulation needs a positive step and a stop time");
    return Simulator(diagram).run(step, stop_time);
}

}  // namespace vantor::sim
