#pragma once

#include <map>
#include <set>
#include <string>

#include "model/model.h"

namespace vantor {

// The code templates of one Simulink version: program_dir/code<version>/.
// Each file is read once per generation; a missing one reads as empty text and
// is remembered, never created (the program folder may be read-only). One that
// exists but cannot be read (a FIFO, a file over 1 MB, no permission) reads as
// empty text too, and the first such failure is kept: generation must stop.
class TemplateFolder {
  public:
    TemplateFolder(const std::string& program_dir, int version);

    const std::string& path() const { return path_; }
    bool exists() const;

    // The file's bytes, as they are.
    const std::string& file(const std::string& name);

    // Names of the templates asked for that do not exist, in name order.
    const std::set<std::string>& missing() const { return missing_; }

    // The message of the first template that exists but could not be read,
    // naming the file and the reason; empty when there was none.
    const std::string& error() const { return error_; }

  private:
    std::string path_;
    std::map<std::string, std::string> cache_;
    std::set<std::string> missing_;
    std::string error_;
};

// The template of element n (n = 0..nobj), or the end template for n > nobj,
// with every comma turned into 0xB8 so that expansion never sees one.
std::string carga_codigo(TemplateFolder& folder, const Model& model, int n);

// The template file name of element n: type + ".cod", or type + "1.cod" when it
// receives effort; "con.cod" is always "con1.cod"; "end.cod" past the model.
std::string template_name(const Model& model, int n);

}  // namespace vantor
