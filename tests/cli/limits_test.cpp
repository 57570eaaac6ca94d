// What generate and simulate refuse, and how: deep nesting in templates,
// positions a .mdl file cannot hold, missing templates; and the pictures
// simulate --plot writes (the runs and their CSV are command cases).
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <functional>

#include "cli_run.h"
#include "expected_file.h"
#include "model/file_saving.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::file_text;
using test::run;
using test::temp_path;

const std::string kExamples = VANTOR_EXAMPLES_DIR;
const std::string kData = VANTOR_DATA_DIR;

// The series RLC example with its causality assigned.
std::string causal_rlc() {
    const std::string rlc = temp_path("rlc.bgf");
    EXPECT_EQ(
        run({"--program-dir", kData, "causality", kExamples + "/series_rlc.bgf", "-o", rlc}).code,
        kExitOk);
    return rlc;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A copy of the program folder with one template changed (or removed, when
// `change` gives nothing back), or with one folder emptied.
std::string program_with(const std::string& name, const std::string& file,
                         const std::function<std::string(std::string)>& change) {
    const std::string folder = temp_path(name);
    fs::remove_all(folder);
    fs::copy(kData, folder, fs::copy_options::recursive);
    const std::string path = folder + "/" + file;
    if (!change) {
        fs::remove_all(path);
        fs::create_directories(path);
        return folder;
    }
    const std::string text = change(file_text(path));
    if (text.empty())
        fs::remove(path);
    else
        save_file(path, text);
    return folder;
}

// The R element's template with `from` (its gain or its Position row) nested
// `depth` times.
std::string r_nested(int depth, const std::string& from, const std::string& open,
                     const std::string& close) {
    return program_with(open + std::to_string(depth), "code3/R__.cod", [&](std::string t) {
        std::string wrapped = from;
        for (int k = 0; k < depth; ++k) wrapped = open + wrapped + close;
        return replaced(t, from, wrapped);
    });
}
std::string gain_in_parentheses(int depth) {
    return r_nested(depth, "#parameters#", "(", ")");
}
std::string position_in_brackets(int depth) {
    return r_nested(depth - 1, "[#center#-15,#top#,#center#+15,#top#+30]", "[", "]");
}

struct Case {
    std::string name;
    std::string program;
    std::vector<std::string> args;  // after the program folder
    int code;
    std::string fragment;  // on stderr; empty: stderr is empty
};

TEST(CliLimits, GenerateAndSimulateRefuseWhatTheyCannotDoAndSayWhy) {
    const std::string rlc = causal_rlc();
    const std::string model = file_text(rlc);
    // 330 constants after the circuit: element numbers up to 339.
    const std::string big = temp_path("big.bgf");
    {
        const std::string first = model.substr(0, model.find("end\r\n") + 5);
        const std::size_t objects_end = model.find("end\r\n", model.rfind("add_obj")) + 5;
        std::string constants;
        for (int k = 0; k < 330; ++k) constants += replaced(first, "type = Se_", "type = cst");
        save_file(big, model.substr(0, objects_end) + constants + model.substr(objects_end));
    }
    const std::string csv = temp_path("out.csv");
    const std::string script = temp_path("out.m");
    const std::string mdl = temp_path("out.mdl");
    const std::string no_scope =
        program_with("no_scope", "code3/sco.cod", [](const std::string&) { return ""; });
    const std::string empty_code3 = program_with("empty_code3", "code3", nullptr);

    // One row a case.
    // clang-format off
    const std::vector<std::string> strict = {"generate", rlc, "-o", script, "--strict"};
    const std::vector<std::string> lenient = {"generate", rlc, "-o", script};
    const std::vector<std::string> run_rlc = {"simulate", rlc, "-o", csv};
    const std::string no_sco = "warning: no template " + no_scope + "/code3/sco.cod";
    const std::vector<Case> cases = {
        // Nesting is bounded at 256, on every road, naming the template.
        {"gain 256", gain_in_parentheses(256), strict, 0, ""},
        {"gain 257", gain_in_parentheses(257), strict, 1,
         "more than 256 nested parentheses (template R__.cod, its line 2)"},
        {"gain 257 run", gain_in_parentheses(257), run_rlc, 1,
         "(template R__.cod): parameter Gain: expression '(((("},
        {"brackets 256", position_in_brackets(256), strict, 0, ""},
        {"brackets 257", position_in_brackets(257), strict, 1,
         "more than 256 nested brackets (template R__.cod, its line 2)"},
        {"brackets 257 run", position_in_brackets(257), run_rlc, 1,
         "more than 256 nested brackets (template R__.cod, its line 2)"},
        // Positions past what a 2.09 file takes: both roads refuse alike.
        {"big 2.09", kData, {"generate", big, "--simulink", "2", "-o", mdl}, 1,
         "too large for a Simulink 2.09 file: .mdl line"},
        {"big 2.09 run", kData, {"simulate", big, "--simulink", "2", "-o", csv}, 1,
         "the Position 32800 of block '328cst' is outside the coordinates a .mdl file takes"},
        {"big 2.2", kData, {"generate", big, "-o", script, "--strict"}, 0, ""},
        // Missing templates count for --strict and are told by simulate too.
        {"no scope", no_scope, lenient, 0, no_sco},
        {"no scope strict", no_scope, strict, 1, "warning: no template"},
        {"no scope run", no_scope, run_rlc, 0, no_sco},
        {"empty code3 strict", empty_code3, strict, 1,
         "warning: no template " + empty_code3 + "/code3/sta.cod"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(mdl);
        std::vector<std::string> args = {"--program-dir", c.program};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = run(args);
        EXPECT_EQ(r.code, c.code) << r.err.substr(0, 2000);
        if (c.fragment.empty()) {
            EXPECT_EQ(r.err, "");
        } else {
            EXPECT_NE(r.err.find(c.fragment), std::string::npos) << r.err.substr(0, 2000);
        }
        // A refused generation writes nothing.
        if (c.name == "big 2.09") {
            EXPECT_FALSE(fs::exists(mdl));
        }
    }
}

TEST(CliSimulate, PlotsArePicturesThatLoad) {
    const std::string model = causal_rlc();
    const auto plot = [&](const std::string& picture) {
        return run({"--program-dir", kData, "simulate", model, "--t-end", "0.5", "-o",
                    temp_path("plot.csv"), "--plot", picture})
            .code;
    };
    const std::string png = temp_path("rlc.png"), svg = temp_path("rlc.SVG");
    ASSERT_EQ(plot(png), kExitOk);
    const QImage image(QString::fromStdString(png));
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 100);
    ASSERT_EQ(plot(svg), kExitOk);
    EXPECT_NE(file_text(svg).find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace vantor
