#include "model/fixed_text.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(Records, ClearedRecordsAreAllZero) {
    const ObjRecord obj{};
    const char* bytes = reinterpret_cast<const char*>(&obj);
    for (std::size_t i = 0; i < sizeof obj; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
    EXPECT_EQ(LineRecord{}, (LineRecord{0, 0, 0, 0}));
}

}  // namespace
}  // namespace vantor
