#pragma once
// A point: the element of every table of a graph, the marker that the drawing
// puts at points, extrema, roots, stem heads and the like, and (by its
// coordinates, SamplePoint) the element of every sample array.
#include <cstddef>
#include <cstdint>
#include <memory>

// The drawing coordinates of a point, y up (plane samples keep z at 0): all
// that a sample array stores of each of its points.
struct SamplePoint {
    float x = 0;
    float y = 0;
    float z = 0;
};

class Cls2 : public SamplePoint {
public:
    Cls2() = default;
    // A point with the defaults below at the coordinates of a sample.
    Cls2(const SamplePoint& p) : SamplePoint(p) {}

    std::int32_t Color = 0; // red + 256*green + 65536*blue
    float Size = 0.15f;     // marker size
    bool Hollow = false;    // stored only (the hollow marker is Symbol 2)
    bool Show = false;      // stored only
    std::int32_t Symbol = 0; // marker shape in plane documents

    // A new point with the defaults above at (x, y, z).
    static Cls2 Init(float x, float y, float z);

    // Paints the marker of Symbol in the plane z = 0 in a plane document
    // (DocumentKind 1), a sphere in any other. Leaves the current colour and,
    // for markers 2 and 6, the line width changed; the matrix is restored.
    void Draw() const;

    // The spheres of markers of size `Size` compiled once into a display list
    // of the current context, which Draw then calls instead of building the
    // sphere again; a list that no longer exists (glIsList) is made anew.
    // PrepareSphere must run outside any list being compiled; ReleaseSpheres
    // deletes the lists (their context current), ForgetSpheres drops their
    // names (the context is gone). SphereListCount: lists made.
    static void PrepareSphere(float size);
    static void ReleaseSpheres();
    static void ForgetSpheres();
    static std::size_t SphereListCount();

private:
    static void SplitColor(std::int32_t color, double& red, double& green, double& blue);
};

// A point shared by reference (table points, points kept beyond a resampling).
using Cls2Ptr = std::shared_ptr<Cls2>;
