#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/program_dir.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vantor::run_cli(args, vantor::executable_folder(argc > 0 ? argv[0] : nullptr), std::cout,
                           std::cerr);
}
