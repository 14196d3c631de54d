// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation_test_support.h"

#include "desktop/about_dialog.h"
#include "desktop/help_viewer.h"
#include "desktop/web_launcher.h"
#include "game/rules.h"
#include "records/entry_text.h"
#include "records/score_table.h"
#include "resources/translations.h"
#include "tests/support/modal_script.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QXmlStreamReader>

namespace cw::test {
namespace {

// Names that take room: the longest a row stores (39 bytes), letters with marks, and CJK.
constexpr const char* kPlayerNames[] = {
    "Maximiliane Wilhelmine von Hohenzollern",
    "\xC5\x81ucja W\xC4\x85sowska-\xC5\xBB\xC3\xB3\xC5\x82towska",
    "\xE5\xB1\xB1\xE7\x94\xB0 \xE8\x8A\xB1\xE5\xAD\x90",
    "Ana",
};

// Thirty rows over three levels: every month, and days from 20 to 28 so that every weekday
// and two-digit day shows somewhere.
std::int32_t RowTime(int level, int row) {
    const int k = level * kTableRows + row;
    const QDateTime at(QDate(2026, k % 12 + 1, 20 + k % 9), QTime(23, 59, 58));
    return static_cast<std::int32_t>(at.toSecsSinceEpoch());
}

void FillTables(RecordsState& records) {
    for (int level = 0; level < kLevelCount; ++level) {
        for (int row = 0; row < kTableRows; ++row) {
            ScoreEntry& entry = records.tables[level][row];
            StoreName(entry, QString::fromUtf8(kPlayerNames[row % std::size(kPlayerNames)]));
            entry.score = 9000 - 100 * row;
            entry.generation = 1;
            entry.time = RowTime(level, row);
        }
    }
}

void Reject(QWidget* dialog) {
    static_cast<QDialog*>(dialog)->reject();
}

} // namespace

QList<Catalogue> ReadCatalogues() {
    QList<Catalogue> catalogues;
    const QDir folder(QStringLiteral(CATALOGUE_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("cobblewell_*.ts")})) {
        Catalogue catalogue;
        catalogue.fileName = name;
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            catalogue.error = file.errorString();
            catalogues.append(catalogue);
            continue;
        }
        QXmlStreamReader xml(&file);
        QString context;
        CatalogueMessage message;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"TS") {
                catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                message = {context, {}, {}, {}};
            } else if (xml.name() == u"source") {
                message.source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                catalogue.messages.append(message);
            }
        }
        if (xml.hasError())
            catalogue.error = xml.errorString();
        catalogues.append(catalogue);
    }
    return catalogues;
}

QString CatalogueText(const QString& language, const QString& context, const QString& source) {
    static const QList<Catalogue> catalogues = ReadCatalogues();
    for (const Catalogue& catalogue : catalogues) {
        if (catalogue.language != language)
            continue;
        for (const CatalogueMessage& message : catalogue.messages) {
            if (message.context == context && message.source == source)
                return message.translation;
        }
    }
    return source;
}

QStringList PlayerNames() {
    QStringList names;
    for (const char* name : kPlayerNames)
        names << QString::fromUtf8(name);
    return names;
}

QStringList LanguagesWithEnglish() {
    return QStringList{QStringLiteral("en")} + TranslatedLanguages();
}

std::string LanguageTestName(const ::testing::TestParamInfo<QString>& info) {
    return info.param.toStdString();
}

void TranslatedWindowTest::SetUp() {
    WindowTest::SetUp();
    ASSERT_EQ(InstallTranslations(QLocale(GetParam())), GetParam());
    FillTables(records_);
    records_.averageCharWidth = MeasureAverageCharWidth();
    Start();
}

void TranslatedWindowTest::TearDown() {
    WindowTest::TearDown();
    InstallTranslations(QLocale(QLocale::English));
}

void TranslatedWindowTest::Tour(const std::function<void(const TourStop&)>& visit) {
    visit({QStringLiteral("Main window"), window_.get()});
    const auto visitAndReject = [&visit](const char* name) {
        return [&visit, name](QWidget* dialog) {
            visit({QString::fromLatin1(name), dialog});
            Reject(dialog);
        };
    };
    // The dialogs in the order the steps below open them.
    ModalScript dialogs({
        visitAndReject("Options"),
        visitAndReject("Name"),
        [&visit](QWidget* top) {
            auto* levels = top->findChild<QComboBox*>(QStringLiteral("levelCombo"));
            for (int level = 0; level < kLevelCount; ++level) {
                levels->setCurrentIndex(level);
                visit({QStringLiteral("Top Players"), top});
            }
            Reject(top);
        },
        [&visit](QWidget* about) {
            visit({QStringLiteral("About"), about});
            about->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        },
        visitAndReject("Game over"),
        visitAndReject("Browser chooser"),
        visitAndReject("Connection failed"),
    });
    TriggerCommand("actionOptions");
    // A score above the whole table asks for the name, then shows the table.
    game_.score = 99999;
    window_->OfferScoreEntry(game_.level);
    game_.score = 0;
    TriggerCommand("actionAbout");

    TriggerCommand("actionHelpIndex");
    auto* help = window_->findChild<HelpViewer*>();
    if (help != nullptr && QTest::qWaitForWindowExposed(help)) {
        visit({QStringLiteral("Help"), help});
        help->close();
    }

    // The rules' own path to the message: no move left ends the game.
    GameOver(game_, *window_, game_.level);
    DesktopLaunchPlatform launcher(window_.get());
    launcher.ChooseBrowser(ChooseBrowserTitle(QString::fromLatin1(kHomePageAddress)));
    launcher.WarnConnectionFailed();
    EXPECT_EQ(dialogs.pending(), 0);
}

} // namespace cw::test
