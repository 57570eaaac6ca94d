#include "causality/priority_tables.h"

#include <gtest/gtest.h>

#include "causality/causality_commands.h"
#include "causality/causality_fixtures.h"
#include "model/file_error.h"

namespace vantor {
namespace {

using Items = std::vector<std::string>;

TEST(PriorityTables, ReadsListItemsUpToAndIncludingEnd) {
    test::ProgramDir dir("tables");
    dir.set_table(1, "Se_\r\n  MSe  ,\"Df_\" dropped, C\r\nend\r\nR__\r\n");
    EXPECT_EQ(read_priority_table(dir.path(), 1), (Items{"Se_", "MSe", "Df_", "C", "end"}));

    dir.set_table(2, "Sf_\r\nDe_");  // no "end": read to the end of the file
    EXPECT_EQ(read_priority_table(dir.path(), 2), (Items{"Sf_", "De_"}));

    dir.set_table(3, "");
    EXPECT_EQ(read_priority_table(dir.path(), 3), Items{});
}

TEST(PriorityTables, ATableWithLfLineEndsReadsItemByItem) {
    test::ProgramDir dir("lf_tables");
    dir.set_table(1, "Se_\nMSe\nend\n");
    EXPECT_EQ(read_priority_table(dir.path(), 1), (Items{"Se_", "MSe", "end"}));
    // One CR anywhere: the file is read as written, a lone LF being no line end.
    dir.set_table(2, "Sf_\nDe_\r\nend\r\n");
    EXPECT_EQ(read_priority_table(dir.path(), 2), (Items{"Sf_\nDe_", "end"}));
}

TEST(PriorityTables, AMissingTableIsAFileErrorNamingIt) {
    test::ProgramDir dir("missing_table");
    try {
        read_priority_table(dir.path(), 4);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), dir.path() + "/library/priori4.dat");
    }
}

TEST(PriorityTables, AnItemMatchesOnlyAWholeThreeCharacterType) {
    test::ProgramDir dir("one_letter",
                         {"C\r\nend\r\n", "end\r\n", "C__\r\nend\r\n", "end\r\n", "end\r\n"});
    test::ModelBuilder b;
    const int zero = b.add("000");
    const int c = b.add("C");  // stored as "C" and two blanks
    const int c3 = b.add("C__");
    const int one_letter_bond = b.bond(c, zero);
    const int c3_bond = b.bond(c3, zero);
    test::RecordingHost host;
    assign_Click(b.window, read_priority_tables(dir.path()), host);
    EXPECT_EQ(b.causa(one_letter_bond), 2);  // set by the junction, not by the table
    EXPECT_EQ(b.causa(c3_bond), 1);          // away from C__: the table placed it
}

// A table without its end line still works, read to the end of the file, but
// Assign says so: a cut or mistyped table would otherwise go unnoticed.
TEST(PriorityTables, ATableWithoutEndIsReadWholeAndWarnedAbout) {
    std::vector<std::string> tables = test::standard_tables();
    tables[2] = "C__\r\nen d\r\n";
    tables[4] = "";
    test::ProgramDir dir("no_end", tables);
    EXPECT_FALSE(load_priority_table(dir.path(), 3).ended);
    EXPECT_TRUE(load_priority_table(dir.path(), 4).ended);
    EXPECT_EQ(load_priority_table(dir.path(), 3).items, (Items{"C__", "en d"}));

    test::ModelBuilder b;
    const int zero = b.add("000");
    const int c = b.add("C__");
    const int bond = b.bond(c, zero);
    test::RecordingHost host;
    EXPECT_EQ(assign_Click(b.window, read_priority_tables(dir.path()), host),
              AssignOutcome::kCompleted);
    EXPECT_EQ(b.causa(bond), 1);  // the items before the missing end still count
    EXPECT_EQ(
        host.messages(),
        (Items{"Priority table " + dir.path() +
                   "/library/priori3.dat has no end line; it was read to the end of the file",
               "Priority table " + dir.path() +
                   "/library/priori5.dat has no end line; it was read to the end of the file"}));
}

}  // namespace
}  // namespace vantor
