// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, as CMake code, the names of the files cobblewell-artgen writes and which of them is
// the window icon. CMake builds and runs it at configure time: the build must know the
// generator's outputs before it runs.
#include "art_files.h"

#include <iostream>

int main() {
    std::cout << "set(art_file_names \"";
    const char* separator = "";
    for (const std::string& file : artgen::ArtFileNames()) {
        std::cout << separator << file;
        separator = ";";
    }
    std::cout << "\")\nset(art_window_icon " << artgen::IconFileName(cw::art::kWindowIcon) << ")\n";
    return 0;
}
