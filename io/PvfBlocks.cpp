#include "io/PvfBlocks.h"

#include <algorithm>
#include <cmath>

#include "model/ObjectKind.h"

namespace {

constexpr int kCubicPoints = 4;
constexpr int kMenuOrders = 5;
// Coordinates and sizes beyond this are taken for a damaged file: every frame rasterizes the
// whole scene again, and a line or circle millions of pixels long would stall the program.
constexpr float kMaxMagnitude = 100000.0f;
constexpr int kMaxSize = 100000;
// A NURBS holds at most as many knots as the knot buffer of the panel; a surface net is read
// with the same bound.
constexpr int kMaxNurbsCount = 100;

// Reads numbers until the first failure; after it, reads nothing more and returns zeros,
// so a block's reader can run straight through and be judged once at its end.
class NumberReader {
  public:
    explicit NumberReader(ScanfScanner& scanner) : in(scanner) {}

    float real() {
        float v = 0.0f;
        ok = ok && in.readFloat(v) && std::isfinite(v) && std::fabs(v) <= kMaxMagnitude;
        return ok ? v : 0.0f;
    }
    int integer() {
        int v = 0;
        ok = ok && in.readInt(v);
        return ok ? v : 0;
    }
    int size() { return count(-kMaxSize, kMaxSize); }
    int count(int low, int high) {
        const int v = integer();
        ok = ok && v >= low && v <= high;
        return ok ? v : 0;
    }
    Point3 point2D() {
        Point3 p;
        p.x = real();
        p.y = real();
        return p;
    }
    Point3 point3D() {
        Point3 p = point2D();
        p.z = real();
        return p;
    }

    bool ok = true;

  private:
    ScanfScanner& in;
};

Point3 offset(const Point3& p, int dx, int dy) {
    return {p.x + static_cast<float>(dx), p.y + static_cast<float>(dy), 0.0f};
}

void readPoints(NumberReader& in, SceneObject& o, int n, bool weighted) {
    for (int i = 0; i < n && in.ok; ++i) {
        o.points.push_back(in.point2D());
        if (weighted) o.weights.push_back(in.real());
    }
}

void readLine(NumberReader& in, SceneObject& o) {
    o.pointCount = 2;
    o.points.push_back(in.point2D());
    o.points.push_back(in.point2D());
}

// The second point is the radius handle, to the right of the centre.
void readCircle(NumberReader& in, SceneObject& o) {
    const Point3 centre = in.point2D();
    o.sizeA = in.size();
    o.pointCount = 2;
    o.points = {centre, offset(centre, o.sizeA, 0)};
}

void readEllipse(NumberReader& in, SceneObject& o) {
    const Point3 centre = in.point2D();
    o.sizeA = in.size();
    o.sizeB = in.size();
    o.pointCount = 2;
    o.points = {centre, offset(centre, o.sizeA, o.sizeB)};
}

// The angle handle stands 20 units above the centre whatever the angle.
void readGeneralEllipse(NumberReader& in, SceneObject& o) {
    readEllipse(in, o);
    o.angle = in.size();
    o.pointCount = 3;
    o.points.push_back(offset(o.points[0], o.angle, 20));
}

void readCubic(NumberReader& in, SceneObject& o) {
    o.pointCount = in.count(0, kCubicPoints);
    readPoints(in, o, kCubicPoints, false);
}

void readCurve(NumberReader& in, SceneObject& o, bool weighted, int maxPoints) {
    o.pointCount = in.count(0, maxPoints);
    readPoints(in, o, o.pointCount, weighted);
}

// The menus offer orders 1 to 5 whatever the count; a file may give more when the curve has
// that many points, up to the order the algorithm draws.
void readBSpline(NumberReader& in, SceneObject& o) {
    readCurve(in, o, false, kMaxCurvePoints);
    o.order = in.count(1, std::min(kMaxBSplineOrder, std::max(kMenuOrders, o.pointCount)));
}

void readNurbs(NumberReader& in, SceneObject& o) {
    readCurve(in, o, true, kMaxNurbsCount);
    o.requiredPoints = o.pointCount;
    o.knotCount = in.count(0, kMaxNurbsCount);
    for (int i = 0; i < o.knotCount && in.ok; ++i)
        o.knots.push_back(in.real());
}

void readColor(NumberReader& in, SceneObject& o) {
    for (float& c : o.color)
        c = in.real();
}

}  // namespace

bool readBlock2D(int32_t kind, ScanfScanner& scanner, SceneObject& o) {
    const KindInfo* info = findKind2D(kind);
    if (info == nullptr) return false;
    NumberReader in(scanner);
    o = SceneObject{};
    o.kind = kind;
    o.active = true;
    switch (info->family) {
        case KindFamily::Line:
            readLine(in, o);
            break;
        case KindFamily::Circle:
            readCircle(in, o);
            break;
        case KindFamily::Ellipse:
            readEllipse(in, o);
            break;
        case KindFamily::GeneralEllipse:
            readGeneralEllipse(in, o);
            break;
        case KindFamily::Cubic:
            readCubic(in, o);
            break;
        case KindFamily::Curve:
            readCurve(in, o, info->weighted, kMaxCurvePoints);
            break;
        case KindFamily::BSpline:
            readBSpline(in, o);
            break;
        case KindFamily::Nurbs:
            readNurbs(in, o);
            break;
        case KindFamily::Surface:
            return false;
    }
    return in.ok;
}

// The rational patch ignores its count line and always takes 16 points; the others take the
// count they give.
bool readSurfaceBlock(int32_t kind, ScanfScanner& scanner, SceneObject& o) {
    const KindInfo* info = findKind3D(kind);
    if (info == nullptr) return false;
    NumberReader in(scanner);
    o = SceneObject{};
    o.kind = kind;
    o.active = true;
    if (info->weighted) {
        in.integer();
        o.pointCount = kSurfacePoints;
    } else {
        o.pointCount = in.count(0, kMaxNurbsCount);
    }
    for (int i = 0; i < o.pointCount && in.ok; ++i) {
        o.points.push_back(in.point3D());
        if (info->weighted) o.weights.push_back(in.real());
    }
    readColor(in, o);
    return in.ok;
}
