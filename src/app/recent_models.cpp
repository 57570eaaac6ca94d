#include "app/recent_models.h"

#include <algorithm>

namespace vantor {

std::vector<std::string> with_recent_model(std::vector<std::string> list, const std::string& path) {
    list = without_recent_model(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > kRecentModels) list.resize(kRecentModels);
    return list;
}

std::vector<std::string> without_recent_model(std::vector<std::string> list,
                                              const std::string& path) {
    std::erase(list, path);
    std::erase(list, std::string());
    return list;
}

}  // namespace vantor
