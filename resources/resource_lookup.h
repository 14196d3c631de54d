#pragma once

// The game's pictures, compiled into the program and looked up by the names and numbers the
// window code uses:
//   bitmaps  "ATOM0".."ATOM7", "BALL0".., "DICE0".., "SPIR0".., "BALU0".., "FLAKE0"..,
//            "PILL0".., "ROUND0".."ROUND7" (36 x 36, 4 bpp; digit = colour, 7 = grey);
//            "BIGSMILE", "SMALLSMILE" and the faces "BAD", "CHUCKLE", "MESSED", "OOO", "SAD",
//            "SIDE", "SMIRK", "STRAIT", "SURPRISE", "UNSURE", "WINK", "YAWN" (36 x 36);
//            "LCD" (13 x 276, 1 bpp), "NEW" (20 x 20), "SPARKLE" (160 x 28), "ABOUT" (300 x 200)
//   icons    3 (window), 5 (name dialog), 11..18 (shape previews); also by text "#3"
//   cursor   "HAND" (hot spot at the fingertip)
// Paths in the resource system: :/bitmaps/<NAME>.bmp, :/icons/<N>.ico, :/cursors/<NAME>.cur.
// An unknown name gives a null image or icon and the arrow cursor; nothing is reported.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

namespace cw {

// 4-bpp bitmaps load as Format_Indexed8, the 1-bpp "LCD" as Format_Mono.
QImage LoadBitmap(const QString& name);

// 32 x 32 ARGB image whose transparent pixels come from the icon's mask.
QImage LoadIconImage(int number);
QIcon LoadIcon(int number);
// Accepts the "#<number>" form of the templates and the window code.
QIcon LoadIcon(const QString& name);

QCursor LoadCursor(const QString& name);

} // namespace cw
