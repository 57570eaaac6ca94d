#pragma once

#include <string>

namespace vantor {

// The folder of the running executable, where the support files lie.
// `argv0` is the fallback where the system cannot tell.
std::string executable_folder(const char* argv0);

}  // namespace vantor
