#include "math/Cls6.h"

std::int32_t Cls6::InfixToPostfix(const std::string&, std::string&) { return 1; }

bool Cls6::DoEvaluate(const std::string&, bool, float&, float, float, float, float, float, float,
                      float, float, std::int32_t) {
    return false;
}
