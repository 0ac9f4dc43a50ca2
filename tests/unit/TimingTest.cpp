#include <gtest/gtest.h>

#include <functional>

#include "Support.h"
#include "app/SpeedTimer.h"
#include "raster2d/CircleAlgorithms.h"
#include "raster2d/CurveAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/LineAlgorithms.h"

namespace {

// A counter that moves only when the test moves it.
class FakeTicks final : public TickSource {
  public:
    bool frequency(int64_t& ticksPerSecond) const override {
        ticksPerSecond = rate;
        return rate > 0;
    }
    int64_t count() const override { return now; }
    int64_t now = 1000;
    int64_t rate = 1000000000;
};

// Each step acts, lets the counter run, then reads the timer twice.
TEST(SpeedTimer, StopAndStartNestLikeACounter) {
    const struct {
        const char* action;
        int64_t thenMicroseconds;
        double readsMs;
    } steps[] = {
        {"", 7000, 7.0},         // running from construction
        {"start", 1000, 1.0},    // a fresh measurement
        {"start", 2500, 2.5},    // a start on a running timer restarts it too
        {"stop", 5000, 2.5},     // frozen
        {"stop", 4000, 2.5},     // an inner stop only deepens
        {"start", 2000, 2.5},    // still stopped once
        {"start", 6000, 6.0},    // running again, from zero
        {"stop", 2000000, 6.0},  // frozen however long it stays stopped
    };
    FakeTicks ticks;
    SpeedTimer timer(ticks);
    for (const auto& step : steps) {
        if (std::string(step.action) == "start") timer.start();
        if (std::string(step.action) == "stop") timer.stop();
        ticks.now += step.thenMicroseconds * 1000;
        EXPECT_NEAR(timer.elapsedMs(), step.readsMs, 1e-6) << step.action;
        EXPECT_NEAR(timer.elapsedMs(), step.readsMs, 1e-6) << step.action;
    }
}

TEST(SpeedTimer, ReadsMillisecondsAtAnyRate) {
    const struct {
        int64_t rate;
        double ms;
    } cases[] = {{1000000000, 2000.0}, {3579545, 2000.0}, {0, 0.0}};  // 0: no counter at all
    for (const auto& c : cases) {
        FakeTicks ticks;
        ticks.rate = c.rate;
        SpeedTimer timer(ticks);
        timer.start();
        ticks.now += c.rate * 2;
        timer.stop();
        EXPECT_NEAR(timer.elapsedMs(), c.ms, 0.01) << c.rate;
    }
}

using Draw = std::function<double(RasterTarget&)>;

template <class Algorithms, class... Params, class... Args>
Draw drawing(double (Algorithms::*op)(Params...), Args... args) {
    return [=](RasterTarget& target) {
        Algorithms algorithms(target, {0, 1, 0});
        algorithms.setColor(0.25f, 0.5f, 0.75f);
        return (algorithms.*op)(args...);
    };
}

template <class... Params, class... Args>
Draw curve(double (CurveAlgorithms::*op)(Params...), Args... args) {
    return [=](RasterTarget& target) {
        CurveAlgorithms curves(target, {0, 1, 0}, 11);
        curves.setColor(0.25f, 0.5f, 0.75f);
        return (curves.*op)(args...);
    };
}

const Point3 kArch[] = {pt(0, 0), pt(10, 40), pt(50, 40), pt(60, 0), pt(90, 30)};
const float kWeights[] = {1, 2, 2, 1, 1};
const float kKnots[] = {0, 0, 0, 0, 1, 1, 1, 1};

// Every drawing operation sets its colour before its first point and times its own plotting
// with the real clock: the target's pause shows in the figure it returns.
TEST(RasterBracket, ColourFirstThenTheTimedWork) {
    const Draw cases[] = {
        drawing(&LineAlgorithms::lineBresenham, 0, 0, 30, 11),
        drawing(&LineAlgorithms::lineDDA, 0, 0, 30, 11),
        drawing(&LineAlgorithms::lineTwoStep, 0, 0, 30, 11),
        drawing(&CircleAlgorithms::circleBresenham, 0, 0, 12),
        drawing(&CircleAlgorithms::circleRotation, 0, 0, 12),
        drawing(&CircleAlgorithms::circleParametric, 0, 0, 12),
        drawing(&EllipseAlgorithms::ellipseBresenham, 0, 0, 9, 4),
        drawing(&EllipseAlgorithms::ellipseParametric, 0, 0, 9, 4),
        drawing(&EllipseAlgorithms::ellipseGeneral, 0, 0, 9, 4, 15),
        curve(&CurveAlgorithms::bezierCubicIterative, kArch[0], kArch[1], kArch[2], kArch[3]),
        curve(&CurveAlgorithms::bezierCubicRecursive, kArch[0], kArch[1], kArch[2], kArch[3]),
        curve(&CurveAlgorithms::fergusonCubic, kArch[0], kArch[1], kArch[2], kArch[3]),
        curve(&CurveAlgorithms::coonsCubic, kArch[0], kArch[1], kArch[2], kArch[3]),
        curve(&CurveAlgorithms::catmullRomCubic, kArch[0], kArch[1], kArch[2], kArch[3]),
        curve(&CurveAlgorithms::bezierCurve, &kArch[0], 5),
        curve(&CurveAlgorithms::rationalBezierCurve, &kArch[0], 5, &kWeights[0]),
        curve(&CurveAlgorithms::coonsCurve, &kArch[0], 5),
        curve(&CurveAlgorithms::fergusonCurve, &kArch[0], 5),
        curve(&CurveAlgorithms::catmullRomCurve, &kArch[0], 5),
        curve(&CurveAlgorithms::bsplineCurve, &kArch[0], 5, 3),
        curve(&CurveAlgorithms::nurbsCurve, &kArch[0], &kKnots[0], &kWeights[0], 4, 8),
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SlowTarget target;
        const double ms = cases[i](target);
        const RecordingTarget& record = target.record;
        ASSERT_FALSE(record.points.empty()) << "case " << i;
        EXPECT_EQ(record.colors.at(0).atPlot, 0u) << "case " << i;
        const auto& colour = record.colors[0];
        EXPECT_EQ(std::vector<float>({colour.r, colour.g, colour.b}),
                  std::vector<float>({0.25f, 0.5f, 0.75f}))
            << "case " << i;
        EXPECT_GE(ms, 0.99 * SlowTarget::kPause.count()) << "case " << i;
        EXPECT_LT(ms, 10000.0) << "case " << i;
    }
}

}  // namespace
