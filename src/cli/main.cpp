#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/program_dir.h"
#include "model/file_saving.h"

int main(int argc, char** argv) {
    vantor::ignore_file_size_signal();
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vantor::run_cli(args, vantor::executable_folder(argc > 0 ? argv[0] : nullptr), std::cout,
                           std::cerr);
}
