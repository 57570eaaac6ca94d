#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "model/model.h"

namespace vantor {

// The undo/redo history of one model window: snapshots of the used table
// slots (objs 1..nobj, lines 1..nlin and both counts), one per action that
// changed a record. Snapshots are kept in fixed-size chunks shared with the
// neighbouring snapshot wherever no record in the chunk changed, so a step
// that moves one element costs one chunk rather than the whole table.
//
// Two models count as different when a count differs or a used record
// differs in a field the model file holds. The selection and the causality
// work fields (effin, strongobj, strongfirst, strongend) are stored and
// restored, as they were at the end of the last action, but never make a step
// on their own: selecting changes no model, and the work fields are
// recomputed from the records.
class History {
  public:
    static constexpr std::size_t kDefaultCapacity = 200;

    explicit History(std::size_t capacity = kDefaultCapacity);

    // Forgets every step and takes `model` as the starting point.
    void reset(const Model& model);

    // Ends an action: adds a step named `caption` when the records differ
    // from the current snapshot, dropping any steps that could be redone, and
    // the oldest step past the capacity. True when a step was added. Before
    // the first reset this only takes the starting point.
    bool commit(const Model& model, std::string caption);

    // The counts of the current snapshot, and whether `model` differs from it
    // only in where elements lie: what names a gesture's step.
    std::int16_t nobj() const { return states_.empty() ? 0 : states_[current_].nobj; }
    std::int16_t nlin() const { return states_.empty() ? 0 : states_[current_].nlin; }
    bool only_moved(const Model& model) const;

    bool can_undo() const { return current_ > 0; }
    bool can_redo() const { return current_ + 1 < states_.size(); }

    // What undo or redo would take back or do again; empty when it cannot.
    const std::string& undo_caption() const;
    const std::string& redo_caption() const;

    // Restores the records before (undo) or after (redo) a step: the used
    // slots and the counts. Slots above the restored counts are left alone.
    // False, with the model untouched, when there is no such step.
    bool undo(Model& model);
    bool redo(Model& model);

    std::size_t steps() const { return states_.empty() ? 0 : states_.size() - 1; }
    std::size_t capacity() const { return capacity_; }

    // Heap bytes the snapshots hold, each shared chunk counted once.
    std::size_t memory_bytes() const;

  private:
    template <typename Record>
    using Chunk = std::shared_ptr<const std::vector<Record>>;

    struct Snapshot {
        std::vector<Chunk<ObjRecord>> objs;
        std::vector<Chunk<LineRecord>> lines;
        std::int16_t nobj = 0;
        std::int16_t nlin = 0;
        std::string caption;  // the action that led to this snapshot
    };

    static Snapshot take(const Model& model, const Snapshot* previous);
    static bool same_records(const Model& model, const Snapshot& snapshot);
    static void restore(const Snapshot& snapshot, Model& model);

    std::size_t capacity_;
    std::deque<Snapshot> states_;
    std::size_t current_ = 0;
};

}  // namespace vantor
