#pragma once
// For tests of the coordinate systems: a 400 x 400 GL context, the two test
// glyph fonts as the label font (tag 0) and the title font (tag 1000), whose
// lists follow each other as the program's do, and an own Cls3; program-wide
// state reset before and after.
#include "render/GlText.h"
#include "scene/Cls3.h"

#include "tests/support/GlFeedback.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ProgramState.h"

#include <gtest/gtest.h>

#include <memory>

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
