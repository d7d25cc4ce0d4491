#pragma once
// The expression compiler (infix text to postfix text) and evaluator.
#include "core/Errors.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Cls6Tree;
class Cls6Grid;

// The values of the nine variables of one evaluation (U, V, X, Y, A, R, B, T as
// 32-bit floats, N as a 32-bit whole number).
struct Cls6Variables {
    float u = 0;
    float v = 0;
    float x = 0;
    float y = 0;
    float a = 0;
    float r = 0;
    float b = 0;
    float t = 0;
    std::int32_t n = 0;

    // The 32-bit float variables by slot (U..T are slots 0..7).
    float Slot(int slot) const { return this->*kSlots[slot]; }

private:
    static constexpr float Cls6Variables::*kSlots[8] = {
        &Cls6Variables::u, &Cls6Variables::v, &Cls6Variables::x, &Cls6Variables::y,
        &Cls6Variables::a, &Cls6Variables::r, &Cls6Variables::b, &Cls6Variables::t};
};

// One step of a tokenized postfix text (internal to the evaluator).
struct Cls6Step {
    std::uint8_t code;
    std::uint32_t index; // variable slot, register, part, or entry of badTokens
    double value;        // number constant
};

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

    class Compiled;
    // A postfix text made ready for evaluation once: evaluating the handle gives
    // exactly what DoEvaluate gives for the text (value, failures, messages,
    // raised errors, RND draws), without scanning or looking up the text.
    // Handles are cheap to copy and stay valid for the whole run.
    static Compiled Prepare(const std::string& sExpression);
    // Evaluates a prepared text; an empty handle gives False like an empty text.
    bool Evaluate(const Compiled& text, bool bolDegree, float& sngResult, const Cls6Variables& v);

    // True when the last DoEvaluate on this object ended in a silent failure
    // (CTANH, CSECH or an inverse hyperbolic function outside its domain), which
    // answers True with UndefinedValue whatever ShowMathErrors says. Reported
    // failures do not set it. For the calculator; plotting never reads it.
    bool LastEvaluationSilent() const { return lastSilent_; }

private:
    friend class Cls6Grid;
    // Lets the tests run every text through its steps exactly as written and
    // replay the RND sequence.
    friend struct Cls6Reference;

    using Op = Cls6Step;
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
        // The variables read, one bit per slot (NN is slot 8).
        std::uint16_t readMask = 0;
        // The slot of the one variable the text consists of, or -1.
        std::int8_t singleVariable = -1;
        // The rewritten computation as a tree, for evaluations that compute
        // some of its parts ahead (Cls6Grid); null for texts too long to rewrite.
        std::shared_ptr<const Cls6Tree> tree;
    };

public:
    class Compiled {
    public:
        Compiled() = default;
        // False for an empty handle.
        explicit operator bool() const { return program_ != nullptr; }

    private:
        friend class Cls6;
        friend class Cls6Grid;
        explicit Compiled(std::shared_ptr<const Program> program) : program_(std::move(program)) {}
        std::shared_ptr<const Program> program_;
    };

private:
    // InfixToPostfix without its cache.
    std::int32_t Compile(const std::string& sExpression, std::string& sBuffer);
    static std::int32_t GetPriority(std::string_view token);
    static bool IsNameStart(std::string_view text);

    const Program& Prepared(const std::string& sExpression);
    // The tokenized program of a text, shared by every evaluator of the run.
    static std::shared_ptr<const Program> Shared(const std::string& sExpression);
    static Program Tokenize(const std::string& sExpression);
    static void Fold(Program& program);
    bool Run(const Program& program, bool folded, bool bolDegree, float& sngResult,
             const double* variables);
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

// The message for a mathematical fault that no guard caught (a value beyond
// the number range, above all), worded like the evaluator's own failures.
std::string MathFaultMessage(MathFault::Kind kind);

