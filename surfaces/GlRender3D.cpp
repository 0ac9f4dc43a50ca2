#include "surfaces/GlRender3D.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

GLenum lightName(LightId light) { return light == LightId::Light0 ? GL_LIGHT0 : GL_LIGHT1; }

void setEnabled(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

}  // namespace

GlRender3D::~GlRender3D() {
    if (quadric != nullptr) gluDeleteQuadric(quadric);
}

void GlRender3D::setMaterial(const Material& m) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, m.ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, m.diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m.specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.shininess);
}

// GL takes a light's position through the model-view in force, so the rotation placed there
// turns the light.
void GlRender3D::setLight(LightId light, const float (&rotation)[16], const float (&position)[4],
                          const float (&color)[4]) {
    glLoadIdentity();
    glMultMatrixf(rotation);
    const GLenum name = lightName(light);
    glLightfv(name, GL_POSITION, position);
    glLightfv(name, light == LightId::Light0 ? GL_AMBIENT : GL_DIFFUSE, color);
}

void GlRender3D::enableLighting(bool on) { setEnabled(GL_LIGHTING, on); }

void GlRender3D::enableLight(LightId light, bool on) { setEnabled(lightName(light), on); }

void GlRender3D::enableNormalize() { glEnable(GL_NORMALIZE); }

void GlRender3D::enableDepthTest() { glEnable(GL_DEPTH_TEST); }

void GlRender3D::sceneTransform(const float (&rotation)[16], float rotY, float rotX, float rotZ) {
    glLoadIdentity();
    glMultMatrixf(rotation);
    glRotatef(rotY, 0.0f, 1.0f, 0.0f);
    glRotatef(rotX, 1.0f, 0.0f, 0.0f);
    glRotatef(rotZ, 0.0f, 0.0f, 1.0f);
}

void GlRender3D::axisLines(const std::vector<AxisLines>& batches) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (const AxisLines& batch : batches) {
        glColor4f(batch.color.r, batch.color.g, batch.color.b, batch.color.a);
        glBegin(GL_LINES);
        for (const Segment3D& s : batch.segments) {
            glVertex3f(s.from.x, s.from.y, s.from.z);
            glVertex3f(s.to.x, s.to.y, s.to.z);
        }
        glEnd();
    }
    glDisable(GL_BLEND);
}

void GlRender3D::setColor(const Rgb& c) { glColor3f(c.r, c.g, c.b); }

void GlRender3D::setShading(Shading shading) {
    glShadeModel(shading == Shading::Smooth ? GL_SMOOTH : GL_FLAT);
}

void GlRender3D::setWireframe(bool on) { glPolygonMode(GL_FRONT_AND_BACK, on ? GL_LINE : GL_FILL); }

void GlRender3D::enableTexturing(bool on) { setEnabled(GL_TEXTURE_2D, on); }

void GlRender3D::bindTexture(unsigned int texture) { glBindTexture(GL_TEXTURE_2D, texture); }

void GlRender3D::sphereMapping(bool on) {
    if (on) {
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    }
    setEnabled(GL_TEXTURE_GEN_S, on);
    setEnabled(GL_TEXTURE_GEN_T, on);
}

void GlRender3D::beginNames() {
    glInitNames();
    glPushName(0);
    if (quadric != nullptr) gluDeleteQuadric(quadric);
    quadric = gluNewQuadric();
}

void GlRender3D::endNames() {
    if (quadric != nullptr) gluDeleteQuadric(quadric);
    quadric = nullptr;
    glPopName();
}

void GlRender3D::namedSphere(int name, const Vec3& centre, float radius, int slices, const Rgb& c) {
    if (quadric == nullptr) quadric = gluNewQuadric();
    glLoadName(static_cast<GLuint>(name));
    glPushMatrix();
    glTranslatef(centre.x, centre.y, centre.z);
    glColor3f(c.r, c.g, c.b);
    gluSphere(quadric, radius, slices, slices);
    glPopMatrix();
}
