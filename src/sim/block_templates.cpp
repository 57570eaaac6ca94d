#include "sim/block_templates.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>
#include <vector>

namespace vantor::sim {

namespace {

namespace fs = std::filesystem;

using Texts = std::map<std::string, std::string>;  // file name -> contents, in name order

Texts read_templates(const std::string& folder) {
    Texts texts;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->path().extension() != ".cod" || !it->is_regular_file(error)) continue;
        std::ifstream file(it->path(), std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        texts[it->path().filename().string()] = text.str();
    }
    return texts;
}

// Whether the template writes a block named "#obj#" + suffix: the name ends
// at a quote, in a script and in a model file alike.
bool names_block(const std::string& text, const std::string& suffix) {
    const std::string name = "#obj#" + suffix;
    for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const auto end = at + name.size();
        if (end < text.size() && (text[end] == '\'' || text[end] == '"')) return true;
    }
    return false;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " or ") + name;
    return text;
}

}  // namespace

TemplateOf templates_in_folder(const std::string& folder) {
    auto texts = std::make_shared<std::optional<Texts>>();
    return [folder, texts](const Block& block) -> std::string {
        if (!*texts) *texts = read_templates(folder);
        std::size_t digits = 0;
        while (digits < block.name.size() && block.name[digits] >= '0' && block.name[digits] <= '9')
            ++digits;
        if (digits == 0) return {};
        const std::string suffix = block.name.substr(digits);
        std::vector<std::string> writers, of_type;
        for (const auto& [file, text] : **texts) {
            if (!names_block(text, suffix)) continue;
            writers.push_back(file);
            if (!block.type.empty() && text.find(block.type) != std::string::npos)
                of_type.push_back(file);
        }
        return joined(of_type.empty() ? writers : of_type);
    };
}

}  // namespace vantor::sim
