#pragma once
// The user's number format for the texts that follow it (core/RegionalNumbers.h).
#include "core/RegionalNumbers.h"

#include <QLocale>

// The decimal and group separators of a locale as the axes' fonts can draw
// them: a no-break or thin space becomes a space, a typographic apostrophe
// the ASCII one; a decimal separator the fonts do not hold gives the point
// and the comma, a group separator they do not hold no grouping.
RegionalSeparators SeparatorsOf(const QLocale& locale);

// Takes the separators of the system's locale.
void TakeSystemNumberFormat();
