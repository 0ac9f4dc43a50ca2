#include "raster2d/LineAlgorithms.h"

#include <cstdlib>

#include "raster2d/TwoStepLine.h"

namespace {

int signOf(int delta) { return delta < 0 ? -1 : 1; }

}  // namespace

double LineAlgorithms::lineBresenham(int x1, int y1, int x2, int y2) {
    return bracket([&] { bresenhamPixels(x1, y1, x2, y2); });
}

double LineAlgorithms::lineDDA(int x1, int y1, int x2, int y2) {
    return bracket([&] { ddaPixels(x1, y1, x2, y2); });
}

double LineAlgorithms::lineTwoStep(int x1, int y1, int x2, int y2) {
    return bracket([&] { twoStepPixels(x1, y1, x2, y2); });
}

void LineAlgorithms::bresenhamPixels(int x1, int y1, int x2, int y2) {
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int sx = signOf(x2 - x1);
    const int sy = signOf(y2 - y1);
    int x = x1;
    int y = y1;
    plotPixel(x, y);
    if (dx > dy) {
        int e = 2 * dy - dx;
        while (x != x2) {
            if (e >= 0) {  // the test sees the value left by the previous step
                y += sy;
                e -= 2 * dx;
            }
            x += sx;
            e += 2 * dy;
            plotPixel(x, y);
        }
    } else {  // diagonals and the zero-length line are y-major
        int e = 2 * dx - dy;
        while (y != y2) {
            if (e >= 0) {
                x += sx;
                e -= 2 * dy;
            }
            y += sy;
            e += 2 * dx;
            plotPixel(x, y);
        }
    }
}

void LineAlgorithms::ddaPixels(int x1, int y1, int x2, int y2) {
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int sx = signOf(dx);
    const int sy = signOf(dy);
    plotPixel(x1, y1);
    // Increment and accumulator are stored in single precision at every step: the pixels
    // of a long line depend on that rounding. Truncation moves negative values toward zero.
    if (std::abs(dx) > std::abs(dy)) {
        const double m = static_cast<double>(dy) / dx;
        const float inc = static_cast<float>(sx * m);
        float acc = static_cast<float>(y1 + 0.5);
        for (int x = x1; x != x2;) {
            acc = acc + inc;
            x += sx;
            plotPixel(x, static_cast<int>(acc));
        }
    } else if (dy != 0) {
        const double m = static_cast<double>(dx) / dy;
        const float inc = static_cast<float>(sy * m);
        float acc = static_cast<float>(x1 + 0.5);
        for (int y = y1; y != y2;) {
            acc = acc + inc;
            y += sy;
            plotPixel(static_cast<int>(acc), y);
        }
    }
}

void LineAlgorithms::twoStepPixels(int x1, int y1, int x2, int y2) {
    TwoStepLine line(x1, y1, x2, y2, [this](int x, int y) { plotPixel(x, y); });
    line.run();
}
