#pragma once
// The coordinate system of a document: every setting of the drawn axes of all
// document kinds, its reset for new documents and its record in documents.
#include "core/ColorService.h"

#include <cstdint>
#include <string>

enum class AxisStyle : std::int32_t { Panels = 1, ThreeLines = 2 };

class Cls3 {
public:
    // Plain fields: setting one stores the value and does nothing else.
    bool Show = false;
    bool ShowXYPanel = false;
    bool ShowXZPanel = false;
    bool ShowYZPanel = false;
    bool ShowXYXGrid = true;
    bool ShowXZXGrid = true;
    bool ShowYZYGrid = true;
    std::int32_t LabelNumX = 2;
    std::int32_t LabelNumY = 2;
    std::int32_t LabelNumZ = 2;
    std::string TitleX = "X";
    std::string TitleY = "Y";
    std::string TitleZ = "Z";
    bool ShowXYYGrid = true;
    bool ShowXZZGrid = true;
    bool ShowYZZGrid = true;
    std::int32_t XYPanelColor = RGB(204, 204, 204);
    std::int32_t XZPanelColor = RGB(204, 204, 204);
    std::int32_t YZPanelColor = RGB(204, 204, 204);
    std::int32_t XYGridColor = RGB(153, 153, 153);
    std::int32_t XZGridColor = RGB(153, 153, 153);
    std::int32_t YZGridColor = RGB(153, 153, 153);
    std::int32_t XYPanelMaterial = 4;
    std::int32_t XZPanelMaterial = 4;
    std::int32_t YZPanelMaterial = 4;
    std::int32_t AxisColor = RGB(0, 0, 0);
    std::int32_t AxisWidth = 1;
    bool BetterFonts = false;
    std::int32_t AxisStyle = static_cast<std::int32_t>(::AxisStyle::Panels);
    bool ShowprimaryGrid = false;
    bool ShowSecondaryGrid = false;
    bool ShowBackground = false;
    std::int32_t BackStyle = 2;
    std::int32_t BackColor = RGB(0, 255, 0);
    std::int32_t BackColor2 = RGB(255, 255, 255);
    std::int32_t PriGridColor = RGB(0, 255, 0);
    std::int32_t SecGridColor = RGB(0, 255, 0);
    bool ShowShadow = false;
    bool ShowSecondaryLabel = true;
    bool ShowPI = false;

    // The axes record of a document: "0" when the system is not shown, else
    // 39 tokens each followed by a blank.
    std::string Save() const;
    // The reset of the new-document commands; the plane grid, background and
    // label settings and AxisStyle are kept.
    void SetDefault();

    // Drawing into the display list being compiled, with the scene's box in
    // value units (defined with the graph drawing, render/). Draw: the axes
    // of the current document kind (gtpGraphType is not used). Draw2DGrid and
    // DrawBackground: the grids and the shaded background of plane documents.
    void Draw(std::int32_t gtpGraphType, float sngMinX, float sngMaxX, float sngMinY, float sngMaxY,
              float sngMinZ, float sngMaxZ) const;
    void Draw2DGrid(float sngMinX, float sngMaxX, float sngMinY, float sngMaxY, float sngMinZ,
                    float sngMaxZ) const;
    void DrawBackground(float sngMinX, float sngMaxX, float sngMinY, float sngMaxY, float sngMinZ,
                        float sngMaxZ) const;

    // A colour's red, green and blue parts as fractions 0..1.
    struct Rgb {
        float red, green, blue;
    };
    static Rgb SplitColor(std::int32_t colour);

private:
    // The branches of Draw: plane documents (1, 4); space (3, 6) and strip
    // (2, 5) documents; the frame of special-graph documents (7).
    void DrawPlaneAxes(float sngMinX, float sngMaxX, float sngMinY, float sngMaxY) const;
    void DrawSpaceAxes(float sngMinX, float sngMaxX, float sngMinY, float sngMaxY, float sngMinZ,
                       float sngMaxZ) const;
    // The frame spans GL x sngMinX..sngMaxX and GL y sngMinZ..sngMaxZ in the
    // plane z = sngMinY; Draw hands it the box's z range across, x range up.
    void DrawSpecialFrame(float sngMinX, float sngMaxX, float sngMinY, float sngMinZ, float sngMaxZ) const;
};

// The program's one drawn coordinate system.
extern Cls3 Axes;
