#include "io/PvfWriter.h"

#include "io/UniqueFile.h"

#include <cstdio>

#include "io/PvfBlockWriter.h"

namespace {

const char* const kHeaderRule =
    "; ----------------------------------------------------------------------\n";

std::string header(const std::string& stamp) {
    std::string text = kHeaderRule;
    text += "; PIXELFORGE VECTOR FILE FORMAT <.PVF>\n";
    text += kHeaderRule;
    text += "; Tento soubor byl vygenerovan v " + stamp;
    text += "; Obsahuje vektorovy zapis objektu pro program PIXELFORGE\n";
    text += "; Soubor ma presne danou strukturu, editujte pouze pokud jste\n";
    text += "; obeznameni s PVF formatem -> Informace pro rucni editovani\n";
    text += "; hledejte v souboru help.htm, sekce PVF format\n";
    text += "\n\n";
    return text;
}

}  // namespace

// asctime's own layout, so the stamp does not depend on a static buffer.
std::string ctimeStamp(std::time_t when) {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm t{};
    if (localtime_r(&when, &t) == nullptr) return "???\n";
    char text[128];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", kDays[t.tm_wday],
                  kMonths[t.tm_mon], t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, 1900 + t.tm_year);
    return text;
}

std::string pvfText(const ObjectList& objects2D, const ObjectList& surfaces3D,
                    const std::string& stamp) {
    std::string text = header(stamp);
    text += "; 2D grafika\n\n";
    for (const SceneObject& object : objects2D)
        appendBlock2D(text, object);
    text += "; 3D grafika\n\n";
    for (const SceneObject& surface : surfaces3D)
        appendSurfaceBlock(text, surface);
    text += "\n; END of PVF\n";
    return text;
}

bool writePvfFile(const char* path, const ObjectList& objects2D, const ObjectList& surfaces3D,
                  std::time_t when) {
    const std::string text = pvfText(objects2D, surfaces3D, ctimeStamp(when));
    const UniqueFile file = openFile(path, "w");
    if (!file) return false;
    std::fwrite(text.data(), 1, text.size(), file.get());
    return true;
}
