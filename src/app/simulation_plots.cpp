#include "app/simulation_plots.h"

#include <algorithm>
#include <map>

#include "model/element_kinds.h"
#include "sim/element_numbers.h"

namespace vantor {

int element_of_block(const Model& model, const std::string& block) {
    const std::optional<int> n = sim::element_number(block);
    return n && in_model(model, *n) ? *n : 0;
}

namespace {

std::string caption_of(const Model& model, int element) {
    return in_model(model, element)
               ? model.objs[static_cast<std::size_t>(element)].caption.trimmed()
               : std::string();
}

// "De (3)": what a legend shows for the element behind a block.
std::string legend_of(const Model& model, const std::string& block) {
    const int element = element_of_block(model, block);
    if (element == 0) return block;
    return caption_of(model, element) + " (" + std::to_string(element) + ")";
}

const sim::Block* find_block(const sim::Diagram& diagram, const std::string& name) {
    for (const sim::Block& block : diagram.blocks) {
        if (block.name == name) return &block;
    }
    return nullptr;
}

// The block feeding input `port` of block `name`, if any.
const sim::Line* line_into(const sim::Diagram& diagram, const std::string& name, int port) {
    for (const sim::Line& line : diagram.lines) {
        if (line.dst == name && line.dst_port == port) return &line;
    }
    return nullptr;
}

// The block behind element `k` (0-based) of a Scope's input: through a Mux,
// the block feeding the Mux's input k + 1.
std::string block_behind(const sim::Diagram& diagram, const std::string& scope, std::size_t k,
                         std::size_t width) {
    const sim::Line* feed = line_into(diagram, scope, 1);
    if (feed == nullptr) return scope;
    const sim::Block* source = find_block(diagram, feed->src);
    if (width > 1 && source != nullptr && source->type == "Mux") {
        if (const sim::Line* into = line_into(diagram, source->name, static_cast<int>(k) + 1)) {
            return into->src;
        }
    }
    return feed->src;
}

}  // namespace

PlotLayout plot_layout(const Model& model, const sim::Diagram& diagram,
                       const std::vector<sim::RecordedSignal>& signals) {
    // Scope name -> its inputs' places in a row; states by block name.
    std::map<std::string, std::vector<std::size_t>> scopes;
    std::map<std::string, std::size_t> states;
    for (std::size_t k = 0; k < signals.size(); ++k) {
        const sim::RecordedSignal& signal = signals[k];
        if (signal.state) {
            states[signal.block] = k;
            continue;
        }
        auto& places = scopes[signal.block];
        if (places.size() <= signal.element) places.resize(signal.element + 1);
        places[signal.element] = k;
    }
    std::vector<std::string> names;
    for (const auto& [name, places] : scopes) names.push_back(name);
    // In the order of the elements they belong to.
    std::stable_sort(names.begin(), names.end(), [&](const auto& a, const auto& b) {
        return sim::element_number(a).value_or(0) < sim::element_number(b).value_or(0);
    });
    PlotLayout layout;
    for (const std::string& scope : names) {
        const std::vector<std::size_t>& places = scopes[scope];
        const std::string caption = caption_of(model, element_of_block(model, scope));
        Plot plot{scope + " (" + caption + ")", {}};
        for (std::size_t k = 0; k < places.size(); ++k) {
            const std::string behind = block_behind(diagram, scope, k, places.size());
            plot.signals.push_back({scope + "/" + std::to_string(k + 1) + " (" + caption + ")",
                                    legend_of(model, behind),
                                    element_of_block(model, behind),
                                    {}});
            layout.sources.push_back(places[k]);
        }
        layout.plots.push_back(std::move(plot));
    }
    if (layout.plots.empty() && !states.empty()) {
        Plot plot{"States", {}};
        std::vector<std::pair<PlotSignal, std::size_t>> kept;
        for (const auto& [block, place] : states) {
            const int element = element_of_block(model, block);
            kept.push_back({{block + " (" + caption_of(model, element) + ")",
                             legend_of(model, block),
                             element,
                             {}},
                            place});
        }
        std::stable_sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
            return a.first.element < b.first.element;
        });
        for (auto& [signal, place] : kept) {
            plot.signals.push_back(std::move(signal));
            layout.sources.push_back(place);
        }
        layout.plots.push_back(std::move(plot));
    }
    return layout;
}

}  // namespace vantor
