#pragma once
// Scene tests: the program at its starting state for each case, and graphs
// with known boxes.
#include "core/ColorService.h"
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "scene/Cls8.h"
#include "tests/support/ProgramState.h"

#include <memory>

class SceneFixture : public ProgramStateTest {
protected:

    // An implicit Cartesian plane graph: its box is its x and y ranges
    // widened to take in the origin, z 0..0; nothing needs sampling.
    static std::shared_ptr<Cls9> PlaneGraph(std::int32_t id, float minX, float maxX, float minY, float maxY) {
        auto g = std::make_shared<Cls9>();
        g->ID = id;
        g->GraphType = 0;
        g->CoordType = 1;
        g->FunForm = 1;
        g->MinU = minX;
        g->MaxU = maxX;
        g->MinV = minY;
        g->MaxV = maxY;
        return g;
    }

    // A sampled point graph at (x, y, z): its box spans from the origin to it.
    static std::shared_ptr<Cls9> PointGraph(std::int32_t id, float x, float y, float z) {
        auto g = std::make_shared<Cls9>();
        g->ID = id;
        g->GraphType = GraphType::Point;
        g->Vert3D.Create(0, 0);
        g->Vert3D(0, 0) = Cls2::Init(x, y, z);
        return g;
    }

    // A red point animation moving along y = 1 from x = -N to N (N =
    // FrameCount): frame f shows it at x = 2 (f - 1) - N.
    static std::shared_ptr<Cls9> MovingPointGraph(std::int32_t id) {
        auto g = Cls9::Init(id, "P", GraphType::PointAnimation, CoordType::PlaneCartesian, "0", "t", "1", 1, 1,
                            0, 0, 0, 0, FillStyle::OneColor, 0, 0, 0, 1, 0, Show::FilledSurface,
                            Smoothness::Smooth);
        g->Animation = true;
        g->MinT = float(-FrameCount);
        g->MaxT = float(FrameCount);
        g->PointColor = RGB(255, 0, 0);
        g->PointSize = 10;
        return g;
    }

    static void Add(Cls8& scene, const std::shared_ptr<Cls9>& g) { scene.FunSurfs.Add(g, GraphKey(g->ID)); }
};
