// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/single_instance_protocol.h"

namespace cw {

int MatchLine(std::string_view received, std::initializer_list<std::string_view> lines) {
    int index = 0;
    bool couldBecomeOne = false;
    for (const std::string_view line : lines) {
        if (received.starts_with(line))
            return index;
        couldBecomeOne = couldBecomeOne || line.starts_with(received);
        ++index;
    }
    return couldBecomeOne ? kLineIncomplete : kLineInvalid;
}

} // namespace cw
