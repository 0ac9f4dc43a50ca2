#include "app/SpeedListing.h"

#include "model/ObjectKind.h"

void writeSpeedRow2D(std::ostream& out, const char* rowLabel, const SceneObject& object,
                     double timeMs) {
    out << rowLabel << timeMs;
    if (object.kind == kBSplineCurve) {
        // The B-spline builds its knots while drawing; the row keeps the brackets empty.
        out << "   U = [ "
            << "]";
    } else if (isNurbs(object.kind)) {
        out << "   U = [ ";
        for (int32_t k = 0; k < object.knotCount && k < static_cast<int32_t>(object.knots.size());
             ++k) {
            out << object.knots[static_cast<std::size_t>(k)] << ' ';
        }
        out << "]";
    }
    out << std::endl;
}
