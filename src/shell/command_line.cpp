#include "shell/command_line.h"

#include <QFileInfo>
#include <algorithm>

namespace vantor::shell {

std::optional<EditorOptions> read_editor_options(const QStringList& words) {
    static const QString kOption = QStringLiteral("--journal");
    static const QString kOptionWithValue = QStringLiteral("--journal=");
    EditorOptions options;
    bool journal_given = false;
    QStringList rest;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == kOption) {
            if (i + 1 == words.size()) return std::nullopt;
            options.journal = words[++i];
            journal_given = true;
        } else if (word.startsWith(kOptionWithValue)) {
            options.journal = word.mid(kOptionWithValue.size());
            journal_given = true;
        } else {
            rest.push_back(word);
        }
    }
    if (journal_given && options.journal.isEmpty()) return std::nullopt;
    options.command_line = rest.join(QLatin1Char(' ')).trimmed();
    const bool all_models = std::all_of(rest.cbegin(), rest.cend(), [](const QString& word) {
        return word.endsWith(QStringLiteral(".bgf"), Qt::CaseInsensitive);
    });
    if (rest.size() > 1 && all_models && !QFileInfo(options.command_line).isFile()) {
        options.command_line = rest.takeFirst().trimmed();
        options.more_models = rest;
    }
    return options;
}

}  // namespace vantor::shell
