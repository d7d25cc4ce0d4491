#pragma once
// Saves and restores the program-wide scene state that scene tests change,
// and makes graphs with known boxes.
#include "core/Globals.h"
#include "graph/Cls9.h"
#include "scene/Cls3.h"
#include "scene/Cls4.h"
#include "scene/Cls8.h"

#include <gtest/gtest.h>

#include <memory>

class SceneFixture : public ::testing::Test {
protected:
    void SetUp() override {
        savedKind_ = DocumentKind;
        savedFrames_ = FrameCount;
        savedAxes_ = Axes;
        savedScale_ = Scale2D;
        VisibleScene = Cls8();
        Camera = Cls4();
    }
    void TearDown() override {
        DocumentKind = savedKind_;
        FrameCount = savedFrames_;
        Axes = savedAxes_;
        Scale2D = savedScale_;
        VisibleScene = Cls8();
        Camera = Cls4();
    }

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

    static void Add(Cls8& scene, const std::shared_ptr<Cls9>& g) { scene.FunSurfs.Add(g, GraphKey(g->ID)); }

private:
    std::int32_t savedKind_ = 0;
    std::int32_t savedFrames_ = 10;
    Cls3 savedAxes_;
    float savedScale_ = 1;
};
