#include "paint/qt_text.h"

#include "model/cp1252.h"

namespace vantor::paint {

namespace {

QString unify_line_breaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

QString to_display_text(const std::string& utf8) {
    return unify_line_breaks(QString::fromStdString(utf8));
}

QStringList caption_lines(std::string_view cp1252) {
    return unify_line_breaks(QString::fromStdString(cp1252_to_utf8(cp1252)))
        .split(QLatin1Char('\n'));
}

}  // namespace vantor::paint
