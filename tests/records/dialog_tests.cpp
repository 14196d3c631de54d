// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/entry_text.h"
#include "records/name_dialog.h"
#include "records/score_file.h"
#include "records/score_table.h"
#include "records/top_players_dialog.h"
#include "records_test_support.h"
#include "tests/support/dialog_test_support.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <ctime>
#include <gtest/gtest.h>

namespace cw {
namespace {

using test::MakeEntry;
using test::ModalScript;

// The Top Players field of `column` ("Name", "Score" or "Date") in `place` (1 to 10).
QLabel* Field(const QWidget* dialog, const char* column, int place) {
    return dialog->findChild<QLabel*>(QStringLiteral("place%1%2").arg(column).arg(place));
}

void Click(QWidget* dialog, const char* button) {
    auto* control = dialog->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(control, nullptr) << button;
    control->click();
}

// Pure red (255, 0, 0) is drawn only by red field text.
int RedPixels(QWidget* field) {
    const QImage image = field->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
        }
    }
    return count;
}

// The Top Players fields drawn in red, by name.
QStringList RedFields(const QWidget* dialog) {
    QStringList red;
    for (int place = 1; place <= kTableRows; ++place) {
        for (const char* column : {"Name", "Score", "Date"}) {
            if (RedPixels(Field(dialog, column, place)) > 0)
                red << Field(dialog, column, place)->objectName();
        }
    }
    return red;
}

class OfferTest : public test::IsolatedHome {
protected:
    void SetUp() override {
        IsolatedHome::SetUp();
        PrepareScoreFile(game, records);
        records.averageCharWidth = 6;
        owner.setGeometry(120, 80, 378, 409);
        owner.show();
    }
    QByteArray ScoreFileBytes() const {
        QFile file(records.scoreFilePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void FillLevel(int level, std::int32_t top) {
        for (int i = 0; i < kTableRows; ++i)
            records.tables[level][i] = MakeEntry("old", top - 10 * i, 20 + i);
    }

    GameState game;
    RecordsState records;
    QWidget owner;
};

TEST_F(OfferTest, AScoreThatDoesNotQualifyShowsNoDialog) {
    FillLevel(0, 100); // tenth row: 10
    ModalScript script({[](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); }});
    game.score = 10;
    OfferScoreEntry(game, records, Beginner, &owner);
    game.score = 0;
    OfferScoreEntry(game, records, Intermediate, &owner);
    EXPECT_EQ(script.pending(), 1);
}

TEST_F(OfferTest, AnAcceptedNameIsInsertedSavedAndShownInRed) {
    FillLevel(Intermediate, 100);
    StoreName(records.pending, "Previous");
    game.level = Intermediate;
    game.score = 75; // between 80 and 70: place 3 (index 3)
    QString prefill;
    QString selected;
    QStringList red;
    ModalScript script({[&](QWidget* dialog) {
                            ASSERT_NE(qobject_cast<NameDialog*>(dialog), nullptr);
                            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
                            prefill = edit->text();
                            selected = edit->selectedText();
                            edit->setText(QString(45, 'N'));
                            Click(dialog, "okButton");
                        },
                        [&](QWidget* dialog) {
                            ASSERT_NE(qobject_cast<TopPlayersDialog*>(dialog), nullptr);
                            red = RedFields(dialog);
                            Click(dialog, "okButton");
                        }});
    const auto before = static_cast<std::uint32_t>(std::time(nullptr));
    OfferScoreEntry(game, records, Intermediate, &owner);
    EXPECT_EQ(script.pending(), 0);
    EXPECT_EQ(prefill, "Previous");
    EXPECT_EQ(selected, "Previous");
    EXPECT_EQ(red, (QStringList{"placeName4", "placeScore4", "placeDate4"}));

    const ScoreEntry& row = records.tables[Intermediate][3];
    EXPECT_EQ(NameText(row), QString(39, 'N'));
    EXPECT_EQ(row.score, 75);
    EXPECT_EQ(row.generation, 24); // the displaced row's 23 plus one
    EXPECT_GE(row.time, before);
    EXPECT_EQ(row, records.pending);
    EXPECT_EQ(records.tables[Intermediate][4].score, 70);
    EXPECT_EQ(game.best[Intermediate], 0); // not first: the best stays

    RecordsState reloaded;
    reloaded.scoreFilePath = records.scoreFilePath;
    GameState reloadedGame;
    ASSERT_EQ(LoadScoreFile(reloadedGame, reloaded), 1);
    EXPECT_EQ(reloaded.tables[Intermediate][3], row);
}

// A full disk: a box names the file and why, once a game; the entry stays in the table. The
// first entry takes an empty row, of generation 1; the second displaces it, so is of 2.
TEST_F(OfferTest, AnEntryThatCannotBeSavedIsToldOncePerGame) {
    QStringList told;
    const auto ok = [](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); };
    const auto box = [&told](QWidget* dialog) {
        told << dialog->windowTitle() + '|' + dialog->property("text").toString();
        dialog->close();
    };
    ModalScript script({ok, box, ok, ok, box, ok});
    {
        const test::FileSizeLimit diskFull(1000);
        for (const std::int32_t score : {30, 60}) {
            game.score = score;
            OfferScoreEntry(game, records, Expert, &owner);
        }
    }
    EXPECT_EQ(script.pending(), 0);
    EXPECT_EQ(told, QStringList(2, "Cobblewell|The top-ten entry could not be saved in " +
                                       records.scoreFilePath +
                                       ": File too large.\n\n"
                                       "It stays in the table until you exit Cobblewell."));
    EXPECT_EQ(records.tables[Expert][1].score, 30);
    EXPECT_EQ(records.tables[Expert][1].generation, 1);
    EXPECT_EQ(records.tables[Expert][0].generation, 2);
    EXPECT_EQ(game.best[Expert], 60);
}

