#include "sim/generated_example.h"

#include <gtest/gtest.h>

#include "test_scratch.h"

#include <filesystem>
#include <stdexcept>

#include "causality/causality_commands.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_reader.h"
#include "sim/expression.h"
#include "simulink/generate.h"

namespace vantor::sim::test {

namespace fs = std::filesystem;

namespace {

std::string example_path(const std::string& example) {
    return (fs::path(VANTOR_EXAMPLES_DIR) / (example + ".bgf")).string();
}

// A window that answers the save dialog with a scratch file.
struct ScratchHost : GenerationHost {
    std::string path;
    void show_message(const std::string&) override {}
    void selection_changed(int) override {}
    void redraw() override {}
    std::optional<std::string> ask_save_file(const SaveDialogRequest&) override { return path; }
    void set_busy(bool) override {}
};

}  // namespace

bool has_templates(int version) {
    return fs::exists(fs::path(VANTOR_DATA_DIR) / ("code" + std::to_string(version)) / "sta.cod");
}

std::string generate_example(const std::string& example, int version) {
    ScratchHost host;
    // One folder per version: the file's base name is the MATLAB model's name.
    const fs::path folder =
        fs::path(vantor::test::scratch_dir()) / ("code" + std::to_string(version));
    fs::create_directories(folder);
    host.path = (folder / (example + ".m")).string();
    ModelWindowState window;
    leerarchivo(window, example_path(example));
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), host);
    const GenerateResult result =
        generate_Click(window, {VANTOR_DATA_DIR, version, example, {}}, host);
    EXPECT_EQ(result.outcome, GenerateOutcome::kWritten);
    for (const std::string& missing : result.missing_templates)
        ADD_FAILURE() << "code" << version << " lacks the template " << missing;
    return read_whole_file(host.path);
}

Model example_model(const std::string& example) {
    return read_model_file(example_path(example));
}

double element_parameter(const Model& model, const std::string& caption) {
    for (int n = 1; n <= model.nobj; ++n) {
        if (model.objs[n].caption.trimmed() == caption)
            return evaluate(model.objs[n].parameters.trimmed());
    }
    throw std::runtime_error("the model has no element '" + caption + "'");
}

}  // namespace vantor::sim::test
