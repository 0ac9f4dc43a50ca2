// Feeds arbitrary bytes to the PVF reader. Besides the sanitizers' checks it asks three things
// of every input: each object read is consistent (its arrays hold what its counts say, every
// number finite); what the writer then writes reads back as the same objects (compared as the
// round-trip tests compare them), in reverse order; and writing is stable: reading the
// text back and writing it twice more (the order flips with each read) gives the same text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "io/PvfBlockWriter.h"
#include "io/PvfReader.h"
#include "io/PvfWriter.h"
#include "model/ObjectKind.h"
#include "tests/unit/RoundTripMatch.h"

namespace {

const char* const kStamp = "Thu Jan  1 00:00:00 1970\n";

void require(bool condition) {
    if (!condition) std::abort();
}

bool finite(float v) { return std::isfinite(v); }

void checkObject(const SceneObject& o, bool surface) {
    require(o.pointCount >= 0);
    const bool cubic = !surface && o.kind >= kBezierCubicIterative && o.kind <= kCatmullRomCubic;
    if (cubic) {
        require(o.points.size() == 4 && o.pointCount <= 4);
    } else {
        require(o.points.size() == static_cast<std::size_t>(o.pointCount));
    }
    if (!o.weights.empty()) require(o.weights.size() == o.points.size());
    require(o.knots.size() == static_cast<std::size_t>(o.knotCount));
    for (const Point3& p : o.points)
        require(finite(p.x) && finite(p.y) && finite(p.z));
    for (float w : o.weights)
        require(finite(w));
    for (float k : o.knots)
        require(finite(k));
    for (float c : o.color)
        require(finite(c));
}

void checkLists(const ObjectList& objects2D, const ObjectList& surfaces3D) {
    int active2D = 0;
    for (const SceneObject& o : objects2D) {
        checkObject(o, false);
        active2D += o.active ? 1 : 0;
    }
    require(active2D <= 1);
    for (const SceneObject& s : surfaces3D)
        checkObject(s, true);
}

// The objects that have a block, in list order, against the same read back (reversed).
void checkList(const ObjectList& original, const ObjectList& readBack, bool surfaces) {
    std::vector<const SceneObject*> written;
    for (const SceneObject& o : original) {
        std::string block;
        if (surfaces) {
            appendSurfaceBlock(block, o);
        } else {
            appendBlock2D(block, o);
        }
        if (!block.empty()) written.push_back(&o);
    }
    require(readBack.size() == written.size());
    auto w = written.rbegin();
    for (const SceneObject& r : readBack)
        require(roundTripMismatch(r, **w++, surfaces).empty());
}

std::string rewritten(const std::string& text) {
    ObjectList objects2D;
    ObjectList surfaces3D;
    const PvfReadReport report = readPvfText(text, objects2D, surfaces3D);
    require(report.blocksDropped == 0);
    return pvfText(objects2D, surfaces3D, kStamp);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    ObjectList objects2D;
    ObjectList surfaces3D;
    const PvfReadReport report = readPvfText(input, objects2D, surfaces3D);
    require(report.status == PvfReadReport::Status::Complete);
    require(static_cast<std::size_t>(report.objectsAdded) == objects2D.size() + surfaces3D.size());
    checkLists(objects2D, surfaces3D);

    const std::string first = pvfText(objects2D, surfaces3D, kStamp);
    ObjectList again2D;
    ObjectList againSurfaces;
    require(readPvfText(first, again2D, againSurfaces).blocksDropped == 0);
    checkList(objects2D, again2D, false);
    checkList(surfaces3D, againSurfaces, true);
    require(rewritten(rewritten(first)) == first);
    return 0;
}
