#include "core/Errors.h"
#include "scene/Cls10.h"
#include "scene/Cls11.h"
#include "tests/support/GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>

namespace {

using Rgba = std::array<float, 4>;

Rgba LightValue(GLenum light, GLenum what) {
    Rgba v{-9, -9, -9, -9};
    glGetLightfv(light, what, v.data());
    return v;
}

Rgba MaterialValue(GLenum what) {
    Rgba v{-9, -9, -9, -9};
    glGetMaterialfv(GL_FRONT, what, v.data());
    return v;
}

Rgba ModelValue(GLenum what) {
    Rgba v{-9, -9, -9, -9};
    glGetFloatv(what, v.data());
    return v;
}

void ExpectRgba(const Rgba& actual, const Rgba& expected, const char* what) {
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(actual[i], expected[i]) << what << " [" << i << "]";
}

// Light positions are stored in eye coordinates: with the identity loaded they
// read back as given.
void IdentityModelView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace

TEST(LightGl, SetLightSetsBothLightsAndTheModel) {
    GlTestContext gl;
    ASSERT_TRUE(gl.Ok());
    IdentityModelView();

    Cls10 light;
    light.Diffuse(0) = 0.5f;
    light.Amission(1) = 0.25f;
    light.Specular(3) = 0.75f;
    light.SetLight();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    ExpectRgba(LightValue(GL_LIGHT0, GL_POSITION), {100, 100, 100, 1}, "position 0");
    ExpectRgba(LightValue(GL_LIGHT1, GL_POSITION), {-100, -100, -100, 1}, "position 1");
    for (GLenum l : {GL_LIGHT0, GL_LIGHT1}) {
        ExpectRgba(LightValue(l, GL_DIFFUSE), {0.5f, 1, 1, 1}, "diffuse");
        ExpectRgba(LightValue(l, GL_AMBIENT), {1, 0.25f, 1, 1}, "ambient");
        ExpectRgba(LightValue(l, GL_SPECULAR), {1, 1, 1, 0.75f}, "specular");
    }
    ExpectRgba(ModelValue(GL_LIGHT_MODEL_AMBIENT), {1, 1, 1, 1}, "global ambient on");
    GLint twoSides = -1;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSides);
    EXPECT_EQ(twoSides, GL_TRUE);

    // A directional light 0 from +z; its mirror stays positional.
    light.Position(0) = 0;
    light.Position(1) = 0;
    light.Position(2) = 1;
    light.Position(3) = 0;
    light.GlobalAmbient(0) = 0;
    light.TwoSides(0) = 0;
    light.SetLight();
    ExpectRgba(LightValue(GL_LIGHT0, GL_POSITION), {0, 0, 1, 0}, "directional");
    ExpectRgba(LightValue(GL_LIGHT1, GL_POSITION), {0, 0, -1, 1}, "mirror");
    ExpectRgba(ModelValue(GL_LIGHT_MODEL_AMBIENT), {0, 0, 0, 1}, "global ambient off");
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSides);
    EXPECT_EQ(twoSides, GL_FALSE);

    // Switched off: lighting and both lights are disabled.
    light.Enabled = false;
    light.SetLight();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
}

TEST(LightGl, IndexesOutsideTheArraysRaiseTheSubscriptError) {
    Cls10 light;
    EXPECT_EQ(light.Position(3), 1);
    for (int bad : {-1, 4}) {
        EXPECT_THROW(light.Position(bad), RaisedError);
        EXPECT_THROW(light.Specular(bad), RaisedError);
    }
    try {
        light.TwoSides(1) = 5;
        FAIL();
    } catch (const RaisedError& e) {
        EXPECT_EQ(e.Number(), ErrNo::Subscript);
    }
    EXPECT_THROW(light.GlobalAmbient(1), RaisedError);
    EXPECT_EQ(light.TwoSides(0), 1);
}

