#include "surfaces/TextureList.h"

#include <string>

#include "io/CharSource.h"
#include "io/ScanfScanner.h"
#include "io/UniqueFile.h"

namespace {

// A missing image says nothing: its name on the console and the white texture tell it.
void reportImage(std::ostream& errors, const std::string& name, ImageStatus status) {
    if (status == ImageStatus::NotRegular) {
        errors << notRegularFileLine(name) << std::endl;
    } else if (status == ImageStatus::BadSize) {
        errors << readFailureLine(name + " ma sirku nebo vysku mimo 1 az " +
                                  std::to_string(kMaxBenSide))
               << std::endl;
    } else if (status == ImageStatus::Truncated) {
        errors << readFailureLine(name + " je kratsi, nez udava jeho hlavicka") << std::endl;
    }
}

}  // namespace

void loadTextureList(TextureTable& table, const char* listPath, std::ostream& out,
                     std::ostream& errors, const TextureLoader& load) {
    const InputFile list = openInputFile(listPath, "r");
    if (list.status == InputFile::Status::NotRegular)
        errors << notRegularFileLine(listPath) << std::endl;
    if (list.status != InputFile::Status::Opened) return;
    out << "SYSTEM: Nacitam textury zapsane v textury.cfg ..." << std::endl;
    FileSource source(list.file.get());
    ScanfScanner in(source);
    std::string name;
    // Names beyond the table's room are not loaded: the list box has no place for them.
    for (int k = 0; k < kListedTextureSlots;) {
        const ScanfScanner::Word word = in.readWord(name, kMaxTextureName);
        if (word == ScanfScanner::Word::None || in.failed()) break;
        // Cut to its first part, a long name would open another file than the one named.
        if (word == ScanfScanner::Word::TooLong) {
            errors << readFailureLine("nazev textury delsi nez " + std::to_string(kMaxTextureName) +
                                      " znaku vynechan")
                   << std::endl;
            continue;
        }
        out << name << std::endl;
        ImageStatus status = ImageStatus::Read;
        table.textureIds[2 + k] = load(name.c_str(), &status);
        reportImage(errors, name, status);
        table.textureLabels[static_cast<std::size_t>(k)] = "Textura_" + std::to_string(k);
        table.textureCount = ++k;
    }
    if (in.failed()) errors << readFailureLine(in.failureText()) << std::endl;
}
