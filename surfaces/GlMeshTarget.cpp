#include "surfaces/GlMeshTarget.h"

#include <GL/gl.h>

namespace {

GLenum glPrimitive(MeshPrimitive primitive) {
    switch (primitive) {
        case MeshPrimitive::Points:
            return GL_POINTS;
        case MeshPrimitive::Lines:
            return GL_LINES;
        case MeshPrimitive::TriangleStrip:
            return GL_TRIANGLE_STRIP;
        case MeshPrimitive::QuadStrip:
            return GL_QUAD_STRIP;
    }
    return GL_POINTS;
}

}  // namespace

void GlMeshTarget::setColor(float r, float g, float b) { glColor3f(r, g, b); }

void GlMeshTarget::begin(MeshPrimitive primitive) { glBegin(glPrimitive(primitive)); }

void GlMeshTarget::normal(const Vec3& n) {
    const GLfloat v[3] = {n.x, n.y, n.z};
    glNormal3fv(v);
}

void GlMeshTarget::texCoord(float s, float t) {
    const GLfloat st[2] = {s, t};
    glTexCoord2fv(st);
}

void GlMeshTarget::vertex(const Vec3& v) { glVertex3f(v.x, v.y, v.z); }

void GlMeshTarget::end() { glEnd(); }
