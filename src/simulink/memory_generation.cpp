#include "simulink/memory_generation.h"

#include "model/text.h"
#include "simulink/matlab_name.h"

namespace vantor {

std::optional<std::string> MemoryGenerationHost::ask_save_file(const SaveDialogRequest& request) {
    if (cancel_dialog_) return std::nullopt;
    // A caption that is no MATLAB name still generates.
    const std::string name = nombrecorto(request.proposed_name);
    if (is_matlab_name(name)) return request.proposed_name;
    return "vantor_model" + request.proposed_name.substr(name.size());
}

}  // namespace vantor
