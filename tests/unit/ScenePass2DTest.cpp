#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "AppFixture.h"
#include "app/ScenePass2D.h"
#include "app/SpeedListing.h"

namespace {

std::set<Pixel> squareOutline(int cx, int cy, int h) {
    std::set<Pixel> out;
    for (int d = -h; d <= h; ++d) {
        out.insert({cx + d, cy - h});
        out.insert({cx + d, cy + h});
        out.insert({cx - h, cy + d});
        out.insert({cx + h, cy + d});
    }
    return out;
}

// The plots of consecutive calls, merged.
std::set<Pixel> pixelsOfCalls(const std::vector<DrawCall>& calls, std::size_t from,
                              std::size_t count) {
    std::set<Pixel> out;
    for (std::size_t i = from; i < from + count; ++i) {
        const auto s = setOf(pixelsOf(calls[i].points));
        out.insert(s.begin(), s.end());
    }
    return out;
}

TEST(ScenePass2D, ActiveCompleteLineGetsArrowRowAndLastTime) {
    AppFixture f;
    f.app.settings2D.showControlPoints = 0;
    f.add(kLineBresenham, {{10.9f, 20.2f, 0}, {40.7f, 25.0f, 0}});
    f.takeConsole();
    f.app.drawScene2D();
    double t = -1;
    EXPECT_TRUE(areRows(f.takeConsole(), {speedRow("-> Usecka Bresenham algoritmus : ")}, &t));
    EXPECT_GE(t, 0.0);
    EXPECT_NEAR(f.app.mirrors.lastTime, t, std::abs(t) * 1e-5 + 1e-12);
    // Truncated end points, object colour.
    const auto calls = drawCalls(f.target);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].r, 1.0f);
    EXPECT_EQ(calls[0].g, 0.0f);
    EXPECT_EQ(pixelsOf(f.target).front(), Pixel(10, 20));
    EXPECT_EQ(pixelsOf(f.target).back(), Pixel(40, 25));
}

TEST(ScenePass2D, RowsComeInListOrderWithTheirPrefixes) {
    AppFixture f;
    f.add(kLineTwoStep, {{0, 0, 0}, {9, 9, 0}}, false);
    f.add(kLineDDA, {{0, 0, 0}, {5, 1, 0}}, false);
    f.add(kLineBresenham, {{0, 0, 0}, {5, 5, 0}}, true);
    f.app.settings2D.showControlPoints = 0;
    f.takeConsole();
    f.app.drawScene2D();
    const std::string console = f.takeConsole();
    EXPECT_TRUE(areRows(console, {speedRow("-> Usecka Bresenham algoritmus : "),
                                  speedRow("   Usecka DDA algoritmus       : "),
                                  speedRow("   Usecka Two Step algoritmus  : ")}))
        << console;
}

TEST(ScenePass2D, LastTimeComesFromTheActiveObjectOnly) {
    AppFixture f;
    f.add(kLineBresenham, {{0, 0, 0}, {5, 5, 0}}, false);
    f.app.mirrors.lastTime = -7.0f;
    f.app.drawScene2D();
    EXPECT_EQ(f.app.mirrors.lastTime, -7.0f);
}

TEST(ScenePass2D, IncompleteObjectsPrintOnlyTheirPrefix) {
    AppFixture f;
    f.add(kLineBresenham, {{0, 0, 0}, {5, 5, 0}}, false);
    SceneObject& placing = f.add(kLineDDA, {{3, 3, 0}, {0, 0, 0}}, false);
    placing.pointCount = 1;
    f.takeConsole();
    f.app.drawScene2D();
    // The three blanks of the incomplete line run into the next row.
    const std::string console = f.takeConsole();
    EXPECT_EQ(console.rfind("      Usecka Bresenham algoritmus : ", 0), 0u) << console;

    placing.active = true;  // an active line with one point: no arrow, no row
    f.app.drawScene2D();
    EXPECT_EQ(f.takeConsole().rfind("   Usecka Bresenham algoritmus : ", 0), 0u);
}

TEST(ScenePass2D, UnknownKindsAndKindFourAreSkippedSilently) {
    AppFixture f;
    f.add(kLineLine2Step, {{0, 0, 0}, {5, 5, 0}}, false);
    f.add(40, {{0, 0, 0}, {5, 5, 0}}, false);
    f.add(7, {{0, 0, 0}, {5, 5, 0}}, true);
    f.app.editing.activePoint = -1;  // the highlight belongs to any active object; not wanted here
    f.takeConsole();
    f.app.drawScene2D();
    EXPECT_EQ(f.takeConsole(), "");
    EXPECT_TRUE(f.target.points.empty());
}

TEST(ScenePass2D, ActiveObjectShowsMarkersAndTheHighlightedPoint) {
    AppFixture f;
    f.add(kLineDDA, {{100.6f, 50.2f, 0}, {200, 80, 0}});
    f.app.editing.activePoint = 1;
    f.app.drawScene2D();
    const auto calls = drawCalls(f.target);
    // 4 marker edges per point, the line, then 3 squares of 4 edges around the active point.
    ASSERT_EQ(calls.size(), 8u + 1u + 12u);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(calls[i].b, 1.0f) << "control colour";
    // Corners are computed in float and then truncated: 100.6 - 5 -> 95, 100.6 + 5 -> 105.
    EXPECT_EQ(pixelsOfCalls(calls, 0, 4), squareOutline(100, 50, 5));
    EXPECT_EQ(pixelsOfCalls(calls, 4, 4), squareOutline(200, 80, 5));
    EXPECT_EQ(calls[8].r, 1.0f);  // the line in the object colour
    for (std::size_t i = 9; i < 17; ++i) {
        EXPECT_EQ(calls[i].r + calls[i].g + calls[i].b, 0.0f) << "black frames";
    }
    EXPECT_EQ(pixelsOfCalls(calls, 9, 4), squareOutline(200, 80, 6));
    EXPECT_EQ(pixelsOfCalls(calls, 13, 4), squareOutline(200, 80, 4));
    EXPECT_EQ(pixelsOfCalls(calls, 17, 4), squareOutline(200, 80, 5));
    EXPECT_EQ(calls[17].r, 1.0f);  // the active colour, yellow
    EXPECT_EQ(calls[17].g, 1.0f);
    EXPECT_EQ(calls[17].b, 0.0f);
}

