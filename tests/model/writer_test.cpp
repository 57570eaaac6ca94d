#include "model/model_writer.h"

#include <gtest/gtest.h>

#include "test_scratch.h"

#include <algorithm>

#include "model/model_reader.h"
#include "model/model_samples.h"

namespace vantor {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2) {
        lines.push_back(text.substr(start, p - start));
    }
    EXPECT_EQ(start, text.size()) << "the text must end with CR LF";
    return lines;
}

TEST(ModelWriter, WritesTheTwoJunctionExampleByteForByte) {
    const std::string written = format_model(test::two_junctions());
    EXPECT_EQ(written, test::two_junctions_text());

    const auto lines = lines_of(written);
    ASSERT_EQ(lines.size(), 39u);
    // No extra blank after "parameters = ": the 100 characters follow at once.
    EXPECT_EQ(lines[2].size(), 113u);
    EXPECT_EQ(lines[5].size(), 110u);
    EXPECT_EQ(lines[32], " 1 ");
    EXPECT_EQ(lines[38], "end_sys");
}

TEST(ModelWriter, EmptyModelIsTheBondCountAndEndSys) {
    EXPECT_EQ(format_model(Model{}), " 0 \r\nend_sys\r\n");
}

TEST(ModelWriter, NeverAssignedFieldsAreWrittenAsNuls) {
    Model m;
    m.nobj = 1;  // a record of zero bytes
    const auto lines = lines_of(format_model(m));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[1], std::string("type = ") + std::string(3, '\0'));
    EXPECT_EQ(lines[2], "parameters = " + std::string(100, '\0'));
    EXPECT_EQ(lines[5], "caption = " + std::string(100, '\0'));
    EXPECT_EQ(lines[8], "parameter2 = " + std::string(100, '\0'));
    EXPECT_EQ(lines[2].size(), 113u);
}

TEST(ModelWriter, NumbersCarryABlankOrAMinusSign) {
    Model m = test::two_junctions();
    m.objs[1].auxil1 = -1;
    m.objs[1].top = -32768;
    m.objs[1].left = 32767;
    m.lines[1].causa = 4;
    const auto lines = lines_of(format_model(m));
    EXPECT_EQ(lines[12], "auxil1 = -1");
    EXPECT_EQ(lines[6], "top = -32768");
    EXPECT_EQ(lines[7], "left =  32767");
    EXPECT_EQ(lines[34], "causa =  4");
}

TEST(ModelWriter, CaptionLineBreaksBecome8DAndReadBackAsCrLf) {
    Model m = test::two_junctions();
    m.objs[1].caption = "a\r\nb";
    const std::string text = format_model(m);
    const auto lines = lines_of(text);
    EXPECT_EQ(lines[5], "caption = a\x8D\nb" + std::string(96, ' '));

    const Model back = parse_model(text, "mem.bgf");
    EXPECT_EQ(back.objs[1].caption.trimmed(), "a\r\nb");
}

TEST(ModelWriter, LinesWithCommasAreQuotedAndSurviveAReload) {
    Model m = test::two_junctions();
    m.objs[1].caption = "x, y";
    m.objs[1].parameters = "[1,2,3]";
    m.objs[2].parameter2 = "f(a,b)\r\n";
    const std::string text = format_model(m);
    const auto lines = lines_of(text);
    EXPECT_EQ(lines[2], "\"parameters = [1,2,3]" + std::string(93, ' ') + "\"");
    EXPECT_EQ(lines[5].front(), '"');
    EXPECT_EQ(lines[3], "maxlin =  10");  // lines without commas are unchanged

    const Model back = parse_model(text, "mem.bgf");
    EXPECT_TRUE(test::same_records(back, m));
    EXPECT_EQ(format_model(back), text);
}

// A CR (which a quoted field of a damaged file can bring into any field) would
// end the line on the next read: such a line is quoted too, and where a quote
// forbids that, the CR is written as 0x8D, which reads back as CR.
TEST(ModelWriter, LinesWithACrAreKeptWholeToo) {
    Model m = test::two_junctions();
    m.objs[1].parameters = "a\rb";
    m.objs[2].parameter2 = "say \"x\"\ry";
    m.objs[2].caption = "q\"\r";  // captions turn CR into 0x8D anyway
    const std::string text = format_model(m);
    const auto lines = lines_of(text);
    EXPECT_EQ(lines[2], "\"parameters = a\rb" + std::string(97, ' ') + "\"");
    EXPECT_EQ(lines[24], "parameter2 = say \"x\"\x8Dy" + std::string(91, ' '));

    const Model back = parse_model(text, "mem.bgf");
    EXPECT_TRUE(test::same_records(back, m));
    EXPECT_EQ(format_model(back), text);
}

// A text with a quote and a comma cannot be kept whole: it is written up to
// the comma, so that a quote after it cannot open a field that would swallow
// the elements that follow.
TEST(ModelWriter, TextWithAQuoteAndACommaStopsAtTheComma) {
    Model m = test::two_junctions();
    m.objs[1].caption = "a\"b, \"c";
    m.objs[1].parameters = "x,\"y\r";
    const std::string text = format_model(m);
    const auto lines = lines_of(text);
    EXPECT_EQ(lines[2], "parameters = x");
    EXPECT_EQ(lines[5], "caption = a\"b");

    const Model back = parse_model(text, "mem.bgf");
    EXPECT_EQ(back.nobj, m.nobj);
    EXPECT_EQ(back.nlin, m.nlin);
    EXPECT_EQ(back.objs[1].caption.trimmed(), "a\"b");
    EXPECT_EQ(back.objs[2], m.objs[2]);
}

TEST(ModelWriter, GuardarReplacesTheFileAndMarksTheWindowSaved) {
    const std::string path = test::scratch_dir() + "guardar_test.bgf";
    ModelWindowState window;
    window.model = test::two_junctions();
    window.saved = kFalse;
    guardar(path, window);
    EXPECT_EQ(window.saved, kTrue);
    EXPECT_TRUE(test::same_records(read_model_file(path), window.model));
    std::remove(path.c_str());
}

}  // namespace
}  // namespace vantor
