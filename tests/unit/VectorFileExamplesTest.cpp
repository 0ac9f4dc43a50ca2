#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "VectorFileSupport.h"
#include "model/ObjectKind.h"

namespace {

std::string examplePath(const std::string& name) {
    return (std::filesystem::path(__FILE__).parent_path() / "../../examples" / name).string();
}

struct Example {
    const char* file;
    std::size_t objects2D;
    std::size_t surfaces3D;
};

// The counts are those the scenes were drawn with.
const Example kExamples[] = {
    {"lines.pvf", 24, 0},      {"circles-ellipses.pvf", 11, 0}, {"cubics.pvf", 5, 0},
    {"splines.pvf", 5, 0},     {"bsplines-nurbs.pvf", 7, 0},    {"surfaces.pvf", 0, 4},
    {"everything.pvf", 24, 4},
};

ReadScene readExample(const char* file) {
    ReadScene scene;
    scene.report = readPvfFile(examplePath(file).c_str(), scene.objects2D, scene.surfaces3D);
    return scene;
}

TEST(VectorFileExamples, EachLoadsCompletely) {
    for (const Example& e : kExamples) {
        SCOPED_TRACE(e.file);
        const ReadScene scene = readExample(e.file);
        EXPECT_EQ(scene.report.status, PvfReadReport::Status::Complete);
        EXPECT_EQ(scene.report.blocksDropped, 0);
        EXPECT_EQ(scene.objects2D.size(), e.objects2D);
        EXPECT_EQ(scene.surfaces3D.size(), e.surfaces3D);
        // Every 2D point lies in the start-up window, origin at the lower left.
        for (const SceneObject& o : scene.objects2D) {
            for (const Point3& p : o.points) {
                EXPECT_TRUE(p.x >= 0 && p.x < 800 && p.y >= 0 && p.y < 592)
                    << "kind " << o.kind << " at " << p.x << ", " << p.y;
            }
        }
    }
}

TEST(VectorFileExamples, EverythingHoldsEveryKeyword) {
    const ReadScene scene = readExample("everything.pvf");
    const std::vector<int> kinds = kindsOf(scene.objects2D);
    const std::set<int> kinds2D(kinds.begin(), kinds.end());
    const std::set<int> expected2D = {
        kLineBresenham,       kLineDDA,        kLineTwoStep,          kLineLine2Step,
        kCircleBresenham,     kCircleRotation, kCircleParametric,     kEllipseBresenham,
        kEllipseParametric,   kEllipseGeneral, kBezierCubicIterative, kBezierCubicRecursive,
        kFergusonCubic,       kCoonsCubic,     kCatmullRomCubic,      kBezierCurve,
        kRationalBezierCurve, kCoonsCurve,     kFergusonCurve,        kCatmullRomCurve,
        kBSplineCurve,        kNurbsCircle};
    EXPECT_EQ(kinds2D, expected2D);
    const std::vector<int> surfaceKinds = kindsOf(scene.surfaces3D);
    EXPECT_EQ(
        std::set<int>(surfaceKinds.begin(), surfaceKinds.end()),
        (std::set<int>{kSurfaceBezier, kSurfaceRationalBezier, kSurfaceCoons, kSurfaceFerguson}));
}

// The NURBS of both presets as the menu makes them, the circle moved into view.
TEST(VectorFileExamples, NurbsPresetsKeepTheirKnotsAndWeights) {
    const ReadScene scene = readExample("bsplines-nurbs.pvf");
    ASSERT_EQ(scene.objects2D.size(), 7u);
    const SceneObject& bezier = scene.object(0);
    EXPECT_EQ(bezier.pointCount, 4);
    EXPECT_EQ(bezier.knots, (std::vector<float>{0, 0, 0, 0, 1, 1, 1, 1}));
    EXPECT_EQ(bezier.weights, (std::vector<float>{1, 1, 1, 1}));

    const SceneObject& circle = scene.object(1);
    EXPECT_EQ(circle.kind, kNurbsCircle);
    EXPECT_EQ(circle.requiredPoints, 7);
    EXPECT_EQ(circle.knots, (std::vector<float>{0, 0, 0, 0.25f, 0.5f, 0.5f, 0.75f, 1, 1, 1}));
    EXPECT_EQ(circle.weights, (std::vector<float>{1, 0.5f, 0.5f, 1, 0.5f, 0.5f, 1}));
    const float offsets[7][2] = {{50, 0},    {50, 50},  {-50, 50}, {-50, 0},
                                 {-50, -50}, {50, -50}, {50, 0}};
    const Point3 shift = {circle.points[0].x - 50, circle.points[0].y, 0};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(circle.points[i].x - shift.x, offsets[i][0]);
        EXPECT_EQ(circle.points[i].y - shift.y, offsets[i][1]);
    }

    std::set<int> orders;
    for (const SceneObject& o : scene.objects2D) {
        if (o.kind == kBSplineCurve) orders.insert(o.order);
    }
    EXPECT_EQ(orders, (std::set<int>{1, 2, 3, 4, 5}));
}

}  // namespace
