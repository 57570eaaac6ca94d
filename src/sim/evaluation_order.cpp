#include "sim/evaluation_order.h"

#include <deque>
#include <type_traits>
#include <unordered_map>

namespace vantor::sim {

namespace {

template <class T>
std::string joined(const std::vector<T>& items) {
    std::string text;
    for (const auto& item : items) {
        if (!text.empty()) text += ", ";
        if constexpr (std::is_same_v<T, std::string>)
            text += item;
        else
            text += std::to_string(item);
    }
    return text;
}

std::string loop_message(const std::vector<std::string>& blocks) {
    std::string text = "algebraic loop through " + joined(blocks);
    const std::vector<int> elements = element_numbers(blocks);
    if (!elements.empty())
        text += (elements.size() == 1 ? " (element " : " (elements ") + joined(elements) + ")";
    return text;
}

}  // namespace

AlgebraicLoop::AlgebraicLoop(std::vector<std::string> blocks)
    : std::runtime_error(loop_message(blocks)), blocks_(std::move(blocks)) {}

std::vector<std::size_t> evaluation_order(const Diagram& diagram) {
    const std::size_t n = diagram.blocks.size();
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < n; ++i) index[diagram.blocks[i].name] = i;
    auto find = [&](const std::string& name) {
        const auto it = index.find(name);
        if (it == index.end())
            throw std::runtime_error("a line names the missing block '" + name + "'");
        return it->second;
    };

    // feeds[a] holds b when b's output needs a's output of the same instant.
    std::vector<std::vector<std::size_t>> feeds(n);
    std::vector<int> waiting(n, 0);
    for (const Line& line : diagram.lines) {
        const std::size_t src = find(line.src);
        const std::size_t dst = find(line.dst);
        if (diagram.blocks[dst].type == "Integrator") continue;
        feeds[src].push_back(dst);
        ++waiting[dst];
    }

    std::vector<std::size_t> order;
    order.reserve(n);
    std::deque<std::size_t> ready;
    for (std::size_t i = 0; i < n; ++i) {
        if (waiting[i] == 0) ready.push_back(i);
    }
    while (!ready.empty()) {
        const std::size_t i = ready.front();
        ready.pop_front();
        order.push_back(i);
        for (std::size_t next : feeds[i]) {
            if (--waiting[next] == 0) ready.push_back(next);
        }
    }
    if (order.size() == n) return order;

    // Blocks left over lie on a cycle or downstream of one; keep only those
    // that feed another left-over block until nothing changes.
    std::vector<bool> left(n, true);
    for (std::size_t i : order) left[i] = false;
    for (bool pruned = true; pruned;) {
        pruned = false;
        for (std::size_t i = 0; i < n; ++i) {
            if (!left[i]) continue;
            bool feeds_left = false;
            for (std::size_t next : feeds[i]) feeds_left = feeds_left || left[next];
            if (!feeds_left) {
                left[i] = false;
                pruned = true;
            }
        }
    }
    std::vector<std::string> names;
    for (std::size_t i = 0; i < n; ++i) {
        if (left[i]) names.push_back(diagram.blocks[i].name);
    }
    throw AlgebraicLoop(std::move(names));
}

}  // namespace vantor::sim
