// The readers of the three generated forms. The generated files of every
// example run with their physics (see the simulation tests); here what a run
// cannot show, and what they refuse.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "sim/generated_form.h"
#include "sim/read_error.h"
#include "sim/test_scripts.h"
#include "sim/test_tables.h"

namespace vantor::sim {
namespace {

// The diagram on one line: name and stop time, the blocks in file order with
// their places and parameters, then the lines.
std::string described(const Diagram& d) {
    std::ostringstream out;
    out << d.name << " " << d.stop_time;
    for (const Block& b : d.blocks) {
        out << " | " << b.name << " " << b.type << " [" << b.position[0] << " " << b.position[1]
            << " " << b.position[2] << " " << b.position[3] << "]";
        for (const auto& [name, value] : b.params) out << " " << name << "=" << value;
    }
    for (const Line& l : d.lines)
        out << " | " << l.src << "/" << l.src_port << ">" << l.dst << "/" << l.dst_port;
    return out.str();
}

std::string read(const std::string& text, GeneratedForm form) {
    try {
        return described(read_generated(text, form));
    } catch (const std::runtime_error& e) {
        return e.what();
    }
}

TEST(Readers, ReadWhatTheTablesShowAndRefuseWithTheirWords) {
    const std::map<std::string, GeneratedForm> forms = {{"mdl", GeneratedForm::kMdl},
                                                        {"script", GeneratedForm::kScript},
                                                        {"script1", GeneratedForm::kScript1}};
    for (const auto& [text, expected] : test::table("as4_readings.txt")) {
        const std::string form = expected.substr(0, expected.find(' '));
        EXPECT_EQ(read(text, forms.at(form)), expected.substr(form.size() + 1)) << text;
    }
    EXPECT_EQ(read(test::diagram_text("rc"), GeneratedForm::kScript),
              "rc 5 | src Step [20 20 50 50] After=1 Time=0 | err Sum [80 -20 100 40] Inputs=+- | "
              "k Gain [120 20 150 50] Gain=1/(1e3*1e-3) | v Integrator [0 0 0 0] "
              "InitialCondition=0 | scope Scope [0 0 0 0] | src/1>err/1 | err/1>k/1 | k/1>v/1 | "
              "v/1>err/2 | v/1>scope/1");
    // Each refusal's message holds the case's words; the names of each
    // script dialect are not the other's.
    for (const auto& [file, form] :
         {std::pair{"as2_mdl_refusals.txt", GeneratedForm::kMdl},
          std::pair{"as2_script_refusals.txt", GeneratedForm::kScript},
          std::pair{"as2_script1_refusals.txt", GeneratedForm::kScript1}}) {
        for (const auto& [text, words] : test::table(file)) {
            SCOPED_TRACE(text);
            const std::string said = read(text, form);
            EXPECT_NE(said.find(words), std::string::npos) << said;
            EXPECT_EQ(said.find(" | "), std::string::npos) << "read";
        }
    }
}

// Depth is bounded before it can exhaust the stack; coordinates are those a
// stored model can hold.
TEST(Readers, BoundNestingAndCoordinates) {
    const auto times = [](int n, const std::string& s) {
        std::string text;
        for (int k = 0; k < n; ++k) text += s;
        return text;
    };
    const auto model = [](const std::string& body) {
        return "Model {\n Name \"m\"\n System {\n  Name \"m\"\n" + body + " }\n}\n";
    };
    const auto nested = [&](int depth, GeneratedForm form) {
        if (form == GeneratedForm::kScript) {
            return read(
                "sys='m'; new_system(sys)\nadd_block('built-in/Gain',[sys '/g'],"
                "'Position'," +
                    times(depth, "[") + "1 2 3 4" + times(depth, "]") + ")\n",
                form);
        }
        // Model and System are two levels; the rest fill up to the depth.
        return read(model(times(depth - 2, "X { ") + times(depth - 2, "} ") + "\n"), form);
    };
    EXPECT_EQ(nested(256, GeneratedForm::kScript), "m 10 | g Gain [1 2 3 4]");
    // Read past the depth check, up to what the sections mean.
    EXPECT_EQ(nested(256, GeneratedForm::kMdl), ".mdl line 5: unknown system parameter X");
    for (const int depth : {257, 100000}) {
        SCOPED_TRACE(depth);
        EXPECT_EQ(nested(depth, GeneratedForm::kScript),
                  "script line 2: more than 256 nested brackets");
        EXPECT_NE(nested(depth, GeneratedForm::kMdl).find("more than 256 nested sections"),
                  std::string::npos);
    }

    const auto block = [&](const std::string& position) {
        return model("\n  Block { BlockType Gain Name \"1g\" Position [" + position + "] }\n");
    };
    EXPECT_EQ(read(block("-32767, 0, 32767, 40"), GeneratedForm::kMdl),
              "m 10 | 1g Gain [-32767 0 32767 40]");
    for (const char* position : {"32700, 40, 32768, 65", "-32768, 40, 0, 65"}) {
        try {
            read_generated(block(position), GeneratedForm::kMdl);
            ADD_FAILURE() << "accepted " << position;
        } catch (const FormatLimitError& e) {
            EXPECT_EQ(e.line(), 6);
            EXPECT_NE(std::string(e.what()).find("of block '1g' is outside the coordinates"),
                      std::string::npos);
        }
    }
}

}  // namespace
}  // namespace vantor::sim
