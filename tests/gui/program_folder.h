#pragma once

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "expected_file.h"

namespace vantor::test {

// A program folder of its own in a temporary directory: the shipped library
// folder, plus `extra_libraries` copies of bondgraph.lib named extra1.lib ...
class ProgramFolder {
  public:
    explicit ProgramFolder(int extra_libraries = 0);

    std::string path() const { return dir_.path().toStdString(); }

  private:
    QTemporaryDir dir_;
};

// The example model `name` (e.g. "series_rlc.bgf").
std::string example(const std::string& name);

// The example models, in name order.
std::vector<std::filesystem::path> example_models();

// Where a picture for people to look at goes: NAME.png among the build's renders.
QString render_path(const QString& name);

// Each line "IN => OUT" of tests/data/gui/NAME has OUT = result(IN); lines
// that start with '#' are comments. VANTOR_UPDATE_CASES=1 writes the OUTs.
void expect_data_table(const std::string& name,
                       const std::function<std::string(const std::string&)>& result);

// `text` is the expected file tests/data/gui/NAME; VANTOR_UPDATE_CASES=1 writes it.
void expect_data_file(const std::string& name, const std::string& text);

// Waits for the events that showing and deleting windows posted.
void settle();

}  // namespace vantor::test
