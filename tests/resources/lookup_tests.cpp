#include "resources/resource_lookup.h"

#include <QImageReader>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

using cw::LoadBitmap;
using cw::LoadCursor;
using cw::LoadIcon;
using cw::LoadIconImage;

// The pictures come from the art generator; a tree without it still builds and runs the
// tests that do not need them.
#ifdef COBBLEWELL_ART_DIR
constexpr bool kArtIsBuiltIn = true;
#else
constexpr bool kArtIsBuiltIn = false;
#endif

QStringList BallBitmapNames() {
    QStringList names;
    for (const char* prefix : {"ATOM", "BALL", "DICE", "SPIR", "BALU", "FLAKE", "PILL", "ROUND"})
        for (int digit = 0; digit < 8; ++digit)
            names << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(digit);
    return names;
}

const QStringList kFaceBitmapNames{"BIGSMILE", "SMALLSMILE", "BAD",  "CHUCKLE", "MESSED",
                                   "OOO",      "SAD",        "SIDE", "SMIRK",   "STRAIT",
                                   "SURPRISE", "UNSURE",     "WINK", "YAWN"};

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

TEST(ResourceLookup, EveryBallAndFaceBitmapIsA16Colour36By36Image) {
    if (!kArtIsBuiltIn)
        GTEST_SKIP() << "the art generator is not part of this build";
    for (const QString& name : BallBitmapNames() + kFaceBitmapNames) {
        const QImage image = LoadBitmap(name);
        EXPECT_EQ(image.size(), QSize(36, 36)) << name.toStdString();
        EXPECT_EQ(image.format(), QImage::Format_Indexed8) << name.toStdString();
    }
}

TEST(ResourceLookup, PanelAndAboutBitmapsHaveTheirSizesAndDepths) {
    if (!kArtIsBuiltIn)
        GTEST_SKIP() << "the art generator is not part of this build";
    const QImage lcd = LoadBitmap("LCD");
    EXPECT_EQ(lcd.size(), QSize(13, 276));
    EXPECT_EQ(lcd.format(), QImage::Format_Mono);
    const std::vector<std::pair<QString, QSize>> sized{
        {"NEW", {20, 20}}, {"SPARKLE", {160, 28}}, {"ABOUT", {300, 200}}};
    for (const auto& [name, size] : sized) {
        const QImage image = LoadBitmap(name);
        EXPECT_EQ(image.size(), size) << name.toStdString();
        EXPECT_EQ(image.format(), QImage::Format_Indexed8) << name.toStdString();
    }
}

TEST(ResourceLookup, NamesIgnoreCaseLikeResourceNames) {
    if (!kArtIsBuiltIn)
        GTEST_SKIP() << "the art generator is not part of this build";
    EXPECT_EQ(LoadBitmap("ball3"), LoadBitmap("BALL3"));
    EXPECT_EQ(LoadCursor("hand").hotSpot(), QPoint(6, 0));
}

TEST(ResourceLookup, IconsAre32By32WithTransparencyFromTheirMask) {
    if (!kArtIsBuiltIn)
        GTEST_SKIP() << "the art generator is not part of this build";
    for (int number : {3, 5, 11, 12, 13, 14, 15, 16, 17, 18}) {
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

// Qt's own icon reader, where it is installed, is an independent check of the decoder.
TEST(ResourceLookup, IconsAndCursorDecodeAsQtsIconReaderSeesThem) {
    if (!kArtIsBuiltIn)
        GTEST_SKIP() << "the art generator is not part of this build";
    if (!QImageReader::supportedImageFormats().contains("ico"))
        GTEST_SKIP() << "no icon reader plugin";
    for (int number : {3, 5, 11, 12, 13, 14, 15, 16, 17, 18}) {
        const QImage fromQt(QStringLiteral(":/icons/%1.ico").arg(number), "ICO");
        ASSERT_FALSE(fromQt.isNull()) << number;
        EXPECT_EQ(LoadIconImage(number), fromQt.convertToFormat(QImage::Format_ARGB32)) << number;
    }
    const QImage handFromQt(QStringLiteral(":/cursors/HAND.cur"), "ICO");
    ASSERT_FALSE(handFromQt.isNull());
    EXPECT_EQ(LoadCursor("HAND").pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              handFromQt.convertToFormat(QImage::Format_ARGB32));
}

TEST(ResourceLookup, HandCursorPointsWithItsFingertip) {
    if (!kArtIsBuiltIn)
        GTEST_SKIP() << "the art generator is not part of this build";
    const QCursor hand = LoadCursor("HAND");
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(6, 0));
    const QImage image = hand.pixmap().toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_TRUE(HasTransparentAndOpaquePixels(image));
    // The hot spot is on the drawn hand, not on a transparent pixel.
    EXPECT_NE(qAlpha(image.pixel(6, 0)), 0);
}

} // namespace
