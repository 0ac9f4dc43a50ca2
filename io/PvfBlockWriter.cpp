#include "io/PvfBlockWriter.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "app/ObjectKind.h"

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

// When an object has enough points for its block. Lines, circles and ellipses wait for all
// their points as the curves do: a half-made object has no meaningful block.
enum class Rule { AtLeast, Exactly, Required };

struct BlockForm {
    int32_t kind;
    Rule rule;
    int points;
    bool weighted;
    void (*write)(std::string&, const SceneObject&);
};

const BlockForm kForms[] = {
    {kLineBresenham, Rule::AtLeast, 2, false, line},
    {kLineDDA, Rule::AtLeast, 2, false, line},
    {kLineTwoStep, Rule::AtLeast, 2, false, line},
    {kLineLine2Step, Rule::AtLeast, 2, false, line},
    {kCircleBresenham, Rule::AtLeast, 2, false, circle},
    {kCircleRotation, Rule::AtLeast, 2, false, circle},
    {kCircleParametric, Rule::AtLeast, 2, false, circle},
    {kEllipseBresenham, Rule::AtLeast, 2, false, ellipse},
    {kEllipseParametric, Rule::AtLeast, 2, false, ellipse},
    {kEllipseGeneral, Rule::AtLeast, 3, false, generalEllipse},
    {kBezierCubicIterative, Rule::Exactly, 4, false, cubic},
    {kBezierCubicRecursive, Rule::Exactly, 4, false, cubic},
    {kFergusonCubic, Rule::Exactly, 4, false, cubic},
    {kCoonsCubic, Rule::Exactly, 4, false, cubic},
    {kCatmullRomCubic, Rule::Exactly, 4, false, cubic},
    {kBezierCurve, Rule::AtLeast, 2, false, plainCurve},
    {kRationalBezierCurve, Rule::AtLeast, 2, true, rationalCurve},
    {kCoonsCurve, Rule::AtLeast, 4, false, plainCurve},
    {kFergusonCurve, Rule::AtLeast, 4, false, plainCurve},
    {kCatmullRomCurve, Rule::AtLeast, 4, false, plainCurve},
    {kBSplineCurve, Rule::AtLeast, 4, false, bspline},
    {kNurbsCircle, Rule::Required, 0, true, nurbs},
};

const BlockForm* formOf(int32_t kind) {
    if (isNurbs(kind)) kind = kNurbsCircle;
    for (const BlockForm& form : kForms) {
        if (form.kind == kind) return &form;
    }
    return nullptr;
}

bool ready(const BlockForm& form, const SceneObject& o) {
    if (!holdsItsPoints(o, form.weighted)) return false;
    switch (form.rule) {
        case Rule::AtLeast:
            return o.pointCount >= form.points;
        case Rule::Exactly:
            return o.pointCount == form.points;
        case Rule::Required:
            return o.pointCount == o.requiredPoints && holdsItsKnots(o);
    }
    return false;
}

}  // namespace

int truncatedCoordinate(float v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483648.0f) return std::numeric_limits<int>::max();
    if (v < -2147483648.0f) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

void appendBlock2D(std::string& text, const SceneObject& o) {
    const BlockForm* form = formOf(o.kind);
    if (form != nullptr && ready(*form, o)) form->write(text, o);
}

void appendSurfaceBlock(std::string& text, const SceneObject& s) {
    const KindInfo* info = findKind3D(s.kind);
    const bool rational = s.kind == kSurfaceRationalBezier;
    if (info == nullptr || !holdsItsPoints(s, rational)) return;
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
