#include "surfaces/TextureList.h"

#include <cstdio>
#include <string>

#include "io/UniqueFile.h"

void loadTextureList(TextureTable& table, const char* listPath, std::ostream& out,
                     const TextureLoader& load) {
    const UniqueFile file = openFile(listPath, "r");
    if (!file) return;
    out << "SYSTEM: Nacitam textury zapsane v textury.cfg ..." << std::endl;
    char word[240];
    // Names beyond the table's room are not loaded: the list box has no place for them.
    for (int k = 0; k < kListedTextureSlots; ++k) {
        if (std::fscanf(file.get(), "%239s", word) != 1) {
            if (std::ferror(file.get())) {
                out.flush();
                std::perror("SYSTEM: Chyba pri cteni souboru");
            }
            break;
        }
        out << word << std::endl;
        table.textureIds[2 + k] = load(word);
        table.textureLabels[static_cast<std::size_t>(k)] = "Textura_" + std::to_string(k);
        table.textureCount = k + 1;
    }
}
