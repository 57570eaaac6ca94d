#include "simulink/sim/evaluation_order.h"

#include <map>
#include <set>

namespace vantor::sim {

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

AlgebraicLoop::AlgebraicLoop(std::vector<std::string> blocks)
    : std::runtime_error("algebraic loop through " + joined(blocks)), blocks_(std::move(blocks)) {}

std::vector<std::size_t> evaluation_order(const Diagram& diagram) {
    const std::size_t n = diagram.blocks.size();
    std::map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < n; ++i) index[diagram.blocks[i].name] = i;
    auto find = [&](const std::string& name) {
        const auto it = index.find(name);
        if (it == index.end())
            throw std::runtime_error("a line names the missing block '" + name + "'");
        return it->second;
    };

    // feeds[a] holds b when b's output needs a's output of the same instant.
    std::vector<std::set<std::size_t>> feeds(n);
    std::vector<int> waiting(n, 0);
    for (const Line& line : diagram.lines) {
        const std::size_t src = find(line.src);
        const std::size_t dst = find(line.dst);
        if (diagram.blocks[dst].type == "Integrator") continue;
        if (feeds[src].insert(dst).second) ++waiting[dst];
    }

    std::vector<std::size_t> order;
    std::vector<bool> placed(n, false);
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t i = 0; i < n; ++i) {
            if (placed[i] || waiting[i] != 0) continue;
            placed[i] = true;
            progress = true;
            order.push_back(i);
            for (std::size_t next : feeds[i]) --waiting[next];
        }
    }
    if (order.size() == n) return order;

    // Blocks left over lie on a cycle or downstream of one; keep only those
    // that feed another left-over block until nothing changes.
    std::set<std::size_t> left;
    for (std::size_t i = 0; i < n; ++i) {
        if (!placed[i]) left.insert(i);
    }
    for (bool pruned = true; pruned;) {
        pruned = false;
        for (auto it = left.begin(); it != left.end();) {
            bool feeds_left = false;
            for (std::size_t next : feeds[*it]) feeds_left = feeds_left || left.count(next) != 0;
            if (feeds_left) {
                ++it;
            } else {
                it = left.erase(it);
                pruned = true;
            }
        }
    }
    std::vector<std::string> names;
    for (std::size_t i : left) names.push_back(diagram.blocks[i].name);
    throw AlgebraicLoop(std::move(names));
}

}  // namespace vantor::sim
