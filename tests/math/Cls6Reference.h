#pragma once
// What the tests of the evaluator may see of Cls6 beyond its interface.
#include "math/Cls6.h"

#include <cstddef>
#include <string>
#include <utility>

struct Cls6Reference {
    // Makes `engine` run every text through its steps exactly as written.
    static void WriteStepsOnly(Cls6& engine) { engine.folding_ = false; }
    // The number of written steps of a text `engine` has seen, and of the steps
    // it runs while the variables are finite.
    static std::pair<std::size_t, std::size_t> Steps(const Cls6& engine, const std::string& text) {
        for (const auto& program : engine.programs_)
            if (program.text == text)
                return {program.ops.size(), (program.hasFolded ? program.folded : program.ops).size()};
        return {0, 0};
    }
    static std::string RandomState() { return Cls6::RandomState(); }
    static void SetRandomState(const std::string& state) { Cls6::SetRandomState(state); }
};
