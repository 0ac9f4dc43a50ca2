#include <gtest/gtest.h>

#include <functional>

#include "Support.h"

namespace {

// A counter that moves only when the test moves it.
struct FakeTicks final : TickSource {
    bool frequency(int64_t& ticksPerSecond) const override {
        ticksPerSecond = rate;
        return present;
    }
    int64_t count() const override { return now; }
    int64_t now = 1000, rate = 1000000000;
    bool present = true;
};

// Each step acts, lets the counter run, then reads the timer twice.
TEST(SpeedTimer, StopAndStartNestLikeACounter) {
    const std::tuple<const char*, int64_t, double> steps[] = {
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
    for (const auto& [action, microseconds, ms] : steps) {
        if (std::string(action) == "start") timer.start();
        if (std::string(action) == "stop") timer.stop();
        ticks.now += microseconds * 1000;
        EXPECT_NEAR(timer.elapsedMs(), ms, 1e-6) << action;
        EXPECT_NEAR(timer.elapsedMs(), ms, 1e-6) << action;
    }
    // Two seconds are 2000 ms at any rate; without a counter, or at no rate, every reading is 0.
    for (const auto& [rate, present, expected] : {std::tuple{int64_t{3579545}, true, 2000.0},
                                                  {1, true, 2000.0},
                                                  {1000, false, 0.0},
                                                  {0, true, 0.0}}) {
        FakeTicks slow;
        slow.rate = rate;
        slow.present = present;
        SpeedTimer two(slow);
        two.start();
        slow.now += 2 * rate;
        two.stop();
        EXPECT_NEAR(two.elapsedMs(), expected, 0.01) << rate;
    }
}

using Draw = std::function<double(RasterTarget&)>;

template <class Algorithms, class... Params, class... Args>
Draw drawing(double (Algorithms::*op)(Params...), Args... args) {
    return [=](RasterTarget& target) {
        auto algorithms = [&] {
            if constexpr (std::is_same_v<Algorithms, CurveAlgorithms>) {
                return CurveAlgorithms(target, {0, 1, 0}, 11);
            } else {
                return Algorithms(target, {0, 1, 0});
            }
        }();
        algorithms.setColor(0.25f, 0.5f, 0.75f);
        return (algorithms.*op)(args...);
    };
}

// A drawing operation of each family sets its colour before its first point and times its own
// plotting with the real clock: the target's pause shows in the figure it returns.
TEST(RasterBracket, ColourFirstThenTheTimedWork) {
    using C = CurveAlgorithms;
    const Point3 p[] = {pt(0, 0), pt(10, 40), pt(50, 40), pt(60, 0), pt(90, 30)};
    const float weights[] = {1, 2, 2, 1, 1};
    const float knots[] = {0, 0, 0, 0, 1, 1, 1, 1};
    const Draw cases[] = {
        drawing(&LineAlgorithms::lineTwoStep, 0, 0, 30, 11),
        drawing(&CircleAlgorithms::circleRotation, 0, 0, 12),
        drawing(&EllipseAlgorithms::ellipseGeneral, 0, 0, 9, 4, 15),
        drawing(&C::bezierCubicRecursive, p[0], p[1], p[2], p[3]),
        drawing(&C::catmullRomCurve, &p[0], 5),
        drawing(&C::nurbsCurve, &p[0], &knots[0], &weights[0], 4, 8),
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SlowTarget target;
        const double ms = cases[i](target);
        ASSERT_FALSE(target.record.points.empty()) << i;
        const auto& [at, r, g, b] = target.record.colors.at(0);
        EXPECT_EQ(std::vector<float>({float(at), r, g, b}),
                  std::vector<float>({0, 0.25f, 0.5f, 0.75f}))
            << i;
        EXPECT_GE(ms, 0.99 * SlowTarget::kPause.count()) << i;
        EXPECT_LT(ms, 10000.0) << i;
    }
}

}  // namespace
