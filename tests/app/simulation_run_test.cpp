// Run > Simulate on whole models: Generate's road into memory, then the run.
#include "app/simulation_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/app_fakes.h"
#include "app/main_window.h"
#include "app/model_document.h"
#include "causality/causality_commands.h"
#include "model/model_reader.h"
#include "model/model_writer.h"
#include "test_scratch.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

struct Messages : CausalityHost {
    void show_message(const std::string& text) override { shown.push_back(text); }
    void selection_changed(int) override {}
    void redraw() override {}
    std::vector<std::string> shown;
};

// Simulate takes Generate's road, which wants causality assigned first.
ModelWindowState window_of(const Model& model) {
    ModelWindowState window;
    window.model = model;
    Messages quiet;
    assign_Click(window, read_priority_tables(VANTOR_DATA_DIR), quiet);
    return window;
}

ObjRecord element(const char* type, const char* caption, const char* value,
                  const char* initial = "") {
    ObjRecord o;
    o.type = type;
    o.caption = caption;
    o.parameters = value;
    o.parameter2 = initial;
    o.maxlin = std::string_view(type) == "111" ? 10 : 1;
    return o;
}

// A motor inertia driving a load inertia through a gear of ratio 2: the
// load's reflected inertia (4 × 1) is larger than the motor's (1), and the
// motor, numbered first, takes integral causality.
Model geared_inertias(const char* load_initial = "0") {
    Model m;
    const ObjRecord objs[] = {
        element("Se_", "T", "1"),          element("111", "1", ""),
        element("I__", "motor", "1", "0"), element("TRF", "gear", "2"),
        element("111", "1", ""),           element("I__", "load", "1", load_initial),
        element("R__", "friction", "0.1")};
    for (const ObjRecord& o : objs) {
        ObjRecord& slot = m.objs[static_cast<std::size_t>(++m.nobj)];
        slot = o;
        slot.left = static_cast<std::int16_t>(600 * m.nobj);
        slot.top = 600;
    }
    const int bonds[][2] = {{1, 2}, {2, 3}, {2, 4}, {4, 5}, {5, 6}, {2, 7}};
    for (const auto& b : bonds) {
        m.lines[static_cast<std::size_t>(++m.nlin)] = {0, static_cast<std::int16_t>(b[0]),
                                                       static_cast<std::int16_t>(b[1]), 0};
        ++m.objs[static_cast<std::size_t>(b[0])].numlin;
        ++m.objs[static_cast<std::size_t>(b[1])].numlin;
    }
    return m;
}

SimulateRequest request(int version = 3) {
    SimulateRequest r;
    r.program_dir = VANTOR_DATA_DIR;
    r.simulink_version = version;
    r.window_caption = "model";
    return r;
}

