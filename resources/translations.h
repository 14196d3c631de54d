// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The player's language: the game's catalogues compiled in under :/translations and Qt's own
// catalogues for its standard texts (buttons, the file dialog), and the translated names that
// several windows show.

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string_view>

namespace cw {

// The language codes of the game's catalogues ("de", "pt_BR", ...). English, the language of
// the texts in the code, needs none.
QStringList TranslatedLanguages();

// Installs the game's and Qt's catalogues of the first of `locale`'s UI languages that the game
// speaks, in place of any installed before; none for English or a language without one. The
// system locale's UI languages are the desktop's choice: LANGUAGE, then LC_ALL, LC_MESSAGES,
// LANG. Returns the language now in use.
QString InstallTranslations(const QLocale& locale = QLocale::system());

// The language of the game's texts: a code of TranslatedLanguages(), or "en".
QString GameLanguage();

// The locale the game writes its dates and numbers in: the game language's, digits and all,
// without group separators (a score reads "12345" in every language).
QLocale GameLocale();

// `number` in GameLocale()'s digits.
QString NumberText(qint64 number);

// "Beginner", "Intermediate", "Expert" in the player's language; empty for another level.
QString LevelName(std::int32_t level);

// A shape's name in the Options list, in the player's language.
QString ShapeName(std::string_view listText);

} // namespace cw
