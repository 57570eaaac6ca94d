#include "model/fixed_text.h"

#include <gtest/gtest.h>

#include "model/records.h"

namespace vantor {
namespace {

TEST(FixedText, HoldsNulsUntilAssignedThenPadsOrCuts) {
    FixedText<3> type;
    EXPECT_EQ(type.raw(), std::string(3, '\0'));
    EXPECT_EQ(type.trimmed(), std::string(3, '\0'));  // NULs are not blanks

    type = "C";
    EXPECT_EQ(type.raw(), "C  ");
    EXPECT_TRUE(type == "C  ");
    EXPECT_FALSE(type == "C");
    EXPECT_EQ(type.trimmed(), "C");

    type = "ABCDE";
    EXPECT_EQ(type.raw(), "ABC");
    type = "";
    EXPECT_EQ(type.raw(), "   ");
    EXPECT_EQ(type.trimmed(), "");

    FixedText<100> caption(std::string("x\0y", 3));
    EXPECT_EQ(caption.raw().substr(0, 4), std::string("x\0y ", 4));
}

// A cleared record's value: numbers 0 and text fields all NUL. (Its padding
// bytes are nobody's business: the files are written field by field.)
TEST(Records, ClearedRecordsHoldZerosAndNulTexts) {
    const ObjRecord obj{};
    EXPECT_EQ(obj.type.raw(), std::string(TypeText::size, '\0'));
    for (const ValueText* text : {&obj.parameters, &obj.caption, &obj.parameter2})
        EXPECT_EQ(text->raw(), std::string(ValueText::size, '\0'));
    const std::int16_t numbers[] = {obj.selected,  obj.maxlin,      obj.numlin,     obj.top,
                                    obj.left,      obj.index,       obj.maxsigninp, obj.signout,
                                    obj.auxil1,    obj.auxil2,      obj.auxil3,     obj.effin,
                                    obj.strongobj, obj.strongfirst, obj.strongend};
    for (std::int16_t n : numbers) EXPECT_EQ(n, 0);
    EXPECT_EQ(LineRecord{}, (LineRecord{0, 0, 0, 0}));
}

}  // namespace
}  // namespace vantor
