#pragma once

#include <cstddef>
#include <vector>

#include "model/Types.h"

struct PlottedPoint {
    float x;
    float y;
    bool operator==(const PlottedPoint& o) const { return x == o.x && y == o.y; }
};

// Points in one colour, in emission order: batch[first] to batch[first + count - 1].
// `setsColor` is false for a run that only continues the colour already set: after a full
// batch was handed on mid-operation, or for points plotted before any colour.
struct PixelSpan {
    Rgb color;
    bool setsColor;
    std::size_t first;
    std::size_t count;
};

// The one primitive between a 2D algorithm and the screen. Algorithms write into the target's
// batch through `put`, with no virtual call per point; the batch reaches the concrete target
// as whole spans when a drawing operation ends, inside its timed bracket, or earlier when the
// batch fills up. The batch is allocated once and reused, so drawing never touches the heap.
//
// A target takes whole spans by overriding drawSpans (GL, counting), or sees every colour
// change and point in order by overriding setColor and plot (recording, tests).
class RasterTarget {
  public:
    static constexpr std::size_t kBatchPoints = 16384;
    static constexpr std::size_t kBatchSpans = 4096;
    // The largest group that `room` is asked for: the eight mirror images of a circle.
    static constexpr std::size_t kLargestGroup = 8;

    // Smaller batches only change how often the target is called, never what it sees.
    explicit RasterTarget(std::size_t batchPoints = kBatchPoints,
                          std::size_t batchSpans = kBatchSpans);
    virtual ~RasterTarget() = default;
    // A copy takes the pending points and spans with it.
    RasterTarget(const RasterTarget& other);
    RasterTarget& operator=(const RasterTarget& other);

    // A drawing operation opens with its colour and hands its points on as it ends. An
    // operation nested in another (a curve's chords) hands on its caller's points before its
    // own, so the caller's time includes the emission of both.
    void beginOperation(const Rgb& color) {
        PixelSpan& last = spans.back();
        if (!last.setsColor && last.first == used()) {  // continues nothing: take its place
            last = {color, true, last.first, 0};
            lastColor = color;
            return;
        }
        if (spans.size() == spanCapacity) flush();
        openSpan(color, true);
    }
    void endOperation() { flush(); }

    void put(float x, float y) {
        if (end == limit) flush();
        *end++ = {x, y};
    }
    // Room for n points (n <= kLargestGroup) to be written from the returned pointer and then
    // committed with the pointer past the last one: one check for a group of points.
    PlottedPoint* room(std::size_t n) {
        if (static_cast<std::size_t>(limit - end) < n) flush();
        return end;
    }
    void commit(PlottedPoint* written) { end = written; }

    // Hands every pending span on now; a full batch goes on mid-operation this way.
    void flush();

    // The default drawSpans calls these for every colour change and every point, in order.
    virtual void setColor(float, float, float) {}
    virtual void plot(float, float) {}

  protected:
    // The pending spans in emission order; the points of all of them lie in `points`.
    virtual void drawSpans(const PlottedPoint* points, const PixelSpan* spans, std::size_t count);

  private:
    std::size_t used() const { return static_cast<std::size_t>(end - batch.data()); }
    void openSpan(const Rgb& color, bool setsColor) {
        spans.push_back({color, setsColor, used(), 0});
        lastColor = color;
    }

    std::vector<PlottedPoint> batch;
    std::vector<PixelSpan> spans;
    std::size_t spanCapacity = 0;
    PlottedPoint* end = nullptr;
    PlottedPoint* limit = nullptr;
    Rgb lastColor;
};

// Keeps every plot and colour change in order, so a test sees exactly what an algorithm did.
class RecordingTarget final : public RasterTarget {
  public:
    using RasterTarget::RasterTarget;

    struct ColorChange {
        std::size_t atPlot;  // number of plots made before the change
        float r, g, b;
    };

    void setColor(float r, float g, float b) override {
        colors.push_back({points.size(), r, g, b});
    }
    void plot(float x, float y) override { points.push_back({x, y}); }
    void clear() {
        points.clear();
        colors.clear();
    }

    std::vector<PlottedPoint> points;
    std::vector<ColorChange> colors;
};

// Counts points and spans as they arrive, without looking at each point: the cheapest target,
// for benchmarks.
class CountingTarget final : public RasterTarget {
  public:
    std::size_t count = 0;
    std::size_t spanCount = 0;

  protected:
    void drawSpans(const PlottedPoint*, const PixelSpan* runs, std::size_t n) override {
        for (std::size_t i = 0; i < n; ++i)
            count += runs[i].count;
        spanCount += n;
    }
};
