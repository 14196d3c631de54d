// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/translations.h"

#include "game/player_text.h"
#include "game/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <array>

namespace cw {
namespace {

const QString kCatalogueFolder = QStringLiteral(":/translations");
const QString kCataloguePrefix = QStringLiteral("cobblewell_");
const QString kEnglish = QStringLiteral("en");

constexpr std::array<const char*, kLevelCount> kLevelNames{
    TranslatableText("Level", "Beginner"),
    TranslatableText("Level", "Intermediate"),
    TranslatableText("Level", "Expert"),
};

// Qt reads the direction of the installed catalogues from this message: "RTL" in the catalogue
// of a language written right to left mirrors every window, "LTR" in all others. Marked here
// so that updating the catalogues keeps it; Qt's own catalogues, which carry it too, are
// optional.
//: LTR, or RTL for a language written right to left.
[[maybe_unused]] constexpr const char* kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

struct InstalledCatalogues {
    QPointer<QTranslator> game;
    QPointer<QTranslator> qt;
    QString language = kEnglish;
};

InstalledCatalogues installed;

} // namespace

QStringList TranslatedLanguages() {
    QStringList languages =
        QDir(kCatalogueFolder).entryList({kCataloguePrefix + QStringLiteral("*.qm")});
    for (QString& file : languages)
        file = file.mid(kCataloguePrefix.size()).chopped(3);
    return languages;
}

QString InstallTranslations(const QLocale& locale) {
    // A catalogue leaves the application's list when it is deleted.
    delete installed.game;
    delete installed.qt;
    installed.language = kEnglish;

    auto* catalogue = new QTranslator(QCoreApplication::instance());
    // Tries each UI language in turn, each also without its country ("de_AT", then "de").
    if (!catalogue->load(locale, QStringLiteral("cobblewell"), QStringLiteral("_"),
                         kCatalogueFolder)) {
        delete catalogue;
        return installed.language;
    }
    installed.language = catalogue->language();
    // Qt's own texts come from Debian's catalogues (qt6-translations-l10n, optional) where it
    // has one for the language, else from the few the game carries for those it lacks; without
    // either they stay English.
    installed.qt = new QTranslator(QCoreApplication::instance());
    const QString qtCatalogue = QStringLiteral("qtbase_") + installed.language;
    if (installed.qt->load(qtCatalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        installed.qt->load(qtCatalogue, kCatalogueFolder))
        QCoreApplication::installTranslator(installed.qt);
    else
        delete installed.qt;
    installed.game = catalogue;
    QCoreApplication::installTranslator(catalogue);
    return installed.language;
}

QString GameLanguage() {
    return installed.language;
}

// Each language writes the digits its players see on their desktops, which is what its locale
// defaults to: Arabic its own (Arabic-Indic, as written from Egypt to Iraq), Persian the
// Persian forms, Hebrew and every other language 0 to 9.
QLocale GameLocale() {
    QLocale locale(installed.language);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString NumberText(qint64 number) {
    return GameLocale().toString(number);
}

QString LevelName(std::int32_t level) {
    if (!IsLevel(level))
        return {};
    return QCoreApplication::translate("Level", kLevelNames[static_cast<std::size_t>(level)]);
}

QString ShapeName(std::string_view listText) {
    return QCoreApplication::translate("Shape", listText.data());
}

} // namespace cw
