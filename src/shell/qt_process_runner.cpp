#include "shell/qt_process_runner.h"

#include <QProcess>
#include <QStringList>

namespace vantor::shell {

ProcessResult QtProcessRunner::run(const std::vector<std::string>& argv) {
    ProcessResult result;
    if (argv.empty()) return result;
    QStringList arguments;
    for (std::size_t k = 1; k < argv.size(); ++k) arguments << QString::fromStdString(argv[k]);
    QProcess process;
    process.start(QString::fromStdString(argv.front()), arguments);
    if (!process.waitForStarted()) return result;
    result.started = true;
    constexpr int kWaitMs = 10000;
    if (!process.waitForFinished(kWaitMs)) {
        process.kill();
        process.waitForFinished();
        result.exit_code = -1;
        return result;
    }
    result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAllStandardOutput().toStdString();
    return result;
}

}  // namespace vantor::shell
