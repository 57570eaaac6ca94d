#include "simulink/matlab_link.h"

namespace vantor {

namespace {

// The first window id xdotool lists, or empty text.
std::string first_line(const std::string& output) {
    const auto end = output.find_first_of("\r\n");
    return output.substr(0, end);
}

}  // namespace

std::string XdotoolMatlabLink::type_commands(const std::vector<std::string>& commands) {
    const ProcessResult found =
        runner_.run({"xdotool", "search", "--name", std::string("^") + kMatlabWindowTitle + "$"});
    if (!found.started) return kNoXdotool;
    const std::string window = first_line(found.output);
    if (found.exit_code != 0 || window.empty()) return kNoMatlabWindow;
    for (const std::string& command : commands) {
        if (runner_.run({"xdotool", "windowactivate", "--sync", window}).exit_code != 0) {
            return kNoMatlabWindow;
        }
        runner_.run({"xdotool", "type", "--", command});
        runner_.run({"xdotool", "key", "Return"});
    }
    return {};
}

}  // namespace vantor