// A position list's entry, already filtered as an expression, as its value:
// a plain number as that number, in exponent form too ("1e3", which the
// compiler does not take); anything else compiled by `engine` as it stands
// and evaluated in radians with every variable 0. Nothing when a number lies
// beyond a float's range, the text does not compile or yields no value, or its
// evaluation fails (the undefined marker from anything but a plain number).
std::optional<float> PositionValue(Cls6& engine, const std::string& cleaned);

// One prepared text evaluated at the nodes of a grid: along a row the
// variable slot `inner` (0..7 for U..T) takes innerValues[c] at column c, and
// the variables of `rowVariables` (one bit per slot) change from row to row;
// every other variable keeps its value. The parts of the text that read
// neither the inner variable nor RND are computed once per row, those that
// read neither a row variable nor RND once per column, and the rest for all
// columns of a row together. Each node gives exactly what Cls6::Evaluate
// gives for the same values (value, failure, message, raised fault) when it is
// asked for, in any order; a node whose values are not the grid's, and a text
// that draws RND, are evaluated alone.
class Cls6Grid {
public:
    // The values of the inner variable along a row, shared by the grids of one
    // loop.
    struct Columns {
        std::vector<double> values;
        std::vector<std::uint32_t> bits;
        bool finite = true;
    };
    static std::shared_ptr<const Columns> MakeColumns(const std::vector<float>& innerValues);

    Cls6Grid();
    Cls6Grid(const Cls6::Compiled& text, unsigned rowVariables, int inner, std::vector<float> innerValues);
    Cls6Grid(const Cls6::Compiled& text, unsigned rowVariables, int inner, std::shared_ptr<const Columns> columns);
    Cls6Grid(Cls6Grid&&) noexcept;
    Cls6Grid& operator=(Cls6Grid&&) noexcept;
    ~Cls6Grid();

    // Evaluates the text at column `column` with the variables `v`; `engine`
    // evaluates what the grid does not.
    bool Evaluate(Cls6& engine, std::int64_t column, bool bolDegree, float& sngResult,
                  const Cls6Variables& v) {
        // A node of the row computed last whose value is there.
        if (valid_ && static_cast<std::uint64_t>(column) < columns_ && bolDegree == degree_ &&
            Bits(v.Slot(inner_)) == innerBits_[column] && SameRow(v)) {
            const Settled& settled = settled_[column];
            if (settled.status == 0) {
                sngResult = settled.value;
                return true;
            }
        }
        return EvaluateNode(engine, column, bolDegree, sngResult, v);
    }

    // True when the nodes are computed a row at a time (false for a text that
    // draws RND or raises an error, or a grid whose columns are not finite).
    bool ByRows() const { return state_ != nullptr; }

    // What a node of the row computed last ended with: status 0, its value;
    // otherwise a failure, fault or empty result kept aside.
    struct Settled {
        float value;
        std::uint8_t status;
    };

private:
    struct State;

    static std::uint32_t Bits(float value) {
        std::uint32_t bits;
        __builtin_memcpy(&bits, &value, sizeof bits);
        return bits;
    }
    bool SameRow(const Cls6Variables& v) const {
        for (std::uint8_t k = 0; k < keySlotCount_; ++k)
            if (Bits(v.Slot(keySlots_[k])) != key_[keySlots_[k]]) return false;
        return !readsN_ || static_cast<std::uint32_t>(v.n) == key_[8];
    }
    bool EvaluateNode(Cls6& engine, std::int64_t column, bool bolDegree, float& sngResult,
                      const Cls6Variables& v);

    Cls6::Compiled text_;
    std::unique_ptr<State> state_;
    // The row computed last, for the quick path above: the variables it holds
    // (bits), the inner variable of each column, and each node's outcome.
    bool valid_ = false;
    bool degree_ = false;
    bool readsN_ = false;
    std::uint8_t inner_ = 0;
    std::uint8_t keySlotCount_ = 0;
    std::uint8_t keySlots_[8] = {};
    std::uint32_t key_[9] = {};
    std::uint64_t columns_ = 0;
    const std::uint32_t* innerBits_ = nullptr;
    const Settled* settled_ = nullptr;
};
