#include "model/model_reader.h"

#include <gtest/gtest.h>

#include "test_scratch.h"

#include "model/file_error.h"
#include "model/file_reading.h"
#include "model/file_saving.h"
#include "model/model_samples.h"
#include "model/model_writer.h"

namespace vantor {
namespace {

Model parse(const std::string& text) {
    return parse_model(text, "test.bgf");
}

// One element block with the given lines, CR LF ended, then "end_sys".
std::string one_element(const std::string& body) {
    return "add_obj\r\n" + body + "end\r\n 0 \r\nend_sys\r\n";
}

TEST(ModelReader, ReadsBackWhatTheWriterWrote) {
    const Model m = parse(test::two_junctions_text());
    EXPECT_TRUE(test::same_records(m, test::two_junctions()));
    EXPECT_EQ(m.objs[1].caption, "0" + std::string(99, ' '));
    EXPECT_EQ(format_model(m), test::two_junctions_text());
}

struct NumberCase {
    const char* line;
    int maxlin;
};

TEST(ModelReader, KeysMatchInAnyCaseAndNumbersRoundHalfToEven) {
    const NumberCase cases[] = {
        {"MAXLIN=5", 5},       {"   maxlin   =   5   ", 5}, {"maxlin = 5.4", 5},
        {"MaxLin = 2.5", 2},   {"maxlin = 3.5", 4},         {"maxlin = -2.5", -2},
        {"maxlin = 1 0", 10},  {"maxlin = 12abc", 12},      {"maxlin = abc", 0},
        {"maxlin = &H1F", 31}, {"maxlin = 4e1", 40},        {"maxlin =", 0},
    };
    for (const auto& c : cases) {
        const Model m = parse(one_element(std::string(c.line) + "\r\n"));
        ASSERT_EQ(m.nobj, 1) << c.line;
        EXPECT_EQ(m.objs[1].maxlin, c.maxlin) << c.line;
    }
}

TEST(ModelReader, MissingKeysKeepZerosAndNulsAndTheLastValueWins) {
    const Model m =
        parse(one_element("Type = C\r\ncaption = first\r\ncaption = second\r\nnumlin = 7\r\n"
                          "selected = -1\r\neffin = 1\r\nstrongobj = 3\r\nbogus = 9\r\n"));
    const ObjRecord& obj = m.objs[1];
    EXPECT_EQ(obj.type, "C  ");
    EXPECT_FALSE(obj.type == "C");
    EXPECT_EQ(obj.caption.trimmed(), "second");
    EXPECT_EQ(obj.parameters, std::string(100, '\0'));
    EXPECT_EQ(obj.numlin, 7);  // taken from the file, never recounted
    EXPECT_EQ(obj.selected, 0);
    EXPECT_EQ(obj.effin, 0);
    EXPECT_EQ(obj.strongobj, 0);
    EXPECT_EQ(obj.maxlin, 0);
}

TEST(ModelReader, LongTextIsCutToItsField) {
    const Model m =
        parse(one_element("type = ABCDE\r\ncaption = " + std::string(150, 'x') + "\r\n"));
    EXPECT_EQ(m.objs[1].type, "ABC");
    EXPECT_EQ(m.objs[1].caption, std::string(100, 'x'));
}

TEST(ModelReader, CommentsBlankLinesAndStrayLinesAreSkipped) {
    const Model m = parse(
        "% a model\r\n\r\nstray text\r\nend\r\n 9 \r\n"
        "add_obj\r\n% inside a block\r\n   \r\ntype = 000\r\n%caption = no\r\ncaption = yes\r\n"
        "end\r\nend_sys\r\n");
    ASSERT_EQ(m.nobj, 1);
    EXPECT_EQ(m.nlin, 0);  // the bond-count line is not a count that matters
    EXPECT_EQ(m.objs[1].caption.trimmed(), "yes");
}

TEST(ModelReader, StopsAtEndSys) {
    std::string text = test::two_junctions_text() + "add_obj\r\ntype = 111\r\nend\r\n";
    EXPECT_EQ(parse(text).nobj, 2);
}

TEST(ModelReader, FilesCutShortLoadAsFarAsTheyGo) {
    const Model m = parse("add_obj\r\ntype = R\r\ntop = 300");
    ASSERT_EQ(m.nobj, 1);
    EXPECT_EQ(m.objs[1].type, "R  ");
    EXPECT_EQ(m.objs[1].top, 300);
    EXPECT_EQ(m.objs[1].caption, std::string(100, '\0'));
    EXPECT_EQ(m.objs[1].left, 0);

    // Every cut of a whole file loads what it holds: an element or bond from
    // its "add_obj" or "add_line" line on, whole once its "end" line is in.
    const std::string whole = test::two_junctions_text();
    const Model full = parse(whole);
    const auto count = [](const std::string& text, const std::string& word) {
        int n = 0;
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
        return n;
    };
    const auto whole_through = [&](int block) {  // the length of the text through block's "end"
        std::size_t at = 0;
        for (int b = 0; b < block; ++b) at = whole.find("\r\nend\r\n", at) + 7;
        return at;
    };
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        const std::string text = whole.substr(0, n);
        const Model cut = parse(text);
        ASSERT_EQ(cut.nobj, count(text, "add_obj")) << n;
        ASSERT_EQ(cut.nlin, count(text, "add_line")) << n;
        for (int i = 1; i <= 2; ++i) {
            if (n >= whole_through(i)) {
                EXPECT_EQ(cut.objs[i].caption, full.objs[i].caption) << n;
                EXPECT_EQ(cut.objs[i].auxil3, full.objs[i].auxil3) << n;
            }
        }
        if (n >= whole_through(3)) {
            EXPECT_EQ(cut.lines[1].obj2, 2) << n;
        }
    }
    EXPECT_EQ(parse("").nobj, 0);
}

TEST(ModelReader, BlocksInAnyOrderAreNumberedByTheirOwnKind) {
    const Model m = parse(
        "add_line\r\ncausa = 1\r\nobj1 = 2\r\nobj2 = 1\r\nend\r\n"
        "add_obj\r\ntype = 000\r\nend\r\n"
        "add_line\r\ncausa = 2\r\nobj1 = 1\r\nobj2 = 2\r\nend\r\n"
        "add_obj\r\ntype = 111\r\nend\r\nend_sys\r\n");
    ASSERT_EQ(m.nobj, 2);
    ASSERT_EQ(m.nlin, 2);
    EXPECT_EQ(m.objs[1].type, "000");
    EXPECT_EQ(m.objs[2].type, "111");
    EXPECT_EQ(m.lines[1], test::bond(1, 2, 1));
    EXPECT_EQ(m.lines[2], test::bond(2, 1, 2));
}

TEST(ModelReader, LinesEndAtCrOrCrLfButNotAtALoneLf) {
    ModelFileFacts facts;
    Model m = parse_model("add_obj\rtype = 000\rcaption = a\nb\r\ntop = 5\rend\rend_sys", "m.bgf",
                          &facts);
    ASSERT_EQ(m.nobj, 1);
    EXPECT_EQ(m.objs[1].caption.trimmed(), "a\nb");
    EXPECT_EQ(m.objs[1].top, 5);
    EXPECT_FALSE(facts.lf_line_ends);

    // A text tool turned every CR LF into LF: the lines end at LF, and the
    // line numbers of messages still count them.
    m = parse_model("add_obj\ntype = 000\ncaption = a\x8D\nend\nadd_line\nobj1 = 1\nend\nend_sys\n",
                    "m.bgf", &facts);
    ASSERT_EQ(m.nobj, 1);
    EXPECT_EQ(m.nlin, 1);
    EXPECT_EQ(m.objs[1].type, "000");
    EXPECT_EQ(m.objs[1].caption.trimmed(), "a\r");
    EXPECT_TRUE(facts.lf_line_ends);
    try {
        parse("add_obj\n% c\ntop = 1e9\nend\n");
        ADD_FAILURE() << "not refused";
    } catch (const FileError& e) {
        EXPECT_EQ(e.line(), 3);
    }
}

TEST(ModelReader, CommasSplitUnquotedLinesAndQuotesKeepThemWhole) {
    // Old files: the text after a comma is a line of its own.
    Model m = parse(one_element("caption = a,top = 77\r\nparameters = [1,2]\r\n"));
    EXPECT_EQ(m.objs[1].caption.trimmed(), "a");
    EXPECT_EQ(m.objs[1].top, 77);
    EXPECT_EQ(m.objs[1].parameters.trimmed(), "[1");

    // Quoted: the field runs to the closing quote; what follows it up to the
    // next comma or line end is dropped.
    m = parse(one_element("  \"caption = a,b\" dropped,left = 9\r\n\"parameters = x\r\n"));
    EXPECT_EQ(m.objs[1].caption.trimmed(), "a,b");
    EXPECT_EQ(m.objs[1].left, 9);
    // An unclosed quote runs to the end of the file.
    EXPECT_EQ(m.objs[1].parameters.trimmed().substr(0, 6), "x\r\nend");
}

TEST(ModelReader, RefusesMoreThanAThousandElementsOrBondsNamingTheLine) {
    std::string elements;
    for (int i = 0; i < 1000; ++i) elements += "add_obj\r\nend\r\n";
    EXPECT_EQ(parse(elements + "end_sys\r\n").nobj, 1000);
    try {
        parse(elements + "add_obj\r\nend\r\n");
        FAIL() << "1001 elements were accepted";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), "test.bgf");
        EXPECT_EQ(e.line(), 2001);
        EXPECT_NE(std::string(e.what()).find("test.bgf, line 2001"), std::string::npos);
        EXPECT_NE(e.problem().find("1000 elements"), std::string::npos);
    }

    std::string bonds;
    for (int i = 0; i < 1001; ++i) bonds += "add_line\r\nend\r\n";
    EXPECT_THROW(parse(bonds), FileError);
}

