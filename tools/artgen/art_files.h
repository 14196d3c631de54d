// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files the generator writes, named from the art table. Header-only and plain C++, so that
// CMake can build the listing at configure time, before the generator itself exists.

#include "resources/art_names.h"

#include <string>
#include <string_view>
#include <vector>

namespace artgen {

inline std::string BitmapFileName(std::string_view name) {
    return std::string(name) + ".bmp";
}

inline std::string IconFileName(int number) {
    return "icon" + std::to_string(number) + ".ico";
}

inline std::string CursorFileName(std::string_view name) {
    return std::string(name) + ".cur";
}

// The joker's two board pictures, then its faces.
inline std::vector<std::string> JokerPictureNames() {
    namespace art = cw::art;
    std::vector<std::string> names{std::string(art::kJokerPicture),
                                   std::string(art::kJokerAlternatePicture)};
    names.insert(names.end(), art::kFaceNames.begin(), art::kFaceNames.end());
    return names;
}

inline std::vector<std::string> ArtFileNames() {
    namespace art = cw::art;
    std::vector<std::string> files;
    for (const art::ShapeFamily& family : art::kShapeFamilies) {
        for (int picture = 0; picture < art::kFamilyPictures; ++picture)
            files.push_back(BitmapFileName(std::string(family.prefix) + std::to_string(picture)));
    }
    for (const std::string& name : JokerPictureNames())
        files.push_back(BitmapFileName(name));
    for (const std::string_view name :
         {art::kLcdPicture, art::kNewButtonPicture, art::kSparklePicture, art::kAboutPicture})
        files.push_back(BitmapFileName(name));

    for (const int number : {art::kWindowIcon, art::kNameDialogIcon})
        files.push_back(IconFileName(number));
    for (const art::ShapeFamily& family : art::kShapeFamilies)
        files.push_back(IconFileName(family.iconNumber));
    files.push_back(CursorFileName(art::kHandCursor));
    return files;
}

} // namespace artgen
