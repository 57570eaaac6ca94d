#pragma once

#include <string>

#include "model/model.h"

namespace vantor {

// The model file text of a model: element blocks, the bond count, bond blocks
// and "end_sys", every line ended by CR LF. A line whose text holds a comma or
// a CR is written between double quotes, so that reading gives it back whole.
std::string format_model(const Model& model);

// The 14 lines of one element block and the 3 lines of one bond block.
void grabarobj(std::string& out, const ObjRecord& obj);
void guardararp(std::string& out, const LineRecord& bond);

// Writes the model to `path` without ever losing the previous file there.
// Throws FileError naming the path and the reason.
void write_model_file(const std::string& path, const Model& model);

// Saves a window's model and marks it saved.
void guardar(const std::string& path, ModelWindowState& window);

}  // namespace vantor
