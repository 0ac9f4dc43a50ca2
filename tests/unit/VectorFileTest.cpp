#include <gtest/gtest.h>

#include <time.h>

#include <cerrno>
#include <cmath>
#include <limits>

#include "RoundTripMatch.h"
#include "Support.h"
#include "io/PvfBlockWriter.h"
#include "io/PvfReader.h"
#include "io/PvfWriter.h"
#include "io/ScanfScanner.h"
#include "io/UniqueFile.h"

namespace {

const char* const kStamp = "Thu Jan  1 00:00:00 1970\n";

struct Scene {
    ObjectList objects, surfaces;
    PvfReadReport report;
    std::vector<int> kinds() const {
        std::vector<int> out;
        for (const SceneObject& o : objects)
            out.push_back(o.kind);
        return out;
    }
    std::string text() const { return pvfText(objects, surfaces, kStamp); }
};

Scene read(const std::string& text) {
    Scene scene;
    scene.report = readPvfText(text, scene.objects, scene.surfaces);
    return scene;
}

// "n x y x y ...": n points of one item each.
std::string repeated(int n, const std::string& item) {
    std::string text = std::to_string(n);
    for (int i = 0; i < n; ++i)
        text += " " + item;
    return text;
}

std::string surface(const char* keyword, bool rational) {
    std::string text = std::string("\n") + keyword + (rational ? " 9\n" : " 16\n");
    for (int i = 0; i < 16; ++i)
        text += std::to_string(i) + " -1 " + std::to_string(2 * i) + (rational ? " 2.5\n" : "\n");
    return text + "0.2 0.4 1\n";
}

// One character before each word is consumed unseen: ";" there opens a comment, anything
// else is lost, the first letter of a keyword included. Words longer than 39 are no words.
TEST(VectorFileReader, LexicalRules) {
    const std::string longWord(39, 'W');
    const std::pair<std::string, std::vector<int>> cases[] = {
        {"LINE_DDA\n10 20\n110 70\n", {}},
        {"\nLINE_DDA\n10 20\n110 70\n", {kLineDDA}},
        {"; note\nLINE_DDA 1 2 3 4\n", {}},
        {"; note\n\nLINE_DDA 1 2 3 4\n", {kLineDDA}},
        {"; a\n\n; see LINE_DDA 1 2 3 4\n", {kLineDDA}},
        {"\nLINE_DDA 1 2 3 4;LINE_DDA 1 2 3 4\n; end", {kLineDDA}},
        {"\nline_dda 1 2 3 4\n Line_Dda 1 2 3 4\n", {}},
        {"junk 5 LINE_BRESENHAM 1 2 3 4 x LINE_DDAX LINE_DD LINE_DDA 5 6 7 8",
         {kLineDDA, kLineBresenham}},
        {" " + longWord + "ZLINE_DDA 1 2 3 4 LINE_DDA" + longWord + " 1 2 3 4", {}},
        {" " + longWord + " LINE_DDA 1 2 3 4", {kLineDDA}},
        {"\r\n\tLINE_DDA\r\n1\t2\v3\f4\r\n", {kLineDDA}},
        {"\nLINE_LINE2STEP 1 2 3 4\nLINE_ENHANCED_DDA 1 2 3 4", {kLineTwoStep, kLineLine2Step}},
        // "%d" stops at the point: ".5" is the next item, and the next block fails on the
        // keyword after it, whose first letter it has consumed.
        {"\nCIRCLE_BRESENHAM 10 20 5.5\nLINE_DDA 1 2 3\nLINE_DDA 1 2 3 4\n", {kCircleBresenham}},
    };
    for (const auto& [text, kinds] : cases) {
        const Scene scene = read(text);
        EXPECT_EQ(scene.report.status, PvfReadReport::Status::Complete) << text;
        EXPECT_EQ(scene.kinds(), kinds) << text;
    }
}

// Circles and ellipses carry their centre; the handles are put beside it: the radius to the
// right, (a, b) from the centre, the angle handle 20 above and `angle` to the side. A cubic
// holds four points whatever its count says; a rational patch sixteen whatever its count.
TEST(VectorFileReader, HandlesAndFixedSizes) {
    const Scene scene = read(
        "\nELIPSE_FREE\n200 150\n50 100 \n-30\n\nCIRCLE_BRESENHAM\n100 100\n40\n"
        "\nELIPSE_PARAMETRIC\n-10.5 20\n7 -3\n"
        "\nSPLINE_BEZIER_CUBIC_RECURSIVE\n3\n1 2\n3 4\n5 6\n7 8\n" +
        surface("SURFACE_BEZIER_RACIONAL_BICUBIC", true) + "\nLINE_DDA 1 2 3 4");
    std::vector<std::vector<float>> objects;  // count, then x and y of every point, front first
    for (const SceneObject& o : scene.objects) {
        objects.push_back({float(o.pointCount)});
        for (const Point3& p : o.points)
            objects.back().insert(objects.back().end(), {p.x, p.y});
    }
    const std::vector<std::vector<float>> expected = {
        {2, 1, 2, 3, 4},         {3, 1, 2, 3, 4, 5, 6, 7, 8},       {2, -10.5f, 20, -3.5f, 17},
        {2, 100, 100, 140, 100}, {3, 200, 150, 250, 250, 170, 170},
    };
    EXPECT_EQ(objects, expected);
    ASSERT_EQ(scene.surfaces.size(), 1u);
    const SceneObject& patch = scene.surfaces.front();
    EXPECT_EQ(patch.pointCount, 16);
    EXPECT_EQ(patch.points.at(15).z, 30.0f);
    EXPECT_EQ(patch.weights.at(15), 2.5f);
    EXPECT_EQ(patch.color[1], 0.4f);
}

// Objects read go to the front. A 2D block clears every active flag of its list; a surface
// only the first one it finds.
TEST(VectorFileReader, TheLastObjectReadIsActive) {
    Scene scene;
    scene.objects.resize(2);
    scene.surfaces.resize(2);
    for (ObjectList* list : {&scene.objects, &scene.surfaces}) {
        for (SceneObject& o : *list)
            o.active = true;
    }
    readPvfText("\nLINE_BRESENHAM 1 1 2 2\nLINE_DDA 1 1 2 2" +
                    surface("SURFACE_COONS_BICUBIC", false) +
                    surface("SURFACE_FERGUSON_BICUBIC", false),
                scene.objects, scene.surfaces);
    std::vector<std::pair<int, bool>> objects, surfaces;
    for (const SceneObject& o : scene.objects)
        objects.push_back({o.kind, o.active});
    for (const SceneObject& o : scene.surfaces)
        surfaces.push_back({o.kind, o.active});
    using Flags = std::vector<std::pair<int, bool>>;
    EXPECT_EQ(objects, (Flags{{kLineDDA, true}, {kLineBresenham, false}, {0, false}, {0, false}}));
    EXPECT_EQ(surfaces,
              (Flags{{kSurfaceFerguson, true}, {kSurfaceCoons, false}, {0, false}, {0, true}}));
}

// A B-spline may be of any order its points allow, and a plain patch takes the count it gives.
TEST(VectorFileReader, TakesOrdersAndNetSizesTheFormatAllows) {
    ObjectList objects2D, surfaces3D;
    const PvfReadReport report = readPvfText(
        "\nSPLINE_BSPLINE " + repeated(8, "1 7") + " 8\n SPLINE_BSPLINE " + repeated(13, "1 7") +
            " 13\n SURFACE_COONS_BICUBIC " + repeated(9, "1 2 3") + " 0.5 0.5 0.5\n",
        objects2D, surfaces3D);
    EXPECT_EQ(report.blocksDropped, 0);
    ASSERT_EQ(objects2D.size(), 2u);
    EXPECT_EQ(objects2D.front().order, 13);
    EXPECT_EQ(objects2D.back().order, 8);
    ASSERT_EQ(surfaces3D.size(), 1u);
    EXPECT_EQ(surfaces3D.front().points.size(), 9u);
    EXPECT_EQ(surfaces3D.front().color[2], 0.5f);
}

// A load that walks the list for every object read would not finish at this size; the time
// itself belongs to the benchmark.
TEST(VectorFileReader, LargeGeneratedSceneLoadsWhole) {
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "\nLINE_DDA 1 2 3 4";
    ObjectList objects2D, surfaces3D;
    EXPECT_EQ(readPvfText(text, objects2D, surfaces3D).objectsAdded, 200000);
}

// A block cut short, with a malformed number, or with a count or value the scene cannot hold
// is dropped whole: nothing of it reaches the lists, whose active flags stay. The largest
// blocks the scene can hold are kept.
TEST(VectorFileReader, BlocksTheSceneCannotHoldAreDropped) {
    const std::pair<std::string, int> cases[] = {
        {"LINE_DDA 10 20 x 70", 1},
        {"LINE_DDA 10 20 - 70", 1},
        {"CIRCLE_PARAMETRIC 10 20 r", 1},
        {"LINE_DDA 1e39 20 30 70", 1},
        {"ELIPSE_BRESENHAM 1 2 99999999999 5", 1},
        {"SPLINE_BEZIER -3 1 2 3 4", 1},
        {"SPLINE_COONS " + repeated(51, "1 7"), 1},
        {"SPLINE_CATMULROM " + repeated(50, "1 7"), 0},
        {"SPLINE_BSPLINE " + repeated(51, "1 7") + " 3", 1},
        {"SPLINE_NURBS 101 1 2 1", 1},
        {"SPLINE_NURBS 1 5 5 1 " + repeated(101, ".5"), 1},
        {"SPLINE_NURBS 1 5 5 1 " + repeated(100, ".5"), 0},
        {"SPLINE_NURBS 1 5 5 1 -1", 1},
        {"CIRCLE_BRESENHAM 10 20 100001", 1},
        {"CIRCLE_BRESENHAM -100000 100000 100000", 0},
        {"ELIPSE_PARAMETRIC 10 20 5 -100001", 1},
        {"ELIPSE_FREE 10 20 5 5 100001", 1},
        {"LINE_DDA 10 20 100000.5 70", 1},
        {"SPLINE_COONS_CUBIC 5 1 1 2 2 3 3 4 4", 1},
        {"SPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 0", 1},
        {"SPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 6", 1},
        {"SPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 5", 0},
        {"SURFACE_BEZIER_BICUBIC " + repeated(101, "1 2 3") + " 0 0 0", 1},
        {"SURFACE_FERGUSON_BICUBIC 0 0 0 0", 0},  // a net of no points is kept, not drawn
        {"SURFACE_BEZIER_RACIONAL_BICUBIC x 1 2 3", 1},
        {"SPLINE_BEZIER 3 1 2 3 4 5", 1},
        {surface("SURFACE_COONS_BICUBIC", false).substr(0, 90), 1},
    };
    for (const auto& [text, dropped] : cases) {
        ObjectList objects(1), surfaces(1);
        objects.front().active = surfaces.front().active = true;
        const PvfReadReport report = readPvfText("\n" + text + "\n", objects, surfaces);
        EXPECT_EQ(report.blocksDropped, dropped) << text;
        EXPECT_EQ(report.objectsAdded, 1 - dropped) << text;
        EXPECT_EQ(objects.size() + surfaces.size(), 3u - dropped) << text;
        EXPECT_EQ(objects.back().active && surfaces.back().active, dropped == 1) << text;
    }
}

// Each block in its fixed form, read from a free one: coordinates truncated toward zero,
// "%f" for weights, knots and colours.
TEST(VectorFileWriter, BlocksInTheirFixedForm) {
    const std::string header =
        "; ----------------------------------------------------------------------\n"
        "; PIXELFORGE VECTOR FILE FORMAT <.PVF>\n"
        "; ----------------------------------------------------------------------\n"
        "; Tento soubor byl vygenerovan v Thu Jan  1 00:00:00 1970\n"
        "; Obsahuje vektorovy zapis objektu pro program PIXELFORGE\n"
        "; Soubor ma presne danou strukturu, editujte pouze pokud jste\n"
        "; obeznameni s PVF formatem -> Informace pro rucni editovani\n"
        "; hledejte v souboru help.htm, sekce PVF format\n\n\n; 2D grafika\n\n";
    EXPECT_EQ(read("").text(), header + "; 3D grafika\n\n\n; END of PVF\n");
    const std::pair<std::string, std::string> cases[] = {
        {"LINE_BRESENHAM 12.7 -3.2 -0.9 99.99", "LINE_BRESENHAM\n12 -3\n0 99\n\n"},
        {"ELIPSE_FREE 200 150 50 100 -30", "ELIPSE_FREE\n200 150\n50 100 \n-30\n\n"},
        {"ELIPSE_BRESENHAM 30 40 5 7", "ELIPSE_BRESENHAM\n30 40\n5 7\n\n"},
        {"CIRCLE_LINE_ROTATION 100 100 40", "CIRCLE_LINE_ROTATION\n100 100\n40\n\n"},
        {"SPLINE_BEZIER_RACIONAL 2 1 2 .5 3 4 10",
         "SPLINE_BEZIER_RACIONAL\n2\n1 2 0.500000\n3 4 10.000000\n\n"},
        {"SPLINE_BSPLINE 4 0 0 1 1 2 2 3 3 3", "SPLINE_BSPLINE\n4\n0 0\n1 1\n2 2\n3 3\n3\n\n"},
        {"SPLINE_COONS_CUBIC 4 0 0 1 1 2 2 3 3", "SPLINE_COONS_CUBIC\n4\n0 0\n1 1\n2 2\n3 3\n\n"},
        {"SPLINE_BEZIER 2 1 2 3 4", "SPLINE_BEZIER\n2\n1 2\n3 4\n\n"},
        {"SPLINE_NURBS 2 0 0 1 10 40 .25 3 0 .5 1",
         "SPLINE_NURBS\n2\n0 0 1.000000\n10 40 0.250000\n3\n0.000000\n0.500000\n1.000000\n\n"},
        // Curves short of their points have no block.
        {"SPLINE_BEZIER_CUBIC_ITERATIVE 3 1 1 2 2 3 3 4 4 SPLINE_BEZIER 1 5 5 "
         "SPLINE_BEZIER_RACIONAL 1 5 5 1 "
         "SPLINE_COONS 3 1 1 2 2 3 3 SPLINE_FERGUSON 3 1 1 2 2 3 3 SPLINE_CATMULROM 3 1 1 2 2 3 3 "
         "SPLINE_BSPLINE 3 1 1 2 2 3 3 2",
         ""},
    };
    for (const auto& [text, block] : cases)
        EXPECT_EQ(read("\n" + text).text(), header + block + "; 3D grafika\n\n\n; END of PVF\n");
    // "%d" of values beyond the int range saturates; NaN gives 0.
    EXPECT_EQ(truncatedCoordinate(2147483648.0f), 2147483647);
    EXPECT_EQ(truncatedCoordinate(-3e9f), -2147483647 - 1);
    EXPECT_EQ(truncatedCoordinate(std::nanf("")), 0);
    std::string patch = "SURFACE_BEZIER_RACIONAL_BICUBIC\n16\n";
    for (int i = 0; i < 16; ++i)
        patch += std::to_string(i) + " -1 " + std::to_string(2 * i) + " 2.500000\n";
    const std::string text = read(surface("SURFACE_BEZIER_RACIONAL_BICUBIC", true)).text();
    EXPECT_EQ(text.substr(text.find("; 3D")),
              "; 3D grafika\n\n" + patch + "0.200000 0.400000 1.000000\n\n\n; END of PVF\n");
}

// ctime's form for fixed instants in fixed zones; the file is the text, or nothing.
TEST(VectorFileWriter, StampAndFile) {
    const char* saved = getenv("TZ");
    const std::string zone = saved ? saved : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(ctimeStamp(0), "Thu Jan  1 00:00:00 1970\n");
    EXPECT_EQ(ctimeStamp(1796404219), "Fri Dec  4 17:10:19 2026\n");
    EXPECT_EQ(ctimeStamp(1000000000), "Sun Sep  9 01:46:40 2001\n");
    EXPECT_EQ(ctimeStamp(std::numeric_limits<std::time_t>::max()), "???\n");  // no such year
    setenv("TZ", "America/New_York", 1);
    tzset();
    for (std::time_t t : {std::time_t{0}, std::time_t{1796404219}, std::time_t{1719000000}})
        EXPECT_EQ(ctimeStamp(t), std::ctime(&t));
    saved ? setenv("TZ", zone.c_str(), 1) : unsetenv("TZ");
    tzset();

    ScratchDir dir;
    writeFile(dir.path("scene.pvf"),
              "older and much longer content that must be replaced entirely");
    const Scene scene = read("\nLINE_DDA 1 2 3 4");
    ASSERT_TRUE(writePvfFile(dir.path("scene.pvf").c_str(), scene.objects, {}, 0));
    EXPECT_EQ(fileBytes(dir.path("scene.pvf")), pvfText(scene.objects, {}, ctimeStamp(0)));
    EXPECT_FALSE(writePvfFile(dir.path("no/scene.pvf").c_str(), scene.objects, {}, 0));
    // A stream already in error that ends without an errno of its own: a failed read still.
    const UniqueFile file = openFile(dir.path("scene.pvf").c_str(), "r");
    std::fputc('x', file.get());  // a write to a stream open for reading fails
    FileSource source(file.get());
    ObjectList objects, surfaces;
    const PvfReadReport report = readPvf(source, objects, surfaces);
    EXPECT_EQ(std::make_pair(report.status, report.errorText),
              std::make_pair(PvfReadReport::Status::ReadError, std::string(std::strerror(EIO))));
}

// Each example loads whole with the counts it was drawn with, and its objects come back from
// the written text as they were (each list reversed, every object read going to the front; the
// Bezier preset of the NURBS as any NURBS); a second round gives the same text.
TEST(VectorFileRoundTrip, ExamplesComeBack) {
    const std::tuple<const char*, std::size_t, std::size_t> examples[] = {
        {"lines.pvf", 24, 0},     {"circles-ellipses.pvf", 11, 0}, {"cubics.pvf", 5, 0},
        {"splines.pvf", 5, 0},    {"bsplines-nurbs.pvf", 7, 0},    {"surfaces.pvf", 0, 4},
        {"everything.pvf", 24, 4}};
    for (const auto& [file, objects, surfaces] : examples) {
        Scene loaded;
        const auto path = std::filesystem::path(__FILE__).parent_path() / "../../examples" / file;
        loaded.report = readPvfFile(path.c_str(), loaded.objects, loaded.surfaces);
        EXPECT_EQ(loaded.report.blocksDropped, 0) << file;
        EXPECT_EQ(loaded.objects.size(), objects) << file;
        EXPECT_EQ(loaded.surfaces.size(), surfaces) << file;
        for (SceneObject& o : loaded.objects) {
            if (isNurbs(o.kind) && o.pointCount == 4)
                o.kind = kNurbsBezier;  // as its preset makes it
        }
        const Scene once = read(loaded.text());
        for (const auto& [back, written] :
             {std::pair{&once.objects, &loaded.objects}, {&once.surfaces, &loaded.surfaces}}) {
            ASSERT_EQ(back->size(), written->size()) << file;
            auto w = written->rbegin();
            for (const SceneObject& r : *back)
                EXPECT_EQ(roundTripMismatch(r, *w++), "") << file << ", kind " << r.kind;
        }
        EXPECT_EQ(read(once.text()).text(), loaded.text()) << file;
    }
}

std::string rest(ScanfScanner& scanner) {
    std::string text;
    for (int c = scanner.get(); c != CharSource::kEnd; c = scanner.get())
        text.push_back(char(c));
    return text;
}

// The C library is the reference: the scanner converts what sscanf converts, to the same
// value, and leaves the same text behind. Where sscanf would give inf or nan, or wrap the
// integer, the scanner refuses.
template <class T>
void expectAsSscanf(const char* format, bool (ScanfScanner::*read)(T&)) {
    for (const char* text :
         {"12",     "-3.5", "+.5",    "5.",       ".",     "-",        "1e5",         "1e",
          "1e+",    "1E-2", "0x1p3",  "0x",       "0xg",   "00012",    "1.5.5",       "--1",
          " \n\t7", "1,5",  "3e x",   "1e+x",     "0x1.8", "0x.8p1",   ".e1",         "-.e",
          "1ee",    "0x1p", "1.e3",   "0X1P-2",   "+",     "5x",       "0.5e-",       "-0",
          "12;",    "",     "   ",    "x1",       "0.1",   "16777217", "-2147483648", "2147483647",
          "1e-50",  "7\n8", "0xBEEF", "0xfa.Cp-1"}) {
        T expected{};
        int used = 0;
        const bool converted = std::sscanf(text, format, &expected, &used) == 1;
        StringSource source(text);
        ScanfScanner scanner(source);
        T value{};
        ASSERT_EQ((scanner.*read)(value), converted) << text;
        if (!converted) continue;
        EXPECT_EQ(value, expected) << text;
        EXPECT_EQ(rest(scanner), std::string(text + used)) << text;
    }
}

TEST(VectorFileScanner, NumbersAsSscanfReadsThem) {
    expectAsSscanf<float>("%f%n", &ScanfScanner::readFloat);
    expectAsSscanf<int>("%d%n", &ScanfScanner::readInt);
    for (const char* text :
         {"inf", "-infinity", "nan", "2147483648", "-2147483649", "100000000000000000000"}) {
        StringSource source(text);
        ScanfScanner scanner(source);
        float real = 0;
        int whole = 0;
        if (std::isalpha(text[1])) {
            EXPECT_FALSE(scanner.readFloat(real)) << text;
        } else {
            EXPECT_FALSE(scanner.readInt(whole)) << text;
            EXPECT_EQ(rest(scanner), "") << text;  // the digits are consumed, as fscanf does
        }
    }
}

}  // namespace
