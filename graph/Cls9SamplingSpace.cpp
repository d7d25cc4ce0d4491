// Samplers of space curves, surfaces (with their partial-derivative
// surfaces), points and animations.
#include "graph/Cls9.h"
#include "graph/SamplingContext.h"

bool Cls9::SampleSpaceCurve(SamplingContext&) { return true; }

bool Cls9::SampleSurface(SamplingContext&) { return true; }

bool Cls9::SamplePoint(SamplingContext&) { return true; }

bool Cls9::SampleAnimation(SamplingContext&) { return true; }
