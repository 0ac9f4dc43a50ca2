#include "app/ScenePass2D.h"

#include "app/SpeedListing.h"

namespace {

int px(float v) { return static_cast<int>(v); }  // truncation toward zero

}  // namespace

void ScenePass2D::markInactive(const Point3& p, float h) {
    const int left = px(p.x - h);
    const int right = px(p.x + h);
    const int bottom = px(p.y - h);
    const int top = px(p.y + h);
    LineAlgorithms& lines = algo.lineAlgo;
    lines.lineBresenham(right, bottom, right, top);
    lines.lineBresenham(right, top, left, top);
    lines.lineBresenham(left, top, left, bottom);
    lines.lineBresenham(left, bottom, right, bottom);
}

void ScenePass2D::markPoint(const Point3& p) {
    algo.lineAlgo.setColor(colors.controlColor.r, colors.controlColor.g, colors.controlColor.b);
    markInactive(p, 5.0f);
}

void ScenePass2D::drawScene2D() {
    if (settings.showInactivePoints != 0) {
        const Rgb& c = colors.inactiveColor;
        algo.lineAlgo.setColor(c.r, c.g, c.b);
        for (const SceneObject& object : scene.objects2D) {
            if (object.active) continue;
            for (std::size_t i = 0; i < placedPoints(object); ++i)
                markInactive(object.points[i], 5.0f);
        }
    }
    ObjectList& list = scene.objects2D;
    for (scene.current = list.begin(); scene.current != list.end(); ++scene.current) {
        drawObject(*scene.current);
    }
    drawActivePointHighlight();
}

void ScenePass2D::drawObject(const SceneObject& object) {
    const KindInfo* info = findKind2D(object.kind);
    if (info == nullptr || info->rowLabel == nullptr) return;
    if (object.active) {
        if (settings.showControlPolygon != 0) drawAid(info->aid, object);
        if (settings.showControlPoints != 0) {
            for (std::size_t i = 0; i < placedPoints(object); ++i)
                markPoint(object.points[i]);
        }
        if (showsArrow(*info, object)) out << kActivePrefix;
    } else {
        out << kInactivePrefix;
    }
    familyOf(algo, object)
        ->setColor(colors.objectColor.r, colors.objectColor.g, colors.objectColor.b);
    if (!isComplete(*info, object)) return;
    const double t = drawKind2D(algo, object);
    if (object.active) mirrors.lastTime = static_cast<float>(t);
    writeSpeedRow2D(out, info->rowLabel, object, t);
}

void ScenePass2D::drawAid(KindAid aid, const SceneObject& object) {
    const std::size_t count = placedPoints(object);
    const Rgb& c = colors.polygonColor;
    auto tangent = [&](std::size_t from, std::size_t to) {
        const Point3& a = object.points[from];
        const Point3& b = object.points[to];
        algo.lineAlgo.lineBresenham(px(a.x), px(a.y), px(b.x), px(b.y));
    };
    switch (aid) {
        case KindAid::None:
            break;
        case KindAid::Polygon:
            algo.curveAlgo.drawPolygon(object.points.data(), static_cast<int>(count), c.r, c.g,
                                       c.b);
            break;
        case KindAid::TangentLines:
            algo.lineAlgo.setColor(c.r, c.g, c.b);
            if (count >= 2) tangent(0, 1);
            if (count == 4) tangent(2, 3);
            break;
        case KindAid::TangentPairs:
            algo.lineAlgo.setColor(c.r, c.g, c.b);
            for (std::size_t k = 0; k + 1 < count; k += 2)
                tangent(k, k + 1);
            break;
    }
}

// A square in the active colour framed by two black squares.
void ScenePass2D::drawActivePointHighlight() {
    if (!scene.findActive(scene.objects2D)) return;
    const SceneObject& object = *scene.current;
    const int index = editing.activePoint;
    if (placedPoints(object) == 0 || settings.showControlPoints == 0 || index < 0) return;
    if (static_cast<std::size_t>(index) >= object.points.size()) return;
    const Point3& p = object.points[static_cast<std::size_t>(index)];
    algo.lineAlgo.setColor(0.0f, 0.0f, 0.0f);
    markInactive(p, 6.0f);
    markInactive(p, 4.0f);
    algo.lineAlgo.setColor(colors.activeColor.r, colors.activeColor.g, colors.activeColor.b);
    markInactive(p, 5.0f);
}
