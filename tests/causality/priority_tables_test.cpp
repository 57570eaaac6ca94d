// How a table file's text becomes its items; what the items do to a model is
// pinned by the causality command cases.
#include "causality/priority_tables.h"

#include <gtest/gtest.h>

#include "causality/causality_fixtures.h"
#include "model/file_error.h"

namespace vantor {
namespace {

using Items = std::vector<std::string>;

TEST(PriorityTables, ReadListItemsUpToAndIncludingEnd) {
    const struct {
        const char* text;
        Items items;
        bool ended;
    } rows[] = {
        {"Se_\r\n  MSe  ,\"Df_\" dropped, C\r\nend\r\nR__\r\n",
         {"Se_", "MSe", "Df_", "C", "end"},
         true},
        {"Sf_\r\nDe_", {"Sf_", "De_"}, false},
        {"C__\r\nen d\r\n", {"C__", "en d"}, false},
        {"", {}, false},
        {"Se_\nMSe\nend\n", {"Se_", "MSe", "end"}, true},
        // One CR anywhere: the file is read as written, a lone LF being no line end.
        {"Sf_\nDe_\r\nend\r\n", {"Sf_\nDe_", "end"}, true},
    };
    test::ProgramDir dir("tables");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        dir.set_table(1, row.text);
        EXPECT_EQ(read_priority_table(dir.path(), 1), row.items);
        EXPECT_EQ(load_priority_table(dir.path(), 1).ended, row.ended);
    }
    try {
        read_priority_table(dir.path(), 4);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), dir.path() + "/library/priori4.dat");
    }
}

}  // namespace
}  // namespace vantor
