#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "raster2d/CircleAlgorithms.h"
#include "raster2d/CurveAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/LineAlgorithms.h"

namespace {

using Drawing = std::function<void(RasterTarget&)>;

const Point3 kHump[4] = {{0, 0, 0}, {100, 400, 0}, {500, 400, 0}, {600, 0, 0}};

// Every way of reaching the target: single operations, group writes of the mirrored forms,
// operations nested in a curve or a circle, untimed polygons, several operations in a row.
const std::vector<Drawing> kDrawings = {
    [](RasterTarget& t) {
        LineAlgorithms(t, {1, 0, 0}).lineBresenham(0, 0, 300, 70);
    },
    [](RasterTarget& t) {
        LineAlgorithms(t, {1, 0, 0}).lineDDA(5, 0, -90, 300);
    },
    [](RasterTarget& t) {
        LineAlgorithms(t, {1, 0, 0}).lineTwoStep(0, 0, 301, 77);
    },
    [](RasterTarget& t) {
        CircleAlgorithms(t, {0, 1, 0}).circleBresenham(40, 30, 150);
    },
    [](RasterTarget& t) {
        CircleAlgorithms(t, {0, 1, 0}).circleRotation(40, 30, 250);
    },
    [](RasterTarget& t) {
        CircleAlgorithms(t, {0, 1, 0}).circleParametric(40, 30, 90);
    },
    [](RasterTarget& t) {
        EllipseAlgorithms(t, {0, 0, 1}).ellipseBresenham(3, 4, 120, 70);
    },
    [](RasterTarget& t) {
        EllipseAlgorithms(t, {0, 0, 1}).ellipseGeneral(3, 4, 90, 60, 30);
    },
    [](RasterTarget& t) {
        CurveAlgorithms curves(t, {1, 1, 0}, 41);
        curves.bezierCubicRecursive(kHump[0], kHump[1], kHump[2], kHump[3]);
        curves.drawPolygon(kHump, 4, 1, 0, 1);
        curves.setColor(0, 1, 1);
        curves.catmullRomCubic(kHump[0], kHump[1], kHump[2], kHump[3]);
    },
};

std::vector<std::tuple<std::size_t, float, float, float>> changes(const RecordingTarget& t) {
    std::vector<std::tuple<std::size_t, float, float, float>> out;
    for (const auto& c : t.colors)
        out.emplace_back(c.atPlot, c.r, c.g, c.b);
    return out;
}

// Each point with the colour of the span that brought it.
class SpanColours final : public RasterTarget {
  public:
    using RasterTarget::RasterTarget;
    std::vector<std::tuple<float, float, float, float, float>> points;

  protected:
    void drawSpans(const PlottedPoint* p, const PixelSpan* runs, std::size_t n) override {
        for (std::size_t i = 0; i < n; ++i) {
            const Rgb& c = runs[i].color;
            for (std::size_t k = runs[i].first; k < runs[i].first + runs[i].count; ++k)
                points.emplace_back(p[k].x, p[k].y, c.r, c.g, c.b);
        }
    }
};

// What a target is called with must not depend on how often its batch fills up: every point
// and colour change arrives, in order, no colour change is made up at a batch boundary, and a
// span continued past one keeps its colour.
TEST(RasterBatch, TheSizeOfTheBatchNeverChangesWhatATargetSees) {
    const struct { std::size_t points, spans; } batches[] = {{8, 2}, {13, 3}, {100, 7}};
    for (std::size_t d = 0; d < kDrawings.size(); ++d) {
        RecordingTarget whole;
        kDrawings[d](whole);
        ASSERT_GT(whole.points.size(), 110u) << "drawing " << d << " must overflow a batch";
        for (const auto& batch : batches) {
            SCOPED_TRACE(testing::Message() << "drawing " << d << ", batch " << batch.points);
            RecordingTarget small(batch.points, batch.spans);
            kDrawings[d](small);
            EXPECT_EQ(small.points, whole.points);
            EXPECT_EQ(changes(small), changes(whole));
            SpanColours wholeSpans, smallSpans(batch.points, batch.spans);
            kDrawings[d](wholeSpans);
            kDrawings[d](smallSpans);
            EXPECT_EQ(smallSpans.points, wholeSpans.points);
        }
    }
}

// Logs each batch the target receives: how many spans, how many of them set a colour.
class BatchLog final : public RasterTarget {
  public:
    struct Batch {
        std::size_t spans, colorChanges;
    };
    std::vector<Batch> batches;

  protected:
    void drawSpans(const PlottedPoint*, const PixelSpan* runs, std::size_t n) override {
        std::size_t changes = 0;
        for (std::size_t i = 0; i < n; ++i)
            changes += runs[i].setsColor ? 1 : 0;
        batches.push_back({n, changes});
    }
};

// Every operation hands its points on as it ends, a nested one too (each chord of a circle):
// its time then includes their emission. The circle's colour goes with its first chord.
TEST(RasterBatch, EveryOperationHandsItsPointsOnAsItEnds) {
    BatchLog log;
    CircleAlgorithms circles(log, {0, 1, 0});
    circles.circleRotation(0, 0, 20);
    ASSERT_EQ(log.batches.size(), 24u);
    EXPECT_EQ(log.batches[0].spans, 2u);
    EXPECT_EQ(log.batches[0].colorChanges, 2u);
    for (std::size_t b = 1; b < 24; ++b) {
        EXPECT_EQ(log.batches[b].spans, 1u) << "chord " << b;
        EXPECT_EQ(log.batches[b].colorChanges, 1u) << "chord " << b;
    }
}

// Points put before a nested operation go on in their caller's colour.
TEST(RasterBatch, NestedOperationsKeepTheirCallersPoints) {
    SpanColours t;
    for (float k : {0.0f, 1.0f, 2.0f}) {
        t.beginOperation({k, 1, 0});
        t.put(k, k);
    }
    for (int k = 0; k < 3; ++k)
        t.endOperation();
    EXPECT_EQ(t.points, (std::vector<std::tuple<float, float, float, float, float>>{
                            {0, 0, 0, 1, 0}, {1, 1, 1, 1, 0}, {2, 2, 2, 1, 0}}));
}

// Tests hand recording targets around by value; a copy writes into its own batch.
TEST(RasterBatch, ACopyKeepsThePendingPointsAndWritesIntoItsOwnBatch) {
    auto original = std::make_unique<RecordingTarget>();
    original->put(1, 2);
    RecordingTarget copy = *original;
    original.reset();
    copy.put(3, 4);
    copy.flush();
    EXPECT_EQ(copy.points, (std::vector<PlottedPoint>{{1, 2}, {3, 4}}));
}

}  // namespace
