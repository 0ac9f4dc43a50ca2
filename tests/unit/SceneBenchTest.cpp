#include <gtest/gtest.h>

#include <sstream>

#include "app/BenchReport.h"
#include "app/SceneBench.h"
#include "io/PvfReader.h"

// A 10-pixel line, a kind that is never drawn, a circle, and a curve too short to draw.
const char* const kScene =
    "\nLINE_BRESENHAM\n0 0\n9 0\n"
    "\nLINE_LINE2STEP\n0 5\n9 5\n"
    "\nCIRCLE_BRESENHAM\n50 50\n8\n"
    "\nSPLINE_COONS\n2\n0 0\n10 10\n";

TEST(SceneBench, OneRowPerDrawnObjectInFileOrderWithTheSamePixelsEmittedInEveryRun) {
    ObjectList objects2D, surfaces3D;
    readPvfText(kScene, objects2D, surfaces3D);
    CountingTarget counter;
    RecordingTarget emitted;
    Algorithms computing(counter, 101), emitting(emitted, 101);
    int settles = 0;
    BenchRig rig{computing, counter, emitting, [&settles] { ++settles; }};
    const int repeat = 4;

    const std::vector<BenchRow> rows = benchScene(objects2D, rig, repeat);

    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].position, 1);
    EXPECT_EQ(rows[0].name, "Usecka Bresenham algoritmus");
    EXPECT_EQ(rows[0].pixels, 10u);
    EXPECT_EQ(rows[1].position, 3);
    EXPECT_EQ(rows[1].name, "Kruznice Bresenham algorit.");
    // Every emitting run, the warm-up included, plots what the counted run plotted.
    EXPECT_EQ(emitted.points.size(), (repeat + 1) * (rows[0].pixels + rows[1].pixels));
    EXPECT_EQ(settles, 2 * (repeat + 1));
}

TEST(SceneBench, SpreadTakesTheMiddleOrTheMeanOfTheTwoMiddleTimes) {
    struct Case {
        std::vector<double> times;
        double min, median, max;
    } cases[] = {
        {{}, 0, 0, 0},
        {{3, 1, 2}, 1, 2, 3},
        {{4, 1, 3, 2}, 1, 2.5, 4},
    };
    for (const Case& c : cases) {
        const TimeSpread t = spreadOf(c.times);
        EXPECT_EQ(t.minMs, c.min);
        EXPECT_EQ(t.medianMs, c.median);
        EXPECT_EQ(t.maxMs, c.max);
    }
}

// Both reports into one stream: the table must not leave its fixed notation behind.
TEST(BenchReport, TableColumnsAndCsvFigures) {
    const std::vector<BenchRow> rows = {{1, "Usecka DDA algoritmus", 1000, {0.5, 1, 2}, {2, 3, 8}},
                                        {12, "Kruznice", 0, {0.25, 0.25, 0.25}, {}}};
    std::ostringstream out;
    writeBenchTable(out, rows);
    writeBenchCsv(out, rows);
    EXPECT_EQ(out.str(),
              "                                          compute [us]"
              "                          emission [us]\n"
              "  #  object                      pixels       min    median       max   ns/px"
              "       min    median       max   ns/px  compute/emission\n"
              "  1  Usecka DDA algoritmus         1000"
              "    500.00   1000.00   2000.00  1000.0   2000.00   3000.00   8000.00  3000.0"
              "             0.333\n"
              " 12  Kruznice                         0"
              "    250.00    250.00    250.00     0.0      0.00      0.00      0.00     0.0"
              "             0.000\n"
              "position,object,pixels,compute_min_us,compute_median_us,compute_max_us,"
              "compute_ns_per_pixel,emission_min_us,emission_median_us,emission_max_us,"
              "emission_ns_per_pixel,compute_to_emission\n"
              "1,Usecka DDA algoritmus,1000,500,1000,2000,1000,2000,3000,8000,3000,0.333333\n"
              "12,Kruznice,0,250,250,250,0,0,0,0,0,0\n");
    EXPECT_EQ(benchClockLine(7),
              "clock: std::chrono::steady_clock, 1000000000 ticks per second, read by each "
              "algorithm object's SpeedTimer; 7 timed runs per figure after one warm-up run");
}
