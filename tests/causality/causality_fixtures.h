#pragma once

#include <gtest/gtest.h>

#include "test_scratch.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "causality/causality_host.h"
#include "model/model.h"

namespace vantor::test {

// Records what the causality commands ask of their window, in order.
class RecordingHost : public CausalityHost {
  public:
    void show_message(const std::string& text) override { events.push_back("message: " + text); }
    void selection_changed(int element) override {
        events.push_back("select " + std::to_string(element));
    }
    void derivative_causality_selected(const std::vector<int>& elements) override {
        std::string event = "derivative";
        for (int element : elements) event += " " + std::to_string(element);
        events.push_back(event);
    }
    void redraw() override { events.push_back("redraw"); }

    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& e : events) {
            if (e.rfind("message: ", 0) == 0) out.push_back(e.substr(9));
        }
        return out;
    }

    std::vector<std::string> events;
};

// A program folder of its own with the given priority tables (one string per
// table, written as the file's whole text).
class ProgramDir {
  public:
    explicit ProgramDir(const std::string& name, const std::vector<std::string>& tables = {})
        : path_(std::filesystem::path(scratch_dir()) / ("progdir_" + name)) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_ / "library");
        for (std::size_t k = 0; k < tables.size(); ++k)
            set_table(static_cast<int>(k) + 1, tables[k]);
    }
    ~ProgramDir() { std::filesystem::remove_all(path_); }

    void set_table(int k, const std::string& text) const {
        std::ofstream(path_ / "library" / ("priori" + std::to_string(k) + ".dat"), std::ios::binary)
            << text;
    }
    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

// The standard tables: sources and sensors mandatory, C and I preferred, R free.
inline std::vector<std::string> standard_tables() {
    return {"Se_\r\nMSe\r\nDf_\r\nend\r\n", "Sf_\r\nMSf\r\nDe_\r\nend\r\n", "C__\r\nend\r\n",
            "I__\r\nend\r\n", "R__\r\nend\r\n"};
}

// Builds models element by element for tests.
class ModelBuilder {
  public:
    int add(std::string_view type) {
        ObjRecord& o = window.model.objs[++window.model.nobj];
        o = ObjRecord{};
        o.type = type;
        return window.model.nobj;
    }
    int bond(int obj1, int obj2, int causa = 0) {
        LineRecord& b = window.model.lines[++window.model.nlin];
        b = LineRecord{static_cast<std::int16_t>(causa), static_cast<std::int16_t>(obj1),
                       static_cast<std::int16_t>(obj2), 0};
        return window.model.nlin;
    }
    int causa(int bond) const { return window.model.lines[bond].causa; }
    const ObjRecord& obj(int i) const { return window.model.objs[i]; }

    ModelWindowState window;
};

}  // namespace vantor::test
