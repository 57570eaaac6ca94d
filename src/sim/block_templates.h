#pragma once

// Which code template wrote a block, so that a report of a block the
// simulator cannot run points at the file to mend. The caller that still has
// the model knows it exactly (the element's template name); from a template
// folder alone it can often be found by the block's name.

#include <functional>
#include <string>

#include "sim/diagram.h"

namespace vantor::sim {

// The template file name of a block ("C__.cod"), or empty when unknown.
using TemplateOf = std::function<std::string(const Block& block)>;

// Looks in a folder of code templates for the ones that can write the block:
// those that name a block "#obj#<the block's name after its element number>",
// narrowed to the ones that mention its type when that leaves any. Gives
// "C__.cod", or "R__.cod or Se_.cod" when several remain, or empty. Each file
// is read on the first question; an unreadable folder gives empty answers.
TemplateOf templates_in_folder(const std::string& folder);

}  // namespace vantor::sim
