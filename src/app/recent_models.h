#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The models of File > Open Recent, the most recent first.
namespace vantor {

inline constexpr std::size_t kRecentModels = 10;

// `list` with `path` first, its earlier place dropped and the oldest beyond
// the tenth let go.
std::vector<std::string> with_recent_model(std::vector<std::string> list, const std::string& path);

// `list` without `path`, as when the file is found gone.
std::vector<std::string> without_recent_model(std::vector<std::string> list,
                                              const std::string& path);

}  // namespace vantor
