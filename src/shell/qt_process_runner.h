#pragma once

#include "simulink/matlab_link.h"

namespace vantor::shell {

// Runs a program with QProcess and waits for it (a few seconds at most).
class QtProcessRunner : public ProcessRunner {
  public:
    ProcessResult run(const std::vector<std::string>& argv) override;
};

}  // namespace vantor::shell