TEST(ModelReader, RefusesNumbersOutsideSixteenBits) {
    const char* refused[] = {"top = 32768", "left = -32769", "maxlin = 32767.5", "auxil2 = 1e9",
                             "index = &H10000"};
    for (const char* line : refused) {
        try {
            parse("add_obj\r\n\r\n" + std::string(line) + "\r\nend\r\n");
            ADD_FAILURE() << line << " was accepted";
        } catch (const FileError& e) {
            EXPECT_EQ(e.line(), 3) << line;
        }
    }
    EXPECT_THROW(parse("add_line\r\nobj1 = 40000\r\nend\r\n"), FileError);
    EXPECT_EQ(parse(one_element("top = -32768\r\nleft = 32767.4\r\n")).objs[1].left, 32767);
    // Outside a block, nothing is stored, so nothing is checked.
    EXPECT_EQ(parse("top = 99999\r\nend_sys\r\n").nobj, 0);
}

TEST(ModelReader, ReportsAFileThatCannotBeOpened) {
    const std::string path = test::scratch_dir() + "no/such/model.bgf";
    try {
        read_model_file(path);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos) << e.what();
    }
}

TEST(ModelReader, AWindowKeepsItsModelWhenAReadFails) {
    const std::string good = test::scratch_dir() + "window_good.bgf";
    const std::string bad = test::scratch_dir() + "window_bad.bgf";
    write_model_file(good, test::two_junctions());
    write_model_file(bad, test::two_junctions());
    const std::string text = read_whole_file(bad);
    const std::size_t top = text.find("top");
    save_file(bad, text.substr(0, top) + "left = 1e6\r\n" + text.substr(top));

    ModelWindowState window;
    leerarchivo(window, good);
    EXPECT_EQ(window.hasname, kTrue);
    EXPECT_EQ(window.model.nobj, 2);

    window.hasname = kFalse;
    EXPECT_THROW(leerarchivo(window, bad), FileError);
    EXPECT_TRUE(test::same_records(window.model, test::two_junctions()));
    EXPECT_EQ(window.hasname, kFalse);
}

}  // namespace
}  // namespace vantor
