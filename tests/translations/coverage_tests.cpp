// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the player sees their language everywhere: no text of the game falls through the
// catalogues to English, the catalogue files hold no unfinished message, the desktop's language
// picks the catalogue, and dates and help pages follow it.

#include "translation_test_support.h"

#include "desktop/help_viewer.h"
#include "desktop/web_launcher.h"
#include "records/entry_text.h"
#include "resources/art_names.h"
#include "resources/translations.h"
#include "ui/accessible_text.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMutex>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>
#include <QTranslator>

#include <gtest/gtest.h>

#include <ctime>

namespace cw::test {
namespace {

// Translators are asked newest first, so one installed before every catalogue hears only the
// lookups that no catalogue answered.
class FallThroughProbe : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        const QString where = QString::fromUtf8(context);
        if (where.startsWith(u"cw::") || GameContexts().contains(where)) {
            const QMutexLocker lock(&mutex_);
            missed_.insert(where + QStringLiteral(" / ") + QString::fromUtf8(source));
        }
        return {};
    }
    bool isEmpty() const override { return false; }

    QStringList Missed() const {
        const QMutexLocker lock(&mutex_);
        QStringList missed(missed_.begin(), missed_.end());
        missed.sort();
        return missed;
    }

private:
    static const QSet<QString>& GameContexts() {
        static const QSet<QString> contexts{
            "AboutDialog", "Cell",  "Level",   "Menu",       "NameDialog",       "OptionsDialog",
            "Rules",       "Shape", "Toolbar", "TopPlayers", "TopPlayersDialog", "WebLauncher"};
        return contexts;
    }

    mutable QMutex mutex_;
    mutable QSet<QString> missed_;
};

// Every text a screen reader or a plain C++ table hands to the catalogues, outside the windows.
void AskForTheTextsBesideTheWindows() {
    for (std::int32_t colour = 0; colour <= kJoker; ++colour) {
        ColourName(colour);
        for (const CellState state : {CellState::Occupied, CellState::Selected})
            for (const std::int32_t stack : {1, 2})
                CellDescription(Cell{state, stack, colour});
    }
    CellDescription(Cell{});
    CellAccessibleName(40);
    NextColoursDescription({0, kJoker, 2}, true);
    NextColoursDescription({0, kJoker, 2}, false);
    for (std::int32_t level = 0; level < kLevelCount; ++level)
        LevelName(level);
    for (const art::ShapeFamily& shape : art::kShapeFamilies)
        ShapeName(shape.listText);
    ChooseBrowserTitle(QStringLiteral("http://example.org/"));
    DateText(1765168363);
}

class TranslationCoverage : public TranslatedWindowTest {
protected:
    static void SetUpTestSuite() {
        probe_ = new FallThroughProbe;
        QCoreApplication::installTranslator(probe_);
    }
    static void TearDownTestSuite() {
        QCoreApplication::removeTranslator(probe_);
        delete probe_;
    }

    static inline FallThroughProbe* probe_ = nullptr;
};

TEST_P(TranslationCoverage, NoTextOfTheGameFallsThroughToEnglish) {
    QString qtCancel;
    QUrl helpPage;
    Tour([&](const TourStop& stop) {
        if (auto* chooser = qobject_cast<QFileDialog*>(stop.window))
            qtCancel =
                chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
        if (auto* help = qobject_cast<HelpViewer*>(stop.window))
            helpPage = help->currentPage();
    });
    AskForTheTextsBesideTheWindows();
    EXPECT_EQ(probe_->Missed(), QStringList()) << "untranslated in " << GetParam().toStdString();
    // Qt's own catalogue came along: the file dialog's buttons speak the language too.
    EXPECT_NE(QString(qtCancel).remove(u'&'), QStringLiteral("Cancel"));
    EXPECT_TRUE(helpPage.path().startsWith(QStringLiteral("/help/%1/").arg(GetParam())))
        << helpPage.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslationCoverage,
                         ::testing::ValuesIn(TranslatedLanguages()), LanguageTestName);

// Hebrew, Arabic and Persian read every window from the right, the help page too; the board
// has no reading direction and keeps row 1 column 1 at the top left.
using RightToLeft = TranslatedWindowTest;

TEST_P(RightToLeft, WindowsAreMirroredAndTheBoardIsNot) {
    EXPECT_TRUE(window_->findChild<QWidget*>(QStringLiteral("clientArea"))->isLeftToRight());
    Tour([](const TourStop& stop) {
        EXPECT_TRUE(stop.window->isRightToLeft()) << stop.name.toStdString();
        const auto at = [&stop](const char* name) {
            return stop.window->findChild<QWidget*>(QString::fromLatin1(name))->geometry();
        };
        // 371 pixels wide: OK at 93 and Cancel at 198, 88 wide, counted from the right.
        if (stop.name == u"Name") {
            EXPECT_EQ(QList({at("okButton").x(), at("cancelButton").x()}), QList({190, 85}));
        } else if (stop.name == u"Top Players") {
            EXPECT_TRUE(at("placeDate1").right() < at("placeScore1").left() &&
                        at("placeScore1").right() < at("placeName1").left());
        } else if (auto* help = qobject_cast<HelpViewer*>(stop.window)) {
            const QTextDocument* page = help->findChild<QTextBrowser*>()->document();
            EXPECT_EQ(page->firstBlock().blockFormat().layoutDirection(), Qt::RightToLeft);
            // The contents' pictures stand first in their rows, on the right.
            const auto* table = qobject_cast<QTextTable*>(page->rootFrame()->childFrames().front());
            EXPECT_EQ(table->cellAt(0, 1).firstCursorPosition().block().text(), QChar(0xFFFC));
        }
    });
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, RightToLeft,
                         ::testing::Values(QStringLiteral("he"), QStringLiteral("ar"),
                                           QStringLiteral("fa")),
                         LanguageTestName);

