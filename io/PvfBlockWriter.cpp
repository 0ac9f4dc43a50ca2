#include "io/PvfBlockWriter.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "model/ObjectKind.h"

namespace {

void integer(std::string& text, int v) { text += std::to_string(v); }

void coordinate(std::string& text, float v) { integer(text, truncatedCoordinate(v)); }

// "%f" of a float passed through the C varargs promotion.
void fixed(std::string& text, float v) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%f", static_cast<double>(v));
    text += digits;
}

void point2D(std::string& text, const Point3& p) {
    coordinate(text, p.x);
    text += ' ';
    coordinate(text, p.y);
}

void point3D(std::string& text, const Point3& p) {
    point2D(text, p);
    text += ' ';
    coordinate(text, p.z);
}

void keyword(std::string& text, const SceneObject& o) {
    text += findKind2D(o.kind)->keyword;
    text += '\n';
}

void line(std::string& text, const SceneObject& o) {
    keyword(text, o);
    point2D(text, o.points[0]);
    text += '\n';
    point2D(text, o.points[1]);
    text += "\n\n";
}

// Circles carry the radius, ellipses both semi-axes; the blank before the line end after
// the general ellipse's semi-axes is part of the format.
void centred(std::string& text, const SceneObject& o, bool withB, bool withAngle) {
    keyword(text, o);
    point2D(text, o.points[0]);
    text += '\n';
    integer(text, o.sizeA);
    if (withB) {
        text += ' ';
        integer(text, o.sizeB);
    }
    if (withAngle) {
        text += " \n";
        integer(text, o.angle);
    }
    text += "\n\n";
}

void circle(std::string& text, const SceneObject& o) { centred(text, o, false, false); }
void ellipse(std::string& text, const SceneObject& o) { centred(text, o, true, false); }
void generalEllipse(std::string& text, const SceneObject& o) { centred(text, o, true, true); }

void pointLines(std::string& text, const SceneObject& o, int n, bool weighted) {
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i);
        point2D(text, o.points[at]);
        if (weighted) {
            text += ' ';
            fixed(text, o.weights[at]);
        }
        text += '\n';
    }
}

void cubic(std::string& text, const SceneObject& o) {
    keyword(text, o);
    text += "4\n";
    pointLines(text, o, 4, false);
    text += '\n';
}

void curvePoints(std::string& text, const SceneObject& o, bool weighted) {
    keyword(text, o);
    integer(text, o.pointCount);
    text += '\n';
    pointLines(text, o, o.pointCount, weighted);
}

void plainCurve(std::string& text, const SceneObject& o) {
    curvePoints(text, o, false);
    text += '\n';
}

void rationalCurve(std::string& text, const SceneObject& o) {
    curvePoints(text, o, true);
    text += '\n';
}

void bspline(std::string& text, const SceneObject& o) {
    curvePoints(text, o, false);
    integer(text, o.order);
    text += "\n\n";
}

void nurbs(std::string& text, const SceneObject& o) {
    curvePoints(text, o, true);
    integer(text, o.knotCount);
    text += '\n';
    for (int i = 0; i < o.knotCount; ++i) {
        fixed(text, o.knots[static_cast<std::size_t>(i)]);
        text += '\n';
    }
    text += '\n';
}

// The block of each family; lines, circles and ellipses wait for all their points as the
// curves do: a half-made object has no meaningful block.
void (*blockOf(const KindInfo& info))(std::string&, const SceneObject&) {
    switch (info.family) {
        case KindFamily::Line:
            return line;
        case KindFamily::Circle:
            return circle;
        case KindFamily::Ellipse:
            return ellipse;
        case KindFamily::GeneralEllipse:
            return generalEllipse;
        case KindFamily::Cubic:
            return cubic;
        case KindFamily::Curve:
            return info.weighted ? rationalCurve : plainCurve;
        case KindFamily::BSpline:
            return bspline;
        case KindFamily::Nurbs:
            return nurbs;
        case KindFamily::Surface:
            break;
    }
    return nullptr;
}

}  // namespace

int truncatedCoordinate(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0f) return std::numeric_limits<int>::max();
    if (v < -2147483648.0f) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

void appendBlock2D(std::string& text, const SceneObject& o) {
    const KindInfo* info = findKind2D(o.kind);
    if (info == nullptr || !holdsItsPoints(o, info->weighted) || !isComplete(*info, o)) return;
    if (auto write = blockOf(*info)) write(text, o);
}

void appendSurfaceBlock(std::string& text, const SceneObject& s) {
    const KindInfo* info = findKind3D(s.kind);
    if (info == nullptr || !holdsItsPoints(s, info->weighted)) return;
    const bool rational = info->weighted;
    text += info->keyword;
    text += '\n';
    integer(text, s.pointCount);
    text += '\n';
    for (std::size_t i = 0; i < static_cast<std::size_t>(s.pointCount); ++i) {
        point3D(text, s.points[i]);
        if (rational) {
            text += ' ';
            fixed(text, s.weights[i]);
        }
        text += '\n';
    }
    fixed(text, s.color[0]);
    text += ' ';
    fixed(text, s.color[1]);
    text += ' ';
    fixed(text, s.color[2]);
    text += "\n\n";
}
