#pragma once

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <vector>

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

// The whole content of a file; empty when it cannot be read.
std::string file_text(const std::string& path);

// Waits for the events that showing and deleting windows posted.
void settle();

}  // namespace vantor::test
