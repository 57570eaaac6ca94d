#include "simulink/code_writer.h"

#include "model/atomic_file.h"
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

void guardar_codigo(std::string_view codigo, const std::string& arch) {
    write_file_atomically(arch, code_bytes(codigo));
}

}  // namespace vantor
