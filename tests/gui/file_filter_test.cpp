#include "shell/file_filter.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "app/model_document.h"

namespace vantor::shell {
namespace {

TEST(QtFileFilter, ConvertsEveryShapeOfEntry) {
    struct Row {
        const char* core;
        const char* qt;
    };
    const Row rows[] = {
        {"", ""},
        {"Text|*.txt|", "Text (*.txt *.TXT)"},
        {"Text|*.txt", "Text (*.txt *.TXT)"},  // no closing bar
        {"Sources|*.c;*.h|Any|*|", "Sources (*.c *.C *.h *.H);;Any (*)"},
        {"Sources (*.c;*.h)|*.c;*.h|", "Sources (*.c *.C *.h *.H)"},  // shown patterns once
        {"Sources (*.c *.h)|*.c;*.h|", "Sources (*.c *.C *.h *.H)"},
        {"Old (*.doc)|*.rtf|", "Old (*.doc) (*.rtf *.RTF)"},  // shown patterns that differ stay
        {"Nothing||", "Nothing (*)"},
        {"|*.m|", "*.m *.M"},
        {"Text|*.txt|Dangling", "Text (*.txt *.TXT)"},
        {"Models|*.bgf;*.BGF|", "Models (*.bgf *.BGF)"},
        {kModelFilter, "Bond Graf Files (*.bgf *.BGF);;Library (*.lib *.LIB);;All Files (*)"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(qt_file_filter(row.core).toStdString(), row.qt) << "filter: " << row.core;
    }
}

TEST(QtFileFilter, ASaveDialogAddsTheChosenFiltersOnlyExtension) {
    const struct {
        const char* entry;
        const char* suffix;
    } cases[] = {{"Bond Graf Files (*.bgf)", "bgf"},
                 {"PDF Documents (*.pdf)", "pdf"},
                 {"Simulink Models (*.mdl *.m)", ""},    // two choices: none is added
                 {"PNG Pictures (*.png *.PNG)", "png"},  // one extension in two cases
                 {"Models (*.bgf *.BGF *.lib)", ""},
                 {"All Files (*)", ""},
                 {"All Files (*.*)", ""},
                 {"No patterns", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(default_suffix_for(QString::fromUtf8(c.entry)), QString::fromUtf8(c.suffix))
            << c.entry;
    }
}

// The dialogs' own filters, as the save dialog is given them: each entry
// with one extension adds it to a name typed without one.
TEST(QtFileFilter, TheProgramsSaveFiltersEachAddTheirExtension) {
    const struct {
        const char* filter;
        QStringList suffixes;
    } cases[] = {
        {kModelFilter, {"bgf", "lib", ""}},
        {"PNG Pictures (*.png)|*.png|SVG Pictures (*.svg)|*.svg|PDF Documents (*.pdf)|*.pdf|",
         {"png", "svg", "pdf"}},
    };
    for (const auto& c : cases) {
        QStringList got;
        for (const QString& entry : qt_file_filter(c.filter).split(QStringLiteral(";;"))) {
            got << default_suffix_for(entry);
        }
        EXPECT_EQ(got, c.suffixes) << c.filter;
    }
}

}  // namespace
}  // namespace vantor::shell
