#pragma once

#include <string>
#include <vector>

#include "app/simulation_run.h"
#include "model/model.h"
#include "sim/diagram.h"
#include "sim/simulation.h"

namespace vantor {

// The element a generated block stands for (block names begin with the
// element's number); 0 when no element of the model does.
int element_of_block(const Model& model, const std::string& block);

// A run's charts, without their values yet: one per Scope, in the order of
// their elements, each input named after the element whose block feeds it;
// without a Scope, one chart of every Integrator state.
struct PlotLayout {
    std::vector<Plot> plots;
    // For each signal of the plots in turn: its place in the simulator's row.
    std::vector<std::size_t> sources;
};
PlotLayout plot_layout(const Model& model, const sim::Diagram& diagram,
                       const std::vector<sim::RecordedSignal>& signals);

}  // namespace vantor
