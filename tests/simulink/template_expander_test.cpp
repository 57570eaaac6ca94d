// What the templates of one element expand to, and the captions generation
// gives the signal blocks.
#include "simulink/template_expander.h"

#include <gtest/gtest.h>

#include "causality/causality_fixtures.h"
#include "simulink/block_captions.h"
#include "simulink/code_writer.h"
#include "simulink/simulink_fixtures.h"
#include "simulink/template_folder.h"

namespace vantor {
namespace {

class Expansion : public testing::Test {
  protected:
    Expansion() {
        for (int i = 0; i < 12; ++i) b_.add("R__");
    }
    std::string expand(std::string_view codigo, int n) {
        std::string out;
        expander_.expand(codigo, n, out);
        return out;
    }

    test::ModelBuilder b_;
    PortTables ports_;
    TemplateExpander expander_{b_.window.model, ports_, "/home/u/models/Motor.v2.m"};
};

TEST_F(Expansion, TextWithoutPlaceholdersIsCopiedAndItsCommasSurvive) {
    test::TemplateProgramDir dir("plain", {{"R__.cod", "add_block('Gain', 'x', 'y')\r\n"}});
    TemplateFolder folder(dir.path(), 3);
    const std::string codigo = carga_codigo(folder, b_.window.model, 1);
    EXPECT_EQ(codigo.find(','), std::string::npos);
    EXPECT_EQ(code_bytes(expand(codigo, 1)), "add_block('Gain', 'x', 'y')\r\n");
}

TEST_F(Expansion, PlaceholdersGiveTheElementsValues) {
    ObjRecord& o = b_.window.model.objs[7];
    o.caption = "  abcd  ";
    o.parameters = " 1e-3 ";
    o.parameter2 = "0";
    o.top = 999;
    o.left = 1234;
    o.auxil1 = 1;  // framed: 4 characters and the frame make 510 twips
    EXPECT_EQ(expand("#obj#_1 #caption#:#parameters#:#parameter2#", 7), "7_1 abcd:1e-3:0");
    EXPECT_EQ(expand("#top# #left# #center# #arch#", 7), "99 123 148 Motor.v2");
    o.top = -15;
    EXPECT_EQ(expand("#top#", 7), "-2");
    EXPECT_EQ(expand("#nonsense#", 7), "");
}

TEST_F(Expansion, PortNamesRecordTheBlocksThatFollowThem) {
    expand("#flow_out##fo##effort_inp##ei##effort_out2##eo2##signal##sig#", 12);
    EXPECT_EQ(ports_.flow[12][0], "12fo");
    EXPECT_EQ(ports_.flow[12][2], "12fo");
    EXPECT_EQ(ports_.flow[12][1], "");
    EXPECT_EQ(ports_.effort[12][1], "12ei");
    EXPECT_EQ(ports_.effort[12][3], "12ei");
    EXPECT_EQ(ports_.effort[12][2], "12eo2");
    EXPECT_EQ(ports_.effort[12][0], "");
    EXPECT_EQ(ports_.signal[12], "12sig");

    // A block name uses up the port name; a later one overwrites.
    expand("#flow_out##a##b##flow_out2##c#", 3);
    EXPECT_EQ(ports_.flow[3][0], "3a");
    EXPECT_EQ(ports_.flow[3][2], "3c");
}

TEST_F(Expansion, AnOddNumberOfHashesCarriesIntoTheNextElement) {
    b_.window.model.objs[2].caption = "second";
    EXPECT_EQ(expand("x#cap", 1), "x");
    EXPECT_EQ(expand("tion#y", 2), "secondy");
    // So does a port name left at the end of a template.
    expand("#signal#", 4);
    expand("#out#", 5);
    EXPECT_EQ(ports_.signal[5], "5out");
    EXPECT_EQ(ports_.signal[4], "");
}

// Names follow the type and the effort input; missing templates read empty
// and are never created.
TEST(TemplateFolders, NamesFollowTheTypeAndMissingTemplatesReadEmpty) {
    test::ModelBuilder b;
    b.add("C");
    b.add("con");
    b.add("000");
    b.window.model.objs[1].effin = 1;
    EXPECT_EQ(template_name(b.window.model, 1), "C  1.cod");
    EXPECT_EQ(template_name(b.window.model, 2), "con1.cod");
    EXPECT_EQ(template_name(b.window.model, 3), "000.cod");
    EXPECT_EQ(template_name(b.window.model, 4), "end.cod");

    test::TemplateProgramDir dir("missing", {{"sta.cod", "start"}});
    b.window.model.objs[1].type = "../";  // a type that would lead out of the folder
    b.window.model.objs[1].effin = 0;
    b.window.model.objs[2].type = "R__";
    TemplateFolder folder(dir.path(), 3);
    EXPECT_EQ(carga_codigo(folder, b.window.model, 1), "");
    EXPECT_EQ(carga_codigo(folder, b.window.model, 2), "");
    EXPECT_EQ(folder.missing(), (std::set<std::string>{"../.cod", "R__.cod"}));
    EXPECT_FALSE(std::filesystem::exists(dir.folder() + "/R__.cod"));
}

// A block with input ports and an output port whose captions show the side.
test::ModelBuilder block(const char* input_arrow, int inputs = 2) {
    test::ModelBuilder b;
    b.add("sum");
    for (int k = 0; k < inputs; ++k) {
        const int port = b.add("con");
        b.window.model.objs[port].auxil2 = 1;
        b.window.model.objs[port].caption = input_arrow;
    }
    return b;
}

// Sum signs sit between the ports; mux and demux are padded to the middle.
// Only the first port of the block counts: for a sum, the first input port.
TEST(BlockCaptions, FollowTheSideOfTheFirstPort) {
    EXPECT_EQ(suma(block(">").window.model, "+-", 1), "+ \r- ");
    EXPECT_EQ(suma(block("v").window.model, "+-", 1), "+  - ");
    EXPECT_EQ(suma(block("^").window.model, "+--", 1), "+  -  - ");
    EXPECT_EQ(suma(test::ModelBuilder().window.model, "+", 1), "+ ");
    const Model sides = block(">").window.model;
    const Model top = block("v").window.model;
    EXPECT_EQ(mux(sides, 2, 1), "mux");
    EXPECT_EQ(mux(sides, 3, 1), "mux");
    EXPECT_EQ(mux(sides, 5, 1), "\rmux\r");
    EXPECT_EQ(mux(sides, 6, 1), "\r\rmux\r\r");
    EXPECT_EQ(demux(top, 4, 1),
              "\xA0"
              "demux\xA0");
    EXPECT_EQ(demux(sides, 1, 1), "demux");

    test::ModelBuilder b = block(">");
    b.window.model.objs[3].caption = "v";  // the second port says nothing
    EXPECT_EQ(mux(b.window.model, 5, 1), "\rmux\r");
    b.window.model.objs[2].signout = -1;  // an output port first is passed over
    EXPECT_EQ(suma(b.window.model, "+-", 1), "+  - ");
}

}  // namespace
}  // namespace vantor
