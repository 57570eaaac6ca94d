#include "shell/journal_recorder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "gui/program_folder.h"
#include "model/file_error.h"
#include "shell/command_line.h"

namespace vantor::test {
namespace {

using shell::JournalRecorder;

EditorEvent scroll(int value) {
    EditorEvent event;
    event.kind = EventKind::kHScroll;
    event.value = value;
    return event;
}

TEST(JournalRecorder, EachWindowsEventsFollowACommentWithANumberNeverReused) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("edit.jnl").toStdString();
    {
        std::ofstream earlier(path);
        earlier << "# an earlier session\n# window 2: old\nhscroll 100\n";
    }
    {
        JournalRecorder journal(path);
        const int first = journal.new_writer();
        const int second = journal.new_writer();
        journal.record(first, "MODEL1", scroll(200));
        journal.record(first, "MODEL1", scroll(300));
        journal.record(second, "rlc", scroll(400));
        journal.record(first, "MODEL1", scroll(500));
        // Every line is in the file at once, not when the program ends.
        EXPECT_EQ(file_text(path).substr(file_text(path).size() - 12), "hscroll 500\n");
        // A window opened after one closed, with the same caption, is another window.
        const int reopened = journal.new_writer();
        journal.record(reopened, "MODEL1", scroll(600));
    }
    EXPECT_EQ(file_text(path),
              "# an earlier session\n# window 2: old\nhscroll 100\n"
              "# window 3: MODEL1\nhscroll 200\nhscroll 300\n"
              "# window 4: rlc\nhscroll 400\n"
              "# window 3: MODEL1\nhscroll 500\n"
              "# window 5: MODEL1\nhscroll 600\n");

    // A journal that cannot be opened is named.
    const std::string missing = dir.filePath("missing/edit.jnl").toStdString();
    try {
        JournalRecorder journal(missing);
        ADD_FAILURE() << "opened";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), missing);
    }
}

// The journal option may stand anywhere; the other words open the model or
// models, and words that name one file together (a path with a blank) are one.
TEST(EditorOptions, TheJournalOptionComesOutAnywhereAndTheRestOpensTheModel) {
    const QTemporaryDir dir;
    const QString blank = dir.filePath("a.bgf b.bgf");
    QFile file(blank);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QStringList words;
        bool valid;
        QString journal, command_line;
        QStringList more_models = {};
    } cases[] = {
        {{}, true, "", ""},
        {{"--journal", "s.jnl", "rlc.bgf"}, true, "s.jnl", "rlc.bgf"},
        {{"my", "model.bgf", "--journal=s.jnl"}, true, "s.jnl", "my model.bgf"},
        {{"rlc.bgf", "--journal"}, false, "", ""},
        {{"--journal=", "rlc.bgf"}, false, "", ""},
        {{"a.bgf", "--journal", "s.jnl", "b.BGF", "c.bgf"},
         true,
         "s.jnl",
         "a.bgf",
         {"b.BGF", "c.bgf"}},
        {{"a.bgf", "notes.txt"}, true, "", "a.bgf notes.txt"},
        {{dir.filePath("a.bgf"), "b.bgf"}, true, "", blank},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words.join(' ').toStdString());
        const auto options = shell::read_editor_options(c.words);
        ASSERT_EQ(options.has_value(), c.valid);
        if (!options) continue;
        EXPECT_EQ(options->journal, c.journal);
        EXPECT_EQ(options->command_line, c.command_line);
        EXPECT_EQ(options->more_models, c.more_models);
    }
}

}  // namespace
}  // namespace vantor::test
