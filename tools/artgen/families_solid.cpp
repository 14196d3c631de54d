// SPDX-License-Identifier: GPL-3.0-or-later
// The atom, ball, die and pinwheel families.
#include "ball_families.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {
namespace {

constexpr double kUnits = 36.0;

struct Sphere {
    double x;
    double y;
    double r;
    bool coloured;
};

bool InsideDieFront(double u, double v) {
    return u >= 3 && u < 26 && v >= 10 && v < 33;
}
bool InsideDieTop(double u, double v) {
    return v >= 3 && v < 10 && u >= 3 + (10 - v) && u < 26 + (10 - v);
}
bool InsideDieSide(double u, double v) {
    return u >= 26 && u < 33 && v >= 10 - (u - 26) && v < 33 - (u - 26);
}

void DrawPip(Canvas& canvas, double cx, double cy, double r) {
    ForEachPixel(canvas, kUnits, [&](int x, int y, double u, double v) {
        const double d = std::hypot(u - cx, v - cy);
        if (d < r)
            canvas.set(x, y, ToneContrast);
    });
}

} // namespace

void DrawAtom(Canvas& canvas) {
    // Back row first so the nearer spheres overlap it; the centre sphere sits on top.
    static constexpr Sphere kSpheres[] = {
        {12.5, 8.0, 6.2, false},  {23.5, 8.0, 6.2, true},   {7.0, 18.0, 6.2, true},
        {29.0, 18.0, 6.2, false}, {12.5, 28.0, 6.2, false}, {23.5, 28.0, 6.2, true},
        {18.0, 18.0, 7.2, true},
    };
    for (const auto& sphere : kSpheres) {
        ShadeBall(canvas, kUnits, {sphere.x, sphere.y, sphere.r, sphere.r},
                  sphere.coloured ? ToneDeep : AltDeep);
    }
}

void DrawBall(Canvas& canvas) {
    ShadeBall(canvas, kUnits, {18.0, 18.0, 15.6, 15.6});
}

void DrawDice(Canvas& canvas) {
    ForEachPixel(canvas, kUnits, [&](int x, int y, double u, double v) {
        if (InsideDieFront(u, v))
            canvas.set(x, y, ToneMid);
        else if (InsideDieTop(u, v))
            canvas.set(x, y, Tone(2.5, x, y));
        else if (InsideDieSide(u, v))
            canvas.set(x, y, Tone(1.5, x, y));
    });
    Rim(canvas, ToneDeep);
    // Edges between the faces.
    ForEachPixel(canvas, kUnits, [&](int x, int y, double u, double v) {
        const bool frontTopEdge = InsideDieFront(u, v) && !InsideDieFront(u, v - 1);
        const bool frontSideEdge = InsideDieFront(u, v) && !InsideDieFront(u + 1, v);
        if ((frontTopEdge || frontSideEdge) && canvas.at(x, y) != kTransparent)
            canvas.set(x, y, ToneDark);
    });
    // Pips centred on pixel corners come out as round 4 x 4 dots.
    for (const double column : {9.0, 19.0}) {
        for (const double row : {15.0, 21.0, 27.0})
            DrawPip(canvas, column, row, 2.0);
    }
}

void DrawSpiral(Canvas& canvas) {
    constexpr double kCentre = 18.0;
    constexpr double kRadius = 16.4;
    constexpr int kVanes = 4;
    ForEachPixel(canvas, kUnits, [&](int x, int y, double u, double v) {
        const double r = std::hypot(u - kCentre, v - kCentre);
        if (r >= kRadius)
            return;
        const double angle = std::atan2(v - kCentre, u - kCentre) / (2 * std::numbers::pi);
        double phase = angle * kVanes + 0.9 * r / kRadius;
        phase -= std::floor(phase);
        if (r < 3.2) {
            canvas.set(x, y, r < 1.8 ? ToneGloss : ToneDeep);
        } else if (phase < 0.68) {
            // Each vane catches the light along its leading edge and darkens towards its tail.
            const double level = phase < 0.12 ? 2.6 : (phase < 0.45 ? 2.0 : 1.4);
            canvas.set(x, y, Tone(level, x, y));
        }
    });
    Outline(canvas, ToneDeep);
}

} // namespace artgen