// A message lupdate could not match, or a translator left open, shows English; a placeholder
// or a shortcut column lost in translation loses the level name or the shortcut.
TEST(Catalogues, EveryMessageIsFinishedAndKeepsItsPlaceholdersAndShortcutColumn) {
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList languages;
    for (const Catalogue& catalogue : ReadCatalogues()) {
        SCOPED_TRACE(catalogue.fileName.toStdString());
        EXPECT_EQ(catalogue.error, QString());
        EXPECT_EQ(catalogue.fileName, QStringLiteral("cobblewell_%1.ts").arg(catalogue.language));
        EXPECT_FALSE(catalogue.messages.isEmpty());
        languages << catalogue.language;
        for (const CatalogueMessage& message : catalogue.messages) {
            const std::string what =
                (message.context + QStringLiteral(" / ") + message.source).toStdString();
            EXPECT_EQ(message.type, QString()) << what;
            EXPECT_FALSE(message.translation.isEmpty()) << what;
            QStringList wanted, given;
            for (const auto& match : placeholder.globalMatch(message.source))
                wanted << match.captured();
            for (const auto& match : placeholder.globalMatch(message.translation))
                given << match.captured();
            wanted.sort();
            given.sort();
            EXPECT_EQ(given, wanted) << what;
            EXPECT_EQ(message.translation.contains(u'\t'), message.source.contains(u'\t')) << what;
        }
    }
    // A catalogue in the tree that the build does not compile in never reaches a player.
    languages.sort();
    QStringList built = TranslatedLanguages();
    built.sort();
    EXPECT_EQ(built, languages);
}

// A UI language with a country falls back to the language alone, a Chinese one to its script;
// English and a language without a catalogue take none, and remove the one installed before.
TEST(LanguageChoice, TheFirstUiLanguageWithACatalogueIsInstalled) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_AT", "de"},    {"pt_BR", "pt_BR"}, {"en_US", "en"},
        {"zh_CN", "zh_CN"}, {"sw_KE", "en"},    {"ja_JP", "ja"},
        {"zh_HK", "zh_TW"}, {"zh_MO", "zh_TW"}, {"zh_SG", "zh_CN"},
    };
    for (const auto& [locale, expected] : cases) {
        const QString language = QString::fromLatin1(expected);
        EXPECT_EQ(InstallTranslations(QLocale(QString::fromLatin1(locale))), language) << locale;
        EXPECT_EQ(GameLanguage(), language) << locale;
        EXPECT_EQ(LevelName(Expert), CatalogueText(language, "Level", "Expert")) << locale;
    }
    InstallTranslations(QLocale(QLocale::English));
}

// The English date stays the C library's text (entry_text_tests); every other language shows
// the same five fields in its own words, and they and the scores in its digits: Arabic and
// Persian their own, the others 0 to 9.
TEST(TopPlayersDate, EveryLanguageShowsAllFiveFieldsInItsOwnWordsAndDigits) {
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", "UTC");
    tzset();
    const QDateTime at(QDate(2025, 9, 18), QTime(14, 37, 52), Qt::UTC); // a Thursday
    for (const QString& language : TranslatedLanguages()) {
        InstallTranslations(QLocale(language));
        const QLocale locale(language);
        const QString date = DateText(static_cast<std::int32_t>(at.toSecsSinceEpoch()));
        // Arabic-Indic digits from U+0660, Persian ones from U+06F0.
        const char16_t zero = language == u"ar" ? 0x660 : language == u"fa" ? 0x6F0 : u'0';
        const auto written = [zero](QString text) {
            for (QChar& character : text)
                character = character.isDigit() ? QChar(zero + character.digitValue()) : character;
            return text;
        };
        EXPECT_EQ(NumberText(9876543210), written(QStringLiteral("9876543210")));
        const auto shows = [&date](const QStringList& forms) {
            return std::any_of(forms.begin(), forms.end(),
                               [&date](const QString& form) { return date.contains(form); });
        };
        SCOPED_TRACE((language + QStringLiteral(": ") + date).toStdString());
        EXPECT_TRUE(
            shows({locale.dayName(4, QLocale::ShortFormat), locale.dayName(4, QLocale::LongFormat),
                   locale.standaloneDayName(4, QLocale::ShortFormat)}));
        // Some languages write the month as its number ("18. 9. 2025").
        EXPECT_TRUE(shows({locale.monthName(9, QLocale::ShortFormat),
                           locale.monthName(9, QLocale::LongFormat),
                           locale.standaloneMonthName(9, QLocale::ShortFormat),
                           locale.standaloneMonthName(9, QLocale::LongFormat)}) ||
                    date.contains(QRegularExpression(QStringLiteral("(?<!\\d)0?9(?!\\d)"))));
        EXPECT_TRUE(date.contains(written(QStringLiteral("18"))));
        EXPECT_TRUE(date.contains(written(QStringLiteral("14:37:52"))));
        EXPECT_TRUE(date.contains(written(QStringLiteral("2025"))));
    }
    InstallTranslations(QLocale(QLocale::English));
    if (savedZone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", savedZone);
    tzset();
}

} // namespace
} // namespace cw::test
