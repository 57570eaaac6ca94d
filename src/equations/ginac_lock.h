#pragma once

// GiNaC counts references without atomics and shares its small numbers
// between all expressions, so two threads must never make, copy or drop its
// objects at the same time. Whoever may run beside another thread (the
// window's background derivation, a simulation by the equations) holds this
// lock for as long as its GiNaC objects live.

#include <mutex>

namespace vantor::equations {

[[nodiscard]] std::unique_lock<std::recursive_mutex> ginac_lock();

}  // namespace vantor::equations
