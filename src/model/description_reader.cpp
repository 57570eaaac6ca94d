#include "model/description_reader.h"

#include "model/text.h"

namespace vantor {

std::string DescriptionReader::lectura() {
    for (;;) {
        if (fields_.at_end()) return "end=";
        const std::string line = invtexto(ltrim_blanks(fields_.next()));
        if (!line.empty() && line.front() == '%') continue;
        return std::string(trim_blanks(line));
    }
}

}  // namespace vantor
