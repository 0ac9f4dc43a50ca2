#include "app/SceneBench.h"

#include <algorithm>

#include "model/ObjectKind.h"

namespace {

// "Usecka DDA algoritmus       : " gives "Usecka DDA algoritmus".
std::string nameOf(const char* rowLabel) {
    std::string name = rowLabel;
    name.erase(name.find_last_not_of(" :") + 1);
    return name;
}

std::vector<double> timedRuns(Algorithms& algorithms, const SceneObject& object, int repeat,
                              const std::function<void()>& settle) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(repeat));
    for (int run = 0; run < repeat; ++run) {
        times.push_back(drawKind2D(algorithms, object));
        settle();
    }
    return times;
}

BenchRow benchObject(const SceneObject& object, BenchRig& rig, int repeat) {
    BenchRow row;
    const std::size_t before = rig.counter.count;
    drawKind2D(rig.computing, object);
    row.pixels = rig.counter.count - before;
    row.compute = spreadOf(timedRuns(rig.computing, object, repeat, [] {}));
    drawKind2D(rig.emitting, object);
    rig.settle();
    row.emission = spreadOf(timedRuns(rig.emitting, object, repeat, rig.settle));
    return row;
}

}  // namespace

TimeSpread spreadOf(std::vector<double> t) {
    if (t.empty()) return {};
    std::sort(t.begin(), t.end());
    const std::size_t mid = t.size() / 2;
    const double median = t.size() % 2 == 1 ? t[mid] : (t[mid - 1] + t[mid]) / 2.0;
    return {t.front(), median, t.back()};
}

std::vector<BenchRow> benchScene(const ObjectList& objects2D, BenchRig& rig, int repeat) {
    std::vector<BenchRow> rows;
    int position = 0;
    // The reader puts every object at the front, so the file's order is the list reversed.
    for (auto it = objects2D.rbegin(); it != objects2D.rend(); ++it) {
        ++position;
        const KindInfo* info = findKind2D(it->kind);
        if (info == nullptr || info->rowLabel == nullptr || !isComplete(*info, *it)) continue;
        BenchRow row = benchObject(*it, rig, repeat);
        row.position = position;
        row.name = nameOf(info->rowLabel);
        rows.push_back(row);
    }
    return rows;
}
