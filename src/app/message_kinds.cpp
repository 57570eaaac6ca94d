#include "app/message_kinds.h"

#include <array>
#include <utility>

#include "causality/causality_host.h"
#include "editor/clipboard.h"
#include "editor/drop.h"
#include "simulink/matlab_link.h"

namespace vantor {

MessageKind kind_of_message(const std::string& text) {
    static const std::array<std::pair<const char*, MessageKind>, 7> kKinds{{
        {kTooManyElements, MessageKind::kWarning},
        {kTooManyBonds, MessageKind::kWarning},
        {kDerivativeMessage, MessageKind::kWarning},
        {kAlgebraicLoopMessage, MessageKind::kWarning},
        {kCausalityErrorMessage, MessageKind::kError},
        {kNoMatlabWindow, MessageKind::kError},
        {kNoXdotool, MessageKind::kError},
    }};
    for (const auto& [known, kind] : kKinds) {
        if (text == known) return kind;
    }
    return MessageKind::kInformation;
}

}  // namespace vantor
