// SPDX-License-Identifier: GPL-3.0-or-later
#include "contact_sheet.h"

#include "resources/art_names.h"
#include "resources/resource_lookup.h"
#include "widgets/cell_picture.h"
#include "widgets/draw_helpers.h"
#include "widgets/lcd_digits.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

constexpr int kZoom = 4;
constexpr int kGap = 16;
constexpr int kLabelHeight = 18;
constexpr int kSheetWidth = 1400;

using cw::ArtName;
namespace art = cw::art;

QStringList Families() {
    QStringList families;
    for (const art::ShapeFamily& family : art::kShapeFamilies)
        families << ArtName(family.prefix);
    return families;
}

// The joker's two board pictures, then its faces.
QStringList Faces() {
    QStringList faces{ArtName(art::kJokerPicture), ArtName(art::kJokerAlternatePicture)};
    for (const std::string_view face : art::kFaceNames)
        faces << ArtName(face);
    return faces;
}

QImage Zoom(const QImage& image, int zoom = kZoom) {
    return image.convertToFormat(QImage::Format_ARGB32)
        .scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The game's framed cell with the picture and, for a stack above 1, its band.
QImage FramedCell(const QImage& picture, int stack, QRgb bandColour) {
    QImage cell = cw::FramedCellPicture(picture);
    if (stack >= 2) {
        for (int y = cw::kCellPixels - 1; y >= cw::StackBandTop(stack); --y)
            cw::RecolourBandRow(cell, y, bandColour);
    }
    return cell;
}

// `picture` over a checkerboard, which shows its transparent pixels.
QImage OverCheckerboard(const QImage& picture) {
    QImage board(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x) {
            board.setPixelColor(x, y,
                                (x / 8 + y / 8) % 2 ? QColor(90, 140, 90) : QColor(220, 220, 200));
        }
    }
    QPainter(&board).drawImage(0, 0, picture);
    return board;
}

// Places labelled pictures left to right, starting a new row when the sheet is full.
class SheetLayout {
public:
    explicit SheetLayout(QPainter& painter) : painter_(painter) {}

    void place(const QImage& picture, const QString& label) {
        if (x_ + picture.width() > kSheetWidth - kGap)
            newRow();
        painter_.setPen(QColor(230, 230, 230));
        painter_.drawText(x_, y_ + kLabelHeight - 5, label);
        painter_.drawImage(x_, y_ + kLabelHeight, picture);
        x_ += picture.width() + kGap;
        rowHeight_ = std::max(rowHeight_, picture.height() + kLabelHeight);
    }

    void heading(const QString& title) {
        newRow();
        QFont font = painter_.font();
        font.setBold(true);
        painter_.setFont(font);
        painter_.setPen(QColor(255, 220, 120));
        painter_.drawText(kGap, y_ + kLabelHeight, title);
        font.setBold(false);
        painter_.setFont(font);
        y_ += kLabelHeight + 6;
    }

    void newRow() {
        if (rowHeight_ > 0)
            y_ += rowHeight_ + kGap;
        x_ = kGap;
        rowHeight_ = 0;
    }

    int usedHeight() const { return y_ + rowHeight_ + kGap; }

private:
    QPainter& painter_;
    int x_ = kGap;
    int y_ = kGap;
    int rowHeight_ = 0;
};

QImage Bitmap(const QDir& folder, const QString& name) {
    return QImage(folder.filePath(name + ".bmp"), "BMP");
}

void PlaceFamilies(SheetLayout& layout, const QDir& folder) {
    for (const QString& family : Families()) {
        layout.heading(family);
        for (int digit = 0; digit < 8; ++digit) {
            layout.place(Zoom(Bitmap(folder, family + QString::number(digit))),
                         family + QString::number(digit));
        }
    }
}

void PlaceCells(SheetLayout& layout, const QDir& folder) {
    layout.heading("Cells with stack bands (alternate picture last)");
    for (const QString& family : Families()) {
        for (int colour = 0; colour < 7; ++colour) {
            const QImage picture = Bitmap(folder, family + QString::number(colour));
            layout.place(Zoom(FramedCell(picture, 2 + colour % 3, cw::Palette(colour)), 2),
                         family + QString::number(colour));
        }
        const QString grey = family + QString::number(art::kGreyPicture);
        layout.place(Zoom(FramedCell(Bitmap(folder, grey), 2, cw::Palette(0)), 2), grey);
        layout.newRow();
    }
}

