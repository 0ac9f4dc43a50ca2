#include "app/ScenePass2D.h"

#include "app/Application.h"
#include "app/SpeedListing.h"

using Aid = PassEntry2D::Aid;

void Application::markInactive(const Point3& p, float h) {
    const int left = pixelCoordinate(p.x - h);
    const int right = pixelCoordinate(p.x + h);
    const int bottom = pixelCoordinate(p.y - h);
    const int top = pixelCoordinate(p.y + h);
    lineAlgo->lineBresenham(right, bottom, right, top);
    lineAlgo->lineBresenham(right, top, left, top);
    lineAlgo->lineBresenham(left, top, left, bottom);
    lineAlgo->lineBresenham(left, bottom, right, bottom);
}

void Application::markPoint(const Point3& p) {
    lineAlgo->setColor(controlColor.r, controlColor.g, controlColor.b);
    markInactive(p, 5.0f);
}

void Application::drawScene2D() {
    if (showInactivePoints != 0) {
        lineAlgo->setColor(inactiveColor.r, inactiveColor.g, inactiveColor.b);
        for (const SceneObject& object : objects2D) {
            if (object.active) continue;
            for (std::size_t i = 0; i < placedPoints(object); ++i)
                markInactive(object.points[i], 5.0f);
        }
    }
    for (current = objects2D.begin(); current != objects2D.end(); ++current) {
        drawObject2D(*current);
    }
    drawActivePointHighlight();
}

void Application::drawObject2D(SceneObject& object) {
    const PassEntry2D* entry = findPassEntry2D(object.kind);
    if (entry == nullptr) return;
    if (object.active) {
        if (showControlPolygon != 0) drawAid(entry->aid, object);
        if (showControlPoints != 0) {
            for (std::size_t i = 0; i < placedPoints(object); ++i)
                markPoint(object.points[i]);
        }
        if (entry->prefixed(object)) out << kActivePrefix;
    } else {
        out << kInactivePrefix;
    }
    entry->family(*this).setColor(objectColor.r, objectColor.g, objectColor.b);
    if (!entry->complete(object)) return;
    const double t = entry->draw(*this, object);
    if (object.active) lastTime = static_cast<float>(t);
    writeSpeedRow2D(out, entry->rowLabel, object, t);
}

void Application::drawAid(PassEntry2D::Aid aid, const SceneObject& object) {
    const std::size_t count = placedPoints(object);
    auto tangent = [&](std::size_t from, std::size_t to) {
        const Point3& a = object.points[from];
        const Point3& b = object.points[to];
        lineAlgo->lineBresenham(pixelCoordinate(a.x), pixelCoordinate(a.y), pixelCoordinate(b.x),
                                pixelCoordinate(b.y));
    };
    switch (aid) {
        case Aid::None:
            break;
        case Aid::Polygon:
            curveAlgo->drawPolygon(object.points.data(), static_cast<int>(count), polygonColor.r,
                                   polygonColor.g, polygonColor.b);
            break;
        case Aid::TangentLines:
            lineAlgo->setColor(polygonColor.r, polygonColor.g, polygonColor.b);
            if (count >= 2) tangent(0, 1);
            if (count == 4) tangent(2, 3);
            break;
        case Aid::TangentPairs:
            lineAlgo->setColor(polygonColor.r, polygonColor.g, polygonColor.b);
            for (std::size_t k = 0; k + 1 < count; k += 2)
                tangent(k, k + 1);
            break;
    }
}

// A square in the active colour framed by two black squares.
void Application::drawActivePointHighlight() {
    if (!findActive(objects2D)) return;
    const SceneObject& object = *current;
    if (placedPoints(object) == 0 || showControlPoints == 0 || activePoint < 0) return;
    if (static_cast<std::size_t>(activePoint) >= object.points.size()) return;
    const Point3& p = object.points[static_cast<std::size_t>(activePoint)];
    lineAlgo->setColor(0.0f, 0.0f, 0.0f);
    markInactive(p, 6.0f);
    markInactive(p, 4.0f);
    lineAlgo->setColor(activeColor.r, activeColor.g, activeColor.b);
    markInactive(p, 5.0f);
}
