#include "gui/program_folder.h"

#include <QtWidgets>
#include <algorithm>

#include "expected_file.h"

namespace vantor::test {

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(int extra_libraries) {
    const fs::path library = fs::path(dir_.path().toStdString()) / "library";
    fs::copy(fs::path(VANTOR_DATA_DIR) / "library", library, fs::copy_options::recursive);
    for (int i = 1; i <= extra_libraries; ++i)
        fs::copy_file(library / "bondgraph.lib", library / ("extra" + std::to_string(i) + ".lib"));
}

std::string example(const std::string& name) {
    return (fs::path(VANTOR_EXAMPLES_DIR) / name).string();
}

std::vector<fs::path> example_models() {
    std::vector<fs::path> models;
    for (const auto& entry : fs::directory_iterator(VANTOR_EXAMPLES_DIR))
        if (entry.path().extension() == ".bgf") models.push_back(entry.path());
    std::sort(models.begin(), models.end());
    return models;
}

QString render_path(const QString& name) {
    QDir().mkpath(QStringLiteral(VANTOR_RENDER_DIR));
    return QDir(QStringLiteral(VANTOR_RENDER_DIR)).filePath(name + QStringLiteral(".png"));
}

void expect_data_table(const std::string& name,
                       const std::function<std::string(const std::string&)>& result) {
    std::ifstream file(VANTOR_SOURCE_DIR "/tests/data/gui/" + name);
    std::string got;
    for (std::string line; std::getline(file, line);) {
        const std::string in = line.substr(0, line.find(" => "));
        got += line.rfind('#', 0) == 0 ? line + "\n" : in + " => " + result(in) + "\n";
    }
    EXPECT_FALSE(got.empty()) << name;
    expect_data_file(name, got);
}

void expect_data_file(const std::string& name, const std::string& text) {
    expect_file_text(VANTOR_SOURCE_DIR "/tests/data/gui/" + name, text, name);
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

}  // namespace vantor::test
