// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/replay/replay.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    bool trace = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--trace") {
            trace = true;
        } else if ((argument.size() > 1 && argument[0] == '-') || path != nullptr) {
            std::cerr << "usage: cobblewell-replay [--trace] [SCRIPT]\n";
            return 2;
        } else {
            path = argv[i];
        }
    }
    std::ios::sync_with_stdio(false);
    if (path == nullptr || std::string_view(path) == "-")
        return cw::RunScript(std::cin, std::cout, std::cerr, trace);
    // A folder reads as an empty script and a pipe or a device may never end or block at
    // open: only a regular file (or a link to one) is a script.
    std::error_code error;
    if (std::filesystem::exists(path, error) && !std::filesystem::is_regular_file(path, error)) {
        std::cerr << "cobblewell-replay: not a regular file: " << path << '\n';
        return 2;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "cobblewell-replay: cannot open " << path << '\n';
        return 2;
    }
    return cw::RunScript(file, std::cout, std::cerr, trace);
}
