#include "model/text.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(Texto, CarriageReturnsBecome141AndBack) {
    const std::string caption = "a\r\nb\rc";
    const std::string filed = texto(caption);
    EXPECT_EQ(filed,
              "a\x8D\nb\x8D"
              "c");
    EXPECT_EQ(filed.size(), caption.size());
    EXPECT_EQ(invtexto(filed), caption);
    EXPECT_EQ(invtexto("\x8D\x8D"), "\r\r");
}

TEST(Nombrecorto, GivesTheFileNameWithoutItsLastExtension) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\A.B\\MODEL3.BGF", "MODEL3"},
        {"/home/u/a.b/model3.bgf", "model3"},
        {"MODEL", "MODEL"},
        {"/a.b/MODEL", "MODEL"},
        {"x.tar.gz", "x.tar"},
        {"dir/.hidden", ".hidden"},
        {"dir/", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(nombrecorto(c.path), c.name) << c.path;
}

TEST(TextHelpers, TrimBlanksOnlyAndLowerAsciiOnly) {
    EXPECT_EQ(trim_blanks("  a b  "), "a b");
    EXPECT_EQ(trim_blanks("\t a \t"), "\t a \t");
    EXPECT_EQ(trim_blanks("    "), "");
    EXPECT_EQ(ltrim_blanks("  a  "), "a  ");
    EXPECT_EQ(to_lower_ascii("MaxLin\xC9"), "maxlin\xC9");
}

}  // namespace
}  // namespace vantor