TEST_F(OfferTest, CancelKeepsTableAndFileYetAFirstPlaceBecomesTheBest) {
    FillLevel(Beginner, 100);
    const LevelTable tableBefore = records.tables[Beginner];
    const QByteArray fileBefore = ScoreFileBytes();
    bool topPlayersShown = false;
    ModalScript script({[](QWidget* dialog) { Click(dialog, "cancelButton"); },
                        [&](QWidget* dialog) {
                            topPlayersShown = qobject_cast<TopPlayersDialog*>(dialog) != nullptr;
                            Click(dialog, "okButton");
                        }});
    game.score = 500;
    OfferScoreEntry(game, records, Beginner, &owner);
    EXPECT_TRUE(topPlayersShown);
    EXPECT_EQ(game.best[Beginner], 500);
    for (int i = 0; i < kTableRows; ++i)
        EXPECT_EQ(records.tables[Beginner][i], tableBefore[i]);
    EXPECT_EQ(ScoreFileBytes(), fileBefore);
    EXPECT_EQ(records.pending.score, 0);
}

class TopPlayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        records.averageCharWidth = 5;
        records.tables[Beginner][0] = MakeEntry("Bea", 40, 1, 0);
        records.tables[Expert][0] = MakeEntry("Ed", 900, 1, 1700000000);
        records.tables[Expert][1] = MakeEntry("Eve", 800, 1, 1700000001);
    }
    RecordsState records;
};

TEST_F(TopPlayersTest, NameAndTopPlayersAreLaidOutFromTheirForms) {
    ScoreEntry pending;
    NameDialog name(pending, 5, nullptr);
    EXPECT_EQ(name.windowTitle(), "New High Score!");
    test::ExpectLaidOutFromItsForm(name, QStringLiteral("okButton"));
    TopPlayersDialog top(records, Beginner, nullptr);
    test::ExpectLaidOutFromItsForm(top, QStringLiteral("okButton"));
}

// Empty rows equal the all-zero pending entry, yet its score 0 marks nothing; the accepted
// entry's row is red and keeps the grey frame of its fields.
TEST_F(TopPlayersTest, OnlyTheAcceptedEntrysRowIsRed) {
    TopPlayersDialog before(records, Intermediate, nullptr);
    before.show();
    EXPECT_TRUE(RedFields(&before).isEmpty());

    records.pending = records.tables[Expert][0];
    TopPlayersDialog dialog(records, Expert, nullptr);
    dialog.show();
    EXPECT_EQ(RedFields(&dialog), (QStringList{"placeName1", "placeScore1", "placeDate1"}));
    const QImage image = Field(&dialog, "Name", 1)->grab().toImage();
    EXPECT_EQ(image.pixel(0, image.height() / 2), qRgb(128, 128, 128));
    EXPECT_EQ(image.pixel(image.width() / 2, 0), qRgb(128, 128, 128));
}

