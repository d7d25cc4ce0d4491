#include "app/GlFont.h"

#include "core/MessageService.h"
#include "platform/GlOutlineFont.h"
#include "render/GlText.h"
#include "render/ScreenText.h"

#include <QGuiApplication>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>

int ScreenFontPixels(std::int32_t height) {
    const double ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    return int(std::lround(2.0 * std::abs(double(height)) * (ratio > 0 ? ratio : 1.0)));
}

bool CreateGLFont(std::int32_t& base, const std::string& faceName, std::int32_t height, std::int32_t weight,
                  bool italic, std::int32_t colour) {
    SetGLColor(colour);
    const GLuint first = glGenLists(OutlineFontGlyphCount);
    base = std::int32_t(first);
    if (first == 0) {
        MsgBox("无法创建字体。", MsgIcon::Critical);
        return false;
    }
    if (!BuildOutlineFontLists(first, faceName, weight, italic, 0.1f)) {
        MsgBox("无法创建字体。", MsgIcon::Critical);
        glDeleteLists(first, OutlineFontGlyphCount);
        return false;
    }
    // The same glyphs upright in pixels, for the axes' labels and titles.
    const int pixels = ScreenFontPixels(height);
    const std::optional<GlyphAtlas> smooth = BuildGlyphAtlas(faceName, pixels, weight, italic, true);
    const std::optional<GlyphAtlas> plain = BuildGlyphAtlas(faceName, pixels, weight, italic, false);
    if (!smooth || !plain || !InstallScreenFont(base, *smooth, *plain)) {
        MsgBox("无法创建字体。", MsgIcon::Critical);
        glDeleteLists(first, OutlineFontGlyphCount);
        return false;
    }
    return true;
}
