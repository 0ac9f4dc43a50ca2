#include "ui/Arcball.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace {

struct Dir {
    float x, y, z;
};

// Inside the circle a point lies on the front of the unit ball; outside it, on the rim.
Dir onBall(DragPoint p, float side) {
    const float x = (2.0f * p.x - side) / side;
    const float y = (side - 2.0f * p.y) / side;  // the screen's y points down, the ball's up
    const float r2 = x * x + y * y;
    if (r2 <= 1.0f) return {x, y, std::sqrt(1.0f - r2)};
    const float r = std::sqrt(r2);
    return {x / r, y / r, 0.0f};
}

Dir cross(Dir a, Dir b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Column-major rotation by `angle` radians about the unit `axis`.
void rotation(float (&r)[16], Dir a, float angle) {
    const float c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
    // One column of the matrix a line.
    // clang-format off
    const float m[16] = {
        t * a.x * a.x + c,       t * a.x * a.y + s * a.z, t * a.x * a.z - s * a.y, 0,
        t * a.x * a.y - s * a.z, t * a.y * a.y + c,       t * a.y * a.z + s * a.x, 0,
        t * a.x * a.z + s * a.y, t * a.y * a.z - s * a.x, t * a.z * a.z + c,       0,
        0,                       0,                       0,                       1};
    // clang-format on
    std::copy(std::begin(m), std::end(m), r);
}

}  // namespace

void arcballTurn(float (&matrix)[16], DragPoint from, DragPoint to, float side, float spin) {
    if (side <= 0.0f) return;
    const Dir p = onBall(from, side);
    const Dir q = onBall(to, side);
    const Dir axis = cross(p, q);
    const float length = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
    if (length < 1e-6f) return;  // no drag, or straight through the ball: no axis to turn about
    const float dot = std::clamp(p.x * q.x + p.y * q.y + p.z * q.z, -1.0f, 1.0f);
    float turn[16];
    rotation(turn, {axis.x / length, axis.y / length, axis.z / length}, std::acos(dot) * spin);
    float product[16];
    for (std::size_t i = 0; i < std::size(product); ++i) {
        const std::size_t col = i / 4, row = i % 4;  // column-major, as GL reads it
        float sum = 0.0f;
        for (std::size_t k = 0; k < 4; ++k)
            sum += turn[k * 4 + row] * matrix[col * 4 + k];
        product[i] = sum;
    }
    std::copy(std::begin(product), std::end(product), matrix);
}
