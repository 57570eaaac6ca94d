#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "causality/causality_fixtures.h"
#include "simulink/generate.h"

namespace vantor::test {

// A program folder with the standard priority tables and a template folder
// code<version> made of the given files.
class TemplateProgramDir : public ProgramDir {
  public:
    TemplateProgramDir(const std::string& name, const std::map<std::string, std::string>& files,
                       int version = 3)
        : ProgramDir(name, standard_tables()), folder_(path() + "/code" + std::to_string(version)) {
        std::filesystem::create_directories(folder_);
        for (const auto& [file, text] : files) set(file, text);
    }
    void set(const std::string& file, const std::string& text) const {
        std::ofstream(folder_ + "/" + file, std::ios::binary) << text;
    }
    const std::string& folder() const { return folder_; }

  private:
    std::string folder_;
};

// A readable connection template: "from/port>to/port;".
inline const char* kLineTemplate = "#block1#/#con1#>#block2#/#con2#;";

// Records the generation's requests; answers the save dialog with `answer`.
class RecordingGenerationHost : public GenerationHost {
  public:
    explicit RecordingGenerationHost(std::optional<std::string> answer)
        : answer_(std::move(answer)) {}
    void show_message(const std::string& text) override { events.push_back("message: " + text); }
    void selection_changed(int element) override {
        events.push_back("select " + std::to_string(element));
    }
    void redraw() override {}
    std::optional<std::string> ask_save_file(const SaveDialogRequest& request) override {
        events.push_back("dialog " + request.title + " | " + request.filter + " | " +
                         request.proposed_name);
        return answer_;
    }
    void set_busy(bool busy) override { events.push_back(busy ? "busy" : "normal"); }

    std::vector<std::string> events;

  private:
    std::optional<std::string> answer_;
};

}  // namespace vantor::test
