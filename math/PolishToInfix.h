#pragma once
// Prints a ranked postfix token list as infix text.
#include "math/clsPolish.h"

#include <string>

// The infix text of `list` with the brackets its ranks require, so that the
// expression compiler reads it with the list's value; "0" for an empty list.
// A malformed list raises error 9.
std::string PolishToInfix(const clsPolish& list);
