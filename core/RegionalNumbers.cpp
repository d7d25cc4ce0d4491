#include "core/RegionalNumbers.h"

#include "core/Globals.h"
#include "core/NumberText.h"

namespace {

RegionalSeparators current;

[[maybe_unused]] const bool resetRegistered = AddProgramStateReset([] { current = RegionalSeparators{}; });

} // namespace

void SetRegionalSeparators(const RegionalSeparators& separators) { current = separators; }

const RegionalSeparators& CurrentRegionalSeparators() { return current; }

std::string RegionalFixedText(double value, int decimals) {
    const std::string plain = GroupedFixedText(value, decimals);
    std::string out;
    out.reserve(plain.size() + 4);
    for (char c : plain) {
        if (c == ',')
            out += current.group;
        else if (c == '.')
            out += current.decimal;
        else
            out += c;
    }
    return out;
}