TEST(MaterialGl, EveryPresetBecomesTheMaterialOfBothFaces) {
    GlTestContext gl;
    ASSERT_TRUE(gl.Ok());
    glDisable(GL_COLOR_MATERIAL);

    struct Preset {
        int number;
        Rgba ambient, diffuse, specular, emission;
        float shininess;
    };
    const Preset presets[] = {
        {1, {0.936975f, 0.0923259f, 0.42843f, 0}, {0.536861f, 0.0529003f, 0.24549f, 0.832432f},
         {0.805292f, 0.765198f, 0.747416f, 0}, {0, 0, 0, 0}, 106.551296f},
        {2, {0.098983f, 0.0565609f, 0.0320604f, 0}, {0.395932f, 0.226244f, 0.128242f, 0},
         {1, 0.464407f, 0.4753f, 0}, {0, 0, 0, 0}, 127.30816f},
        {3, {0.187004f, 0.0748842f, 0, 0.34747f}, {0.748016f, 0.299537f, 0, 0.34747f},
         {0.836364f, 0.836364f, 0.836364f, 0.34747f}, {0, 0, 0, 0.34747f}, 117.915136f},
        {4, {0.133333f, 0.0925319f, 0, 0}, {0.49697f, 0.344891f, 0, 0},
         {1, 0.887978f, 0, 0}, {0, 0, 0, 0}, 118.690944f},
        {5, {0, 0, 0, 0}, {0, 0, 0, 0},
         {0.622449f, 0.622449f, 0.622449f, 0}, {0.0188407f, 0.940276f, 1, 0}, 6.5306112f},
        {6, {0.187004f, 0.180659f, 0.0672271f, 0}, {0.748016f, 0.722635f, 0.268909f, 0},
         {0.412121f, 0.412121f, 0.412121f, 0}, {0, 0, 0, 0}, 103.175808f},
        {7, {0.20373f, 0.0832482f, 0.0832482f, 0}, {0.799639f, 0.326749f, 0.326749f, 0},
         {0.327377f, 0.135466f, 0, 0}, {0, 0, 0, 0}, 9.7959168f},
        {8, {0, 0.00107338f, 0.0785714f, 0}, {0, 0.00429352f, 0.314286f, 0},
         {0.364672f, 0.833805f, 0.909091f, 0}, {0, 0, 0, 0}, 81.454592f},
        {9, {0.171143f, 0.170799f, 0.171534f, 0}, {0.684572f, 0.683198f, 0.686136f, 0},
         {0.693878f, 0.0335554f, 0.313623f, 0}, {0, 0, 0, 0}, 9.1428608f},
        {10, {0.253968f, 0.228701f, 0.0798059f, 0}, {1, 0.900511f, 0.314236f, 0},
         {0.872449f, 0.247119f, 0.254214f, 0}, {0, 0, 0, 0}, 128},
        {11, {0.098983f, 0.0565609f, 0.0320604f, 0}, {0.395932f, 0.226244f, 0.128242f, 0},
         {0.192616f, 0.110064f, 0.0623879f, 0}, {0, 0, 0, 0}, 3.459456f},
        {12, {0.226102f, 0.193685f, 0.0207668f, 0}, {0.904409f, 0.774741f, 0.0830671f, 0},
         {0.0955906f, 0.0955906f, 0.0955906f, 0}, {0, 0, 0, 0}, 10},
        {13, {0.0486486f, 0.0486486f, 0.0486486f, 0}, {0.205405f, 0.205405f, 0.205405f, 0},
         {0.686486f, 0.676818f, 0.684159f, 0}, {0, 0, 0, 0}, 128},
    };
    for (const Preset& p : presets) {
        SCOPED_TRACE(p.number);
        Cls11 material;
        material.SetMaterial(p.number);
        ExpectRgba(MaterialValue(GL_AMBIENT), p.ambient, "ambient");
        ExpectRgba(MaterialValue(GL_DIFFUSE), p.diffuse, "diffuse");
        ExpectRgba(MaterialValue(GL_SPECULAR), p.specular, "specular");
        ExpectRgba(MaterialValue(GL_EMISSION), p.emission, "emission");
        float shininess = -1;
        glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
        EXPECT_FLOAT_EQ(shininess, p.shininess);
        // Both faces.
        Rgba back{};
        glGetMaterialfv(GL_BACK, GL_DIFFUSE, back.data());
        ExpectRgba(back, p.diffuse, "back diffuse");
        // The arrays hold the preset too.
        EXPECT_FLOAT_EQ(material.Ambient(3), p.ambient[3]);
        EXPECT_FLOAT_EQ(material.Shininess(0), p.shininess);
    }
}

TEST(MaterialGl, NumbersOutsideThePresetsApplyTheCurrentArrays) {
    GlTestContext gl;
    ASSERT_TRUE(gl.Ok());
    glDisable(GL_COLOR_MATERIAL);

    for (int number : {0, 14, -3}) {
        SCOPED_TRACE(number);
        Cls11 material;
        material.SetMaterial(5); // leave a non-black material in GL
        Cls11 fresh;
        fresh.SetMaterial(number);
        for (GLenum what : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION})
            ExpectRgba(MaterialValue(what), {0, 0, 0, 0}, "black");
        float shininess = -1;
        glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
        EXPECT_EQ(shininess, 0);
    }

    Cls11 glass;
    glass.SetMaterial(3);
    Cls11 other;
    other.SetMaterial(4);
    glass.SetMaterial(14);
    ExpectRgba(MaterialValue(GL_SPECULAR), {0.836364f, 0.836364f, 0.836364f, 0.34747f}, "glass again");

    EXPECT_THROW(glass.Shininess(1), RaisedError);
    EXPECT_THROW(glass.Emission(4), RaisedError);
    EXPECT_FLOAT_EQ(glass.Ambient(3), 0.34747f);
}
