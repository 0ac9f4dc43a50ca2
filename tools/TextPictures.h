#pragma once

#include <set>
#include <utility>

#include "tools/BitmapFont.h"
#include "tools/Canvas.h"

// The start and end images: text in our bitmap font, each font cell a square block.

struct TextStyle {
    int scale;      // pixels per font cell
    Colour top;     // ink colour at the top of the capitals ...
    Colour bottom;  // ... and at the baseline
    bool bevelled;  // light upper-left and dark lower-right rim on every block
    int shadow;     // drop shadow offset in pixels, 0 for none
};

inline int textWidth(const char* text, int scale) {
    return textWidthCells(text) * scale;
}

inline void drawBlock(Canvas& c, int x0, int y0, const TextStyle& s, const Colour& ink) {
    for (int dy = 0; dy < s.scale; ++dy) {
        for (int dx = 0; dx < s.scale; ++dx) {
            float k = 1.0f;
            if (s.bevelled && (dx == 0 || dy == 0)) k = 1.18f;
            if (s.bevelled && (dx == s.scale - 1 || dy == s.scale - 1)) k = 0.78f;
            c.set(x0 + dx, y0 + dy, scaled(ink, k));
        }
    }
}

// Writes `text` with its top-left corner at (x, y).
inline void drawText(Canvas& c, const char* text, int x, int y, const TextStyle& s) {
    if (s.shadow > 0) {
        forEachInkCell(text, [&](int col, int row) {
            for (int dy = 0; dy < s.scale; ++dy) {
                for (int dx = 0; dx < s.scale; ++dx) {
                    c.blend(x + col * s.scale + dx + s.shadow, y + row * s.scale + dy + s.shadow,
                            Colour{}, 0.55f);
                }
            }
        });
    }
    forEachInkCell(text, [&](int col, int row) {
        // Descenders keep the baseline colour.
        const float t = clamp01(static_cast<float>(row) / static_cast<float>(kGlyphBaseline - 1));
        drawBlock(c, x + col * s.scale, y + row * s.scale, s, mix(s.top, s.bottom, t));
    });
}

inline void drawCentredText(Canvas& c, const char* text, int y, const TextStyle& s) {
    drawText(c, text, (c.width - textWidth(text, s.scale)) / 2, y, s);
}

inline void verticalGradient(Canvas& c, const Colour& top, const Colour& bottom) {
    for (int y = 0; y < c.height; ++y) {
        const Colour row =
            mix(top, bottom, static_cast<float>(y) / static_cast<float>(c.height - 1));
        for (int x = 0; x < c.width; ++x)
            c.set(x, y, row);
    }
}

// A faint raster of 8-pixel cells with the cells of a midpoint circle lit: a nod to what the
// program is for.
inline void drawRasterBackdrop(Canvas& c, int radiusCells) {
    const int cell = 8;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            if (x % cell == 0 || y % cell == 0) c.blend(x, y, rgb255(150, 170, 255), 0.12f);
        }
    }
    const int cx = c.width / cell / 2;
    const int cy = c.height / cell / 2;
    std::set<std::pair<int, int>> lit;  // octants meet on the axes and the diagonal
    int x = 0;
    int y = radiusCells;
    int d = 1 - radiusCells;
    while (x <= y) {
        for (int k = 0; k < 8; ++k) {
            const int a = (k & 4) ? y : x;
            const int b = (k & 4) ? x : y;
            lit.insert({(k & 1) ? -a : a, (k & 2) ? -b : b});
        }
        if (d < 0) {
            d += 2 * x + 3;
        } else {
            d += 2 * (x - y) + 5;
            --y;
        }
        ++x;
    }
    for (const auto& [i, j] : lit) {
        for (int py = 1; py < cell; ++py) {
            for (int px = 1; px < cell; ++px) {
                c.blend((cx + i) * cell + px, (cy + j) * cell + py, rgb255(255, 150, 60), 0.25f);
            }
        }
    }
}

// The start image, shown on a square waving grid that the window stretches to about 4:3.
inline Canvas drawLogo() {
    Canvas c(256, 192);
    verticalGradient(c, rgb255(18, 22, 58), rgb255(74, 30, 92));
    drawRasterBackdrop(c, 10);
    const TextStyle title{4, rgb255(255, 228, 110), rgb255(232, 84, 28), true, 3};
    drawCentredText(c, "PIXELFORGE", 62, title);
    const TextStyle subtitle{3, rgb255(200, 236, 255), rgb255(120, 190, 250), false, 2};
    drawCentredText(c, "2D / 3D", 112, subtitle);
    return c;
}

// The end image, shown as a 157 by 91 quad: twice that size here, with blocks thick
// enough to stay readable when the texture is scaled down.
inline Canvas drawExitQuestion() {
    Canvas c(316, 184);
    verticalGradient(c, rgb255(48, 52, 68), rgb255(22, 24, 34));
    const Colour frame = rgb255(214, 72, 52);
    c.fillRect(0, 0, c.width, 6, frame);
    c.fillRect(0, c.height - 6, c.width, 6, frame);
    c.fillRect(0, 0, 6, c.height, frame);
    c.fillRect(c.width - 6, 0, 6, c.height, frame);
    const TextStyle question{4, rgb255(255, 255, 255), rgb255(214, 220, 232), false, 2};
    drawCentredText(c, "Ukoncit aplikaci?", 44, question);
    const TextStyle answer{3, rgb255(255, 226, 110), rgb255(244, 186, 64), false, 2};
    drawCentredText(c, "A = ano   N = ne", 114, answer);
    return c;
}
