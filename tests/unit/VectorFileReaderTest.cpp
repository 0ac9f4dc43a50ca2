#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "VectorFileSupport.h"
#include "model/ObjectKind.h"

namespace {

using Status = PvfReadReport::Status;

void expectPoint(const Point3& p, float x, float y, float z = 0.0f) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

struct LexicalCase {
    const char* name;
    std::string text;
    std::vector<int> kinds;  // of objects2D, front first
};

// One character before each word is consumed unseen: ";" there opens a comment, anything
// else is simply lost, the first letter of a keyword included.
TEST(VectorFileReader, LexicalRules) {
    const std::string longWord = std::string(39, 'Q') + "Z" + "LINE_DDA";
    const std::vector<LexicalCase> cases = {
        {"keyword at the very start", "LINE_DDA\n10 20\n110 70\n", {}},
        {"same after one empty line", "\nLINE_DDA\n10 20\n110 70\n", {kLineDDA}},
        {"keyword on the line after a comment", "; note\nLINE_DDA 1 2 3 4\n", {}},
        {"empty line between comment and keyword", "; note\n\nLINE_DDA 1 2 3 4\n", {kLineDDA}},
        {"keyword inside a comment after an empty line",
         "; a\n\n; see LINE_DDA 1 2 3 4\n",
         {kLineDDA}},
        {"comment right after a block's last number",
         "\nLINE_DDA 1 2 3 4;LINE_DDA 1 2 3 4\n",
         {kLineDDA}},
        {"lower case", "\nline_dda 1 2 3 4\n Line_Dda 1 2 3 4\n", {}},
        {"last comment without a line end", "\nLINE_DDA 1 2 3 4\n; end", {kLineDDA}},
        {"empty file", "", {}},
        {"comments only", "; one\n; two\n;three", {}},
        {"stray words and numbers", " hello 12 3.5 LINE_DDAX XLINE_DDA LINE_DD -7\n", {}},
        {"blocks among stray words",
         "junk 5 LINE_BRESENHAM 1 2 3 4 more LINE_DDA 5 6 7 8 x",
         {kLineDDA, kLineBresenham}},
        {"word longer than 39 ending in a keyword", " " + longWord + " 1 2 3 4\n", {}},
        {"keyword with a long tail", " LINE_DDA" + std::string(40, 'x') + " 1 2 3 4\n", {}},
        {"keyword after a 39-character word",
         " " + std::string(39, 'W') + " LINE_DDA 1 2 3 4",
         {kLineDDA}},
        {"tabs and carriage returns are white space",
         "\r\n\tLINE_DDA\r\n1\t2\r\n3 4\r\n",
         {kLineDDA}},
        {"file ending in the last number", "\nLINE_DDA 1 2 3 4", {kLineDDA}},
        {"LINE_LINE2STEP keeps its own kind", "\nLINE_LINE2STEP 1 2 3 4\n", {kLineLine2Step}},
    };
    for (const LexicalCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadScene scene = readText(c.text);
        EXPECT_EQ(scene.report.status, Status::Complete);
        EXPECT_EQ(kindsOf(scene.objects2D), c.kinds);
    }
}

TEST(VectorFileReader, FixedHandlesOfCirclesAndEllipses) {
    const ReadScene scene = readText(
        "\nELIPSE_FREE\n200 150\n50 100 \n-30\n"
        "\nCIRCLE_BRESENHAM\n100 100\n40\n"
        "\nELIPSE_PARAMETRIC\n-10.5 20\n7 -3\n");
    ASSERT_EQ(kindsOf(scene.objects2D),
              (std::vector<int>{kEllipseParametric, kCircleBresenham, kEllipseGeneral}));

    const SceneObject& ellipse = scene.object(0);
    EXPECT_EQ(ellipse.pointCount, 2);
    EXPECT_EQ(ellipse.sizeA, 7);
    EXPECT_EQ(ellipse.sizeB, -3);
    expectPoint(ellipse.points.at(1), -3.5f, 17);

    const SceneObject& circle = scene.object(1);
    EXPECT_EQ(circle.pointCount, 2);
    EXPECT_EQ(circle.sizeA, 40);
    ASSERT_EQ(circle.points.size(), 2u);
    expectPoint(circle.points[0], 100, 100);
    expectPoint(circle.points[1], 140, 100);

    const SceneObject& general = scene.object(2);
    EXPECT_EQ(general.pointCount, 3);
    EXPECT_EQ(general.sizeA, 50);
    EXPECT_EQ(general.sizeB, 100);
    EXPECT_EQ(general.angle, -30);
    ASSERT_EQ(general.points.size(), 3u);
    expectPoint(general.points[0], 200, 150);
    expectPoint(general.points[1], 250, 250);
    expectPoint(general.points[2], 170, 170);
}

TEST(VectorFileReader, CurvesKeepTheirCountsWeightsOrderAndKnots) {
    const ReadScene scene = readText(
        "\nSPLINE_BEZIER_CUBIC_RECURSIVE\n3\n1 2\n3 4\n5 6\n7 8\n"
        "\nSPLINE_BEZIER_RACIONAL 2 1 2 0.5 3 4 2.25\n"
        "\nSPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 3\n"
        "\nSPLINE_NURBS 2 1 1 1 2 2 0.5 4 0 0.25 0.75 1\n");
    ASSERT_EQ(scene.objects2D.size(), 4u);

    const SceneObject& nurbs = scene.object(0);
    EXPECT_EQ(nurbs.kind, kNurbsCircle);
    EXPECT_EQ(nurbs.pointCount, 2);
    EXPECT_EQ(nurbs.requiredPoints, 2);
    EXPECT_EQ(nurbs.weights, (std::vector<float>{1.0f, 0.5f}));
    EXPECT_EQ(nurbs.knotCount, 4);
    EXPECT_EQ(nurbs.knots, (std::vector<float>{0.0f, 0.25f, 0.75f, 1.0f}));

    const SceneObject& bspline = scene.object(1);
    EXPECT_EQ(bspline.pointCount, 4);
    EXPECT_EQ(bspline.order, 3);
    expectPoint(bspline.points.at(3), 3, 3);

    const SceneObject& rational = scene.object(2);
    EXPECT_EQ(rational.weights, (std::vector<float>{0.5f, 2.25f}));
    expectPoint(rational.points.at(1), 3, 4);

    // A cubic always holds four points; its count line says how many were placed.
    const SceneObject& cubic = scene.object(3);
    EXPECT_EQ(cubic.pointCount, 3);
    ASSERT_EQ(cubic.points.size(), 4u);
    expectPoint(cubic.points[3], 7, 8);
}

std::string surfaceNumbers(bool rational) {
    std::string text;
    for (int i = 0; i < 16; ++i) {
        text += std::to_string(i) + " " + std::to_string(-i) + " " + std::to_string(2 * i);
        text += rational ? " " + std::to_string(i + 1) + ".5\n" : "\n";
    }
    return text + "0.2 0.4 1\n";
}

TEST(VectorFileReader, RationalSurfaceAlwaysTakesSixteenPoints) {
    const ReadScene scene = readText("\nSURFACE_BEZIER_RACIONAL_BICUBIC\n9\n" +
                                     surfaceNumbers(true) + "\nLINE_DDA 1 2 3 4\n");
    ASSERT_EQ(scene.surfaces3D.size(), 1u);
    const SceneObject& s = scene.surface(0);
    EXPECT_EQ(s.kind, kSurfaceRationalBezier);
    EXPECT_EQ(s.pointCount, 16);
    ASSERT_EQ(s.points.size(), 16u);
    ASSERT_EQ(s.weights.size(), 16u);
    expectPoint(s.points[15], 15, -15, 30);
    EXPECT_FLOAT_EQ(s.weights[15], 16.5f);
    EXPECT_FLOAT_EQ(s.color[0], 0.2f);
    EXPECT_FLOAT_EQ(s.color[2], 1.0f);
    EXPECT_EQ(scene.objects2D.size(), 1u) << "the block ends after its colour";
}

std::vector<bool> activeFlags(const ObjectList& list) {
    std::vector<bool> flags;
    for (const SceneObject& o : list)
        flags.push_back(o.active);
    return flags;
}

// Objects read go to the front. A 2D block clears every active flag of its list; a surface only
// the first one it finds.
TEST(VectorFileReader, ObjectsGoToTheFrontAndTheLastReadIsActive) {
    ReadScene scene;
    scene.objects2D.resize(2);
    scene.surfaces3D.resize(2);
    for (ObjectList* list : {&scene.objects2D, &scene.surfaces3D}) {
        for (SceneObject& o : *list)
            o.active = true;
    }
    readPvfText(
        "\nLINE_BRESENHAM 1 1 2 2\nLINE_DDA 1 1 2 2\nLINE_ENHANCED_DDA 1 1 2 2\n"
        "SURFACE_COONS_BICUBIC 16\n" +
            surfaceNumbers(false) + "SURFACE_FERGUSON_BICUBIC 16\n" + surfaceNumbers(false),
        scene.objects2D, scene.surfaces3D);
    EXPECT_EQ(kindsOf(scene.objects2D),
              (std::vector<int>{kLineTwoStep, kLineDDA, kLineBresenham, 0, 0}));
    EXPECT_EQ(activeFlags(scene.objects2D), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_EQ(kindsOf(scene.surfaces3D), (std::vector<int>{kSurfaceFerguson, kSurfaceCoons, 0, 0}));
    EXPECT_EQ(activeFlags(scene.surfaces3D), (std::vector<bool>{true, false, false, true}));
    EXPECT_TRUE(scene.surface(1).weights.empty());
}

// A load that walks the list for every object read would not finish at this size; the time
// itself belongs to the benchmark.
TEST(VectorFileReader, LargeGeneratedSceneLoadsWhole) {
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "\nLINE_DDA 1 2 3 4";
    EXPECT_EQ(readText(text).report.objectsAdded, 200000);
}

struct BadBlockCase {
    const char* name;
    std::string text;
};

// "n x y x y ...", with n points all present.
std::string pointList(int n) {
    std::string text = std::to_string(n);
    for (int i = 0; i < n; ++i)
        text += " " + std::to_string(i) + " 7";
    return text + "\n";
}

std::string knotList(int n) {
    std::string text = std::to_string(n);
    for (int i = 0; i < n; ++i)
        text += " 0.5";
    return text + "\n";
}

// Each of these is dropped whole: nothing of it reaches the lists and the active flags of
// what is there stay as they were.
TEST(VectorFileReader, BadBlocksAreDropped) {
    const std::vector<BadBlockCase> cases = {
        {"malformed coordinate", "\nLINE_DDA 10 20 x 70\n"},
        {"sign without digits", "\nLINE_DDA 10 20 - 70\n"},
        {"radius not an integer", "\nCIRCLE_PARAMETRIC 10 20 r\n"},
        {"non-finite coordinate", "\nLINE_DDA 1e39 20 30 70\n"},
        {"coordinate beyond the int range", "\nLINE_DDA 3e9 20 30 70\n"},
        {"integer overflow", "\nELIPSE_BRESENHAM 1 2 99999999999 5\n"},
        {"negative count", "\nSPLINE_BEZIER -3 1 2 3 4\n"},
        {"absurd count", "\nSPLINE_NURBS 2000000000 1 2 1\n"},
        {"curve above fifty points", "\nSPLINE_COONS " + pointList(51)},
        {"b-spline above fifty points", "\nSPLINE_BSPLINE " + pointList(51) + "3\n"},
        {"nurbs above the point cap", "\nSPLINE_NURBS 101 1 2 1\n"},
        {"nurbs above the knot cap", "\nSPLINE_NURBS 1 5 5 1 " + knotList(101)},
        {"radius beyond any window", "\nCIRCLE_BRESENHAM 10 20 100001\n"},
        {"semi-axis beyond any window", "\nELIPSE_PARAMETRIC 10 20 5 -100001\n"},
        {"angle beyond any window", "\nELIPSE_FREE 10 20 5 5 100001\n"},
        {"coordinate beyond any window", "\nLINE_DDA 10 20 100000.5 70\n"},
        {"absurd knot count", "\nSPLINE_NURBS 1 5 5 1 99999 0 1\n"},
        {"negative knot count", "\nSPLINE_NURBS 1 5 5 1 -1\n"},
        {"cubic count above four", "\nSPLINE_COONS_CUBIC 5 1 1 2 2 3 3 4 4\n"},
        {"b-spline order zero", "\nSPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 0\n"},
        {"b-spline order above its points", "\nSPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 6\n"},
        {"b-spline order above the cap", "\nSPLINE_BSPLINE " + pointList(14) + "14\n"},
        {"surface count above the cap", "\nSURFACE_BEZIER_BICUBIC 101 " + surfaceNumbers(false)},
        {"rational surface count not a number",
         "\nSURFACE_BEZIER_RACIONAL_BICUBIC x " + surfaceNumbers(true)},
        {"end of file inside a point list", "\nSPLINE_BEZIER 3 1 2 3 4 5\n"},
        {"end of file before the colour", "\nSURFACE_COONS_BICUBIC 16 0 0 0\n"},
    };
    for (const BadBlockCase& c : cases) {
        SCOPED_TRACE(c.name);
        ObjectList objects2D(1);
        ObjectList surfaces3D(1);
        objects2D.front().active = true;
        surfaces3D.front().active = true;
        const PvfReadReport report = readPvfText(c.text, objects2D, surfaces3D);
        EXPECT_EQ(report.status, Status::Complete);
        EXPECT_EQ(report.blocksDropped, 1);
        EXPECT_EQ(report.objectsAdded, 0);
        EXPECT_EQ(objects2D.size(), 1u);
        EXPECT_EQ(surfaces3D.size(), 1u);
        EXPECT_TRUE(objects2D.front().active);
        EXPECT_TRUE(surfaces3D.front().active);
    }
}

TEST(VectorFileReader, LargestAcceptedBlocks) {
    const ReadScene scene = readText("\nSPLINE_CATMULROM " + pointList(50) +
                                     "\nCIRCLE_BRESENHAM -100000 100000 100000\n" +
                                     "\nSPLINE_NURBS 1 5 5 1 " + knotList(100));
    EXPECT_EQ(scene.report.blocksDropped, 0);
    ASSERT_EQ(scene.objects2D.size(), 3u);
    EXPECT_EQ(scene.object(0).knotCount, 100);
    EXPECT_EQ(scene.object(1).sizeA, 100000);
    EXPECT_EQ(scene.object(2).pointCount, 50);
}

// Every block cut anywhere after its keyword and before its last number is dropped.
TEST(VectorFileReader, BlocksCutShortAreDropped) {
    std::string surface = "\nSURFACE_FERGUSON_BICUBIC\n16\n" + surfaceNumbers(false);
    surface.pop_back();  // the text must end in its last number
    const std::vector<std::string> blocks = {
        "\nLINE_BRESENHAM\n10 20\n110 70",
        "\nCIRCLE_LINE_ROTATION\n100 100\n40",
        "\nELIPSE_FREE\n200 150\n50 100 \n-30",
        "\nSPLINE_CATMULROM_CUBIC\n4\n1 2\n3 4\n5 6\n7 8",
        "\nSPLINE_FERGUSON\n4\n1 2\n3 4\n5 6\n7 8",
        "\nSPLINE_BSPLINE\n4\n1 2\n3 4\n5 6\n7 8\n3",
        "\nSPLINE_NURBS\n2\n0 0 1.000000\n10 40 0.5\n4\n0\n0\n1\n1",
        surface,
    };
    for (const std::string& block : blocks) {
        const std::size_t keywordEnd = block.find_first_of(" \n", 1);
        const std::size_t lastNumber = block.find_last_of(" \n") + 1;
        for (std::size_t cut = keywordEnd + 1; cut < lastNumber; ++cut) {
            const ReadScene scene = readText(block.substr(0, cut));
            ASSERT_EQ(scene.report.objectsAdded, 0) << block.substr(0, cut);
            ASSERT_EQ(scene.report.blocksDropped, 1) << block.substr(0, cut);
        }
        EXPECT_EQ(readText(block).report.objectsAdded, 1) << block;
    }
}

// fscanf semantics: "%d" stops at the point, the rest is the next item; a block that fails
// on the next keyword has consumed its first letter.
TEST(VectorFileReader, NumbersEndWhereScanfStops) {
    const ReadScene scene =
        readText("\nCIRCLE_BRESENHAM 10 20 5.5\nLINE_DDA 1 2 3\nLINE_DDA 1 2 3 4\n");
    ASSERT_EQ(kindsOf(scene.objects2D), (std::vector<int>{kCircleBresenham}));
    EXPECT_EQ(scene.object(0).sizeA, 5);
    EXPECT_EQ(scene.report.blocksDropped, 1);

    const ReadScene dropped = readText("\nLINE_DDA 1 2 x\nLINE_BRESENHAM 1 2 3 4\n");
    EXPECT_EQ(kindsOf(dropped.objects2D), (std::vector<int>{kLineBresenham}));
}

}  // namespace

namespace {

// A B-spline may be of any order its points allow, and a plain patch takes the count it gives.
TEST(VectorFileReader, TakesOrdersAndNetSizesTheFormatAllows) {
    ObjectList objects2D;
    ObjectList surfaces3D;
    std::string net = "9";
    for (int i = 0; i < 9; ++i)
        net += " 1 2 3";
    const PvfReadReport report =
        readPvfText("\nSPLINE_BSPLINE " + pointList(8) + "8\n SPLINE_BSPLINE " + pointList(13) +
                        "13\n SURFACE_COONS_BICUBIC " + net + " 0.5 0.5 0.5\n",
                    objects2D, surfaces3D);
    EXPECT_EQ(report.blocksDropped, 0);
    ASSERT_EQ(objects2D.size(), 2u);
    EXPECT_EQ(objects2D.front().order, 13);
    EXPECT_EQ(objects2D.back().order, 8);
    ASSERT_EQ(surfaces3D.size(), 1u);
    EXPECT_EQ(surfaces3D.front().pointCount, 9);
    EXPECT_EQ(surfaces3D.front().points.size(), 9u);
    EXPECT_EQ(surfaces3D.front().color[2], 0.5f);
}

}  // namespace
