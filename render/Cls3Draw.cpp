// The coordinate system's drawing: the branch of the document kind.
#include "core/Globals.h"
#include "render/ScreenText.h"
#include "scene/Cls3.h"

void Cls3::Draw(std::int32_t /*gtpGraphType*/, float sngMinX, float sngMaxX, float sngMinY, float sngMaxY,
                float sngMinZ, float sngMaxZ) const {
    // The texts of the list being compiled are those of this drawing.
    ClearScreenTexts(ScreenTextList());
    switch (DocumentKind) {
    case 1:
    case 4: DrawPlaneAxes(sngMinX, sngMaxX, sngMinY, sngMaxY); break;
    case 2:
    case 3:
    case 5:
    case 6: DrawSpaceAxes(sngMinX, sngMaxX, sngMinY, sngMaxY, sngMinZ, sngMaxZ); break;
    // The special graphs' pictures run the X text (the box's z) across and
    // the Y text (its x) up, in the plane of the lowest value (its y).
    case 7: DrawSpecialFrame(sngMinZ, sngMaxZ, sngMinY, sngMinX, sngMaxX); break;
    default: break; // no other kind has axes
    }
}
