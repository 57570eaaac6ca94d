#pragma once

// Keeps a State Equations window's snapshot in step with its model. A small
// model is derived at once; a large one on a thread of its own, so the
// window stays responsive, and the snapshot is collected when it is ready.

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "app/equations_snapshot.h"
#include "equations/formats.h"
#include "model/model.h"

namespace vantor {

class EquationsView;

// Models with at least this many elements take more than a blink to derive.
inline constexpr int kBackgroundElements = 150;

class EquationsFollower {
  public:
    // `ready` is called on the deriving thread when a snapshot waits to be
    // collected: it should only ask the owner's thread to collect().
    explicit EquationsFollower(std::function<void()> ready,
                               int background_elements = kBackgroundElements);
    ~EquationsFollower();
    EquationsFollower(const EquationsFollower&) = delete;
    EquationsFollower& operator=(const EquationsFollower&) = delete;

    enum class Followed { kUnchanged, kChanged, kDeriving };
    // Derives again when the model's records changed since the last call.
    Followed follow(const Model& model);

    // Takes a snapshot made in the background; false when none waits.
    bool collect();
    bool deriving() const;

    const EquationsSnapshot& snapshot() const { return current_; }

    // One of the file formats of the latest equations; throws
    // equations::NumericError where a format needs numbers the model does not give.
    std::string format(equations::Format format, bool numeric, const std::string& title) const;

  private:
    void derive_pending();
    std::optional<EquationsSnapshot> derive(const Model& model);
    void take(EquationsSnapshot snapshot);

    std::function<void()> ready_;
    int background_elements_;
    std::optional<Model> followed_;  // the owner's last model
    EquationsSnapshot current_;

    // Used under equations::ginac_lock() only.
    std::unique_ptr<EquationsView> view_;

    mutable std::mutex mutex_;  // guards what follows
    std::optional<Model> pending_;
    std::optional<EquationsSnapshot> made_;
    bool running_ = false;
    bool stopping_ = false;
    std::thread worker_;
};

}  // namespace vantor
