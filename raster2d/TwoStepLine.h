#pragma once

#include <cstdlib>

// The symmetric double-step line: walks from both ends toward the middle, two pixels per step
// at each end, choosing among four patterns with one integer decision variable D. Coordinates
// are named along the major axis u and the minor axis v; Plot receives (x, y).
template <class Plot>
class TwoStepLine {
  public:
    TwoStepLine(int x1, int y1, int x2, int y2, Plot plotter) : plot(plotter) {
        const int dx = x2 - x1;
        const int dy = y2 - y1;
        xMajor = std::abs(dx) > std::abs(dy);  // diagonals are y-major
        A = xMajor ? std::abs(dx) : std::abs(dy);
        B = xMajor ? std::abs(dy) : std::abs(dx);
        su = (xMajor ? dx : dy) < 0 ? -1 : 1;
        sv = (xMajor ? dy : dx) < 0 ? -1 : 1;
        us = xMajor ? x1 : y1;
        vs = xMajor ? y1 : x1;
        ue = xMajor ? x2 : y2;
        ve = xMajor ? y2 : x2;
    }

    void run() {
        put(us, vs);
        if (A == 0) return;
        put(ue, ve);
        const int steps = (A - 1) / 4;
        left = (A - 1) % 4;
        if (4 * B - 2 * A < 0) {
            shallowSteps(steps);
        } else {
            steepSteps(steps);
        }
    }

  private:
    // Slope below one half: pattern 1 keeps v, patterns 2 and 3 climb once.
    void shallowSteps(int steps) {
        const int c = 2 * B;
        const int incr1 = 4 * B;
        const int incr2 = 4 * B - 2 * A;
        int D = incr1 - A;
        for (int i = 0; i < steps; ++i) {
            if (D < 0) {
                pattern(0, 0);
                D += incr1;
            } else {
                D < c ? pattern(0, 1) : pattern(1, 1);
                D += incr2;
            }
        }
        if (D < 0) {
            leftovers(0, 0, false);
        } else if (D < c) {
            leftovers(0, 1, false);
        } else {
            leftovers(1, 1, true);
        }
    }

    // Slope one half or more: pattern 4 climbs twice, patterns 2 and 3 once.
    void steepSteps(int steps) {
        const int c = 2 * (B - A);
        const int incr1 = 2 * c;
        const int incr2 = 4 * B - 2 * A;
        int D = incr1 + A;
        for (int i = 0; i < steps; ++i) {
            if (D > 0) {
                pattern(1, 2);
                D += incr1;
            } else {
                D < c ? pattern(0, 1) : pattern(1, 1);
                D += incr2;
            }
        }
        if (D > 0) {
            leftovers(1, 2, true);
        } else if (D < c) {
            leftovers(0, 1, false);
        } else {
            leftovers(1, 1, D > c);
        }
    }

    // One step: the minor offsets of the first and second pixel at the start side, mirrored
    // at the end side; both cursors then stand on the last pixel they plotted.
    void pattern(int firstRise, int secondRise) {
        put(us + su, vs + firstRise * sv);
        put(us + 2 * su, vs + secondRise * sv);
        put(ue - su, ve - firstRise * sv);
        put(ue - 2 * su, ve - secondRise * sv);
        us += 2 * su;
        vs += secondRise * sv;
        ue -= 2 * su;
        ve -= secondRise * sv;
    }

    // Up to three pixels left over by the four-pixel steps, relative to the cursors.
    void leftovers(int firstRise, int secondRise, bool endRises) {
        if (left > 0) put(us + su, vs + firstRise * sv);
        if (left > 1) put(us + 2 * su, vs + secondRise * sv);
        if (left > 2) put(ue - su, endRises ? ve - sv : ve);
    }

    void put(int u, int v) { xMajor ? plot(u, v) : plot(v, u); }

    Plot plot;
    bool xMajor = true;
    int A = 0, B = 0, su = 1, sv = 1;
    int us = 0, vs = 0, ue = 0, ve = 0;
    int left = 0;
};
