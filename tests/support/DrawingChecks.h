#pragma once
// Checks shared by the drawing tests: the result pane's lines, and the state
// a branch drawn in the line state ends with.
#include "core/Globals.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

// The pane's lines (each ended by CrLf).
inline std::vector<std::string> PaneLines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at = text.find(CrLf); at != std::string::npos; at = text.find(CrLf, start)) {
        out.push_back(text.substr(start, at - start));
        start = at + CrLf.size();
    }
    EXPECT_EQ(start, text.size()) << "the pane ends with a line break";
    return out;
}

// Lighting on, smoothing and blending off, the line width last set, no GL error.
inline void ExpectLineStateEnded(float width) {
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
    GLfloat actual = 0;
    glGetFloatv(GL_LINE_WIDTH, &actual);
    EXPECT_EQ(actual, width);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
