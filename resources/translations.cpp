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

// Each language writes the digits its players see on their desktops, which is what its locale
// defaults to: Arabic its own (Arabic-Indic, as written from Egypt to Iraq), Persian the
// Persian forms, Hebrew and every other language 0 to 9.
QLocale WrittenLocale(const QString& language) {
    QLocale locale(language);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// The locale is kept with the language: every cell's accessible name asks for it.
struct InstalledCatalogues {
    QList<QPointer<QTranslator>> catalogues;
    QString language = kEnglish;
    QLocale locale = WrittenLocale(kEnglish);
};

InstalledCatalogues installed;

// Tries each UI language in turn, each also without its country ("de_AT", then "de"). Qt's
// lookup knows the two Chinese catalogues only by their countries, so Hong Kong and Macau, which
// read the traditional characters, and Singapore, the simplified ones, go by their script.
bool LoadGameCatalogue(QTranslator& catalogue, const QLocale& locale) {
    const auto load = [&catalogue](const QLocale& wanted) {
        return catalogue.load(wanted, QStringLiteral("cobblewell"), QStringLiteral("_"),
                              kCatalogueFolder);
    };
    return load(locale) ||
           (locale.language() == QLocale::Chinese &&
            load(QLocale(QLocale::Chinese, locale.script(), QLocale::AnyTerritory)));
}

// Qt searches the catalogue installed last first, so each goes above those before it.
void Install(QTranslator* catalogue) {
    QCoreApplication::installTranslator(catalogue);
    installed.catalogues.append(catalogue);
}

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
    qDeleteAll(installed.catalogues);
    installed.catalogues.clear();
    installed.language = kEnglish;
    installed.locale = WrittenLocale(kEnglish);

    auto* catalogue = new QTranslator(QCoreApplication::instance());
    if (!LoadGameCatalogue(*catalogue, locale)) {
        delete catalogue;
        return installed.language;
    }
    installed.language = catalogue->language();
    installed.locale = WrittenLocale(installed.language);
    // Qt's own texts come from Debian's catalogues (qt6-translations-l10n, optional), searched
    // first, and from the few the game carries, beneath them, for the languages or the texts
    // Debian's lack (Slovak's has no message-box buttons); without either they stay English.
    const QString qtCatalogue = QStringLiteral("qtbase_") + installed.language;
    for (const QString& folder :
         {kCatalogueFolder, QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(qtCatalogue, folder))
            Install(qt);
        else
            delete qt;
    }
    Install(catalogue);
    return installed.language;
}

QString GameLanguage() {
    return installed.language;
}

QLocale GameLocale() {
    return installed.locale;
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
