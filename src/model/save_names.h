#pragma once

// The names of a save's temporary files, and the removal of those that saves
// killed before their rename left behind.

#include <string>

namespace vantor {

// A name no other save is using: `prefix` (see temporary_save_prefix), the
// writer's process number, so that a later save can tell a leftover from a
// running save, and a random part, so that the threads of one process differ too.
std::string unique_name(const std::string& prefix);

// Removes the temporary files of this target that saves killed before their
// rename left: those whose writer process is gone and that are old enough that
// no running save can own them. A running save's file is never touched.
void remove_leftovers(const std::string& folder, const std::string& prefix);

}  // namespace vantor
