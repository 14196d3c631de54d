// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/replay/replay.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

int Usage() {
    std::cerr << "usage: cobblewell-replay [--trace] [SCRIPT]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool trace = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0)
            trace = true;
        else if (argv[i][0] == '-' && argv[i][1] != '\0')
            return Usage();
        else if (path == nullptr)
            path = argv[i];
        else
            return Usage();
    }
    std::ios::sync_with_stdio(false);
    if (path == nullptr || std::strcmp(path, "-") == 0)
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
