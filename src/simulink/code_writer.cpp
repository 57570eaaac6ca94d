#include "simulink/code_writer.h"

#include "model/text.h"

namespace vantor {

std::string code_bytes(std::string_view codigo) {
    std::string bytes(codigo);
    for (char& c : bytes) {
        if (c == kTemplateComma)
            c = ',';
        else if (c == kCaptionLineBreak)
            c = '\r';
    }
    return bytes;
}

}  // namespace vantor
