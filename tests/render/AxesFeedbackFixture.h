#pragma once
// For tests of the coordinate systems: a 400 x 400 GL context, the two test
// glyph fonts as the label font (tag 0) and the title font (tag 1000), whose
// lists follow each other as the program's do, and an own Cls3; program-wide
// state reset before and after. The axes' texts are read as the drawing
// records them (render/ScreenText.h), drawn outside any display list.
#include "render/GlText.h"
#include "render/ScreenText.h"
#include "scene/Cls3.h"

#include "tests/support/GlFeedback.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

// A recorded text: its characters, anchor and font (0 labels, 1000 titles).
struct AnchoredText {
    std::string text;
    double x, y, z;
    int font;
};

// The texts of the last axes drawing, in the order drawn.
inline const std::vector<ScreenText>& RecordedTexts() { return ScreenTextsOf(0); }

inline int FontTag(const ScreenText& t) { return t.font == TitleFontBase ? 1000 : t.font == LabelFontBase ? 0 : -1; }

// The texts, in order, each anchored at its place within 2e-3 units.
inline void ExpectAnchors(const std::vector<ScreenText>& actual, const std::vector<AnchoredText>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text + " #" + std::to_string(i));
        EXPECT_EQ(actual[i].text, expected[i].text);
        EXPECT_NEAR(actual[i].anchor[0], expected[i].x, 2e-3);
        EXPECT_NEAR(actual[i].anchor[1], expected[i].y, 2e-3);
        EXPECT_NEAR(actual[i].anchor[2], expected[i].z, 2e-3);
        EXPECT_EQ(FontTag(actual[i]), expected[i].font);
    }
}

// Whether the texts hold one equal to `e` at its place.
inline bool HoldsAnchor(const std::vector<ScreenText>& texts, const AnchoredText& e) {
    for (const ScreenText& t : texts)
        if (t.text == e.text && FontTag(t) == e.font && std::fabs(t.anchor[0] - e.x) < 2e-3 &&
            std::fabs(t.anchor[1] - e.y) < 2e-3 && std::fabs(t.anchor[2] - e.z) < 2e-3)
            return true;
    return false;
}

class AxesFeedbackFixture : public ProgramStateTest {
protected:
    static constexpr int Side = 400;
    static constexpr float Range = 20;

    void SetUp() override {
        gl_ = std::make_unique<GlTestContext>(Side);
        ASSERT_TRUE(gl_->Ok());
        labelFont_ = std::make_unique<TestGlyphFont>(0);
        titleFont_ = std::make_unique<TestGlyphFont>(1000);
        ASSERT_EQ(titleFont_->Base(), labelFont_->Base() + 128);
        LabelFontBase = labelFont_->Base();
        TitleFontBase = titleFont_->Base();
        axes_.Show = true;
    }
    void TearDown() override {
        labelFont_.reset();
        titleFont_.reset();
        gl_.reset();
    }

    QImage Pixels() { return gl_->Image(); }

    Cls3 axes_;

private:
    std::unique_ptr<GlTestContext> gl_;
    std::unique_ptr<TestGlyphFont> labelFont_, titleFont_;
};
