#pragma once
// An axis-aligned box in drawing coordinates: the result of every bounding-box
// operation. It does not require Min <= Max.
class Cls1 {
public:
    float MinX = 0;
    float MaxX = 0;
    float MinY = 0;
    float MaxY = 0;
    float MinZ = 0;
    float MaxZ = 0;

    void Draw() const {} // a box draws nothing

    // Lowers each minimum where b's is strictly smaller and raises each
    // maximum where b's is strictly larger.
    void Widen(const Cls1& b) {
        if (b.MinX < MinX) MinX = b.MinX;
        if (b.MaxX > MaxX) MaxX = b.MaxX;
        if (b.MinY < MinY) MinY = b.MinY;
        if (b.MaxY > MaxY) MaxY = b.MaxY;
        if (b.MinZ < MinZ) MinZ = b.MinZ;
        if (b.MaxZ > MaxZ) MaxZ = b.MaxZ;
    }
};

// The start of a union of boxes: every box widens it on every axis.
inline constexpr Cls1 UnionStart{9999999, -9999999, 9999999, -9999999, 9999999, -9999999};
