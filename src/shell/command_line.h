#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vantor::shell {

// What `vantor` was started with: `--journal FILE` (or `--journal=FILE`)
// anywhere among the words; the other words, joined by blanks, are the
// command line that names the model to open, as typed.
//
// Several words that each name a model (".bgf") are several models, opened
// in order, unless the words joined name one existing file, as a path with
// blanks does.
struct EditorOptions {
    QString journal;  // empty: no journal
    QString command_line;
    QStringList more_models;  // opened after the command line's model
};

// Nothing when --journal has no file.
std::optional<EditorOptions> read_editor_options(const QStringList& words);

}  // namespace vantor::shell
