#include "render/GlText.h"

#include "core/ColorParts.h"
#include "core/GbkCodec.h"
#include "core/Globals.h"
#include "core/Utf8.h"

#include <GL/gl.h>

namespace {

// The text's bytes in the ANSI code page (GBK); a character it cannot hold
// becomes '?', as the system's conversion does.
std::string AnsiBytes(const std::string& utf8) {
    if (std::optional<std::string> gbk = Utf8ToGbk(utf8)) return *gbk;
    std::string out;
    for (char32_t u : Utf8ToCodePoints(utf8)) {
        const std::optional<std::string> gbk = Utf8ToGbk(CodePointToUtf8(u));
        out += gbk ? *gbk : std::string("?");
    }
    return out;
}

} // namespace

std::int32_t LabelFontBase = 0;
std::int32_t TitleFontBase = 0;

namespace {
// Back to the starting values between tests (see ResetProgramState).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] {
    LabelFontBase = 0;
    TitleFontBase = 0;
});
}

std::int32_t GetRed(std::int32_t c) { return ColorParts(c).red; }
std::int32_t GetGreen(std::int32_t c) { return ColorParts(c).green; }
std::int32_t GetBlue(std::int32_t c) { return ColorParts(c).blue; }

void SetGLColor(std::int32_t c) {
    glColor3f(float(GetRed(c) / 255.0), float(GetGreen(c) / 255.0), float(GetBlue(c) / 255.0));
}

void DrawGLText(std::int32_t listBase, const std::string& text, float x, float y, float z,
                const std::array<float, 4>& rotation, std::optional<std::int32_t> colour) {
    glPushAttrib(GL_POLYGON_BIT);
    glPushMatrix();
    glListBase(GLuint(listBase));
    glTranslatef(x, y, z);
    glScalef(0.7f, 0.7f, 0.7f);
    glRotatef(rotation[0], rotation[1], rotation[2], rotation[3]);
    if (colour) SetGLColor(*colour);
    // The fonts hold codes 0..127 only; a byte above (a Chinese character)
    // would reach below the base, into the other font, so it is skipped.
    std::string bytes = AnsiBytes(text);
    std::erase_if(bytes, [](char c) { return static_cast<unsigned char>(c) > 127; });
    if (!bytes.empty()) glCallLists(GLsizei(bytes.size()), GL_BYTE, bytes.data());
    glPopMatrix();
    glPopAttrib();
}
