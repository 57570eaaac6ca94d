#include "editor/history.h"

#include <algorithm>
#include <unordered_set>

namespace vantor {

namespace {

// Records per shared chunk: small enough that a one-record change copies
// little, large enough that the chunk pointers stay a small overhead.
constexpr std::size_t kChunkRecords = 32;

const std::string kNoCaption;

// The fields the model file holds. Selecting is not a change of the model.
template <typename Record>
bool same_record(const Record& a, const Record& b) {
    return same_in_file(a, b);
}

std::size_t chunk_count(std::int16_t used) {
    if (used <= 0) return 0;
    return (static_cast<std::size_t>(used) + kChunkRecords - 1) / kChunkRecords;
}

// Chunk c holds table slots 1 + c * kChunkRecords onwards.
template <typename Record>
std::vector<std::shared_ptr<const std::vector<Record>>> take_chunks(
    const std::vector<Record>& table, std::int16_t used,
    const std::vector<std::shared_ptr<const std::vector<Record>>>* previous) {
    std::vector<std::shared_ptr<const std::vector<Record>>> chunks;
    chunks.reserve(chunk_count(used));
    for (std::size_t c = 0; c < chunk_count(used); ++c) {
        const std::size_t first = 1 + c * kChunkRecords;
        const std::size_t last =
            std::min(first + kChunkRecords, static_cast<std::size_t>(used) + 1);
        const auto begin = table.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = table.begin() + static_cast<std::ptrdiff_t>(last);
        if (previous != nullptr && c < previous->size()) {
            const auto& old = (*previous)[c];
            // Byte-exact reuse, work fields included, so a restore gives them back.
            if (old->size() == last - first && std::equal(begin, end, old->begin())) {
                chunks.push_back(old);
                continue;
            }
        }
        chunks.push_back(std::make_shared<const std::vector<Record>>(begin, end));
    }
    return chunks;
}

template <typename Record>
bool same_chunks(const std::vector<Record>& table,
                 const std::vector<std::shared_ptr<const std::vector<Record>>>& chunks) {
    std::size_t slot = 1;
    for (const auto& chunk : chunks) {
        for (const Record& record : *chunk) {
            if (!same_record(table[slot++], record)) return false;
        }
    }
    return true;
}

// Same apart from the place.
bool same_but_place(ObjRecord a, const ObjRecord& b) {
    a.left = b.left;
    a.top = b.top;
    return same_record(a, b);
}

template <typename Record>
void restore_chunks(const std::vector<std::shared_ptr<const std::vector<Record>>>& chunks,
                    std::vector<Record>& table) {
    std::size_t slot = 1;
    for (const auto& chunk : chunks) {
        std::copy(chunk->begin(), chunk->end(), table.begin() + static_cast<std::ptrdiff_t>(slot));
        slot += chunk->size();
    }
}

}  // namespace

// A history that holds no step would make every commit useless.
History::History(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

void History::reset(const Model& model) {
    states_.clear();
    states_.push_back(take(model, nullptr));
    current_ = 0;
}

bool History::commit(const Model& model, std::string caption) {
    if (states_.empty()) {
        reset(model);
        return false;
    }
    Snapshot& here = states_[current_];
    if (same_records(model, here)) {
        // Keep the selection and work fields current without making a step
        // of them.
        Snapshot refreshed = take(model, &here);
        refreshed.caption = std::move(here.caption);
        here = std::move(refreshed);
        return false;
    }
    Snapshot next = take(model, &here);
    next.caption = std::move(caption);
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, states_.end());
    states_.push_back(std::move(next));
    ++current_;
    while (steps() > capacity_) {
        states_.pop_front();
        --current_;
    }
    return true;
}

bool History::only_moved(const Model& model) const {
    if (states_.empty()) return false;
    const Snapshot& here = states_[current_];
    if (model.nobj != here.nobj || model.nlin != here.nlin) return false;
    if (!same_chunks(model.lines, here.lines)) return false;
    bool moved = false;
    std::size_t slot = 1;
    for (const auto& chunk : here.objs) {
        for (const ObjRecord& record : *chunk) {
            const ObjRecord& now = model.objs[slot++];
            if (!same_but_place(now, record)) return false;
            moved = moved || now.left != record.left || now.top != record.top;
        }
    }
    return moved;
}

const std::string& History::undo_caption() const {
    return can_undo() ? states_[current_].caption : kNoCaption;
}

const std::string& History::redo_caption() const {
    return can_redo() ? states_[current_ + 1].caption : kNoCaption;
}

bool History::undo(Model& model) {
    if (!can_undo()) return false;
    --current_;
    restore(states_[current_], model);
    return true;
}

bool History::redo(Model& model) {
    if (!can_redo()) return false;
    ++current_;
    restore(states_[current_], model);
    return true;
}

std::size_t History::memory_bytes() const {
    std::unordered_set<const void*> counted;
    std::size_t bytes = 0;
    auto add_chunks = [&](const auto& chunks) {
        bytes += chunks.capacity() * sizeof(chunks.front());
        for (const auto& chunk : chunks) {
            if (!counted.insert(chunk.get()).second) continue;
            bytes += sizeof(*chunk) + chunk->capacity() * sizeof(chunk->front());
        }
    };
    for (const Snapshot& snapshot : states_) {
        bytes += sizeof(Snapshot) + snapshot.caption.capacity();
        add_chunks(snapshot.objs);
        add_chunks(snapshot.lines);
    }
    return bytes;
}

History::Snapshot History::take(const Model& model, const Snapshot* previous) {
    Snapshot snapshot;
    snapshot.nobj = model.nobj;
    snapshot.nlin = model.nlin;
    snapshot.objs = take_chunks(model.objs, model.nobj, previous ? &previous->objs : nullptr);
    snapshot.lines = take_chunks(model.lines, model.nlin, previous ? &previous->lines : nullptr);
    return snapshot;
}

bool History::same_records(const Model& model, const Snapshot& snapshot) {
    return model.nobj == snapshot.nobj && model.nlin == snapshot.nlin &&
           same_chunks(model.objs, snapshot.objs) && same_chunks(model.lines, snapshot.lines);
}

void History::restore(const Snapshot& snapshot, Model& model) {
    restore_chunks(snapshot.objs, model.objs);
    restore_chunks(snapshot.lines, model.lines);
    model.nobj = snapshot.nobj;
    model.nlin = snapshot.nlin;
}

}  // namespace vantor