void PlaceFaces(SheetLayout& layout, const QDir& folder) {
    layout.heading("Joker faces");
    for (const QString& face : Faces())
        layout.place(Zoom(Bitmap(folder, face)), face);
    layout.heading("Joker cells, and the next-colours piece of SMALLSMILE");
    for (const QString& face : Faces())
        layout.place(Zoom(FramedCell(Bitmap(folder, face), 3, cw::Palette(7)), 2), face);
    const QImage smallCell =
        FramedCell(Bitmap(folder, ArtName(art::kJokerAlternatePicture)), 1, cw::Palette(7));
    layout.place(Zoom(smallCell.copy(10, 10, 21, 21)), "next piece");
}

QImage LcdPanel(const QImage& strip, const QString& text, QRgb segments) {
    QImage panel(54, 25, QImage::Format_ARGB32);
    panel.fill(cw::kLightGrey);
    QPainter painter(&panel);
    cw::DrawLcdText(painter, QPoint(1, 1), strip, text, segments);
    return panel;
}

void PlacePanels(SheetLayout& layout, const QDir& folder) {
    layout.heading("LCD strip, score panels, NEW, SPARKLE");
    const QImage lcd = Bitmap(folder, ArtName(art::kLcdPicture));
    layout.place(Zoom(lcd.transformed(QTransform().rotate(-90))), "LCD (turned left)");
    layout.place(Zoom(LcdPanel(lcd, "0123", cw::Palette(1))), "0123");
    layout.place(Zoom(LcdPanel(lcd, "4567", cw::Palette(0))), "4567");
    layout.place(Zoom(LcdPanel(lcd, "8 -9", cw::Palette(1))), "8 -9");
    for (const std::string_view name : {art::kNewButtonPicture, art::kSparklePicture})
        layout.place(Zoom(Bitmap(folder, ArtName(name))), ArtName(name));
    layout.heading(ArtName(art::kAboutPicture));
    layout.place(Zoom(Bitmap(folder, ArtName(art::kAboutPicture))), ArtName(art::kAboutPicture));
}

void PlaceIcons(SheetLayout& layout, const QDir& folder) {
    layout.heading("Icons (over a checkerboard, to show the mask) and the cursor");
    std::vector<int> numbers{art::kWindowIcon, art::kNameDialogIcon};
    for (const art::ShapeFamily& family : art::kShapeFamilies)
        numbers.push_back(family.iconNumber);
    std::sort(numbers.begin(), numbers.end());
    for (const int number : numbers) {
        const QImage icon(folder.filePath(QString("icon%1.ico").arg(number)), "ICO");
        layout.place(Zoom(OverCheckerboard(icon)), QString("icon %1").arg(number));
    }
    const QString handName = ArtName(art::kHandCursor);
    QFile handFile(folder.filePath(handName + ".cur"));
    const QByteArray hand = handFile.open(QIODevice::ReadOnly) ? handFile.readAll() : QByteArray();
    const QPoint hotSpot = cw::ReadCursorHotSpot(hand).value_or(QPoint());
    QImage zoomed = Zoom(OverCheckerboard(QImage::fromData(hand, "ICO")));
    QPainter marker(&zoomed);
    marker.setPen(Qt::red);
    marker.drawRect(hotSpot.x() * kZoom, hotSpot.y() * kZoom, kZoom - 1, kZoom - 1);
    marker.end();
    layout.place(zoomed,
                 QString("%1 hot spot (%2, %3)").arg(handName).arg(hotSpot.x()).arg(hotSpot.y()));
}

} // namespace

QImage RenderContactSheet(const QDir& artFolder) {
    QImage sheet(kSheetWidth, 9000, QImage::Format_ARGB32);
    sheet.fill(QColor(48, 48, 48));
    QPainter painter(&sheet);
    SheetLayout layout(painter);
    PlaceFamilies(layout, artFolder);
    PlaceCells(layout, artFolder);
    PlaceFaces(layout, artFolder);
    PlacePanels(layout, artFolder);
    PlaceIcons(layout, artFolder);
    const int height = layout.usedHeight();
    painter.end();
    return sheet.copy(0, 0, kSheetWidth, height);
}
