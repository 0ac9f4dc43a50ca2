#include "io/RgbFrame.h"

#include <new>

std::size_t RgbFrame::size() const {
    return static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3;
}

bool RgbFrame::allocate(int width, int height) {
    bytes.reset();
    w = width > 0 ? width : 0;
    h = height > 0 ? height : 0;
    bytes.reset(new (std::nothrow) uint8_t[size()]);
    if (bytes == nullptr) {
        w = 0;
        h = 0;
        return false;
    }
    return true;
}
