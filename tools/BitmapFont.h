#pragma once

#include <cstring>

// A small proportional bitmap font of our own: 7 rows above the baseline and 2 below for
// descenders; '#' is ink. Only the characters that the program's pictures need are here.
constexpr int kGlyphRows = 9;
constexpr int kGlyphBaseline = 7;  // rows 0 to 6 stand on the line, 7 and 8 hang below
constexpr int kSpaceWidth = 2;     // plus the gaps on either side

struct Glyph {
    char ch;
    const char* rows[kGlyphRows];  // rows left out are blank
};

// clang-format off
inline const Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
    {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'a', {"....", "....", "###.", "...#", ".###", "#..#", ".###"}},
    {'c', {"....", "....", ".###", "#...", "#...", "#...", ".###"}},
    {'e', {"....", "....", ".##.", "#..#", "####", "#...", ".###"}},
    {'i', {"#", ".", "#", "#", "#", "#", "#"}},
    {'k', {"#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"}},
    {'l', {"#.", "#.", "#.", "#.", "#.", "#.", ".#"}},
    {'n', {"....", "....", "###.", "#..#", "#..#", "#..#", "#..#"}},
    {'o', {"....", "....", ".##.", "#..#", "#..#", "#..#", ".##."}},
    {'p', {"....", "....", "###.", "#..#", "#..#", "#..#", "###.", "#...", "#..."}},
    {'t', {".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#"}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'/', {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
    {'=', {".....", ".....", "#####", ".....", "#####"}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
};
// clang-format on

inline const Glyph* findGlyph(char ch) {
    for (const Glyph& g : kGlyphs) {
        if (g.ch == ch) return &g;
    }
    return nullptr;
}

inline int glyphWidth(const Glyph& g) {
    return static_cast<int>(std::strlen(g.rows[0]));
}

inline const char* glyphRow(const Glyph* g, int row) {
    if (g == nullptr) return row < kGlyphBaseline ? "#####" : nullptr;
    return g->rows[row];
}

// Calls ink(column, row) for every ink cell of `text`, in font cells from the left end of the
// text and the top of its line; letters stand one cell apart. Returns the width in cells.
// A character without a glyph shows as a solid block, so a missing letter cannot go unseen.
template <class Ink>
int forEachInkCell(const char* text, Ink ink) {
    int x = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (p != text) x += 1;
        if (*p == ' ') {
            x += kSpaceWidth;
            continue;
        }
        const Glyph* g = findGlyph(*p);
        const int w = g != nullptr ? glyphWidth(*g) : 5;
        for (int row = 0; row < kGlyphRows; ++row) {
            const char* line = glyphRow(g, row);
            for (int col = 0; line != nullptr && col < w; ++col) {
                if (line[col] == '#') ink(x + col, row);
            }
        }
        x += w;
    }
    return x;
}

inline int textWidthCells(const char* text) {
    return forEachInkCell(text, [](int, int) {});
}
