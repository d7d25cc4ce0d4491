#include "graph/Cls2.h"

#include "core/ColorParts.h"
#include "core/Globals.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <unordered_map>

Cls2 Cls2::Init(float x, float y, float z) {
    Cls2 p;
    p.x = x;
    p.y = y;
    p.z = z;
    return p;
}

void Cls2::SplitColor(std::int32_t color, double& red, double& green, double& blue) {
    const ColorBytes parts = ColorParts(color);
    red = parts.red / 255.0;
    green = parts.green / 255.0;
    blue = parts.blue / 255.0;
}

namespace {

// The 21 rim points of a circle marker: angle i*0.31416 (a 32-bit float), the
// last one just past a full turn so the rim closes.
struct Rim {
    float px[21];
    float py[21];
    Rim(float cx, float cy, double radius) {
        for (int i = 0; i <= 20; ++i) {
            const float theta = static_cast<float>(i * 31416 / 100000.0);
            px[i] = static_cast<float>(cx + radius * std::cos(theta));
            py[i] = static_cast<float>(cy + radius * std::sin(theta));
        }
    }
    // The disc: one triangle per rim segment, all meeting at the centre.
    void Fill(double cx, double cy, double cz) const {
        for (int j = 0; j < 20; ++j) {
            glBegin(GL_TRIANGLES);
            glVertex3d(px[j], py[j], 0);
            glVertex3d(px[j + 1], py[j + 1], 0);
            glVertex3d(cx, cy, cz);
            glEnd();
        }
    }
};

// The radius of the sphere of a marker of the given size.
double SphereRadius(double size) { return size * 5 / 100 + 5.0 / 100; }

void BuildSphere(double radius) {
    GLUquadric* quadric = gluNewQuadric();
    if (quadric != nullptr) {
        gluSphere(quadric, radius, 32, 32);
        gluDeleteQuadric(quadric);
    }
}

// The sphere lists made, by the bits of their radius.
std::unordered_map<std::uint64_t, GLuint>& SphereLists() {
    static std::unordered_map<std::uint64_t, GLuint> lists;
    return lists;
}

// A sphere about the origin: its list when one was prepared, else built here.
void DrawSphere(double radius) {
    const auto& lists = SphereLists();
    const auto found = lists.find(std::bit_cast<std::uint64_t>(radius));
    if (found != lists.end()) glCallList(found->second);
    else BuildSphere(radius);
}

// The lists belong to a context; a test's reset starts without any.
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] { SphereLists().clear(); });

} // namespace

void Cls2::PrepareSphere(float size) {
    const double radius = SphereRadius(size);
    auto& lists = SphereLists();
    const std::uint64_t key = std::bit_cast<std::uint64_t>(radius);
    if (const auto found = lists.find(key); found != lists.end()) {
        // A list that no longer exists is made again.
        if (glIsList(found->second) == GL_TRUE) return;
        lists.erase(found);
    }
    const GLuint list = glGenLists(1);
    if (list == 0) return;
    glNewList(list, GL_COMPILE);
    BuildSphere(radius);
    glEndList();
    lists.emplace(key, list);
}

void Cls2::ReleaseSpheres() {
    for (const auto& entry : SphereLists()) glDeleteLists(entry.second, 1);
    ForgetSpheres();
}

void Cls2::ForgetSpheres() { SphereLists().clear(); }

std::size_t Cls2::SphereListCount() { return SphereLists().size(); }

void Cls2::Draw() const {
    double red = 0, green = 0, blue = 0;
    SplitColor(Color, red, green, blue);
    const auto setColor = [&] {
        glColor3f(static_cast<GLfloat>(red), static_cast<GLfloat>(green), static_cast<GLfloat>(blue));
    };
    const double size = Size;

    glPushMatrix();
    if (DocumentKind == 1) {
        switch (Symbol) {
        case 1: { // filled circle
            const Rim rim(x, y, size * 5 / 100 + 5.0 / 100);
            setColor();
            rim.Fill(x, y, z);
            break;
        }
        case 2: { // hollow circle: white disc with an outline in the colour
            const Rim rim(x, y, size * 4 / 100 + 5.0 / 100);
            glColor3f(1, 1, 1);
            rim.Fill(x, y, z);
            glLineWidth(1);
            setColor();
            for (int j = 0; j < 20; ++j) {
                glBegin(GL_LINES);
                glVertex3d(rim.px[j], rim.py[j], 0);
                glVertex3d(rim.px[j + 1], rim.py[j + 1], 0);
                glEnd();
            }
            break;
        }
        case 3: { // square
            const double s = size * 5 / 100;
            setColor();
            glBegin(GL_QUADS);
            glVertex3d(x - s, y + s, 0);
            glVertex3d(x - s, y - s, 0);
            glVertex3d(x + s, y - s, 0);
            glVertex3d(x + s, y + s, 0);
            glEnd();
            break;
        }
        case 4: { // triangle
            const double t = size * 7.5 / 100;
            setColor();
            glBegin(GL_TRIANGLES);
            glVertex3d(x, y + t, 0);
            glVertex3d(x - t, y - t, 0);
            glVertex3d(x + t, y - t, 0);
            glEnd();
            break;
        }
        case 5: { // diamond
            const double t = size * 7.5 / 100;
            setColor();
            glBegin(GL_QUADS);
            glVertex3d(x, y + t, 0);
            glVertex3d(x - t, y, 0);
            glVertex3d(x, y - t, 0);
            glVertex3d(x + t, y, 0);
            glEnd();
            break;
        }
        case 6: { // cross
            const double t = size * 7.5 / 100;
            setColor();
            glLineWidth(Size);
            glBegin(GL_LINES);
            glVertex3d(x, y + t, 0);
            glVertex3d(x, y - t, 0);
            glEnd();
            glBegin(GL_LINES);
            glVertex3d(x - t, y, 0);
            glVertex3d(x + t, y, 0);
            glEnd();
            break;
        }
        default:
            break;
        }
    } else {
        setColor();
        glTranslatef(x, y, z);
        DrawSphere(SphereRadius(size));
    }
    glPopMatrix();
}
