#pragma once
// Documents for the round-trip tests and the seeds of the reader's fuzz
// target: graphs of every record kind with every field set to a value of its
// own, and the hand-written generation-7 document of the fixture test.
#include "graph/Cls9.h"
#include "scene/Cls3.h"
#include "scene/Cls8.h"

#include <memory>
#include <string>
#include <vector>

// A graph with every record field set to a distinct value derived from
// `seed` (not animated, lists with a few entries), then given its kind.
std::shared_ptr<Cls9> FilledGraph(int seed, std::int32_t graphType, std::int32_t coordType, std::int32_t funForm);

// The graphs of the round trip, by kind: explicit plane with positions and
// overlays, animated plane, textured surface, vector, ODE, limit, series,
// plane table, surface table, a 201-point table.
struct SampleDocument {
    std::string name;
    std::int32_t documentKind;
    std::vector<std::shared_ptr<Cls9>> graphs;
};
std::vector<SampleDocument> RoundTripDocuments();
// A scene of `graphs` in their order, each under its GraphKey.
Cls8 SceneOf(const std::vector<std::shared_ptr<Cls9>>& graphs);
// The coordinate system the round trip saves: every field off its default,
// titles with "@ " and "@".
Cls3 SampleAxes();
// Frame count and speed the animated records of the round trip carry.
inline constexpr std::int32_t SampleFrameCount = 37;
inline constexpr std::int32_t SampleFramesPerSecond = 12;

// The bytes of a ".pgp" file framing `text` (GBK bytes as they are).
std::string FramedFile(const std::string& text);
// The hand-written generation-7 document (GBK bytes, container included).
std::string HandWrittenDocument();
