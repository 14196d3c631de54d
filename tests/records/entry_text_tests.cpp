// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/entry_text.h"
#include "records_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace cw {
namespace {

TEST(NameCutting, KeepsAtMostThirtyNineBytesAtACharacterBoundary) {
    EXPECT_EQ(CutName(QString(45, 'a')).size(), 39);
    // 38 one-byte characters and a two-byte one: the last does not fit whole.
    const QString name = QString(38, 'b') + QChar(0xE9);
    EXPECT_EQ(CutName(name), QByteArray(38, 'b'));
    // Thirteen three-byte characters fill 39 bytes exactly.
    const QString euros(13, QChar(0x20AC));
    EXPECT_EQ(CutName(euros + "x").size(), 39);
    EXPECT_EQ(QString::fromUtf8(CutName(euros + "x")), euros);
}

TEST(NameStoring, BytesAfterTheTerminatorKeepTheirContents) {
    ScoreEntry entry;
    std::memset(entry.name, 'z', kNameBytes);
    StoreName(entry, "Ann");
    EXPECT_STREQ(entry.name, "Ann");
    EXPECT_EQ(entry.name[4], 'z');
    EXPECT_EQ(entry.name[39], 'z');
    StoreName(entry, QString(50, 'q'));
    EXPECT_EQ(entry.name[39], '\0');
}

TEST(NameText, StopsAtTheTerminatorAndSurvivesBadBytes) {
    ScoreEntry entry;
    std::memcpy(entry.name, "Bo\xFF\xFEx\0tail", 10);
    EXPECT_EQ(NameText(entry), QString("Bo") + QChar(0xFFFD) + QChar(0xFFFD) + "x");
    std::memset(entry.name, 'k', kNameBytes); // no terminator at all
    EXPECT_EQ(NameText(entry), QString(40, 'k'));
}

TEST(DateText, ShowsTheLocalTimeWithoutANewline) {
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", "UTC");
    tzset();
    EXPECT_EQ(DateText(1), "Thu Jan  1 00:00:01 1970");
    EXPECT_EQ(DateText(1765168363), "Mon Dec  8 04:32:43 2025");
    EXPECT_EQ(DateText(0x90000000), "Mon Jul 23 00:38:24 2046"); // past 2038, as unsigned
    EXPECT_EQ(DateText(0), "");
    if (savedZone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", savedZone);
    tzset();
}

TEST(ScoreEntry, EqualEntriesMatchInAllFiftyTwoBytes) {
    ScoreEntry a = test::MakeEntry("Ann", 5);
    ScoreEntry b = a;
    EXPECT_EQ(a, b);
    b.name[20] = 'x';
    EXPECT_NE(a, b);
}

} // namespace
} // namespace cw
