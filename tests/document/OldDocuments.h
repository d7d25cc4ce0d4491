#pragma once
// Documents of generations 0, 1 and 2 written by hand, token by token, each
// with what it reads to as the format gives it (never taken from our writer).
// The reader tests, the window tests and the fuzz target's seeds use them.
#include "document/LoadedDocument.h"
#include "graph/Cls9.h"
#include "scene/Cls3.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A graph record: its tokens, the graph it reads to and that graph's row text.
struct OldRecord {
    std::vector<std::string> tokens;
    std::shared_ptr<Cls9> graph;
    std::string label;
};

struct OldDocumentFixture {
    std::string name;
    std::string bytes; // the ".pgp" file
    // A damaged file: it reads to nothing and shows "文件格式不正确。".
    bool damaged = false;
    std::int32_t kind = 1;
    float pitch = 0; // the roll is always 0
    float yaw = 0;
    std::vector<OldRecord> rows{};
    std::int32_t idCounter = 0;
    std::optional<AnimationValues> animation{};
    bool fillsBoxes = false;
    // The axes it leaves when read over OldFixtureAxes().
    Cls3 axes{};
};

// The ".pgp" bytes of the tokens joined by single blanks (GBK bytes as they are).
std::string OldFile(const std::vector<std::string>& tokens);
// The coordinate system the fixtures are read over: every setting off its
// default, shown.
Cls3 OldFixtureAxes();
// One fixture per case of the two older formats' accounts, good and damaged.
std::vector<OldDocumentFixture> OldDocumentFixtures();
