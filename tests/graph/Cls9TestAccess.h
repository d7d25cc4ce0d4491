#pragma once
// The private helpers of Cls9 that tests call directly (Cls9 befriends this).
#include "graph/Cls9.h"

#include <string>

struct Cls9TestAccess {
    static std::string MirrorExpression(const Cls9& g, const std::string& text) {
        return g.MirrorExpression(text);
    }
    static bool IsLetter(const std::string& text) { return Cls9::IsLetter(text); }
};
