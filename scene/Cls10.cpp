#include "scene/Cls10.h"

#include "core/CheckedIndex.h"
#include "core/Globals.h"

#include <GL/gl.h>

float& Cls10::Position(int lngIndex) { return CheckedAt(position_, lngIndex); }
float& Cls10::Diffuse(int lngIndex) { return CheckedAt(diffuse_, lngIndex); }
float& Cls10::Amission(int lngIndex) { return CheckedAt(amission_, lngIndex); }
float& Cls10::Specular(int lngIndex) { return CheckedAt(specular_, lngIndex); }
float& Cls10::GlobalAmbient(int lngIndex) { return CheckedAt(globalAmbient_, lngIndex); }
float& Cls10::TwoSides(int lngIndex) { return CheckedAt(twoSides_, lngIndex); }

void Cls10::SetLight() const {
    if (!Enabled) {
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT0);
        glDisable(GL_LIGHT1);
        return;
    }
    glLightfv(GL_LIGHT0, GL_POSITION, position_.data());
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse_.data());
    glLightfv(GL_LIGHT0, GL_AMBIENT, amission_.data());
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular_.data());

    // The mirror light is always positional.
    const float mirror[4] = {-position_[0], -position_[1], -position_[2], 1};
    glLightfv(GL_LIGHT1, GL_POSITION, mirror);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse_.data());
    glLightfv(GL_LIGHT1, GL_AMBIENT, amission_.data());
    glLightfv(GL_LIGHT1, GL_SPECULAR, specular_.data());

    // The one switch value stands for a grey global ambient colour.
    const float v = globalAmbient_[0];
    const float ambient[4] = {v, v, v, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, twoSides_[0]);

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
}

Cls10 Light;

namespace {
// Back to the starting values between tests (see ResetProgramState).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] { Light = Cls10(); });
}
