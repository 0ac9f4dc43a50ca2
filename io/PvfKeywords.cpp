#include "io/PvfKeywords.h"

#include "app/ObjectKind.h"

namespace {

// The spellings live in the kind tables; these are the kinds that a file can name. Only one
// NURBS kind is listed, so its keyword reads back as that kind.
const int32_t kFileKinds2D[] = {
    kLineBresenham,       kLineDDA,        kLineTwoStep,          kLineLine2Step,
    kCircleBresenham,     kCircleRotation, kCircleParametric,     kEllipseBresenham,
    kEllipseParametric,   kEllipseGeneral, kBezierCubicIterative, kBezierCubicRecursive,
    kFergusonCubic,       kCoonsCubic,     kCatmullRomCubic,      kBezierCurve,
    kRationalBezierCurve, kCoonsCurve,     kFergusonCurve,        kCatmullRomCurve,
    kBSplineCurve,        kNurbsCircle,
};

const int32_t kFileKinds3D[] = {kSurfaceBezier, kSurfaceRationalBezier, kSurfaceCoons,
                                kSurfaceFerguson};

}  // namespace

bool findPvfKeyword(std::string_view word, PvfKeyword& found) {
    for (int32_t kind : kFileKinds2D) {
        if (word == findKind2D(kind)->keyword) {
            found = {kind, false};
            return true;
        }
    }
    for (int32_t kind : kFileKinds3D) {
        if (word == findKind3D(kind)->keyword) {
            found = {kind, true};
            return true;
        }
    }
    return false;
}
