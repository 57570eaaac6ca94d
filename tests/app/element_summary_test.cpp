#include "app/element_summary.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editor/parameter_dialog.h"
#include "model/file_saving.h"
#include "test_scratch.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

TEST(ElementSummary, IsTheFirstLineThatIsNoComment) {
    const fs::path dir = fs::path(test::scratch_dir()) / "summary";
    fs::remove_all(dir);
    fs::create_directories(dir / "library");
    AppState app;
    app.program_dir = dir.string();
    const struct {
        const char* text;
        const char* summary;
    } cases[] = {
        {"% R__: description\r\nResistor R.\r\n1\r\n", "Resistor R."},
        {"%a\n%b\nLF only\n", "LF only"},
        {"\r\n% blank lines skipped\r\n\r\nAfter blanks", "After blanks"},
        {"% only comments\r\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        const std::string path = description_path(app, "R__");
        ASSERT_FALSE(path.empty());
        save_file(path, c.text);
        EXPECT_EQ(element_summary(app, "R__"), c.summary) << c.text;
    }
    EXPECT_EQ(element_summary(app, "C__"), "");  // no file: nothing to say
    fs::remove_all(dir);
}

}  // namespace
}  // namespace vantor
