#pragma once

// When the model windows write, keep and remove their recovery copies, and
// the offer of the copies that a previous run left behind.

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/recovery_folder.h"

namespace vantor {

class MainWindow;
class ModelDocument;

// The windows' copies in one process. A window with unsaved changes writes
// its copy when the interval passes and after every hundred steps; a window
// that is saved, or closes cleanly (saved, or its changes discarded at the
// closing question), loses it.
class RecoveryKeeper {
  public:
    explicit RecoveryKeeper(RecoveryFolder folder) : folder_(std::move(folder)) {}

    const RecoveryFolder& folder() const { return folder_; }

    // Model window k opened: it gets a serial no window of this process had.
    void opened(int k);
    // It closed cleanly: its copy goes.
    void closed(int k);
    // The interval passed: the copy is written when the model has unsaved
    // changes. False when a copy could not be written.
    bool tick(int k, const ModelDocument& document);
    // After an event or a command of window k.
    bool changed(int k, const ModelDocument& document);
    // Makes a copy left behind window k's own.
    bool adopt(int k, const RecoveryCopy& copy);

    // Whether window k has a copy now.
    bool has_copy(int k) const;
    // Why the last copy that failed could not be written.
    const std::string& last_error() const { return last_error_; }

  private:
    struct Kept {
        int serial = 0;
        bool has_copy = false;
        std::size_t changes_at_copy = 0;
    };
    bool write(Kept& kept, const ModelDocument& document);
    void drop(Kept& kept);

    RecoveryFolder folder_;
    std::map<int, Kept> windows_;
    int serials_ = 0;
    std::string last_error_;
};

enum class RecoveryChoice { kLater, kOpen, kDiscard };

// The "Recover Models" dialog: one choice per copy, in the copies' order;
// a copy left for later is offered again at the next start.
class RecoveryDialogPort {
  public:
    virtual ~RecoveryDialogPort() = default;
    virtual std::vector<RecoveryChoice> choose(const std::vector<RecoveryCopy>& copies) = 0;
};

// At start: offers the copies of processes that no longer run, opens each
// chosen one in a new model window with changes to save, and removes each
// discarded one. Nothing is asked when there are none. `alive` tells which
// processes run.
void offer_recovery(RecoveryKeeper& keeper, MainWindow& main, RecoveryDialogPort& dialog,
                    const std::function<bool(long)>& alive = process_alive);

}  // namespace vantor
