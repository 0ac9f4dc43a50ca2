#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "CurveTestSupport.h"

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

// Counts the colour changes only: one per chord plus the operation's own.
class ChordCounter final : public RasterTarget {
  public:
    void setColor(float, float, float) override { ++colorChanges; }
    void plot(float, float) override {}
    long colorChanges = 0;
};

// N = 500 asks for depth 50: the cap holds it at depth 20, a million chords, drawn once here.
TEST(CurveAllocation, RecursiveBezierAtDepthTwentyStaysOffTheHeap) {
    ChordCounter target;
    CurveAlgorithms curves(target, {1, 1, 0}, 11);
    curves.bezierCubicRecursive(kArch[0], kArch[1], kArch[2], kArch[3]);
    curves.sampleCount = 500;
    target.colorChanges = 0;
    EXPECT_EQ(allocationsDuring(
                  [&] { curves.bezierCubicRecursive(kArch[0], kArch[1], kArch[2], kArch[3]); }),
              0);
    EXPECT_EQ(target.colorChanges - 1, 1L << 20);
}

TEST(CurveAllocation, ASecondFrameOfEveryCurveAllocatesNothing) {
    std::vector<Point3> many;
    for (int i = 0; i < 50; ++i) {
        many.push_back(pt(static_cast<float>(16 * i), static_cast<float>(i % 2) * 90.0f));
    }
    const std::vector<float> weights(50, 1.0f);

    CountingTarget target;
    CurveAlgorithms curves(target, {1, 1, 0}, 201);
    auto frame = [&] {
        curves.bezierCubicIterative(kArch[0], kArch[1], kArch[2], kArch[3]);
        curves.fergusonCubic(kArch[0], kArch[1], kArch[2], kArch[3]);
        curves.coonsCubic(kArch[0], kArch[1], kArch[2], kArch[3]);
        curves.catmullRomCubic(kArch[0], kArch[1], kArch[2], kArch[3]);
        curves.bezierCurve(many.data(), 50);
        curves.rationalBezierCurve(many.data(), 12, weights.data());
        curves.coonsCurve(many.data(), 50);
        curves.fergusonCurve(many.data(), 50);
        curves.catmullRomCurve(many.data(), 50);
        for (int order = 1; order <= 5; ++order) {
            curves.bsplineCurve(many.data(), 50, order);
        }
        curves.nurbsCurve(kCirclePoints.data(), kCircleKnots.data(), kCircleWeights.data(), 7, 10);
        curves.drawPolygon(many.data(), 50, 1, 0, 0);
    };
    frame();
    EXPECT_EQ(allocationsDuring(frame), 0);
    EXPECT_GT(target.count, 0u);
}

}  // namespace
