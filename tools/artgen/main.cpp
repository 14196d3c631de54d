// SPDX-License-Identifier: GPL-3.0-or-later
// cobblewell-artgen GRID_DIR OUT_DIR: draws every picture of the game into OUT_DIR.
#include "art_files.h"
#include "ball_families.h"
#include "image_files.h"
#include "pictures.h"
#include "pixel_grid.h"
#include "resources/art_names.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

using namespace artgen;

void WriteBallFamilies(const std::filesystem::path& out) {
    for (std::size_t family = 0; family < cw::art::kShapeFamilies.size(); ++family) {
        const Canvas drawing = DrawFamilyPicture(family, 36);
        const std::string prefix(cw::art::kShapeFamilies[family].prefix);
        for (int colour = 0; colour < kBallColours; ++colour) {
            const Canvas picture = Recolour(drawing, ColoursOf(colour), LightGrey);
            WriteFile(out / BitmapFileName(prefix + std::to_string(colour)), EncodeBmp4(picture));
        }
    }
}

void WriteFaces(const std::filesystem::path& grids, const std::filesystem::path& out) {
    const auto features = LoadGrids(grids / "faces.txt");
    for (const std::string& name : JokerPictureNames())
        WriteFile(out / BitmapFileName(name), EncodeBmp4(DrawFacePicture(name, features)));
}

void WritePanels(const std::filesystem::path& grids, const std::filesystem::path& out) {
    WriteFile(out / BitmapFileName(cw::art::kLcdPicture), EncodeBmp1(DrawLcdStrip()));
    WriteFile(out / BitmapFileName(cw::art::kNewButtonPicture), EncodeBmp4(DrawNewButton()));
    WriteFile(out / BitmapFileName(cw::art::kSparklePicture), EncodeBmp4(DrawSparkleStrip()));
    WriteFile(out / BitmapFileName(cw::art::kAboutPicture),
              EncodeBmp4(
                  DrawAboutPicture(LoadGrids(grids / "font.txt"), LoadGrids(grids / "title.txt"))));
}

void WriteIconsAndCursor(const std::filesystem::path& grids, const std::filesystem::path& out) {
    const auto hand = LoadGrids(grids / "hand.txt");
    for (const IconPicture& icon : DrawIcons(hand))
        WriteFile(out / IconFileName(icon.number), EncodeIcon(icon.pixels));
    WriteFile(out / CursorFileName(cw::art::kHandCursor),
              EncodeCursor(DrawHandCursor(hand), kCursorHotX, kCursorHotY));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: cobblewell-artgen GRID_DIR OUT_DIR\n";
        return 2;
    }
    try {
        const std::filesystem::path grids = argv[1];
        const std::filesystem::path out = argv[2];
        std::filesystem::create_directories(out);
        WriteBallFamilies(out);
        WriteFaces(grids, out);
        WritePanels(grids, out);
        WriteIconsAndCursor(grids, out);
    } catch (const std::exception& error) {
        std::cerr << "cobblewell-artgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
