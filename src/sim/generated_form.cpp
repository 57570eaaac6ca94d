#include "sim/generated_form.h"

#include <stdexcept>
#include <string>

#include "sim/mdl_reader.h"
#include "sim/script_reader.h"

namespace vantor::sim {

GeneratedForm generated_form(int simulink_version) {
    switch (simulink_version) {
        case 1:
            return GeneratedForm::kScript1;
        case 2:
            return GeneratedForm::kMdl;
        case 3:
            return GeneratedForm::kScript;
        default:
            throw std::invalid_argument("there are no templates for Simulink version " +
                                        std::to_string(simulink_version));
    }
}

Diagram read_generated(std::string_view text, GeneratedForm form) {
    switch (form) {
        case GeneratedForm::kScript1:
            return read_script(text, ScriptDialect::kSimulink1);
        case GeneratedForm::kMdl:
            return read_mdl(text);
        case GeneratedForm::kScript:
            break;
    }
    return read_script(text, ScriptDialect::kCurrent);
}

}  // namespace vantor::sim
