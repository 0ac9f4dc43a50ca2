#include "raster2d/RasterTarget.h"

#include <algorithm>

RasterTarget::RasterTarget(std::size_t batchPoints, std::size_t batchSpans)
    : batch(std::max(batchPoints, kLargestGroup)),
      spanCapacity(std::max<std::size_t>(batchSpans, 2)) {
    spans.reserve(spanCapacity);
    end = batch.data();
    limit = end + batch.size();
    openSpan(lastColor, false);
}

RasterTarget::RasterTarget(const RasterTarget& other) { *this = other; }

RasterTarget& RasterTarget::operator=(const RasterTarget& other) {
    if (this == &other) return *this;
    batch = other.batch;
    spans = other.spans;
    spanCapacity = other.spanCapacity;
    spans.reserve(spanCapacity);
    end = batch.data() + (other.end - other.batch.data());
    limit = batch.data() + batch.size();
    lastColor = other.lastColor;
    return *this;
}

// The batch always opens with a span, so every point has one; a span that only continues the
// colour and holds no point is not handed on.
void RasterTarget::flush() {
    const std::size_t n = spans.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        spans[i].count = spans[i + 1].first - spans[i].first;
    spans[n - 1].count = used() - spans[n - 1].first;
    const std::size_t skip = spans[0].setsColor || spans[0].count > 0 ? 0 : 1;
    if (n > skip) drawSpans(batch.data(), spans.data() + skip, n - skip);
    spans.clear();
    end = batch.data();
    openSpan(lastColor, false);  // what comes next continues the last colour
}

void RasterTarget::drawSpans(const PlottedPoint* points, const PixelSpan* runs, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const PixelSpan& s = runs[i];
        if (s.setsColor) setColor(s.color.r, s.color.g, s.color.b);
        for (std::size_t k = s.first; k < s.first + s.count; ++k)
            plot(points[k].x, points[k].y);
    }
}
