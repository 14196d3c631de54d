// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_files.h"

#include <array>
#include <fstream>
#include <stdexcept>

namespace artgen {
namespace {

// As 0xRRGGBB, which written little-endian is the file's blue, green, red, zero.
constexpr std::array<std::uint32_t, 16> kPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void Put16(Bytes& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, static_cast<int>(value & 0xFFFF));
    Put16(out, static_cast<int>(value >> 16));
}

int RowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// `storedHeight` is doubled for icons and cursors, whose mask follows the image.
void PutInfoHeader(Bytes& out, int width, int storedHeight, int bitsPerPixel, int imageBytes,
                   int colours) {
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(storedHeight));
    Put16(out, 1);
    Put16(out, bitsPerPixel);
    Put32(out, 0); // BI_RGB
    Put32(out, static_cast<std::uint32_t>(imageBytes));
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(colours));
    Put32(out, 0);
}

void PutPalette16(Bytes& out) {
    for (const std::uint32_t rgb : kPalette)
        Put32(out, rgb);
}

void PutMonoPalette(Bytes& out) {
    Put32(out, kPalette[Black]);
    Put32(out, kPalette[White]);
}

std::uint8_t PaletteIndex(std::uint8_t pixel) {
    if (pixel > White)
        throw std::runtime_error("pixel left in a placeholder shade or transparent");
    return pixel;
}

// Bottom-up rows of `bits`-bit pixels (1 or 4), the leftmost in the high bits of each byte,
// each pixel stored as `value` gives it.
template <class Value> void PutRows(Bytes& out, const Canvas& canvas, int bits, Value value) {
    for (int y = canvas.height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(RowBytes(canvas.width, bits)), 0);
        for (int x = 0; x < canvas.width; ++x) {
            const int shift = 8 - bits * (x % (8 / bits) + 1);
            row[static_cast<std::size_t>(x * bits / 8)] |=
                static_cast<std::uint8_t>(value(canvas.at(x, y)) << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

// Palette indices; where allowed, transparent pixels become black (the mask hides them).
void PutPixels4(Bytes& out, const Canvas& canvas, bool allowTransparent) {
    PutRows(out, canvas, 4, [allowTransparent](std::uint8_t pixel) {
        return PaletteIndex(allowTransparent && pixel == kTransparent ? Black : pixel);
    });
}

Bytes WithFileHeader(const Bytes& dib, int paletteBytes) {
    Bytes out;
    const auto total = static_cast<std::uint32_t>(kFileHeaderSize + dib.size());
    out.push_back('B');
    out.push_back('M');
    Put32(out, total);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + paletteBytes));
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

// ICONDIR with one entry; for a cursor the planes and bit-count fields hold the hot spot.
Bytes WithIconDirectory(const Bytes& dib, int type, int colourCount, int field1, int field2) {
    Bytes out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, 1);
    out.push_back(32);
    out.push_back(32);
    out.push_back(static_cast<std::uint8_t>(colourCount));
    out.push_back(0);
    Put16(out, field1);
    Put16(out, field2);
    Put32(out, static_cast<std::uint32_t>(dib.size()));
    Put32(out, 6 + 16);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

void RequireIconSize(const Canvas& canvas) {
    if (canvas.width != 32 || canvas.height != 32)
        throw std::runtime_error("icons and cursors are 32 x 32");
}

} // namespace

Bytes EncodeBmp4(const Canvas& canvas) {
    Bytes dib;
    const int imageBytes = RowBytes(canvas.width, 4) * canvas.height;
    PutInfoHeader(dib, canvas.width, canvas.height, 4, imageBytes, 16);
    PutPalette16(dib);
    PutPixels4(dib, canvas, false);
    return WithFileHeader(dib, 16 * 4);
}

Bytes EncodeBmp1(const Canvas& canvas) {
    Bytes dib;
    const int imageBytes = RowBytes(canvas.width, 1) * canvas.height;
    PutInfoHeader(dib, canvas.width, canvas.height, 1, imageBytes, 2);
    PutMonoPalette(dib);
    PutRows(dib, canvas, 1, [](std::uint8_t pixel) { return pixel != Black; });
    return WithFileHeader(dib, 2 * 4);
}

Bytes EncodeIcon(const Canvas& canvas) {
    RequireIconSize(canvas);
    Bytes dib;
    const int imageBytes = (RowBytes(32, 4) + RowBytes(32, 1)) * 32;
    PutInfoHeader(dib, 32, 64, 4, imageBytes, 16);
    PutPalette16(dib);
    PutPixels4(dib, canvas, true);
    PutRows(dib, canvas, 1, [](std::uint8_t pixel) { return pixel == kTransparent; });
    return WithIconDirectory(dib, 1, 16, 1, 4);
}

Bytes EncodeCursor(const Canvas& canvas, int hotX, int hotY) {
    RequireIconSize(canvas);
    Bytes dib;
    const int imageBytes = RowBytes(32, 1) * 2 * 32;
    PutInfoHeader(dib, 32, 64, 1, imageBytes, 2);
    PutMonoPalette(dib);
    PutRows(dib, canvas, 1, [](std::uint8_t pixel) { return pixel == White; });
    PutRows(dib, canvas, 1, [](std::uint8_t pixel) { return pixel == kTransparent; });
    return WithIconDirectory(dib, 2, 2, hotX, hotY);
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace artgen
