#pragma once
// The scene's lighting: one positional light, its mirror image through the
// origin with the same colours, and the two light-model switches. Applied in
// every frame once the camera's view is loaded, before the model rotation,
// outside the display lists.
#include <array>

class Cls10 {
public:
    bool Enabled = true;

    // Indexed values (0..3: x, y, z, w or red, green, blue, alpha; the two
    // switches index 0 only); any other index raises the subscript error.
    float& Position(int lngIndex);
    float& Diffuse(int lngIndex);
    float& Amission(int lngIndex);
    float& Specular(int lngIndex);
    float& GlobalAmbient(int lngIndex);
    float& TwoSides(int lngIndex);

    // Sets lights 0 and 1 and the light model, or switches lighting off.
    // Positions are taken in the current model-view coordinates.
    void SetLight() const;

private:
    std::array<float, 1> twoSides_{1};
    std::array<float, 1> globalAmbient_{1};
    std::array<float, 4> position_{100, 100, 100, 1};
    std::array<float, 4> diffuse_{1, 1, 1, 1};
    std::array<float, 4> amission_{1, 1, 1, 1};
    std::array<float, 4> specular_{1, 1, 1, 1};
};

// The program's one light.
extern Cls10 Light;
