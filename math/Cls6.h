#pragma once
// The expression compiler (infix text to postfix text) and evaluator.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Cls6 {
public:
    // Compiles the infix text `sExpression` and appends its postfix text (each
    // token followed by one blank) to `sBuffer`. Returns 0 on success; on a syntax
    // error shows the message box ("语法错误") and returns the error position,
    // never 0.
    std::int32_t InfixToPostfix(const std::string& sExpression, std::string& sBuffer);

    // Evaluates the postfix text with the given variable values. True: `sngResult`
    // holds the value, or UndefinedValue after a mathematical failure while
    // ShowMathErrors is False or after a silent failure. False: a reported failure
    // while ShowMathErrors is True (after its message box), or an empty result;
    // `sngResult` is then unchanged. An unknown token raises RaisedError
    // 0x800403EA; an overflow, division by zero or invalid operation that no guard
    // catches (also at the conversion of the result to a 32-bit float) raises
    // MathFault.
    bool DoEvaluate(const std::string& sExpression, bool bolDegree, float& sngResult,
                    float sngU, float sngV, float sngX, float sngY, float sngA, float sngR,
                    float sngB, float sngT, std::int32_t lngN);

    // True when the last DoEvaluate on this object ended in a silent failure
    // (CTANH, CSECH or an inverse hyperbolic function outside its domain), which
    // answers True with UndefinedValue whatever ShowMathErrors says. Reported
    // failures do not set it. For the calculator; plotting never reads it.
    bool LastEvaluationSilent() const { return lastSilent_; }

private:
    // Lets the tests run every text through its steps exactly as written and
    // replay the RND sequence.
    friend struct Cls6Reference;

    // One step of a tokenized postfix text.
    struct Op {
        std::uint8_t code;
        std::uint32_t index; // variable slot, register, or entry of badTokens
        double value;        // number constant
    };
    // A postfix text split into steps once, with the depth its stack needs, and
    // the same computation rewritten with fewer steps (constant parts folded,
    // steps that cannot change the value dropped, repeated parts computed once).
    // The rewritten steps give the same value, failure and message as the
    // written ones whenever every variable the text reads is finite; otherwise the
    // written steps run.
    struct Program {
        std::string text;
        std::vector<Op> ops;
        std::vector<Op> folded;
        std::vector<std::string> badTokens;
        std::size_t maxDepth = 0;
        std::size_t registers = 0;
        // The slots of the variables UU..TT that the text reads.
        std::uint8_t floatSlots[8] = {};
        std::uint8_t floatSlotCount = 0;
        bool hasFolded = false;
    };

    static std::int32_t GetPriority(std::string_view token);
    static bool IsNameStart(std::string_view text);

    const Program& Prepared(const std::string& sExpression);
    static Program Tokenize(const std::string& sExpression);
    static void Fold(Program& program);
    // The state of the RND sequence, so that tests can replay a stretch of it.
    static std::string RandomState();
    static void SetRandomState(const std::string& state);

    // The tokenized texts seen so far (a few, replaced in turn when full), so that
    // evaluating the same texts again for every point neither re-scans nor
    // allocates; the value stack of evaluation and the registers of the
    // rewritten steps, sized when a text is tokenized.
    std::vector<Program> programs_;
    std::size_t nextSlot_ = 0;
    std::vector<double> stack_;
    std::vector<double> registers_;
    bool folding_ = true;
    bool lastSilent_ = false;
};
