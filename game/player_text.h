// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks an English text that reaches the player from plain C++ (the rules, the picture names):
// the translation tools read TranslatableText as Qt's QT_TRANSLATE_NOOP, so the text lands in
// the catalogues under `context`, and the Qt side shows it through QCoreApplication::translate
// with that same context. Here it is the text itself, so this code stays free of Qt.

namespace cw {

constexpr const char* TranslatableText(const char* /*context*/, const char* text) {
    return text;
}

} // namespace cw
