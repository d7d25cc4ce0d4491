#include "graph/SharedBoxes.h"

Cls1& PolarImplicitBox() {
    static Cls1 box;
    return box;
}

Cls1& VectorOpBox() {
    static Cls1 box;
    return box;
}
