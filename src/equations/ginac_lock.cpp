#include "equations/ginac_lock.h"

namespace vantor::equations {

std::unique_lock<std::recursive_mutex> ginac_lock() {
    static std::recursive_mutex mutex;
    return std::unique_lock<std::recursive_mutex>(mutex);
}

}  // namespace vantor::equations
