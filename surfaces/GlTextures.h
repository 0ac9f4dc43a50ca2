#pragma once

// Reads a .ben image into a new mipmapped texture; a missing image gives a white 3 by 5 one.
unsigned int loadTexture(const char* path);
