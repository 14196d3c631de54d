// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the names of the files cobblewell-artgen writes, as a CMake list. CMake builds and
// runs it at configure time: the build must know the generator's outputs before it runs.
#include "art_files.h"

#include <iostream>

int main() {
    const char* separator = "";
    for (const std::string& file : artgen::ArtFileNames()) {
        std::cout << separator << file;
        separator = ";";
    }
    return 0;
}
