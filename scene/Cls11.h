#pragma once
// One OpenGL material filled from one of the thirteen named presets and made
// the current material of both faces.
#include <array>
#include <cstdint>

class Cls11 {
public:
    std::int32_t MatType = 0;

    // Indexed colour parts (0..3, red, green, blue, alpha) and the shininess
    // (index 0 only); any other index raises the subscript error.
    float& Ambient(int intIndex);
    float& Diffuse(int intIndex);
    float& Specular(int intIndex);
    float& Emission(int intIndex);
    float& Shininess(int intIndex);

    // Preset 1..13 fills every array; any other number keeps them. Then the
    // arrays become the material of GL_FRONT_AND_BACK (needs a current context;
    // recorded into the display list being compiled).
    void SetMaterial(std::int32_t materType);

private:
    std::array<float, 4> ambient_{}, diffuse_{}, specular_{}, emission_{};
    std::array<float, 1> shininess_{};
};
