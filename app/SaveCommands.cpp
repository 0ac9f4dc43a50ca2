#include "app/SaveCommands.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "io/BitmapEncoders.h"
#include "io/ExportNames.h"
#include "io/PvfReader.h"
#include "io/PvfWriter.h"
#include "io/UniqueFile.h"

namespace {

// The field is a fixed buffer that the panel writes; never read past its end.
std::string fieldText(const char (&field)[300]) {
    return std::string(field, strnlen(field, sizeof field));
}

// Every save and export ends in one line: "SYSTEM: Export do <target> ...".
void reportExport(std::ostream& out, const char* target, bool written) {
    out << "SYSTEM: Export do " << target << (written ? " probehl uspesne" : " se nezdaril")
        << std::endl;
}

}  // namespace

bool SaveCommands::readVectorFile(const char* name) {
    const PvfReadReport report = readPvfFile(name, scene.objects2D, scene.surfaces3D);
    if (report.status == PvfReadReport::Status::ReadError) {
        err << readFailureLine(report.errorText) << std::endl;
    } else if (report.status == PvfReadReport::Status::NotRegular) {
        err << notRegularFileLine(name) << std::endl;
    }
    // The console keeps its fixed lines; what was left out is said on the error stream.
    if (report.blocksDropped > 0) {
        err << "SYSTEM: Ze souboru " << name
            << " vynechano poskozenych bloku: " << report.blocksDropped << std::endl;
    }
    return report.status == PvfReadReport::Status::Complete;
}

bool SaveCommands::writeVectorFile(const char* name) {
    return writePvfFile(name, scene.objects2D, scene.surfaces3D, std::time(nullptr));
}

void SaveCommands::resetFileName() { std::strcpy(mirrors.fileName, "export"); }

void SaveCommands::saveVectorFile() {
    const std::string name = pvfFileName(fieldText(mirrors.fileName));
    reportExport(out, "vektoroveho formatu PVF", writeVectorFile(name.c_str()));
    resetFileName();
}

// The file is created first, as any writer does: a name that cannot be written costs no
// redraw. Running out of memory for the pixels or their encoding ends the program with -1;
// the window system's exit does not return in the program.
bool SaveCommands::saveBitmap(const char* name, bool tga) {
    const UniqueFile file = openFile(name, "wb");
    if (!file) return false;
    RgbFrame frame;
    if (frames != nullptr && !frames->readFrame(frame)) {
        window.exitProcess(-1);
        return false;
    }
    std::vector<uint8_t> bytes;
    try {
        bytes = tga ? encodeTga(frame.pixels()) : encodeBmp(frame.pixels());
    } catch (const std::bad_alloc&) {
        window.exitProcess(-1);
        return false;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    return true;
}

bool SaveCommands::saveBmp(const char* name) { return saveBitmap(name, false); }

bool SaveCommands::saveTga(const char* name) { return saveBitmap(name, true); }

void SaveCommands::exportBmp() {
    const std::string name = bmpFileName(fieldText(mirrors.fileName));
    reportExport(out, "bitmapy BMP", saveBmp(name.c_str()));
    resetFileName();
}

void SaveCommands::exportTga() {
    const std::string name = tgaFileName(fieldText(mirrors.fileName));
    reportExport(out, "bitmapy Truevision TARGA (TGA)", saveTga(name.c_str()));
    resetFileName();
}
