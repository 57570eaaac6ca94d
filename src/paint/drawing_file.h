#pragma once

#include <optional>
#include <string>

#include "window/model_window.h"

// No Qt here: the command line calls this.

namespace vantor::paint {

enum class PictureFormat { kPng, kSvg, kPdf };

// The format a picture file's name asks for by its extension (any case):
// .png, .svg or .pdf; nothing for any other name.
std::optional<PictureFormat> picture_format_of(const std::string& path);

// The picture of a model window's drawing in `format`, cropped to the
// drawing with a margin: the printed picture (print_drawing), as printing
// draws it — PNG at 15 twips a pixel, SVG and PDF one unit a twip. Needs a
// Qt GUI application.
std::string picture_bytes(const ModelWindow& window, PictureFormat format);

// Writes the picture to `path` in the format its extension names, whole or
// not at all (save_file). Needs a Qt GUI application. Throws FileError when
// the name has no picture extension or the file cannot be written.
void write_drawing(const ModelWindow& window, const std::string& path);

}  // namespace vantor::paint
