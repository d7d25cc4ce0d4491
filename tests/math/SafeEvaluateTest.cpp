#include "core/Errors.h"
#include "core/Globals.h"
#include "core/MessageService.h"
#include "math/Cls6.h"
#include "math/SafeEvaluate.h"
#include "tests/support/ProgramState.h"
#include "tests/support/RecordingServices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SafeEvaluateTest : public ProgramStateTest {
protected:
    bool Eval(const std::string& infix, float& result, float x = 0) {
        std::string postfix;
        EXPECT_EQ(engine.InfixToPostfix(infix, postfix), 0) << infix;
        return SafeEvaluate(engine, postfix, false, result, 0, 0, x, 0, 0, 0, 0, 0, 0);
    }

    Cls6 engine;
};

TEST_F(SafeEvaluateTest, FaultsBecomeUndefinedPointsAndTheRestPassesThrough) {
    const struct { const char* infix; float x; bool ok; float value; } cases[] = {
        {"exp(100)", 0, true, UndefinedValue},     // overflow at the conversion to float
        {"exp(x)*exp(x)", 400, true, UndefinedValue},
        {"0^(-1)", 0, true, UndefinedValue},
        {"x^2+1", 3, true, 10},
        {"sqr(x)", -1, true, UndefinedValue},      // a reported failure while plotting
        {"atanh(x)", 1, true, UndefinedValue},     // a silent failure
        {"", 0, false, 42},                        // nothing to evaluate
    };
    for (bool show : {false, true}) {
        ShowMathErrors = show;
        for (const auto& c : cases) {
            RecordingMessageBox box;
            float result = 42;
            const bool reported = show && std::string(c.infix) == "sqr(x)";
            EXPECT_EQ(Eval(c.infix, result, c.x), reported ? false : c.ok) << c.infix;
            EXPECT_EQ(result, reported ? 42.0f : c.value) << c.infix;
            EXPECT_EQ(box.Count(), reported ? 1u : 0u) << c.infix;
        }
    }
    // The next point of the same object evaluates normally after a fault.
    float result = 0;
    ASSERT_TRUE(Eval("exp(x)", result, 1000));
    EXPECT_EQ(result, UndefinedValue);
    ASSERT_TRUE(Eval("exp(x)", result, 0));
    EXPECT_EQ(result, 1.0f);
}

TEST_F(SafeEvaluateTest, RaisedErrorsAreNotSwallowed) {
    float result = 42;
    EXPECT_THROW(SafeEvaluate(engine, "FOO ", false, result, 0, 0, 0, 0, 0, 0, 0, 0, 0), RaisedError);
    EXPECT_THROW(SafeEvaluate(engine, "* ", false, result, 0, 0, 0, 0, 0, 0, 0, 0, 0), RaisedError);
    EXPECT_EQ(result, 42.0f);
}

} // namespace
