// SPDX-License-Identifier: GPL-3.0-or-later
#include "art_test_support.h"
#include "resources/resource_lookup.h"

#include <QFile>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

using cw::LoadBitmap;
using cw::LoadCursor;
using cw::LoadIcon;
using cw::LoadIconImage;

bool HasTransparentAndOpaquePixels(const QImage& image) {
    bool transparent = false;
    bool opaque = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            (qAlpha(image.pixel(x, y)) == 0 ? transparent : opaque) = true;
    return transparent && opaque;
}

TEST(ResourceLookup, UnknownOrUnsafeNamesFindNothing) {
    EXPECT_TRUE(LoadBitmap("NOSUCHPICTURE").isNull());
    EXPECT_TRUE(LoadBitmap("").isNull());
    EXPECT_TRUE(LoadBitmap("../icons/3").isNull());
    EXPECT_TRUE(LoadBitmap("BALL3.bmp").isNull());
    EXPECT_TRUE(LoadIconImage(0).isNull());
    EXPECT_TRUE(LoadIconImage(-3).isNull());
    EXPECT_TRUE(LoadIconImage(4).isNull());
    for (const char* name : {"", "#", "3", "#x", "# 3", "#+3", "#3a", "#99999999999"})
        EXPECT_TRUE(LoadIcon(QString::fromLatin1(name)).isNull()) << name;
    EXPECT_EQ(LoadCursor("NOSUCHCURSOR").shape(), Qt::ArrowCursor);
    EXPECT_EQ(LoadCursor("../cursors/HAND").shape(), Qt::ArrowCursor);
}

// The generated files' headers are checked in art_tests; here, what the resources deliver.
TEST(ResourceLookup, EveryBitmapLoadsAtItsSizeAndDepth) {
    for (const auto& [name, width, height, bits] : art_test::BitmapShapes()) {
        const QImage image = LoadBitmap(name);
        EXPECT_EQ(image.size(), QSize(width, height)) << name.toStdString();
        EXPECT_EQ(image.format(), bits == 1 ? QImage::Format_Mono : QImage::Format_Indexed8)
            << name.toStdString();
    }
}

TEST(ResourceLookup, NamesIgnoreCaseLikeResourceNames) {
    EXPECT_EQ(LoadBitmap("ball3"), LoadBitmap("BALL3"));
    EXPECT_EQ(LoadCursor("hand").hotSpot(), QPoint(6, 0));
}

TEST(ResourceLookup, IconsAre32By32WithTransparencyFromTheirMask) {
    for (int number : art_test::IconNumbers()) {
        const QImage image = LoadIconImage(number);
        ASSERT_EQ(image.size(), QSize(32, 32)) << number;
        EXPECT_TRUE(image.hasAlphaChannel()) << number;
        EXPECT_TRUE(HasTransparentAndOpaquePixels(image)) << number;
        const QIcon icon = LoadIcon(QStringLiteral("#%1").arg(number));
        ASSERT_FALSE(icon.isNull()) << number;
        EXPECT_EQ(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32), image)
            << number;
    }
}

// Pixels whose colour the drawings fix: the rows come the right way up, the colours in their
// order and the mask as transparency; the cursor's hot spot lies on its fingertip.
TEST(ResourceLookup, WindowIconAndHandCursorShowTheirPicturesWithTheHotSpot) {
    const QImage icon = LoadIconImage(cw::art::kWindowIcon);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(icon.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(icon.pixel(10, 2), qRgb(255, 255, 255)) << "white along the top";
    EXPECT_EQ(icon.pixel(5, 25), qRgb(255, 0, 0)) << "red below";
    EXPECT_EQ(icon.pixel(29, 10), qRgb(128, 128, 128)) << "dark grey on the right";

    const QCursor hand = LoadCursor(cw::ArtName(cw::art::kHandCursor));
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(6, 0));
    const QImage image = hand.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixel(6, 0), qRgb(0, 0, 0)) << "the fingertip's outline";
    EXPECT_EQ(image.pixel(6, 2), qRgb(255, 255, 255)) << "a white finger";
    EXPECT_EQ(image.pixel(0, 10), qRgb(0, 0, 0)) << "the thumb, low on the left";
}

// The game decodes its icons and cursor itself; Qt's "ico" reader is the oracle. Cut short
// anywhere, a file gives nothing instead of a read past its end.
TEST(ResourceLookup, IconAndCursorFilesDecodeAsQtsIconReaderReadsThem) {
    QStringList paths{QStringLiteral(":/cursors/%1.cur").arg(cw::ArtName(cw::art::kHandCursor))};
    for (int number : art_test::IconNumbers())
        paths << QStringLiteral(":/icons/%1.ico").arg(number);
    for (const QString& path : paths) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray data = file.readAll();
        const QImage byQt = QImage::fromData(data, "ICO").convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(byQt.isNull()) << path.toStdString();
        EXPECT_EQ(cw::DecodeIconPicture(data), byQt) << path.toStdString();
        for (qsizetype size = 0; size < data.size(); ++size)
            ASSERT_TRUE(cw::DecodeIconPicture(data.left(size)).isNull()) << size;
    }
}

TEST(ResourceLookup, HotSpotIsReadOnlyFromACursorFilesHeader) {
    QByteArray cursor(22, '\0');
    cursor[2] = 2; // type: cursor
    cursor[4] = 1; // one image
    cursor[10] = 6;
    cursor[12] = 9;
    EXPECT_EQ(cw::ReadCursorHotSpot(cursor), QPoint(6, 9));
    QByteArray icon = cursor;
    icon[2] = 1;
    QByteArray empty = cursor;
    empty[4] = 0;
    for (const QByteArray& damaged : {icon, empty, cursor.left(21), QByteArray()})
        EXPECT_EQ(cw::ReadCursorHotSpot(damaged), std::nullopt);
}

} // namespace
