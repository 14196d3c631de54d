// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_files.h"

#include <fstream>
#include <stdexcept>

namespace artgen {
namespace {

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

// Index 0 black and 1 white at 1 bit per pixel; the whole palette at 4.
int PaletteColours(int bitsPerPixel) {
    return bitsPerPixel == 1 ? 2 : 16;
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

// The info header, the palette and the pixels as `value` gives them; icons and cursors add
// their mask below the image (transparent pixels set), which doubles the height the header
// gives.
template <class Value> Bytes Dib(const Canvas& canvas, int bitsPerPixel, Value value, bool masked) {
    const int colours = PaletteColours(bitsPerPixel);
    const int rowBytes =
        RowBytes(canvas.width, bitsPerPixel) + (masked ? RowBytes(canvas.width, 1) : 0);
    Bytes out;
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(canvas.width));
    Put32(out, static_cast<std::uint32_t>(canvas.height * (masked ? 2 : 1)));
    Put16(out, 1);
    Put16(out, bitsPerPixel);
    Put32(out, 0); // BI_RGB
    Put32(out, static_cast<std::uint32_t>(rowBytes * canvas.height));
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(colours));
    Put32(out, 0);
    // 0xRRGGBB written little-endian is the file's blue, green, red, zero.
    for (int index = 0; index < colours; ++index)
        Put32(out,
              kPaletteRgb[static_cast<std::size_t>(colours == 2 && index == 1 ? White : index)]);
    PutRows(out, canvas, bitsPerPixel, value);
    if (masked)
        PutRows(out, canvas, 1, [](std::uint8_t pixel) { return pixel == kTransparent; });
    return out;
}

template <class Value> Bytes BmpFile(const Canvas& canvas, int bitsPerPixel, Value value) {
    const Bytes dib = Dib(canvas, bitsPerPixel, value, false);
    Bytes out{'B', 'M'};
    Put32(out, static_cast<std::uint32_t>(kFileHeaderSize + dib.size()));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize +
                                          4 * PaletteColours(bitsPerPixel)));
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

// An icon directory (type 1) or cursor directory (type 2) with one 32 x 32 entry; for a cursor
// the planes and bit-count fields hold the hot spot.
template <class Value>
Bytes IconFile(const Canvas& canvas, int bitsPerPixel, Value value, int type, int field1,
               int field2) {
    if (canvas.width != 32 || canvas.height != 32)
        throw std::runtime_error("icons and cursors are 32 x 32");
    const Bytes dib = Dib(canvas, bitsPerPixel, value, true);
    Bytes out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, 1);
    out.push_back(32);
    out.push_back(32);
    out.push_back(static_cast<std::uint8_t>(PaletteColours(bitsPerPixel)));
    out.push_back(0);
    Put16(out, field1);
    Put16(out, field2);
    Put32(out, static_cast<std::uint32_t>(dib.size()));
    Put32(out, 6 + 16);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

} // namespace

Bytes EncodeBmp4(const Canvas& canvas) {
    return BmpFile(canvas, 4, PaletteIndex);
}

Bytes EncodeBmp1(const Canvas& canvas) {
    return BmpFile(canvas, 1, [](std::uint8_t pixel) { return pixel != Black; });
}

Bytes EncodeIcon(const Canvas& canvas) {
    // Stored black under the mask, transparent pixels; the entry gives 1 plane, 4 bits.
    const auto colour = [](std::uint8_t pixel) {
        return PaletteIndex(pixel == kTransparent ? Black : pixel);
    };
    return IconFile(canvas, 4, colour, 1, 1, 4);
}

Bytes EncodeCursor(const Canvas& canvas, int hotX, int hotY) {
    const auto colour = [](std::uint8_t pixel) { return pixel == White; };
    return IconFile(canvas, 1, colour, 2, hotX, hotY);
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace artgen
