#include "app/GlFont.h"

#include "core/MessageService.h"
#include "platform/GlOutlineFont.h"
#include "render/GlText.h"

#include <GL/gl.h>

bool CreateGLFont(std::int32_t& base, const std::string& faceName, std::int32_t /*height*/,
                  std::int32_t weight, bool italic, std::int32_t colour) {
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
    return true;
}
