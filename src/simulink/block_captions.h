#pragma once

#include <string>
#include <string_view>

#include "model/model.h"

namespace vantor {

// Captions of sum, mux and demux blocks, composed so that the block's signs or
// word sit between its ports. Ports stacked on the left and right give lines
// (CR between them); ports on the top and bottom edges, as the block's first
// port shows with a caption "^" or "v", give one line.

// Block e's sum signs, one per input, e.g. "+ " CR "- ".
std::string suma(const Model& model, std::string_view signs, int e);

// "mux" or "demux" with k ports: padded so the word sits in the middle.
std::string mux(const Model& model, int k, int e);
std::string demux(const Model& model, int k, int e);

}  // namespace vantor
