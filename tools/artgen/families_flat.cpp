// SPDX-License-Identifier: GPL-3.0-or-later
// The balloon, flake, disc and circles families.
#include "ball_families.h"

#include <cmath>
#include <numbers>

namespace artgen {
namespace {

constexpr double kUnits = 36.0;

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

} // namespace

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

} // namespace artgen
