#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "raster2d/CurveAlgorithms.h"

// Counting replacements of the global allocation functions, for the whole test program: the
// curves are drawn every frame, so after a first frame they must not touch the heap. No other
// test file may replace these.
namespace {
std::atomic<long> heapAllocations{0};
}  // namespace

// Kept out of line: inlined into a caller, GCC takes the free() for a mismatch with new.
[[gnu::noinline]] void* operator new(std::size_t size) {
    heapAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

Point3 at(float x, float y) { return {x, y, 0.0f}; }

const Point3 kP[4] = {at(0, 0), at(10, 40), at(50, 40), at(60, 0)};

// Allocations made while `work` runs.
template <class Work>
long allocationsDuring(Work&& work) {
    const long before = heapAllocations.load();
    work();
    return heapAllocations.load() - before;
}

TEST(CurveAllocation, CounterSeesAllocations) {
    // Without this the other tests could pass with the replacement never linked.
    EXPECT_EQ(allocationsDuring([] { ::operator delete(::operator new(16)); }), 1);
}

TEST(CurveAllocation, RecursiveBezierAtDepthTwentyStaysOffTheHeap) {
    CountingTarget target;
    CurveAlgorithms curves(target, {1, 1, 0}, 201);
    curves.bezierCubicRecursive(kP[0], kP[1], kP[2], kP[3]);
    target.count = 0;
    EXPECT_EQ(allocationsDuring([&] { curves.bezierCubicRecursive(kP[0], kP[1], kP[2], kP[3]); }),
              0);
    EXPECT_GE(target.count, std::size_t{1} << 20);  // a million chords of at least one pixel
}

TEST(CurveAllocation, ASecondFrameOfEveryCurveAllocatesNothing) {
    std::vector<Point3> many;
    for (int i = 0; i < 50; ++i) {
        many.push_back(at(static_cast<float>(16 * i), static_cast<float>(i % 2) * 90.0f));
    }
    const std::vector<float> weights(50, 1.0f);
    const std::vector<Point3> circle = {at(50, 0),    at(50, 50),  at(-50, 50), at(-50, 0),
                                        at(-50, -50), at(50, -50), at(50, 0)};
    const std::vector<float> circleKnots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
    const std::vector<float> circleWeights = {1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1};

    CountingTarget target;
    CurveAlgorithms curves(target, {1, 1, 0}, 201);
    auto frame = [&] {
        curves.bezierCubicIterative(kP[0], kP[1], kP[2], kP[3]);
        curves.fergusonCubic(kP[0], kP[1], kP[2], kP[3]);
        curves.coonsCubic(kP[0], kP[1], kP[2], kP[3]);
        curves.catmullRomCubic(kP[0], kP[1], kP[2], kP[3]);
        curves.bezierCurve(many.data(), 50);
        curves.rationalBezierCurve(many.data(), 12, weights.data());
        curves.coonsCurve(many.data(), 50);
        curves.fergusonCurve(many.data(), 50);
        curves.catmullRomCurve(many.data(), 50);
        for (int order = 1; order <= 5; ++order) {
            curves.bsplineCurve(many.data(), 50, order);
        }
        curves.nurbsCurve(circle.data(), circleKnots.data(), circleWeights.data(), 7, 10);
        curves.drawPolygon(many.data(), 50, 1, 0, 0);
    };
    frame();
    EXPECT_EQ(allocationsDuring(frame), 0);
    EXPECT_GT(target.count, 0u);
}

}  // namespace
