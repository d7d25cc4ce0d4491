#pragma once
// A document read completely and checked, held aside until it is applied: the
// reader fills it and changes nothing else, so opening a damaged file leaves
// the current document as it was.
//
// Applying it (OpenDocument, in this order): delete every graph; DocumentKind
// and VisibleScene's rotation from it; TrackballActive False; the command set
// of the kind; FrameCount and FramesPerSecond from Animation when it holds
// values; when FillsAnimationBoxes, the animation options' two boxes show
// FrameCount and FramesPerSecond; GraphIDCounter; each row's graph appended to
// DocumentScene under its GraphKey and its label as the next list row; Axes
// replaced by Axes; every row ticked (the tick handling puts the graphs into
// VisibleScene in row order and samples them), the display lists built and
// drawn once; then the closing step for an animated scene.
#include "graph/Cls9.h"
#include "scene/Cls3.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

// A graph and the text of its list row (row k-1 is graph k).
struct DocumentRow {
    std::shared_ptr<Cls9> Graph;
    std::string Label;
};

// The frame count and speed an animated record carries, already clamped to
// what the animation options accept (frames 1..1000, speed at least 1).
struct AnimationValues {
    std::int32_t FrameCount = 10;
    std::int32_t FramesPerSecond = 10;
};

struct LoadedDocument {
    std::int32_t DocumentKind = 1;
    float RotRoll = 0;
    float RotPitch = 0;
    float RotYaw = 0;
    std::vector<DocumentRow> Rows;
    // The counter after the loaded IDs: ID + 1 whenever it was below an ID.
    std::int32_t GraphIDCounter = 0;
    // From the last animated record; nothing when no record was animated.
    std::optional<AnimationValues> Animation;
    // A graph record of generation 1 or later was read: the animation options'
    // boxes are then written (generation 0 leaves them).
    bool FillsAnimationBoxes = false;
    // The coordinate system the document leaves: the axes it was read over,
    // with the fields the axes record holds written onto them (generation 0
    // has no axes record and leaves them as they were).
    Cls3 Axes;
    // The IDs of the rows (a repeated one is malformed).
    std::unordered_set<std::int32_t> IDs;
};

// DocumentKind and the view rotation of a header's mode digit (1..7).
void SetHeaderMode(LoadedDocument& doc, int mode);
// Appends a read graph as the next row: checks that its ID is new (else
// DocumentFormatError), raises GraphIDCounter past it, labels it.
void AppendGraph(LoadedDocument& doc, std::shared_ptr<Cls9> graph);
