#pragma once
// The user's number format for the texts that follow it (core/RegionalNumbers.h).

// Takes the decimal and group separators of the system's locale. A separator
// the fonts cannot draw (a no-break or thin space, a typographic apostrophe)
// becomes its ASCII look-alike.
void TakeSystemNumberFormat();
