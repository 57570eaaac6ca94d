#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

namespace vantor::paint {

// Text for people from the core (UTF-8), with CR LF and lone CR turned into
// the LF that Qt's labels break at.
QString to_display_text(const std::string& utf8);

// The lines of a glyph caption (Windows-1252 bytes): CR LF, CR and LF each
// end a line, as the glyph metrics count them.
QStringList caption_lines(std::string_view cp1252);

}  // namespace vantor::paint