TEST_F(TopPlayersTest, OpensOnTheGivenLevelShowsEmptyRowsPlainlyAndRedrawsForAnother) {
    TopPlayersDialog dialog(records, Beginner, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Top Players of Cobblewell");
    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("levelCombo"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), "Intermediate");
    EXPECT_EQ(combo->currentIndex(), Beginner);
    EXPECT_EQ(Field(&dialog, "Name", 1)->text(), "Bea");
    EXPECT_EQ(Field(&dialog, "Score", 1)->text(), "40");
    EXPECT_EQ(Field(&dialog, "Date", 1)->text(), ""); // time 0: no date
    EXPECT_EQ(Field(&dialog, "Name", 10)->text(), "");
    EXPECT_EQ(Field(&dialog, "Score", 10)->text(), "0");
    EXPECT_EQ(Field(&dialog, "Date", 10)->text(), "");
    EXPECT_EQ(Field(&dialog, "Name", 1)->indent(), 5);

    combo->setCurrentIndex(Expert);
    EXPECT_EQ(dialog.shownLevel(), Expert);
    EXPECT_EQ(Field(&dialog, "Name", 1)->text(), "Ed");
    EXPECT_EQ(Field(&dialog, "Score", 2)->text(), "800");
    EXPECT_EQ(Field(&dialog, "Date", 2)->text(), DateText(1700000001));
    EXPECT_FALSE(Field(&dialog, "Date", 2)->text().isEmpty());
}

// A damaged file's name may hold line breaks: the field keeps one line and shows where each
// control stood.
TEST_F(TopPlayersTest, ControlCharactersInANameShowOnOneLine) {
    records.tables[Beginner][1] = MakeEntry("Al\nBo\r\tCy\x7F\xC2\x85\xE2\x80\xA8z", 30);
    TopPlayersDialog dialog(records, Beginner, nullptr);
    EXPECT_EQ(Field(&dialog, "Name", 2)->text(),
              QString::fromUtf8("Al\u240ABo\u240D\u2409Cy\u2421\uFFFD\uFFFDz"));
    EXPECT_EQ(Field(&dialog, "Name", 2)->sizeHint().height(),
              Field(&dialog, "Name", 1)->sizeHint().height());
}

class NameFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        field = dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        ASSERT_NE(field, nullptr);
    }
    // Where the text's first character is drawn while the cursor stands at its end, against
    // where it is drawn with the cursor at the start: a field that scrolled shows it further left.
    int ScrolledBy() {
        field->setSelection(0, static_cast<int>(field->text().size()));
        field->grab(); // the field settles its scrolling as it paints
        const int start = field->inputMethodQuery(Qt::ImAnchorRectangle).toRect().x();
        field->home(false);
        field->grab();
        return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x() - start;
    }

    ScoreEntry pending{};
    NameDialog dialog{pending, 6, nullptr};
    QLineEdit* field = nullptr;
};

TEST_F(NameFieldTest, TypingStopsWhereTheFieldIsFullOrAtTheBytesKeptAndNeverScrolls) {
    QTest::keyClicks(field, QString(80, 'W'));
    const int typed = static_cast<int>(field->text().size());
    EXPECT_GT(typed, 5);
    EXPECT_LT(typed, 39); // the width, not the bytes, is the bound for wide letters
    EXPECT_EQ(ScrolledBy(), 0);

    // Two bytes each, typed as a keyboard layout with the letter sends it: the 20th would be 40.
    field->clear();
    for (int i = 0; i < 25; ++i)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_Eacute, QChar(0xE9), Qt::NoModifier);
    EXPECT_EQ(field->text(), QString(19, QChar(0xE9)));
    QTest::keyClicks(field, "ab"); // a single byte still fits, the next does not
    EXPECT_EQ(field->text().toUtf8().size(), 39);
    EXPECT_TRUE(field->text().endsWith(QChar(0xE9) + QStringLiteral("a")));
    EXPECT_EQ(ScrolledBy(), 0);
}

// The table draws names in a font of its own: a name the field takes shows in it as much red as
// in a wider field.
TEST_F(NameFieldTest, ANameItTakesShowsWholeInTheTable) {
    for (const char letter : {'W', 'M', 'i'}) {
        field->clear();
        QTest::keyClicks(field, QString(80, letter));
        dialog.accept();
        pending.score = 1; // drawn red
        RecordsState records;
        records.averageCharWidth = 6;
        records.pending = records.tables[Beginner][0] = pending;
        TopPlayersDialog top(records, Beginner, nullptr);
        QLabel* name = Field(&top, "Name", 1);
        const int shown = RedPixels(name);
        name->resize(name->width() + 200, name->height());
        EXPECT_EQ(RedPixels(name), shown) << letter;
    }
}

TEST_F(NameFieldTest, APasteThatWouldOverflowIsRefusedWhole) {
    QTest::keyClicks(field, "Ann");
    QGuiApplication::clipboard()->setText(" Lee");
    field->paste();
    EXPECT_EQ(field->text(), "Ann Lee");
    QGuiApplication::clipboard()->setText(QString(30, 'W'));
    field->paste();
    EXPECT_EQ(field->text(), "Ann Lee");
}

} // namespace
} // namespace cw
