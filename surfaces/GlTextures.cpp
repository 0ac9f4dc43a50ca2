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
        const TextureSize size = uploadSize(image.width, image.height);
        std::vector<GLubyte> scaled;
        if (size.width != image.width || size.height != image.height) {
            scaled.resize(static_cast<std::size_t>(size.width) * size.height * 3);
            gluScaleImage(GL_RGB, image.width, image.height, GL_UNSIGNED_BYTE, image.rgb.data(),
                          size.width, size.height, GL_UNSIGNED_BYTE, scaled.data());
        }
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, size.width, size.height, GL_RGB, GL_UNSIGNED_BYTE,
                          scaled.empty() ? image.rgb.data() : scaled.data());
    } else {
        const std::vector<GLubyte> white(3 * 5 * 3, 255);
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, 3, 5, GL_RGB, GL_UNSIGNED_BYTE, white.data());
    }
    return name;
}
