// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixel_grid.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace artgen {
namespace {

constexpr std::string_view kPaletteCharacters = "KrgybmcldRGYBMCW";
constexpr std::string_view kToneCharacters = "01234";

std::uint8_t ColourOf(char symbol, const std::string& where) {
    if (symbol == '.')
        return kTransparent;
    if (const auto index = kPaletteCharacters.find(symbol); index != std::string_view::npos)
        return static_cast<std::uint8_t>(index);
    if (const auto index = kToneCharacters.find(symbol); index != std::string_view::npos)
        return static_cast<std::uint8_t>(ToneDeep + index);
    throw std::runtime_error(where + ": unknown pixel character '" + symbol + "'");
}

Grid BuildGrid(int x, int y, const std::vector<std::string>& rows, const std::string& where) {
    std::size_t width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.size());
    Grid grid{x, y, Canvas(static_cast<int>(width), static_cast<int>(rows.size()))};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            grid.pixels.set(static_cast<int>(column), static_cast<int>(row),
                            ColourOf(rows[row][column], where));
        }
    }
    return grid;
}

} // namespace

std::map<std::string, Grid> LoadGrids(const std::string& path) {
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::map<std::string, Grid> grids;
    std::string name;
    int x = 0;
    int y = 0;
    std::vector<std::string> rows;
    const auto finish = [&] {
        if (!name.empty() &&
            !grids.emplace(name, BuildGrid(x, y, rows, path + " [" + name + "]")).second)
            throw std::runtime_error(path + ": [" + name + "] is drawn twice");
        name.clear();
        rows.clear();
        x = y = 0;
    };
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '#')
            continue;
        if (line.empty()) {
            finish();
        } else if (line.front() == '[' && line.back() == ']') {
            finish();
            name = line.substr(1, line.size() - 2);
        } else if (line.starts_with("at ")) {
            std::istringstream(line.substr(3)) >> x >> y;
        } else if (name.empty()) {
            throw std::runtime_error(path + ": pixels outside a picture: " + line);
        } else {
            rows.push_back(line);
        }
    }
    finish();
    return grids;
}

const Grid& FindGrid(const std::map<std::string, Grid>& grids, const std::string& name) {
    const auto found = grids.find(name);
    if (found == grids.end())
        throw std::runtime_error("no grid named " + name);
    return found->second;
}

} // namespace artgen
