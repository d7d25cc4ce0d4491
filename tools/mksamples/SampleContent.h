#pragma once
// The sample documents of the 演示 menu as data: for each file below
// "samples/", the kind of document it is started as (its New command), the
// settings of the animation options and the axes dialog it needs, and its
// graphs in drawing order, each as the boxes of the dialog that makes it.
// How a document is built from a row is SampleBuild.h's business; what each
// dialog's OK stores is DialogBoxes.h's.
#include "tools/mksamples/DialogBoxes.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// One graph: the dialog that makes it, with its boxes.
using SampleGraph = std::variant<PlaneFunctionBoxes, PointBoxes, StripBoxes, SpaceFunctionBoxes, FieldBoxes,
                                 StepStemBoxes, IntersectionBoxes, OdeBoxes, LimitBoxes, SeriesBoxes,
                                 RevolutionBoxes, VectorBoxes, VectorOperationBoxes, PlaneTableBoxes,
                                 StripTableBoxes, SurfaceTableBoxes>;

struct SampleFile {
    std::string path;         // below "samples/", "/" between folders
    std::int32_t kind = 1;    // DocumentKind: 1 plane, 2 strip, 3 space, 7 special graphs
    std::vector<SampleGraph> graphs;
    // The animation options (FrameCount, FramesPerSecond).
    std::int32_t frames = 10;
    std::int32_t speed = 10;
    // The axes dialog's ticks: tick labels in multiples of π.
    bool showPI = false;
};

// Every sample file, grouped as the 演示 menu groups them (a file that two
// commands open is listed once).
const std::vector<SampleFile>& SampleFiles();
// The row of a file (nullptr when there is none).
const SampleFile* FindSampleFile(const std::string& path);
