#include "scene/Cls3.h"

#include "core/ColorParts.h"
#include "core/Globals.h"
#include "core/NumberText.h"
#include "core/QuotedText.h"

namespace {

void Put(std::string& out, const std::string& token) {
    out += token;
    out += ' ';
}
void Put(std::string& out, bool flag) { Put(out, std::string(flag ? "1" : "0")); }
void Put(std::string& out, std::int32_t value) { Put(out, LongText(value)); }
void PutTitle(std::string& out, const std::string& title) { Put(out, QuotedText(title)); }

} // namespace

std::string Cls3::Save() const {
    if (!Show) return "0";
    std::string s;
    Put(s, std::string("1"));
    Put(s, ShowXYPanel);
    Put(s, ShowXZPanel);
    Put(s, ShowYZPanel);
    Put(s, ShowXYXGrid);
    Put(s, ShowXYYGrid);
    Put(s, ShowXZXGrid);
    Put(s, ShowXZZGrid);
    Put(s, ShowYZYGrid);
    Put(s, ShowYZZGrid);
    Put(s, BetterFonts);
    Put(s, LabelNumX);
    Put(s, LabelNumY);
    Put(s, LabelNumZ);
    Put(s, XYPanelColor);
    Put(s, XZPanelColor);
    Put(s, YZPanelColor);
    Put(s, XYGridColor);
    Put(s, XZGridColor);
    Put(s, YZGridColor);
    Put(s, XYPanelMaterial);
    Put(s, XZPanelMaterial);
    Put(s, YZPanelMaterial);
    Put(s, AxisColor);
    Put(s, AxisWidth);
    PutTitle(s, TitleX);
    PutTitle(s, TitleY);
    PutTitle(s, TitleZ);
    Put(s, ShowprimaryGrid);
    Put(s, ShowSecondaryGrid);
    Put(s, ShowBackground);
    Put(s, BackStyle);
    Put(s, BackColor);
    Put(s, BackColor2);
    Put(s, PriGridColor);
    Put(s, SecGridColor);
    Put(s, ShowSecondaryLabel);
    Put(s, ShowPI);
    Put(s, ShowShadow);
    return s;
}

void Cls3::SetDefault() {
    Show = true;
    BetterFonts = true;
    ShowXYPanel = ShowXZPanel = ShowYZPanel = false;
    ShowXYXGrid = ShowXYYGrid = ShowXZXGrid = ShowXZZGrid = ShowYZYGrid = ShowYZZGrid = true;
    LabelNumX = LabelNumY = LabelNumZ = 2;
    XYPanelColor = XZPanelColor = YZPanelColor = RGB(204, 204, 204);
    XYGridColor = XZGridColor = YZGridColor = RGB(153, 153, 153);
    // Fresh strings are moved in (assigning the literals trips a false
    // -Wrestrict warning of GCC 12).
    TitleX = std::string(1, 'X');
    TitleY = std::string(1, 'Y');
    TitleZ = std::string(1, 'Z');
    XYPanelMaterial = XZPanelMaterial = YZPanelMaterial = 4;
    AxisColor = RGB(0, 0, 0);
    AxisWidth = 1;
}

Cls3::Rgb Cls3::SplitColor(std::int32_t colour) {
    const ColorBytes parts = ColorParts(colour);
    return {static_cast<float>(parts.red / 255.0), static_cast<float>(parts.green / 255.0),
            static_cast<float>(parts.blue / 255.0)};
}

Cls3 Axes;

namespace {
// Back to the starting values between tests (see ResetProgramState).
[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] { Axes = Cls3(); });
}
