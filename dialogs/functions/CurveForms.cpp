#include "dialogs/functions/CurveForms.h"

const std::array<const char*, 4>& PlaneFormNames(bool polar, bool animated) {
    static constexpr std::array<const char*, 4> Cartesian = {"y=f(x)", "x=f1(u),y=f2(u)", "f(x,y)=0", "f(x,y)<=0"};
    static constexpr std::array<const char*, 4> Polar = {"r=f(a)", "a=f1(u),r=f2(u)", "f(a,r)=0", "f(a,r)<=0"};
    static constexpr std::array<const char*, 4> CartesianTime = {"y=f(x,t)", "x=f1(u,t),y=f2(u,t)", "f(x,y,t)=0",
                                                                 "f(x,y,t)<=0"};
    static constexpr std::array<const char*, 4> PolarTime = {"r=f(a,t)", "a=f1(u,t),r=f2(u,t)", "f(a,r,t)=0",
                                                             "f(a,r,t)<=0"};
    return polar ? (animated ? PolarTime : Polar) : (animated ? CartesianTime : Cartesian);
}
