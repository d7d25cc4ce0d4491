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
};
