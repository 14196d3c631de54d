// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the translation tests share: the catalogue files as written, and a tour of every window
// and dialog of the real game in one language, so that the fit and the completeness checks look
// at the same windows the player opens.

#include "window_test_support.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

// Readable test names and failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace cw::test {

// One <message> of a Qt Linguist file.
struct CatalogueMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty for a finished one
};

struct Catalogue {
    QString fileName;
    QString language; // the TS element's own attribute
    QList<CatalogueMessage> messages;
    QString error; // why the file could not be read, empty when it was
};

// Every cobblewell_<language>.ts of the source tree.
QList<Catalogue> ReadCatalogues();
// The translation of (context, source) in the catalogue of `language`; the source for English.
QString CatalogueText(const QString& language, const QString& context, const QString& source);

// The names the tour puts in the Top Players tables: the player's text, which the tables have
// always cut at their fields' edge.
QStringList PlayerNames();

// "en" and every language the game has a catalogue for.
QStringList LanguagesWithEnglish();

// A window, dialog or message box the tour opened, while it is on screen.
struct TourStop {
    QString name; // e.g. "Options", "Top Players (Expert)"
    QWidget* window;
};

// The real main window in the language of the test's parameter, Top Players tables full.
class TranslatedWindowTest : public WindowTest, public ::testing::WithParamInterface<QString> {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens in turn the main window, Options, the name dialog, Top Players on each level, About,
    // the help viewer, the game-over message, the browser chooser and the connection warning,
    // and calls `visit` on each while it is shown; each dialog is then cancelled. A dialog that
    // does not open leaves its stop out.
    void Tour(const std::function<void(const TourStop&)>& visit);
};

// The language code as a test name part.
std::string LanguageTestName(const ::testing::TestParamInfo<QString>& info);

} // namespace cw::test
