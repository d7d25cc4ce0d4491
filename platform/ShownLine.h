#pragma once
// A line of text as a widget shows it. Qt lays out a long line in a time that
// grows with the square of its length when it may wrap (a megabyte: minutes),
// and with its length each time a list measures its rows; a line longer than
// anyone reads in a box is shown cut instead.
#include <QString>
#include <QStringView>

inline constexpr qsizetype MostShownLineCharacters = 4096;

// `line` itself when it has at most MostShownLineCharacters characters; else
// its first ones (never half of a character of two halves) and "…".
QString ShownLine(QStringView line);
