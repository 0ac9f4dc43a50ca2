#pragma once

#include <string>
#include <vector>

#include "tools/Canvas.h"
#include "tools/TextPictures.h"
#include "tools/TexturePictures.h"

// Every picture the program loads, by the relative name it opens it under.
struct AssetPicture {
    const char* path;
    Canvas (*draw)();
    bool listed;  // named in the texture list
};

inline const std::vector<AssetPicture>& assetPictures() {
    static const std::vector<AssetPicture> pictures = {
        {"data/logo.ben", drawLogo, false},
        {"data/konec.ben", drawExitQuestion, false},
        {"data/textures/checker.ben", drawChecker, true},
        {"data/textures/bricks.ben", drawBricks, true},
        {"data/textures/marble.ben", drawMarble, true},
        {"data/textures/wood.ben", drawWood, true},
        {"data/textures/envmap.ben", drawEnvironmentMap, true},
    };
    return pictures;
}

constexpr const char* kTextureListName = "textury.cfg";

// One name a line, in the order the "Textura:" list shows them.
inline std::string textureListText() {
    std::string text;
    for (const AssetPicture& p : assetPictures()) {
        if (p.listed) text += std::string(p.path) + "\n";
    }
    return text;
}
