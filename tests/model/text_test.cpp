#include "model/text.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

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

}  // namespace
}  // namespace vantor