TEST(ScenePass2D, NoHighlightWithoutActivePointOrWithMarkersOff) {
    AppFixture f;
    f.add(kLineDDA, {{100, 50, 0}, {200, 80, 0}});
    f.app.editing.activePoint = -1;
    f.app.drawScene2D();
    EXPECT_EQ(drawCalls(f.target).size(), 9u);  // markers and the line

    f.target.clear();
    f.app.editing.activePoint = 0;
    f.app.settings2D.showControlPoints = 0;
    f.app.drawScene2D();
    EXPECT_EQ(drawCalls(f.target).size(), 1u);  // the line alone
}

TEST(ScenePass2D, InactivePointsAreMarkedInTheInactiveColourWhenAsked) {
    AppFixture f;
    f.add(kLineBresenham, {{300, 300, 0}, {310, 320, 0}}, false);
    f.add(kLineBresenham, {{10, 10, 0}, {20, 20, 0}}, true);
    f.app.settings2D.showControlPoints = 0;
    f.app.settings2D.showInactivePoints = 1;
    f.app.colors.inactiveColor = {0.5f, 0.25f, 0.0f};
    f.app.drawScene2D();
    const auto calls = drawCalls(f.target);
    ASSERT_EQ(calls.size(), 8u + 2u);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(calls[i].g, 0.25f);
    EXPECT_EQ(pixelsOfCalls(calls, 0, 4), squareOutline(300, 300, 5));
    EXPECT_EQ(pixelsOfCalls(calls, 4, 4), squareOutline(310, 320, 5));
}

TEST(ScenePass2D, CountsBeyondTheStoredPointsAreNotTrusted) {
    AppFixture f;
    f.add(kLineDDA, {{1, 1, 0}}, false).pointCount = 1000;
    SceneObject& o = f.add(kLineBresenham, {{50, 50, 0}});
    o.pointCount = 2;  // claims a second point that it does not hold
    f.app.settings2D.showInactivePoints = 1;
    f.takeConsole();
    f.app.drawScene2D();
    EXPECT_EQ(f.takeConsole(), "   ");  // neither object is complete: no arrow, no rows
    const auto calls = drawCalls(f.target);
    ASSERT_EQ(calls.size(), 4u + 4u + 12u);  // one inactive marker, one marker, the highlight
    EXPECT_EQ(pixelsOfCalls(calls, 0, 4), squareOutline(1, 1, 5));
    EXPECT_EQ(pixelsOfCalls(calls, 4, 4), squareOutline(50, 50, 5));
}

// Times in the default float format; B-spline rows end in empty brackets, NURBS rows in knots.
TEST(SpeedListing, RowsOfTheListing) {
    SceneObject line;
    line.kind = kLineBresenham;
    SceneObject bspline;
    bspline.kind = kBSplineCurve;
    SceneObject nurbs;
    nurbs.kind = kNurbsBezier;
    nurbs.knots = {0, 0, 0, 0, 1, 1, 1, 1};
    nurbs.knotCount = 8;
    SceneObject circle;
    circle.kind = kNurbsCircle;
    circle.knots = {0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1};
    circle.knotCount = 10;
    std::ostringstream out;
    writeSpeedRow2D(out, "Usecka Bresenham algoritmus : ", line, 0.25);
    writeSpeedRow2D(out, "Usecka DDA algoritmus       : ", line, 12.3456789);
    writeSpeedRow2D(out, "Usecka DDA algoritmus       : ", line, 1234567.0);
    writeSpeedRow2D(out, "BSpline obecna krivka       : ", bspline, 0.5);
    writeSpeedRow2D(out, "NURBS                       : ", nurbs, 2);
    writeSpeedRow2D(out, "NURBS                       : ", circle, 0.125);
    EXPECT_EQ(out.str(),
              "Usecka Bresenham algoritmus : 0.25\n"
              "Usecka DDA algoritmus       : 12.3457\n"
              "Usecka DDA algoritmus       : 1.23457e+06\n"
              "BSpline obecna krivka       : 0.5   U = [ ]\n"
              "NURBS                       : 2   U = [ 0 0 0 0 1 1 1 1 ]\n"
              "NURBS                       : 0.125   U = [ 0 0 0 0.25 0.5 0.5 0.75 1 1 1 ]\n");
}

TEST(SpeedListing, RowLabelsAreThirtyCharactersEndingInColonBlank) {
    EXPECT_EQ(findKind2D(kLineLine2Step)->rowLabel, nullptr);
    for (int32_t kind : {1,  2,  3,  10, 11, 12, 15, 16, 17, 20, 21, 22,
                         23, 24, 25, 26, 27, 28, 29, 30, 50, 51, 77}) {
        const KindInfo* entry = findKind2D(kind);
        ASSERT_NE(entry, nullptr) << kind;
        const std::string label = entry->rowLabel;
        EXPECT_EQ(label.size(), 30u) << label;
        EXPECT_EQ(label.substr(28), ": ") << label;
    }
}

}  // namespace
