// The scene's drawing lives with the graph drawing it calls, so the scene
// library does not depend on the rendering library.
#include "graph/Cls9.h"
#include "scene/Cls8.h"

void Cls8::Draw(std::int32_t lngAnimStep) const {
    for (const auto& e : FunSurfs) {
        Cls9& graph = *e.graph;
        if (graph.Animation)
            graph.Draw(lngAnimStep);
        else
            graph.Draw();
    }
}
