#pragma once

#include <string>
#include <string_view>

#include "model/logical_line_reader.h"
#include "model/model.h"

namespace vantor {

// The record side of reading a model file. A window that shows the model makes
// its glyphs and bond lines from the returned records afterwards.
//
// What reading found out about a file besides its records.
struct ModelFileFacts {
    bool lf_line_ends = false;  // its lines end at LF: a text tool converted it
    bool holds_model = false;   // it has an "add_obj", "add_line" or "end_sys" line
};

// A file cut anywhere loads as far as it goes. A file with more than 1000
// elements or bonds, or a number outside -32768..32767, is refused with a
// FileError naming the file and the line; nothing is returned then, so an open
// model is never left half read. `path` names the file in messages.
Model parse_model(std::string_view bytes, const std::string& path, ModelFileFacts* facts = nullptr);

// Reads the model file at `path`. Throws FileError.
Model read_model_file(const std::string& path, ModelFileFacts* facts = nullptr);

// As read_model_file, for commands that must not take any file for a model: a
// file that is not empty but holds no model line is refused ("no model found
// in this file"). An empty model that Vantor wrote still holds "end_sys".
Model read_model_input(const std::string& path);

// Reads the model file at `path` into a window's model and marks it named.
// The window then makes its glyphs and bond lines and redraws. On a FileError
// the window's model is left as it was.
void leerarchivo(ModelWindowState& window, const std::string& path);

// How a block's lines are read: as a model, or as a library palette reads
// them (values one character after "=", 0x8D turned into CR in the values of
// the three text fields only).
enum class BlockDialect { kModel, kPalette };

// One element block, after its "add_obj" line, and one bond block, after its
// "add_line" line. Both end at a line "end" or at the end of the file.
ObjRecord leerobj(LogicalLineReader& in, const std::string& path,
                  BlockDialect dialect = BlockDialect::kModel);
LineRecord leerarp(LogicalLineReader& in, const std::string& path);

}  // namespace vantor
