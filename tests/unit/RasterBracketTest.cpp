#include <gtest/gtest.h>

#include <functional>

#include "raster2d/CircleAlgorithms.h"
#include "raster2d/EllipseAlgorithms.h"
#include "raster2d/LineAlgorithms.h"

namespace {

using Draw = std::function<double(RecordingTarget&, const Rgb&)>;

// One call of `op` on a fresh algorithm object given `colour` after construction.
template <class Algorithms, class... Args>
Draw drawing(double (Algorithms::*op)(Args...), Args... args) {
    return [=](RecordingTarget& target, const Rgb& colour) {
        Algorithms algorithms(target, {0, 1, 0});
        algorithms.setColor(colour.r, colour.g, colour.b);
        return (algorithms.*op)(args...);
    };
}

// Every timed drawing operation sets its colour before its first point. Circle rotation then
// opens each of its 24 chords with a colour change of its line drawer.
TEST(RasterBracket, SetsTheColourBeforeAnyPoint) {
    const struct {
        const char* name;
        Draw draw;
        std::size_t colourChanges;
    } cases[] = {
        {"lineBresenham", drawing(&LineAlgorithms::lineBresenham, 0, 0, 30, 11), 1},
        {"lineDDA", drawing(&LineAlgorithms::lineDDA, 0, 0, 30, 11), 1},
        {"lineTwoStep", drawing(&LineAlgorithms::lineTwoStep, 0, 0, 30, 11), 1},
        {"circleBresenham", drawing(&CircleAlgorithms::circleBresenham, 0, 0, 12), 1},
        {"circleRotation", drawing(&CircleAlgorithms::circleRotation, 0, 0, 12), 25},
        {"circleParametric", drawing(&CircleAlgorithms::circleParametric, 0, 0, 12), 1},
        {"ellipseBresenham", drawing(&EllipseAlgorithms::ellipseBresenham, 0, 0, 9, 4), 1},
        {"ellipseParametric", drawing(&EllipseAlgorithms::ellipseParametric, 0, 0, 9, 4), 1},
        {"ellipseGeneral", drawing(&EllipseAlgorithms::ellipseGeneral, 0, 0, 9, 4, 15), 1},
    };
    const Rgb colour{0.25f, 0.5f, 0.75f};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingTarget target;
        EXPECT_GE(c.draw(target, colour), 0.0);
        ASSERT_EQ(target.colors.size(), c.colourChanges);
        EXPECT_FALSE(target.points.empty());
        EXPECT_EQ(target.colors[0].atPlot, 0u);
        EXPECT_EQ(target.colors[0].r, colour.r);
        EXPECT_EQ(target.colors[0].g, colour.g);
        EXPECT_EQ(target.colors[0].b, colour.b);
    }
}

}  // namespace
