#include "app/StartImage.h"

#include <cmath>

void fillLogoGrid(Screens& s) {
    for (int i = 0; i < kLogoGridSize; ++i) {
        for (int j = 0; j < kLogoGridSize; ++j) {
            s.logoGrid[i][j][0] = static_cast<float>(0.4 * i - 4.5);
            s.logoGrid[i][j][1] = static_cast<float>(0.4 * j - 4.5);
            s.logoGrid[i][j][2] = static_cast<float>(std::sin(6.28318 * i / 45));
        }
    }
}

// Every fourth frame each row takes the heights of the next; the last takes the first's.
void advanceLogo(Screens& s) {
    if (s.logoFrame == 4) {
        for (int j = 0; j < kLogoGridSize; ++j) {
            const float first = s.logoGrid[0][j][2];
            for (int i = 0; i < kLogoGridSize - 1; ++i)
                s.logoGrid[i][j][2] = s.logoGrid[i + 1][j][2];
            s.logoGrid[kLogoGridSize - 1][j][2] = first;
        }
        s.logoFrame = 0;
    }
    ++s.logoFrame;
}

// Every 10 units whatever the pixel size: rows first, then columns.
LineBatch gridLines(CellSize cells, Rgb color) {
    LineBatch grid{color, {}};
    const auto w = static_cast<float>(cells.width);
    const auto h = static_cast<float>(cells.height);
    for (int y = 0; y < cells.height; y += 10)
        grid.segments.push_back({0.0f, static_cast<float>(y), w, static_cast<float>(y)});
    for (int x = 0; x < cells.width; x += 10)
        grid.segments.push_back({static_cast<float>(x), 0.0f, static_cast<float>(x), h});
    return grid;
}

std::vector<LineBatch> axisCross2D() {
    return {
        {{1.0f, 0.0f, 0.0f}, {{10, 10, 60, 10}, {60, 15, 50, 28}, {60, 28, 50, 15}}},
        {{0.0f, 1.0f, 0.0f},
         {{10, 10, 10, 60}, {15, 60, 20, 51}, {25, 60, 20, 51}, {20, 51, 20, 43}}},
    };
}

ImageRect endImageRect(CellSize v) { return {v.width / 2 - 150, v.height / 2 - 45, 157, 91}; }
