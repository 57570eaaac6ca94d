#include "simulink/matlab_name.h"

namespace vantor {
namespace {

bool ascii_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

bool is_matlab_name(std::string_view name) {
    constexpr std::size_t kLongest = 63;
    if (name.empty() || name.size() > kLongest || !ascii_letter(name.front())) return false;
    for (const char c : name) {
        if (!ascii_letter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
    }
    return true;
}

}  // namespace vantor
