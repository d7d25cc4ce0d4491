#pragma once
// The camera and view volume: where the eye is, where it looks, which way is
// up, the viewport in pixels and the view volume in world units. It issues the
// projection and the viewing transformation before every frame.
#include "graph/Cls2.h"

#include <array>
#include <cstdint>

namespace ProjectType {
inline constexpr std::int32_t Orthographic = 1;
inline constexpr std::int32_t Perspective = 2;
} // namespace ProjectType

class Cls4 {
public:
    Cls4();

    std::int32_t ProjectType = ::ProjectType::Orthographic;
    float ScreenHeight = 200;
    float ScreenWidth = 200;
    float VolHeight = 40;
    float VolWidth = 40;
    float VolNear = 0.001f;
    float VolFar = 2000;
    // The edges of the last projection issued.
    float Volleft = 0;
    float VolRight = 0;
    float VolTop = 0;
    float VolBottom = 0;
    // Only x, y and z of the two points are used.
    Cls2 RefPos;
    Cls2 EyePos;

    // The up vector, index 0..2; any other index raises the subscript error.
    float& VecUp(int intIndex);

    void GetViewRect(float& Wide, float& Height) const;
    // The volume height becomes Height, its width follows the screen's aspect.
    void SetViewRect(float Wide, float Height);
    void SetVecup(float DX, float DY, float dz);
    void SetRef(float x, float y, float z);
    void SetEye(float x, float y, float z);
    // Sets the GL viewport and stores the size (a zero height stored as 1).
    void SetScreen(std::int32_t x, std::int32_t y);
    // Pans eye and reference point together by fractions of the volume; the
    // eye on the reference point raises the division-by-zero fault.
    void MoveView(float DX, float DY);
    // Puts the eye at one of ten standard positions about the reference
    // point, at its present distance r (50 when the eye is on the reference
    // point, 10000 when r is above 30000): 1 and 2 on +z and -z, 3 and 4 on
    // +y and -y, 5 and 6 on +x and -x, 7..10 on the diagonals (-1, 1, -1),
    // (1, -1, 1), (1, 1, 1), (-1, 1, 1). The up vector becomes y for 1, 2, 5,
    // 6, z for 3 and 4, and for 7..10 y made square to the line of sight
    // (AdjustVecUp). Any other TypeView changes nothing.
    void SetViewType(std::int32_t TypeView);
    // Fits the volume to a box, keeping the eye's offset from the reference.
    void ZoomAll(float x0, float y0, float z0, float x1, float y1, float z1);
    // Scales the volume by scal > 0 (below 1 enlarges the picture).
    void Zoom(float scal);
    // Picking in the view: does nothing.
    void Selection(float x, float y);
    // Loads the projection of ProjectType and the viewing transformation.
    void Projection();
    // The view of a fresh camera: eye, reference point, up vector and view
    // volume as made (no zoom, no pan); the projection type (a view setting)
    // and the screen size stay.
    void ResetView();

private:
    // Up = (d x Y) x d, with d the unit vector from the eye to the reference
    // point and Y = (0, 1, 0): y without its part along d (not normalised).
    void AdjustVecUp();

    std::array<float, 3> vecUp_{0, 1, 0};
};

// The program's one camera.
extern Cls4 Camera;
