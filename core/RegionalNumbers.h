#pragma once
// The user's regional number format, for the few texts that show numbers the
// way the desktop does (the tick labels of space and strip axes). Documents,
// dialogs and result lines keep "." and no grouping (NumberText.h).
#include <string>

struct RegionalSeparators {
    std::string decimal = ".";  // between the whole part and the decimals
    std::string group = ",";    // between groups of three digits; may be empty
};

// Set once at start-up from the system's locale; the default is ".", ",".
void SetRegionalSeparators(const RegionalSeparators& separators);
const RegionalSeparators& CurrentRegionalSeparators();

// GroupedFixedText (exactly `decimals` digits after the point, rounded half to
// even, a leading zero) with the regional separators: "1,250.0" by default,
// "1.250,0" with "," and ".".
std::string RegionalFixedText(double value, int decimals);
