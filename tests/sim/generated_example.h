#pragma once

// What a user gets from an example model: Assign & Check, then Generate
// Simulink File with the shipped templates of one Simulink version.

#include <string>

#include "model/model.h"

namespace vantor::sim::test {

// Whether data/code<version> ships a template set (its start template).
bool has_templates(int version);

// The generated file's text for examples/<example>.bgf, written to the
// running test's scratch folder. Fails the test when generation does not
// write the file or asks for templates the folder lacks.
std::string generate_example(const std::string& example, int version);

// The model as its file stores it.
Model example_model(const std::string& example);

// The value of the parameter of the element with this caption.
double element_parameter(const Model& model, const std::string& caption);

}  // namespace vantor::sim::test
