#pragma once
// What a view command may change of the camera: its volume and the eye and
// reference points, compared exactly.
#include "scene/Cls4.h"

#include <ostream>

struct CameraState {
    float volWidth, volHeight, eye[3], ref[3];
    static CameraState Of(const Cls4& camera) {
        return {camera.VolWidth,
                camera.VolHeight,
                {camera.EyePos.x, camera.EyePos.y, camera.EyePos.z},
                {camera.RefPos.x, camera.RefPos.y, camera.RefPos.z}};
    }
    // The program's camera as it is now.
    static CameraState Now() { return Of(Camera); }
    bool operator==(const CameraState& o) const {
        return volWidth == o.volWidth && volHeight == o.volHeight && eye[0] == o.eye[0] && eye[1] == o.eye[1] &&
               eye[2] == o.eye[2] && ref[0] == o.ref[0] && ref[1] == o.ref[1] && ref[2] == o.ref[2];
    }
    friend std::ostream& operator<<(std::ostream& out, const CameraState& s) {
        return out << "volume " << s.volWidth << " x " << s.volHeight << ", eye (" << s.eye[0] << ", " << s.eye[1]
                   << ", " << s.eye[2] << "), reference (" << s.ref[0] << ", " << s.ref[1] << ", " << s.ref[2]
                   << ")";
    }
};
