#pragma once

#include <string>

#include "app/ports.h"

namespace vantor {

// The kind of a message the editor and the causality and generation commands
// show through their hosts, which pass text alone: the limits and the
// conflicts they report are warnings or errors, anything else a note.
MessageKind kind_of_message(const std::string& text);

}  // namespace vantor
