#pragma once

#include <set>
#include <string>

#include "cli/commands.h"

namespace vantor {

// One "warning: no template FOLDER/NAME" line on stderr for each template
// generation asked for that is not in the folder, as generate and simulate
// both tell.
void print_missing_templates(const CliContext& ctx, int simulink_version,
                             const std::set<std::string>& names);

}  // namespace vantor
