#include "sim/mdl_reader.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "sim/read_error.h"
#include "sim/test_tables.h"

namespace vantor::sim {
namespace {

// A model file around the given System body.
std::string model_file(const std::string& body,
                       const std::string& header = "  StopTime \"2.5\"\n") {
    return "Model {\n  Name \"rc\"\n" + header + "  System {\n    Name \"rc\"\n" + body +
           "  }\n}\n";
}

// The generated .mdl files of every example run with their physics (see the
// simulation tests); here the order and places a run cannot show.
TEST(MdlReader, ReadsBlocksAndLinesInFileOrder) {
    const Diagram d = read_mdl(
        model_file("    Block {\n      BlockType Integrator\n      Name \"6q\"\n"
                   "      Position [600, 40, 630, 70]\n      InitialCondition \"0\"\n    }\n"
                   "    Line {\n      SrcBlock \"6q\"\n      SrcPort 1\n      DstBlock \"6e\"\n"
                   "      DstPort 1\n    }\n"
                   "    Block {\n      BlockType Gain\n      Name \"6e\"\n"
                   "      Position [650, 40, 680, 70]\n      Gain \"1/(1e-3)\"\n    }\n"));
    EXPECT_EQ(d.name, "rc");
    EXPECT_DOUBLE_EQ(d.stop_time, 2.5);
    ASSERT_EQ(d.blocks.size(), 2u);
    EXPECT_EQ(d.blocks[0].name, "6q");
    EXPECT_EQ(d.blocks[0].position, (std::array<int, 4>{600, 40, 630, 70}));
    EXPECT_EQ(d.blocks[1].params.at("Gain"), "1/(1e-3)");
    ASSERT_EQ(d.lines.size(), 1u);
    EXPECT_EQ(d.lines[0].dst, "6e");
}

TEST(MdlReader, AcceptsTheFormsSimulinkWritesToo) {
    // One line, CR LF line ends, a quoted BlockType, texts split over lines,
    // escapes, and no StopTime (Simulink's default of 10 s).
    const Diagram d = read_mdl(
        "Model {\r\n Name \"m\"\r\n System { Name \"m\"\r\n"
        " Block { BlockType \"Fcn\" Name \"1f\" Expr \"1/(1+\"\r\n \"u^2)\" }\r\n"
        " Block { BlockType Sum Name \"2\\\"s\\\"\" Inputs \"+-\" Position [-5; 0; 25; 30] }\r\n"
        " Line { SrcBlock \"1f\" SrcPort 1 DstBlock \"2\\\"s\\\"\" DstPort 2 } } }");
    ASSERT_EQ(d.blocks.size(), 2u);
    EXPECT_EQ(d.blocks[0].params.at("Expr"), "1/(1+u^2)");
    EXPECT_EQ(d.blocks[1].name, "2\"s\"");
    EXPECT_EQ(d.blocks[1].position, (std::array<int, 4>{-5, 0, 25, 30}));
    EXPECT_EQ(d.lines[0].dst_port, 2);
    EXPECT_DOUBLE_EQ(d.stop_time, 10);
}

// Each text is refused with a message that holds the given words: broken
// syntax and what the templates may not write.
TEST(MdlReader, RejectsBrokenSyntaxAndWhatTheTemplatesMayNotWrite) {
    for (const auto& [text, message] : test::table("as2_mdl_refusals.txt")) {
        try {
            read_mdl(text);
            ADD_FAILURE() << "accepted, expected: " << message;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

TEST(MdlReader, BoundsSectionNestingAndCoordinates) {
    // Model and System are two levels; the rest fill up to the depth.
    const auto nested = [](int depth) {
        std::string open, close;
        for (int k = 2; k < depth; ++k) {
            open += "X { ";
            close += "} ";
        }
        return model_file("    " + open + close + "\n");
    };
    const auto error = [](const std::string& text) -> std::string {
        try {
            read_mdl(text);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "accepted";
    };
    EXPECT_EQ(error(nested(256)).find("nested"), std::string::npos) << error(nested(256));
    EXPECT_NE(error(nested(257)).find("more than 256 nested sections"), std::string::npos);
    EXPECT_NE(error(nested(100000)).find("more than 256 nested sections"), std::string::npos);

    const auto block = [](const std::string& position) {
        return model_file("    Block { BlockType Gain Name \"1g\" Position [" + position + "] }\n");
    };
    EXPECT_EQ(read_mdl(block("-32767, 0, 32767, 40")).blocks[0].position[2], 32767);
    for (const char* position : {"32700, 40, 32768, 65", "-32768, 40, 0, 65"}) {
        try {
            read_mdl(block(position));
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
