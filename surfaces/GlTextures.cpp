#include "surfaces/GlTextures.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <vector>

unsigned int loadTexture(const char* path, ImageStatus* status) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // .ben rows carry no padding, and the white fallback is 9 bytes a row.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    BenImage image;
    const ImageStatus read = readImage(path, image);
    if (status != nullptr) *status = read;
    if (read == ImageStatus::Read) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.width, image.height, GL_RGB,
                          GL_UNSIGNED_BYTE, image.rgb.data());
    } else {
        const std::vector<GLubyte> white(3 * 5 * 3, 255);
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, 3, 5, GL_RGB, GL_UNSIGNED_BYTE, white.data());
    }
    return name;
}
