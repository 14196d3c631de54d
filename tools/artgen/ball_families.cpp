// SPDX-License-Identifier: GPL-3.0-or-later
#include "ball_families.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace artgen {

BallColours ColoursOf(int ballColour) {
    // Light colours get black detail (die pips), dark ones white.
    static constexpr std::array<Ramp, kBallColours> kMain{{
        {Black, DarkRed, Red, White, White},
        {Black, DarkGreen, Green, White, Black},
        {Black, DarkBlue, Blue, White, White},
        {Black, DarkYellow, Yellow, White, Black},
        {Black, DarkMagenta, Magenta, White, White},
        {Black, DarkCyan, Cyan, White, Black},
        {Black, DarkGrey, White, White, Black},
        {Black, Black, DarkGrey, White, White},
    }};
    static constexpr Ramp kDarkBlue{Black, Black, DarkBlue, White, White};
    static constexpr Ramp kDarkGrey{Black, Black, Black, DarkGrey, White};
    if (ballColour < 0 || ballColour >= kBallColours)
        throw std::out_of_range("ball colour");
    return {kMain[static_cast<std::size_t>(ballColour)], ballColour == 7 ? kDarkGrey : kDarkBlue};
}

Canvas Recolour(const Canvas& drawing, const BallColours& colours, std::uint8_t background) {
    // The placeholder shades run from ToneDeep to AltGloss, in the order of these colours.
    const std::array<std::uint8_t, AltGloss - ToneDeep + 1> shades{
        colours.main.deep,  colours.main.dark,     colours.main.mid,
        colours.main.gloss, colours.main.contrast, colours.alt.deep,
        colours.alt.dark,   colours.alt.mid,       colours.alt.gloss};
    Canvas result = drawing;
    for (auto& pixel : result.pixels) {
        if (pixel == kTransparent)
            pixel = background;
        else if (pixel >= ToneDeep && pixel <= AltGloss)
            pixel = shades[pixel - ToneDeep];
    }
    return result;
}

namespace {

// Each drawing works in a design space 36 units across, whatever the canvas size.
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

int DesignToPixel(const Canvas& canvas, double units) {
    return static_cast<int>(std::floor(units * canvas.width / kUnits));
}

void DrawString(Canvas& canvas, double fromU, double fromV, double toU, double toV) {
    DrawLine(canvas, DesignToPixel(canvas, fromU), DesignToPixel(canvas, fromV),
             DesignToPixel(canvas, toU), DesignToPixel(canvas, toV), ToneDeep);
}

void DrawKnot(Canvas& canvas, double cu, double cv) {
    ForEachPixel(canvas, kUnits, [&](int x, int y, double u, double v) {
        if (v >= cv && v < cv + 2.2 && std::abs(u - cu) < 0.6 + (v - cv) * 0.7)
            canvas.set(x, y, ToneDark);
    });
}

// Where (u, v) lies across the nearest of six arms, one pointing up: -0.5..0.5, 0 along it.
double ArmSector(double u, double v) {
    const double sector = (std::atan2(v, u) + std::numbers::pi / 2) / (std::numbers::pi / 3);
    return sector - std::round(sector);
}

// Distance-like value of a six-pointed star: below 1 inside, the arms reaching 1 at the tips.
double StarShape(double u, double v, double radius) {
    const double r = std::hypot(u, v);
    const double reach =
        radius * (0.55 + 0.45 * std::pow(1.0 - 2.0 * std::abs(ArmSector(u, v)), 2.2));
    return r / reach;
}

void DrawBalloons(Canvas& canvas) {
    // The strings hang apart at the bottom, so they enclose no background.
    DrawString(canvas, 23.5, 21.0, 20.0, 34.0);
    DrawString(canvas, 13.0, 28.0, 15.5, 34.0);
    ShadeBall(canvas, kUnits, {23.5, 10.5, 8.3, 9.8}, ToneDeep, -0.6);
    DrawKnot(canvas, 23.5, 20.1);
    ShadeBall(canvas, kUnits, {13.0, 14.5, 9.3, 11.2});
    DrawKnot(canvas, 13.0, 25.5);
}

void DrawFlake(Canvas& canvas) {
    ForEachPixel(canvas, kUnits, [&](int x, int y, double u, double v) {
        const double du = u - 18.0;
        const double dv = v - 18.0;
        const double shape = StarShape(du, dv, 17.0);
        if (shape >= 1.0)
            return;
        const double acrossArm =
            std::abs(ArmSector(du, dv)) * std::hypot(du, dv) * std::numbers::pi / 3;
        const bool vein = acrossArm < 0.7 && shape > 0.25;
        const bool hub = std::hypot(du, dv) < 3.2;
        const double light = 2.0 + 0.5 * (-du - dv) / 17.0;
        canvas.set(x, y, hub ? ToneGloss : (vein ? ToneDark : Tone(light, x, y)));
    });
    Rim(canvas, White);
    Outline(canvas, ToneDeep);
}

void DrawPill(Canvas& canvas) {
    ForEachPixel(canvas, kUnits, [&](int x, int y, double u, double v) {
        const double du = u - 18.0;
        const double dv = v - 18.0;
        const double r = std::hypot(du, dv);
        if (r >= 15.8)
            return;
        const bool litSide = du + dv < 0;
        if (r >= 13.2) {
            canvas.set(x, y, litSide ? Tone(2.5, x, y) : ToneDark);
        } else if (r >= 12.0) {
            // The face sits a step lower than the rim.
            canvas.set(x, y, litSide ? ToneDark : ToneGloss);
        } else {
            const bool stipple = x % 3 == 1 && (y + (x / 3) % 2 * 1) % 3 == 1;
            canvas.set(x, y, stipple ? ToneDark : ToneMid);
        }
    });
    Outline(canvas, ToneDeep);
}

void DrawCircles(Canvas& canvas) {
    static constexpr double kCentres[3][2] = {{18.0, 12.6}, {12.0, 23.0}, {24.0, 23.0}};
    constexpr double kRadius = 10.2;
    ForEachPixel(canvas, kUnits, [&](int x, int y, double u, double v) {
        int inside = 0;
        bool onEdge = false;
        for (const auto& centre : kCentres) {
            const double d = std::hypot(u - centre[0], v - centre[1]);
            inside += d < kRadius ? 1 : 0;
            onEdge = onEdge || std::abs(d - kRadius) < 0.55;
        }
        if (inside == 0)
            return;
        if (onEdge)
            canvas.set(x, y, ToneDeep);
        else if (inside == 3)
            canvas.set(x, y, (x + y) % 2 == 0 ? ToneGloss : ToneDeep);
        else
            canvas.set(x, y, inside == 2 ? ToneDark : ToneMid);
    });
    Outline(canvas, ToneDeep);
}

} // namespace

Canvas DrawFamilyPicture(std::size_t family, int size) {
    // In the order of the art table's families.
    static constexpr std::array<void (*)(Canvas&), cw::art::kShapeFamilies.size()> kDrawings{
        DrawAtom, DrawBall, DrawDice, DrawSpiral, DrawBalloons, DrawFlake, DrawPill, DrawCircles,
    };
    Canvas picture(size, size);
    kDrawings.at(family)(picture);
    FillHoles(picture, ToneDark);
    return picture;
}

} // namespace artgen
