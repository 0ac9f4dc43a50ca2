#pragma once

#include <cstdint>
#include <string_view>

struct PvfKeyword {
    int32_t kind = 0;
    bool in3D = false;
};

// Case-sensitive, byte for byte. SPLINE_NURBS gives the circle preset's kind, whichever preset
// wrote it. False for any other word.
bool findPvfKeyword(std::string_view word, PvfKeyword& found);
