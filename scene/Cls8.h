#pragma once
// A scene: the graphs in the order they were added, keyed by GraphKey, and
// the model rotation of the view.
#include "graph/Cls1.h"
#include "scene/Cls3.h"
#include "scene/GraphCollection.h"

#include <cstdint>
#include <memory>
#include <string>

class Cls8 {
public:
    GraphCollection FunSurfs;
    // Model rotation in degrees about GL z, x and y.
    float RotRoll = 0;
    float RotPitch = 0;
    float RotYaw = 0;
    // Scale and translation of the scene: stored and returned, never applied
    // (the view's own zoom, pan and rotation are the camera's and the angles
    // above).
    float ScaleX = 1;
    float ScaleY = 1;
    float ScaleZ = 1;
    float TransX = 0;
    float TransY = 0;
    float TransZ = 0;
    // A coordinate system of the scene's own: stored and returned, never
    // drawn (the drawn one is the program's Axes). Each scene starts with a
    // new one; setting another stores that object, shared with its giver.
    bool DrawAxis = true;
    std::shared_ptr<Cls3> Axis = std::make_shared<Cls3>();

    // True when any graph of the scene is animated.
    bool Animation() const;
    // The padded box of every graph (frame lngAnimStep of the animated ones);
    // sets Scale2D, and in plane documents snaps x and y outward to whole
    // tick steps. In a special-graph document a point's box is taken in the
    // pictures' axes (see ShownBox), where it shows at its own x and y.
    Cls1 GetBox(std::int32_t lngAnimStep = 0) const;
    // Draws every graph into the display list being compiled: the animated
    // ones at frame lngAnimStep, the others as they are. Defined with the
    // graph drawing (render/).
    void Draw(std::int32_t lngAnimStep = 0) const;
    // The records of the graphs (graph records, table records for the
    // tables), each followed by one blank; "" for an empty scene. Defined with
    // the document format (document/).
    std::string Save() const;
};

// A scene box as the view shows it, in GL axes: in a special-graph document
// the pictures run the X text (the box's z) across, the Y text (its x) up and
// lie in the plane of the lowest value (its y); in the others the box itself.
Cls1 ShownBox(const Cls1& box);

// The drawing unit of plane documents: plane vertices are divided by it. Set
// by every scene box.
extern float Scale2D;

// The tick step of the plane axes and grid for a drawing unit.
double PlaneTickStep(float scale2D);

// Every graph of the document in list order, and the ticked graphs with the
// view rotation (what is drawn and saved).
extern Cls8 DocumentScene;
extern Cls8 VisibleScene;
