// Run > Simulate and Generate in a model window whose templates write what
// the simulator and the checker refuse: the messages name the templates and
// elements behind the problems.
#include "app/simulation_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/app_fakes.h"
#include "app/main_window.h"
#include "app/model_document.h"
#include "test_scratch.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

// A program folder whose capacitor template writes a block type nobody knows.
std::string broken_program_folder() {
    const fs::path dir = fs::path(test::scratch_dir()) / "sim_broken_program";
    fs::remove_all(dir);
    fs::copy(VANTOR_DATA_DIR, dir, fs::copy_options::recursive);
    for (const char* name : {"C__.cod", "C__1.cod"}) {
        const fs::path file = dir / "code3" / name;
        if (!fs::exists(file)) continue;
        std::ifstream in(file, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        for (std::size_t at = text.find("Integrator"); at != std::string::npos;
             at = text.find("Integrator", at + 1)) {
            text.replace(at, 10, "Lookupator");
        }
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    }
    return dir.string();
}

// Simulate names the template behind a block the simulator does not know;
// Generate writes what a broken connection template makes, then says in one
// message what reading it back found: ten problems, and how many more.
TEST(SimulationRun, BlocksOfBrokenTemplatesAreNamedWithTheirTemplates) {
    AppState app;
    app.program_dir = broken_program_folder();
    app.openpath = std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf";
    test::FakePorts ports;
    ModelDocument doc(app, ports);
    doc.assign_Click();
    const SimulationRun run = doc.simulate_Click();
    ASSERT_EQ(run.outcome, SimulateOutcome::kRefused);
    EXPECT_NE(run.message.find("'Lookupator'"), std::string::npos) << run.message;
    EXPECT_NE(run.message.find("(template C__"), std::string::npos) << run.message;
    ASSERT_EQ(run.elements.size(), 1u);
    EXPECT_EQ(doc.window.model.objs[static_cast<std::size_t>(run.elements[0])].type, "C__");

    std::ofstream(fs::path(app.program_dir) / "code3" / "lin.cod", std::ios::binary)
        << "add_line(sys,'#block1#/#con1#','#block2#/9');\r\n";
    const std::string out = (fs::path(test::scratch_dir()) / "rlc.m").string();
    ports.files = {out};
    const GenerateResult result = doc.generate_Click();
    ASSERT_EQ(result.outcome, GenerateOutcome::kWritten);
    EXPECT_TRUE(fs::exists(out));
    ASSERT_GT(result.problems.size(), 10u);
    const std::string& message = ports.messages.back();
    EXPECT_EQ(
        message.rfind("The Simulink file " + out + " was written, but reading it back found " +
                          std::to_string(result.problems.size()) + " problems:",
                      0),
        0u)
        << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\r'), 11);
    EXPECT_NE(message.find("(element 2 (1))"), std::string::npos) << message;
    EXPECT_NE(message.find("\r... and " + std::to_string(result.problems.size() - 10) + " more."),
              std::string::npos);
}

}  // namespace
}  // namespace vantor
