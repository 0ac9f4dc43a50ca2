#include <cstring>
#include <ctime>
#include <string>

#include "app/Application.h"
#include "io/BitmapEncoders.h"
#include "io/ExportNames.h"
#include "io/PvfReader.h"
#include "io/PvfWriter.h"

namespace {

constexpr int kSaveBmpCommand = 99;
constexpr int kSavePvfCommand = 100;
constexpr int kSaveTgaCommand = 101;

// The field is a fixed buffer that the panel writes; never read past its end.
std::string fieldText(const char (&field)[300]) {
    return std::string(field, strnlen(field, sizeof field));
}

}  // namespace

bool Application::readVectorFile(const char* name) {
    const PvfReadReport report = readPvfFile(name, objects2D, surfaces3D);
    if (report.status == PvfReadReport::Status::ReadError) {
        err << "SYSTEM: Chyba pri cteni souboru: " << report.errorText << std::endl;
    }
    // The console keeps its fixed lines; what was left out is said on the error stream.
    if (report.blocksDropped > 0) {
        err << "SYSTEM: Ze souboru " << name
            << " vynechano poskozenych bloku: " << report.blocksDropped << std::endl;
    }
    return report.status == PvfReadReport::Status::Complete;
}

bool Application::writeVectorFile(const char* name) {
    return writePvfFile(name, objects2D, surfaces3D, std::time(nullptr));
}

void Application::resetFileName() { std::strcpy(fileName, "export"); }

void Application::saveVectorFile() {
    const std::string name = pvfFileName(fieldText(fileName));
    if (writeVectorFile(name.c_str())) {
        out << "SYSTEM: Export do vektoroveho formatu PVF probehl uspesne" << std::endl;
    } else {
        out << "SYSTEM: Export do vektoroveho formatu PVF se nezdaril" << std::endl;
    }
    resetFileName();
}

// Running out of memory for the pixels ends the program with -1; the window system's exit
// does not return in the program.
bool Application::saveBitmap(const char* name, bool tga) {
    RgbFrame frame;
    if (frames != nullptr && !frames->readFrame(frame)) {
        window.exitProcess(-1);
        return false;
    }
    return writeBytesFile(name, tga ? encodeTga(frame.pixels()) : encodeBmp(frame.pixels()));
}

bool Application::saveBmp(const char* name) { return saveBitmap(name, false); }

bool Application::saveTga(const char* name) { return saveBitmap(name, true); }

void Application::exportBmp() {
    const std::string name = bmpFileName(fieldText(fileName));
    if (saveBmp(name.c_str())) {
        out << "SYSTEM: Export do bitmapy BMP probehl uspesne" << std::endl;
    } else {
        out << "SYSTEM: Export do bitmapy BMP se nezdaril" << std::endl;
    }
    resetFileName();
}

void Application::exportTga() {
    const std::string name = tgaFileName(fieldText(fileName));
    if (saveTga(name.c_str())) {
        out << "SYSTEM: Export do bitmapy Truevision TARGA (TGA) probehl uspesne" << std::endl;
    } else {
        out << "SYSTEM: Export do bitmapy Truevision TARGA (TGA) se nezdaril" << std::endl;
    }
    resetFileName();
}

void Application::panelCommand(int id) {
    switch (id) {
        case kSaveBmpCommand:
            exportBmp();
            break;
        case kSavePvfCommand:
            saveVectorFile();
            break;
        case kSaveTgaCommand:
            exportTga();
            break;
        default:
            break;
    }
}
