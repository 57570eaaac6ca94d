#pragma once

#include <string>
#include <vector>

namespace vantor {

inline constexpr const char* kMatlabWindowTitle = "MATLAB Command Window";
inline constexpr const char* kNoMatlabWindow = "No window titled \"MATLAB Command Window\" is open";
inline constexpr const char* kNoXdotool =
    "The MATLAB link needs the program xdotool, which is not installed.";

// Types commands into a running MATLAB's command window.
class MatlabLink {
  public:
    virtual ~MatlabLink() = default;

    // Brings the command window to the front before each command and types it
    // followed by Enter. Returns a message for the user when nothing could be
    // sent, empty text when the commands went out.
    virtual std::string type_commands(const std::vector<std::string>& commands) = 0;
};

// With no display there is never a MATLAB window.
class AbsentMatlabLink : public MatlabLink {
  public:
    std::string type_commands(const std::vector<std::string>&) override { return kNoMatlabWindow; }
};

struct ProcessResult {
    bool started = false;  // false when the program could not be run at all
    int exit_code = 0;
    std::string output;  // standard output
};

// Runs a program with its arguments and waits for it.
class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    virtual ProcessResult run(const std::vector<std::string>& argv) = 0;
};

// The link on X11, through the program xdotool.
class XdotoolMatlabLink : public MatlabLink {
  public:
    explicit XdotoolMatlabLink(ProcessRunner& runner) : runner_(runner) {}
    std::string type_commands(const std::vector<std::string>& commands) override;

  private:
    ProcessRunner& runner_;
};

}  // namespace vantor
