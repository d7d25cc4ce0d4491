// The coordinate system's drawing: the branch of the document kind.
#include "core/Globals.h"
#include "scene/Cls3.h"

void Cls3::Draw(std::int32_t /*gtpGraphType*/, float sngMinX, float sngMaxX, float sngMinY, float sngMaxY,
                float sngMinZ, float sngMaxZ) const {
    if (DocumentKind == 1 || DocumentKind == 4)
        DrawPlaneAxes(sngMinX, sngMaxX, sngMinY, sngMaxY);
    else
        DrawSpaceAxes(sngMinX, sngMaxX, sngMinY, sngMaxY, sngMinZ, sngMaxZ);
}

// The axes of space, strip and special-graph documents are not drawn yet.
void Cls3::DrawSpaceAxes(float, float, float, float, float, float) const {}
