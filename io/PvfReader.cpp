#include "io/PvfReader.h"

#include "io/PvfBlocks.h"
#include "io/ScanfScanner.h"
#include "io/UniqueFile.h"
#include "model/ObjectKind.h"

namespace {

class SceneLists {
  public:
    SceneLists(ObjectList& objects, ObjectList& surfaces)
        : objects2D(objects), surfaces3D(surfaces) {}

    // Every 2D block clears the active flag of every object of its list. Once one block has
    // walked the whole list, only the object in front can be active, and clearing that one is
    // the same: without this, loading is quadratic in the number of objects.
    void addObject2D(SceneObject&& object) {
        if (walked2D) {
            objects2D.front().active = false;
        } else {
            for (SceneObject& o : objects2D)
                o.active = false;
            walked2D = true;
        }
        objects2D.push_front(std::move(object));
    }

    // The walk stops at the surface read before, which is active and in front.
    void addSurface(SceneObject&& surface) {
        for (SceneObject& o : surfaces3D) {
            if (o.active) {
                o.active = false;
                break;
            }
        }
        surfaces3D.push_front(std::move(surface));
    }

  private:
    ObjectList& objects2D;
    ObjectList& surfaces3D;
    bool walked2D = false;
};

void readBlock(int32_t kind, bool in3D, ScanfScanner& in, SceneLists& lists,
               PvfReadReport& report) {
    SceneObject object;
    const bool ok = in3D ? readSurfaceBlock(kind, in, object) : readBlock2D(kind, in, object);
    if (!ok) {
        ++report.blocksDropped;
        return;
    }
    if (in3D) {
        lists.addSurface(std::move(object));
    } else {
        lists.addObject2D(std::move(object));
    }
    ++report.objectsAdded;
}

}  // namespace

// One character decides: ";" opens a comment to the line end, anything else is dropped and
// the next word is read. So a keyword needs white space before it, and a keyword right after
// a comment line loses its first letter.
PvfReadReport readPvf(CharSource& source, ObjectList& objects2D, ObjectList& surfaces3D) {
    ScanfScanner in(source);
    SceneLists lists(objects2D, surfaces3D);
    PvfReadReport report;
    std::string word;
    while (!in.atEnd()) {
        const int c = in.get();
        if (c == ';') {
            in.skipLine();
        } else if (c != CharSource::kEnd) {
            if (in.readWord(word) == ScanfScanner::Word::Read) {
                if (const KindInfo* kind2D = findKindByKeyword(word, false)) {
                    readBlock(kind2D->kind, false, in, lists, report);
                } else if (const KindInfo* kind3D = findKindByKeyword(word, true)) {
                    readBlock(kind3D->kind, true, in, lists, report);
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
    const InputFile in = openInputFile(path, "r");
    if (in.status != InputFile::Status::Opened) {
        PvfReadReport report;
        report.status = in.status == InputFile::Status::NotRegular
                            ? PvfReadReport::Status::NotRegular
                            : PvfReadReport::Status::CannotOpen;
        return report;
    }
    FileSource source(in.file.get());
    return readPvf(source, objects2D, surfaces3D);
}
