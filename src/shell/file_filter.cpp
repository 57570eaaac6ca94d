#include "shell/file_filter.h"

#include <QRegularExpression>
#include <QStringList>

namespace vantor::shell {

namespace {

QString qt_patterns(const QString& patterns) {
    QStringList out;
    for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = p.trimmed();
        if (trimmed.isEmpty()) continue;
        if (trimmed == QStringLiteral("*.*")) {
            out << QStringLiteral("*");
            continue;
        }
        // Files on Linux match case-sensitively; new models are named in upper case.
        out << trimmed;
        if (trimmed.toUpper() != trimmed) out << trimmed.toUpper();
    }
    out.removeDuplicates();
    return out.isEmpty() ? QStringLiteral("*") : out.join(QLatin1Char(' '));
}

// "Bond Graf Files (*.bgf)" with patterns "*.bgf" gives "Bond Graf Files"; the
// name may list the patterns with ";" or with blanks.
QString name_without_shown_patterns(const QString& name, const QString& patterns) {
    QString blanks = patterns;
    blanks.replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString trimmed = name.trimmed();
    for (const QString& shown : {patterns.trimmed(), blanks.trimmed()}) {
        const QString suffix = QStringLiteral("(") + shown + QStringLiteral(")");
        if (trimmed.endsWith(suffix)) return trimmed.left(trimmed.size() - suffix.size()).trimmed();
    }
    return trimmed;
}

}  // namespace

QString qt_file_filter(std::string_view filter) {
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()))
            .split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& name = parts[i];
        const QString& patterns = parts[i + 1];
        if (name.trimmed().isEmpty() && patterns.trimmed().isEmpty()) continue;
        const QString shown = name_without_shown_patterns(name, patterns);
        const QString qt = qt_patterns(patterns);
        entries << (shown.isEmpty() ? qt : shown + QStringLiteral(" (") + qt + QStringLiteral(")"));
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace vantor::shell

namespace vantor::shell {

QString default_suffix_for(const QString& qt_filter_entry) {
    const qsizetype open = qt_filter_entry.lastIndexOf(QLatin1Char('('));
    const qsizetype close = qt_filter_entry.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) return {};
    const QStringList patterns =
        qt_filter_entry.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // The entries list each extension in both cases ("*.png *.PNG"): still one
    // extension, the first spelling of it.
    static const QRegularExpression kOneExtension(QStringLiteral("^\\*\\.([A-Za-z0-9_]+)$"));
    QString suffix;
    for (const QString& pattern : patterns) {
        const QRegularExpressionMatch match = kOneExtension.match(pattern);
        if (!match.hasMatch()) return {};
        if (suffix.isEmpty()) {
            suffix = match.captured(1);
        } else if (match.captured(1).compare(suffix, Qt::CaseInsensitive) != 0) {
            return {};
        }
    }
    return suffix;
}

}  // namespace vantor::shell
