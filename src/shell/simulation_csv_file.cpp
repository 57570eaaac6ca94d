#include "shell/simulation_csv_file.h"

#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "model/file_error.h"
#include "model/file_saving.h"

namespace vantor::shell {

SimulationCsvFile::SimulationCsvFile() {
    std::string name = QDir::tempPath().toStdString() + "/vantor-run-XXXXXX";
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) throw FileError(name, "cannot write: " + system_error_text(errno));
    ::close(fd);
    path_ = buffer.data();
    out_.open(path_, std::ios::binary | std::ios::trunc);
    if (!out_) throw FileError(path_, "cannot write");
}

SimulationCsvFile::~SimulationCsvFile() {
    out_.close();
    std::remove(path_.c_str());
}

bool SimulationCsvFile::finish() {
    out_.flush();
    complete_ = static_cast<bool>(out_);
    out_.close();
    return complete_;
}

void SimulationCsvFile::copy_to(const std::string& path) const {
    std::ifstream in(path_, std::ios::binary);
    if (!in) throw FileError(path_, "cannot read the run's rows");
    save_file_streamed(path, [this, &in](const ByteWriter& write) {
        std::vector<char> block(1 << 20);
        while (in) {
            in.read(block.data(), static_cast<std::streamsize>(block.size()));
            const auto got = static_cast<std::size_t>(in.gcount());
            if (got > 0 && !write(std::string_view(block.data(), got))) return false;
        }
        if (!in.eof()) throw FileError(path_, "cannot read the run's rows");
        return true;
    });
}

}  // namespace vantor::shell
