#include "app/recovery_keeper.h"

#include "app/main_window.h"
#include "app/model_document.h"
#include "model/file_error.h"

namespace vantor {

void RecoveryKeeper::opened(int k) {
    windows_[k] = Kept{++serials_, false, 0};
}

void RecoveryKeeper::closed(int k) {
    const auto it = windows_.find(k);
    if (it == windows_.end()) return;
    drop(it->second);
    windows_.erase(it);
}

bool RecoveryKeeper::tick(int k, const ModelDocument& document) {
    const auto it = windows_.find(k);
    if (it == windows_.end()) return true;
    if (document.window.saved != kFalse) {
        drop(it->second);
        return true;
    }
    return write(it->second, document);
}

bool RecoveryKeeper::changed(int k, const ModelDocument& document) {
    const auto it = windows_.find(k);
    if (it == windows_.end()) return true;
    Kept& kept = it->second;
    // Saved, the user's file holds the work: the copy would only offer it again.
    if (document.window.saved != kFalse) {
        drop(kept);
        return true;
    }
    if (document.history.changes() - kept.changes_at_copy < kRecoveryStepInterval) return true;
    return write(kept, document);
}

bool RecoveryKeeper::adopt(int k, const RecoveryCopy& copy) {
    const auto it = windows_.find(k);
    if (it == windows_.end() || !folder_.adopt(copy, it->second.serial)) return false;
    it->second.has_copy = true;
    return true;
}

bool RecoveryKeeper::has_copy(int k) const {
    const auto it = windows_.find(k);
    return it != windows_.end() && it->second.has_copy;
}

bool RecoveryKeeper::write(Kept& kept, const ModelDocument& document) {
    // Counted as tried, so that a full disk is not retried at every step.
    kept.changes_at_copy = document.history.changes();
    try {
        folder_.write(kept.serial, document.window.model,
                      {document.caption, document.tag, document.window.hasname == kTrue});
    } catch (const FileError& e) {
        last_error_ = e.what();
        return false;
    }
    kept.has_copy = true;
    return true;
}

void RecoveryKeeper::drop(Kept& kept) {
    if (!kept.has_copy) return;
    folder_.remove(kept.serial);
    kept.has_copy = false;
}

void offer_recovery(RecoveryKeeper& keeper, MainWindow& main, RecoveryDialogPort& dialog,
                    const std::function<bool(long)>& alive) {
    const std::vector<RecoveryCopy> copies = keeper.folder().left_behind(alive);
    if (copies.empty()) return;
    const std::vector<RecoveryChoice> choices = dialog.choose(copies);
    for (std::size_t i = 0; i < copies.size() && i < choices.size(); ++i) {
        const RecoveryCopy& copy = copies[i];
        if (choices[i] == RecoveryChoice::kDiscard) {
            RecoveryFolder::discard(copy);
        } else if (choices[i] == RecoveryChoice::kOpen) {
            // A copy that cannot be read stays, to be offered again.
            if (const int k = main.open_recovered(copy.model.string(), copy.origin)) {
                keeper.adopt(k, copy);
            }
        }
    }
}

}  // namespace vantor
