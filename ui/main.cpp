// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startup.h"

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> application = cw::CreateApplication(argc, argv);
    return cw::RunApplication(*application);
}
