#pragma once

#include <string>
#include <string_view>

namespace vantor {

// Model text is Windows-1252 bytes. These bytes have jobs of their own.
inline constexpr char kCaptionLineBreak = '\x8D';  // a CR inside a caption, as files store it
inline constexpr char kTemplateComma = '\xB8';     // a comma read from a template
inline constexpr char kBullet = '\x95';            // the caption of a connection point

// Blanks (spaces only, as the file format knows them) removed at one or both ends.
std::string_view trim_blanks(std::string_view s);
std::string_view ltrim_blanks(std::string_view s);

// ASCII lower case; file keys are ASCII, so other bytes never match one anyway.
std::string to_lower_ascii(std::string_view s);

// Caption text for files: CR becomes 0x8D (texto) and back (invtexto).
std::string texto(std::string_view s);
std::string invtexto(std::string_view s);

// The last component of a path without its last extension: "C:\A.B\MODEL3.BGF"
// and "/a.b/MODEL3.BGF" both give "MODEL3".
std::string nombrecorto(std::string_view path);

// The extension of a path's last component, in ASCII lower case and without
// its dot: "out/RUN.PNG" gives "png"; empty when the name has none.
std::string extension_of(std::string_view path);

}  // namespace vantor
