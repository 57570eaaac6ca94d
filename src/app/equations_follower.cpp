#include "app/equations_follower.h"

#include "app/equations_view.h"
#include "equations/ginac_lock.h"

namespace vantor {

EquationsFollower::EquationsFollower(std::function<void()> ready, int background_elements)
    : ready_(std::move(ready)),
      background_elements_(background_elements),
      view_(std::make_unique<EquationsView>()) {}

EquationsFollower::~EquationsFollower() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        pending_.reset();
    }
    if (worker_.joinable()) worker_.join();
    const auto ginac = equations::ginac_lock();
    view_.reset();
}

EquationsFollower::Followed EquationsFollower::follow(const Model& model) {
    if (followed_ && same_file_records(*followed_, model)) return Followed::kUnchanged;
    followed_ = model;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        // Behind a derivation in progress, or large: the thread derives it, in order.
        if (running_ || model.nobj >= background_elements_) {
            pending_ = model;
            if (!running_) {
                running_ = true;
                if (worker_.joinable()) worker_.join();
                worker_ = std::thread([this] { derive_pending(); });
            }
            return Followed::kDeriving;
        }
    }
    std::optional<EquationsSnapshot> made = derive(model);
    if (!made) return Followed::kUnchanged;
    take(std::move(*made));
    return Followed::kChanged;
}

std::optional<EquationsSnapshot> EquationsFollower::derive(const Model& model) {
    const auto ginac = equations::ginac_lock();
    if (!view_->follow(model)) return std::nullopt;
    return snapshot_of(*view_, model);
}

void EquationsFollower::derive_pending() {
    for (;;) {
        std::optional<Model> model;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_ || !pending_) {
                running_ = false;
                return;
            }
            model = std::move(pending_);
            pending_.reset();
        }
        std::optional<EquationsSnapshot> made = derive(*model);
        if (!made) continue;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_) continue;
            made_ = std::move(made);
        }
        ready_();
    }
}

bool EquationsFollower::collect() {
    std::optional<EquationsSnapshot> made;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        made.swap(made_);
    }
    if (!made) return false;
    take(std::move(*made));
    return true;
}

void EquationsFollower::take(EquationsSnapshot snapshot) {
    // Stale equations keep the element names of the model they came from.
    if (snapshot.stale && current_.has_equations) snapshot.element_names = current_.element_names;
    current_ = std::move(snapshot);
}

bool EquationsFollower::deriving() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return running_ || made_.has_value();
}

std::string EquationsFollower::format(equations::Format format, bool numeric,
                                      const std::string& title) const {
    const auto ginac = equations::ginac_lock();
    return view_->format(format, numeric, title);
}

}  // namespace vantor
