#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/Algorithms.h"
#include "model/SceneObject.h"

struct TimeSpread {
    double minMs = 0.0;
    double medianMs = 0.0;
    double maxMs = 0.0;
};

// The times of one object's algorithm, alone and with its pixels emitted.
struct BenchRow {
    int position = 0;  // among the 2D objects of the file, from 1
    std::string name;  // the row label of the speed listing, without its padding
    std::size_t pixels = 0;
    TimeSpread compute;
    TimeSpread emission;
};

// Two sets of the same algorithm objects: one plotting into a counter, one emitting as the
// window does. `settle` runs between emitting runs, outside the timed bracket, so that
// every run starts with the graphics system idle.
struct BenchRig {
    Algorithms& computing;
    const CountingTarget& counter;
    Algorithms& emitting;
    std::function<void()> settle;
};

// One row per object that the 2D scene pass would draw, in file order; every figure over
// `repeat` runs after one warm-up run, taken from the algorithm objects' own timers.
std::vector<BenchRow> benchScene(const ObjectList& objects2D, BenchRig& rig, int repeat);

TimeSpread spreadOf(std::vector<double> timesMs);
