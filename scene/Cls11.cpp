#include "scene/Cls11.h"

#include "core/CheckedIndex.h"

#include <GL/gl.h>

namespace {

struct Preset {
    std::array<float, 4> ambient, diffuse, specular, emission;
    float shininess;
};

// Presets 1..13 in the order of the Material enumeration.
const Preset Presets[13] = {
    {{0.936975f, 0.0923259f, 0.42843f, 0}, {0.536861f, 0.0529003f, 0.24549f, 0.832432f},
     {0.805292f, 0.765198f, 0.747416f, 0}, {0, 0, 0, 0}, 106.551296f},                      // Artdeco
    {{0.098983f, 0.0565609f, 0.0320604f, 0}, {0.395932f, 0.226244f, 0.128242f, 0},
     {1, 0.464407f, 0.4753f, 0}, {0, 0, 0, 0}, 127.30816f},                                 // Autumn
    {{0.187004f, 0.0748842f, 0, 0.34747f}, {0.748016f, 0.299537f, 0, 0.34747f},
     {0.836364f, 0.836364f, 0.836364f, 0.34747f}, {0, 0, 0, 0.34747f}, 117.915136f},        // Glass
    {{0.133333f, 0.0925319f, 0, 0}, {0.49697f, 0.344891f, 0, 0},
     {1, 0.887978f, 0, 0}, {0, 0, 0, 0}, 118.690944f},                                      // Metal
    {{0, 0, 0, 0}, {0, 0, 0, 0},
     {0.622449f, 0.622449f, 0.622449f, 0}, {0.0188407f, 0.940276f, 1, 0}, 6.5306112f},      // Neon
    {{0.187004f, 0.180659f, 0.0672271f, 0}, {0.748016f, 0.722635f, 0.268909f, 0},
     {0.412121f, 0.412121f, 0.412121f, 0}, {0, 0, 0, 0}, 103.175808f},                      // Recoco
    {{0.20373f, 0.0832482f, 0.0832482f, 0}, {0.799639f, 0.326749f, 0.326749f, 0},
     {0.327377f, 0.135466f, 0, 0}, {0, 0, 0, 0}, 9.7959168f},                               // Santefe
    {{0, 0.00107338f, 0.0785714f, 0}, {0, 0.00429352f, 0.314286f, 0},
     {0.364672f, 0.833805f, 0.909091f, 0}, {0, 0, 0, 0}, 81.454592f},                       // Sheen
    {{0.171143f, 0.170799f, 0.171534f, 0}, {0.684572f, 0.683198f, 0.686136f, 0},
     {0.693878f, 0.0335554f, 0.313623f, 0}, {0, 0, 0, 0}, 9.1428608f},                      // Silky
    {{0.253968f, 0.228701f, 0.0798059f, 0}, {1, 0.900511f, 0.314236f, 0},
     {0.872449f, 0.247119f, 0.254214f, 0}, {0, 0, 0, 0}, 128},                              // Spring
    {{0.098983f, 0.0565609f, 0.0320604f, 0}, {0.395932f, 0.226244f, 0.128242f, 0},
     {0.192616f, 0.110064f, 0.0623879f, 0}, {0, 0, 0, 0}, 3.459456f},                       // Summer
    {{0.226102f, 0.193685f, 0.0207668f, 0}, {0.904409f, 0.774741f, 0.0830671f, 0},
     {0.0955906f, 0.0955906f, 0.0955906f, 0}, {0, 0, 0, 0}, 10},                            // Tropical
    {{0.0486486f, 0.0486486f, 0.0486486f, 0}, {0.205405f, 0.205405f, 0.205405f, 0},
     {0.686486f, 0.676818f, 0.684159f, 0}, {0, 0, 0, 0}, 128},                              // Winter
};


} // namespace

float& Cls11::Ambient(int intIndex) { return CheckedAt(ambient_, intIndex); }
float& Cls11::Diffuse(int intIndex) { return CheckedAt(diffuse_, intIndex); }
float& Cls11::Specular(int intIndex) { return CheckedAt(specular_, intIndex); }
float& Cls11::Emission(int intIndex) { return CheckedAt(emission_, intIndex); }
float& Cls11::Shininess(int intIndex) { return CheckedAt(shininess_, intIndex); }

void Cls11::SetMaterial(std::int32_t materType) {
    if (materType >= 1 && materType <= 13) {
        const Preset& p = Presets[materType - 1];
        ambient_ = p.ambient;
        diffuse_ = p.diffuse;
        specular_ = p.specular;
        emission_ = p.emission;
        shininess_[0] = p.shininess;
    }
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse_.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular_.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_SHININESS, shininess_.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission_.data());
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient_.data());
}