TEST(SimulationRun, AnExampleRunsToItsStopTimeWithOneChartPerScopeInEveryVersion) {
    const Model example = read_model_file(std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf");
    for (int version = 1; version <= 3; ++version) {
        SCOPED_TRACE(version);
        ModelWindowState window = window_of(example);
        Messages host;
        const SimulationRun run = simulate_model(window, request(version), host);
        ASSERT_EQ(run.outcome, SimulateOutcome::kCompleted) << run.message;
        ASSERT_EQ(run.plots.size(), 1u);
        ASSERT_EQ(run.plots[0].signals.size(), 1u);
        const PlotSignal& signal = run.plots[0].signals[0];
        EXPECT_EQ(signal.values.size(), run.time.size());
        EXPECT_NE(signal.column.find("/1 ("), std::string::npos) << signal.column;
        EXPECT_GT(signal.element, 0);  // the detector behind the scope
        EXPECT_GT(run.time.back(), 0);
    }
}

TEST(SimulationRun, AFixedStepRunHasOneRowPerStepAndTheCsvHeadsItsColumns) {
    ModelWindowState window =
        window_of(read_model_file(std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf"));
    SimulateRequest r = request();
    r.settings.solver = sim::SolverKind::kFixed;
    r.settings.fixed_step = 0.001;
    r.settings.stop_time = 0.01;
    Messages host;
    const SimulationRun run = simulate_model(window, r, host);
    ASSERT_EQ(run.outcome, SimulateOutcome::kCompleted) << run.message;
    EXPECT_EQ(run.time.size(), 11u);
    const std::string csv = simulation_csv(run);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "t," + run.plots[0].signals[0].column);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 12);
}

// A long run writes every row as it goes, and keeps for the charts only a
// copy of bounded size that still ends where the run ends.
TEST(SimulationRun, StreamsEveryRowAndKeepsABoundedCopyForTheCharts) {
    ModelWindowState window =
        window_of(read_model_file(std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf"));
    SimulateRequest r = request();
    r.settings.solver = sim::SolverKind::kFixed;
    r.settings.fixed_step = 1e-4;
    std::ostringstream csv;
    int opened = 0;
    r.open_csv = [&]() -> std::ostream* {
        ++opened;
        return &csv;
    };
    Messages host;
    const SimulationRun run = simulate_model(window, r, host);
    ASSERT_EQ(run.outcome, SimulateOutcome::kCompleted) << run.message;
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(run.rows, 100001);
    const std::string text = csv.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), run.rows + 1);
    EXPECT_EQ(text.substr(text.rfind('\n', text.size() - 2) + 1, 3), "10,");
    EXPECT_LT(run.time.size(), 20000u);
    EXPECT_EQ(run.time.back(), 10);
    EXPECT_EQ(run.plots[0].signals[0].values.size(), run.time.size());
}

TEST(SimulationRun, SettingsThatMakeNoRunAreRefusedBeforeItStarts) {
    ModelWindowState window =
        window_of(read_model_file(std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf"));
    SimulateRequest r = request();
    r.settings.solver = sim::SolverKind::kFixed;
    r.settings.fixed_step = 1e-12;  // with the model's stop time of 10 s
    bool opened = false;
    r.open_csv = [&]() -> std::ostream* {
        opened = true;
        return nullptr;
    };
    Messages host;
    const SimulationRun run = simulate_model(window, r, host);
    EXPECT_EQ(run.outcome, SimulateOutcome::kBadSettings);
    EXPECT_NE(run.message.find("makes 1000000000000"), std::string::npos) << run.message;
    EXPECT_FALSE(opened);

    // A step longer than the model's own stop time, which the settings
    // dialog cannot compare with.
    r.settings.fixed_step = 11;
    const SimulationRun longer = simulate_model(window, r, host);
    EXPECT_EQ(longer.outcome, SimulateOutcome::kBadSettings);
    EXPECT_EQ(longer.message,
              "The simulation cannot run: the fixed step 11 is longer than the run, which stops "
              "at t = 10");
    EXPECT_FALSE(opened);
}

TEST(SimulationRun, ADivergingDerivativeCausalityNamesTheStoreAndAdvises) {
    ModelWindowState window = window_of(geared_inertias());
    Messages host;
    const SimulationRun run = simulate_model(window, request(), host);
    ASSERT_EQ(run.outcome, SimulateOutcome::kStopped) << run.message;
    EXPECT_LT(run.end_time, 10);
    EXPECT_NE(run.message.find("In derivative causality: 6 (load)"), std::string::npos)
        << run.message;
    EXPECT_NE(run.message.find("Number the larger store first"), std::string::npos);
    EXPECT_NE(run.message.find("Or simulate by the state equations"), std::string::npos);
    EXPECT_NE(std::find(run.elements.begin(), run.elements.end(), 6), run.elements.end());
    // No Scope: the integrator states are plotted.
    ASSERT_EQ(run.plots.size(), 1u);
    EXPECT_EQ(run.plots[0].title, "States");
}

// The same model by its equations: one inertia J = 1 + 2^2 * 1 = 5 with the
// motor's friction b = 0.1 driven by T = 1, so the motor's momentum (J1 = 1)
// is T/b (1 - exp(-b t/J)) = 10 (1 - exp(-t/50)).
TEST(SimulationRun, TheEquationsEngineRunsWhatTheDiagramCannot) {
    ModelWindowState window = window_of(geared_inertias());
    Messages host;
    SimulateRequest r = request();
    r.settings.engine = SimulationEngine::kEquations;
    const SimulationRun run = simulate_model(window, r, host);
    ASSERT_EQ(run.outcome, SimulateOutcome::kCompleted) << run.message;
    EXPECT_EQ(run.time.back(), 10);
    ASSERT_EQ(run.plots.size(), 1u);
    ASSERT_EQ(run.plots[0].signals.size(), 1u);  // the motor's momentum, the one state
    EXPECT_EQ(run.plots[0].signals[0].column, "3p (motor)");
    EXPECT_NEAR(run.plots[0].signals[0].values.back(), 10 * (1 - std::exp(-0.2)), 1e-4);
}

TEST(SimulationRun, AnInitialValueInDerivativeCausalityIsWarnedAboutBeforeTheRun) {
    ModelWindowState window = window_of(geared_inertias("2.5"));
    Messages host;
    const SimulationRun run = simulate_model(window, request(), host);
    ASSERT_EQ(run.warnings.size(), 1u);
    EXPECT_NE(run.warnings[0].find("6 (load)"), std::string::npos);
    EXPECT_NE(run.warnings[0].find("2.5 is ignored"), std::string::npos);
    ASSERT_FALSE(host.shown.empty());
    EXPECT_EQ(host.shown.back(), run.warnings[0]);
}

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

TEST(SimulationRun, ABlockTheSimulatorDoesNotKnowIsNamedWithItsTemplate) {
    ModelWindowState window =
        window_of(read_model_file(std::string(VANTOR_EXAMPLES_DIR) + "/series_rlc.bgf"));
    SimulateRequest r = request();
    r.program_dir = broken_program_folder();
    Messages host;
    const SimulationRun run = simulate_model(window, r, host);
    ASSERT_EQ(run.outcome, SimulateOutcome::kRefused);
    EXPECT_NE(run.message.find("'Lookupator'"), std::string::npos) << run.message;
    EXPECT_NE(run.message.find("(template C__"), std::string::npos) << run.message;
    ASSERT_EQ(run.elements.size(), 1u);
    EXPECT_EQ(window.model.objs[static_cast<std::size_t>(run.elements[0])].type, "C__");
}

// An example open in a model window, causality assigned as Run wants it.
struct CausalDocument {
    CausalDocument(const std::string& program_dir, const std::string& example) {
        app.program_dir = program_dir;
        app.openpath = std::string(VANTOR_EXAMPLES_DIR) + "/" + example + ".bgf";
        doc = std::make_unique<ModelDocument>(app, ports);
        doc->assign_Click();
    }
    AppState app;
    test::FakePorts ports;
    std::unique_ptr<ModelDocument> doc;
};

TEST(SimulationRun, AnAlgebraicLoopIsRefusedAndItsElementsSelectedInTheWindow) {
    CausalDocument opened(VANTOR_DATA_DIR, "algebraic_loop");
    ModelDocument& doc = *opened.doc;
    const SimulationRun run = doc.simulate_Click();
    ASSERT_EQ(run.outcome, SimulateOutcome::kRefused) << run.message;
    EXPECT_NE(run.message.find("algebraic loop"), std::string::npos) << run.message;
    // The three resistors and the junctions between them.
    EXPECT_EQ(run.elements, (std::vector<int>{2, 3, 4, 5, 8, 9}));
    for (int element : run.elements) {
        EXPECT_EQ(doc.window.model.objs[static_cast<std::size_t>(element)].selected, kTrue);
    }
    EXPECT_EQ(opened.ports.messages.back(), run.message);
}

// Generate writes what a broken connection template makes, then says in one
// message what reading it back found: ten problems, and how many more.
TEST(GenerateCheck, TheWindowListsTheFirstTenProblemsOfTheWrittenFile) {
    const std::string folder = broken_program_folder();
    std::ofstream(fs::path(folder) / "code3" / "lin.cod", std::ios::binary | std::ios::trunc)
        << "add_line(sys,'#block1#/#con1#','#block2#/9');\r\n";
    CausalDocument opened(folder, "series_rlc");
    ModelDocument& doc = *opened.doc;
    test::FakePorts& ports = opened.ports;
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
