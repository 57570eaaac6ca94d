#include "simulink/template_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/cp1252.h"
#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/text.h"

namespace vantor {

TemplateFolder::TemplateFolder(const std::string& program_dir, int version)
    : path_(program_dir + "/code" + std::to_string(version)) {}

bool TemplateFolder::exists() const {
    std::error_code ec;
    return std::filesystem::is_directory(path_, ec);
}

const std::string& TemplateFolder::file(const std::string& name) {
    const auto cached = cache_.find(name);
    if (cached != cache_.end()) return cached->second;
    std::string bytes;
    // A type comes from the model file: it must not lead out of the folder.
    const bool plain_name = name.find_first_of(std::string_view("/\0", 2)) == std::string::npos;
    try {
        std::optional<std::string> read;
        if (plain_name) read = read_file_if_present(path_ + "/" + name, kSupportFileLimit);
        if (read) {
            bytes = std::move(*read);
        } else {
            missing_.insert(name);
        }
    } catch (const FileError& e) {
        // Messages are for people: the name is model text, the folder a path.
        if (error_.empty()) error_ = path_ + "/" + cp1252_to_utf8(name) + ": " + e.problem();
    }
    return cache_.emplace(name, std::move(bytes)).first->second;
}

std::string template_name(const Model& model, int n) {
    if (n > model.nobj) return "end.cod";
    const ObjRecord& obj = model.objs[n];
    const std::string name = std::string(obj.type.raw()) + (obj.effin == 0 ? ".cod" : "1.cod");
    return name == "con.cod" ? "con1.cod" : name;
}

std::string carga_codigo(TemplateFolder& folder, const Model& model, int n) {
    std::string codigo = folder.file(template_name(model, n));
    std::replace(codigo.begin(), codigo.end(), ',', kTemplateComma);
    return codigo;
}

}  // namespace vantor
