// The parameter dialog: what it shows for a description file, and which
// values each way of closing it hands back.
#include "editor/parameter_dialog.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_scratch.h"

namespace vantor {
namespace {

class ParameterDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        app.program_dir = test::scratch_dir();
        std::filesystem::create_directories(library_folder(app));
        app.partype = "C__";
        app.partext1 = "1e-3  ";
        app.partext2 = "0.5";
    }
    void write_description(const std::string& type, const std::string& text) {
        std::ofstream(library_folder(app) + "/" + type + ".dat", std::ios::binary) << text;
    }

    AppState app;
    ParameterDialog dialog;
};

// The names shown, nullptr for a hidden label and box.
TEST_F(ParameterDialogTest, DescriptionFilesFillTheDialog) {
    // clang-format off
    const struct { const char* file; const char* description; const char* name1; const char* name2; } rows[] = {
        {"% comment\r\nA capacitor\r\n1\r\nCapacitance [F]\r\n", "A capacitor", "Capacitance [F]", nullptr},
        {"  Text\x8Dmore  \r\n% between\r\n2.5\r\n%x\r\nA\r\nB\r\nignored\r\n", "Text\rmore", "A", "B"},
        {"Text\n3\nA\n", "Text", "A", "end="},  // short file: the missing name reads "end="
        {"Text\r\n0\r\nA\r\n", "Text", nullptr, nullptr},
        {"Text\r\n-1\r\n", "Text", nullptr, nullptr},
        {"Text\r\nnone\r\nA\r\n", "Text", nullptr, nullptr},
        {"Text\r\n0.5\r\nA\r\n", "Text", nullptr, nullptr},  // rounds to even: 0
        {"Text\r\n1.5\r\nA\r\nB\r\n", "Text", "A", "B"},     // rounds to even: 2
        {"", "end=", nullptr, nullptr},
    };
    // clang-format on
    for (const auto& row : rows) {
        write_description("C__", row.file);
        Form_Load(dialog, app);
        SCOPED_TRACE(row.file);
        EXPECT_TRUE(dialog.open);
        EXPECT_EQ(dialog.caption, "C__");
        EXPECT_EQ(dialog.description.caption, row.description);
        EXPECT_EQ(dialog.value1.visible, row.name1 != nullptr);
        EXPECT_EQ(dialog.value1.text, row.name1 ? app.partext1 : "");
        for (const auto& [label, name] :
             {std::pair{&dialog.Parameter1, row.name1}, std::pair{&dialog.Parameter2, row.name2}}) {
            EXPECT_EQ(label->visible, name != nullptr);
            EXPECT_TRUE(name == nullptr || label->caption == name) << label->caption;
        }
    }
}

TEST_F(ParameterDialogTest, AnUnreadableOrUnnamableFileStillEditsBothValues) {
    write_description("C__", "A\r\n0\r\n");
    std::filesystem::create_directories(library_folder(app) + "/dir.dat");
    for (const std::string& type :
         std::vector<std::string>{"Q__", std::string("a\0b", 3), "a/b", "dir"}) {
        SCOPED_TRACE(type);
        app.partype = type;
        app.partext1 = "7";
        app.partext2 = "8";
        Form_Load(dialog, app);
        EXPECT_EQ((std::vector<std::string>{dialog.description.caption, dialog.Parameter1.caption,
                                            dialog.Parameter2.caption, dialog.value1.text,
                                            dialog.value2.text}),
                  (std::vector<std::string>{kDescriptionUnreadable, "Parameter 1", "Parameter 2",
                                            "7", "8"}));
        close_Click(dialog, app);
        EXPECT_EQ(app.partext1 + "|" + app.partext2, "7|8");
    }
}

// The shipped description files: a comma in a text would end its line early
// and shift every line after it.
TEST(ShippedDescriptions, EveryElementTypeDescribesItselfAndNamesItsParameters) {
    AppState app;
    app.program_dir = VANTOR_DATA_DIR;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(library_folder(app))) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".dat" || name.rfind("priori", 0) == 0) continue;
        ++files;
        SCOPED_TRACE(name);
        app.partype = entry.path().stem().string();
        ParameterDialog dialog;
        Form_Load(dialog, app);
        EXPECT_NE(dialog.description.caption, kDescriptionUnreadable);
        EXPECT_GT(dialog.description.caption.size(), 20u);
        for (const DialogControl* label : {&dialog.Parameter1, &dialog.Parameter2}) {
            if (label->visible) {
                EXPECT_NE(label->caption, "end=");
                EXPECT_FALSE(label->caption.empty());
            }
        }
    }
    EXPECT_GE(files, 20);
}

}  // namespace
}  // namespace vantor
