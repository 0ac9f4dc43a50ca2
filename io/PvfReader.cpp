#include "io/PvfReader.h"

#include "io/PvfBlocks.h"
#include "io/ScanfScanner.h"
#include "io/UniqueFile.h"
#include "model/ObjectKind.h"

namespace {

void addObject2D(ObjectList& objects2D, SceneObject&& object) {
    for (SceneObject& o : objects2D)
        o.active = false;
    objects2D.push_front(std::move(object));
}

void addSurface(ObjectList& surfaces3D, SceneObject&& surface) {
    for (SceneObject& o : surfaces3D) {
        if (o.active) {
            o.active = false;
            break;
        }
    }
    surfaces3D.push_front(std::move(surface));
}

void readBlock(int32_t kind, bool in3D, ScanfScanner& in, ObjectList& objects2D,
               ObjectList& surfaces3D, PvfReadReport& report) {
    SceneObject object;
    const bool ok = in3D ? readSurfaceBlock(kind, in, object) : readBlock2D(kind, in, object);
    if (!ok) {
        ++report.blocksDropped;
        return;
    }
    if (in3D) {
        addSurface(surfaces3D, std::move(object));
    } else {
        addObject2D(objects2D, std::move(object));
    }
    ++report.objectsAdded;
}

}  // namespace

// One character decides: ";" opens a comment to the line end, anything else is dropped and
// the next word is read. So a keyword needs white space before it, and a keyword right after
// a comment line loses its first letter.
PvfReadReport readPvf(CharSource& source, ObjectList& objects2D, ObjectList& surfaces3D) {
    ScanfScanner in(source);
    PvfReadReport report;
    std::string word;
    while (!in.atEnd()) {
        const int c = in.get();
        if (c == ';') {
            in.skipLine();
        } else if (c != CharSource::kEnd) {
            if (in.readWord(word) == ScanfScanner::Word::Read) {
                if (const KindInfo* kind2D = findKindByKeyword(word, false)) {
                    readBlock(kind2D->kind, false, in, objects2D, surfaces3D, report);
                } else if (const KindInfo* kind3D = findKindByKeyword(word, true)) {
                    readBlock(kind3D->kind, true, in, objects2D, surfaces3D, report);
                }
            }
        }
        if (in.failed()) {
            report.status = PvfReadReport::Status::ReadError;
            report.errorText = in.failureText();
            return report;
        }
    }
    return report;
}

PvfReadReport readPvfText(std::string_view text, ObjectList& objects2D, ObjectList& surfaces3D) {
    StringSource source(text);
    return readPvf(source, objects2D, surfaces3D);
}

PvfReadReport readPvfFile(const char* path, ObjectList& objects2D, ObjectList& surfaces3D) {
    const UniqueFile file = openFile(path, "r");
    if (!file) {
        PvfReadReport report;
        report.status = PvfReadReport::Status::CannotOpen;
        return report;
    }
    FileSource source(file.get());
    return readPvf(source, objects2D, surfaces3D);
}
