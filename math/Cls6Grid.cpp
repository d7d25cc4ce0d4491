// Evaluation of a prepared text over a grid: the parts a row shares are
// computed once per row, those a column shares once per column, and the rest
// for a whole row at a time, one step over a run of columns before the next
// step. Nothing computed ahead has an effect of its own: a failure, fault or
// empty result is kept for its node and replayed when that node is asked for.
#include "core/Errors.h"
#include "math/Cls6.h"
#include "math/Cls6Run.h"
#include "math/Cls6Steps.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <utility>

using namespace cls6steps;

namespace {

// Columns computed together: bounds the memory of a row's stack.
constexpr std::size_t kRun = 256;

// What the evaluation of a node ended with when it gave no value.
struct NodeResult {
    bool empty = false;
    Outcome outcome{};
    std::int8_t fault = -1; // a MathFault::Kind, or -1
};

std::int8_t FaultKind(double value) {
    return static_cast<std::int8_t>(std::isnan(value) ? MathFault::Kind::Invalid : MathFault::Kind::Overflow);
}

// Steps a row can run for every column at once: no RND (its draws belong to
// the order the nodes are asked in) and nothing that raises an error.
bool RowSteps(const std::vector<Cls6Step>& steps) {
    for (const Cls6Step& op : steps)
        if (op.code == Rnd || op.code == BadToken || op.code == PopEmpty || op.code == NumberOverflow)
            return false;
    return true;
}

// Runs part steps for one set of values, keeping what they ended with.
void RunPart(const std::vector<Cls6Step>& steps, const RunContext& context, double& value, PartOutcome& outcome) {
    outcome = PartOutcome{};
    try {
        bool empty = false;
        outcome.outcome = RunSteps(steps.data(), context, value, empty);
    } catch (const MathFault& fault) {
        outcome.fault = static_cast<std::int8_t>(fault.GetKind());
    }
}

} // namespace

struct Cls6Grid::State {
    StagedSteps steps;
    // The float variables the text reads, and whether it reads NN.
    std::uint8_t slots[8] = {};
    std::uint8_t slotCount = 0;
    bool readsN = false;
    unsigned rowVariables = 0;
    int inner = -1;
    std::size_t columns = 0;
    std::shared_ptr<const Columns> innerValues; // the inner variable at each column
    std::vector<std::uint32_t> rowParts;
    std::vector<std::uint32_t> columnParts;
    // Per value slot: its column part (index into columnParts), or -1.
    std::vector<std::int32_t> columnPartOf;
    // The value slots the steps read that are the same in every column (the
    // variables other than the inner one, the row parts).
    std::vector<std::uint32_t> scalarSlots;

    // The column parts were computed for these fixed values (all but the row
    // and inner variables) and mode.
    bool columnsValid = false;
    std::uint64_t columnKey[9] = {};
    bool columnDegree = false;

    // Scalars by value slot: the variables, then the row parts, with the
    // outcomes of the row parts. Per column: the column parts (part-major)
    // and their outcomes, and each node's result.
    std::vector<double> scalars;
    std::vector<PartOutcome> rowOutcomes;
    std::vector<double> columnValues;
    std::vector<PartOutcome> columnOutcomes;
    std::vector<std::uint8_t> dead;
    std::unique_ptr<Settled[]> settled;
    // The results of the nodes whose status is not 0, by column (sorted once
    // the row is computed).
    std::vector<std::pair<std::size_t, NodeResult>> results;
    const NodeResult& ResultOf(std::size_t column) const {
        return std::lower_bound(results.begin(), results.end(), column,
                                [](const auto& entry, std::size_t c) { return entry.first < c; })
            ->second;
    }
    // Lanes of a run of columns: the scalar slots spread out, the stack and
    // the registers.
    std::vector<double> spread;
    std::vector<double> stack;
    std::vector<double> registers;
    std::vector<double> partStack;
    std::vector<double> partRegisters;

    void Compute(const Cls6Variables& v, bool bolDegree);
    void ComputeColumns(bool bolDegree);
    void RunColumns(std::size_t first, std::size_t count, bool bolDegree);
};

void Cls6Grid::State::ComputeColumns(bool bolDegree) {
    // One column at a time, with the scalars of the fixed variables.
    std::vector<double> values(scalars);
    const RunContext context{partStack.data(), partRegisters.data(), values.data(), nullptr, nullptr, bolDegree};
    for (std::size_t c = 0; c < columns; ++c) {
        values[inner] = innerValues->values[c];
        for (std::size_t i = 0; i < columnParts.size(); ++i)
            RunPart(steps.parts[columnParts[i]], context, columnValues[i * columns + c],
                    columnOutcomes[i * columns + c]);
    }
}

void Cls6Grid::State::Compute(const Cls6Variables& v, bool bolDegree) {
    for (std::uint8_t k = 0; k < slotCount; ++k) scalars[slots[k]] = v.Slot(slots[k]);
    scalars[8] = static_cast<double>(v.n);
    // The column parts, when the fixed values or the mode changed.
    if (!columnParts.empty()) {
        std::uint64_t fixed[9] = {};
        for (std::uint8_t k = 0; k < slotCount; ++k)
            if ((rowVariables >> slots[k] & 1u) == 0 && slots[k] != inner)
                fixed[slots[k]] = std::bit_cast<std::uint32_t>(v.Slot(slots[k]));
        if (readsN && (rowVariables >> 8 & 1u) == 0) fixed[8] = static_cast<std::uint32_t>(v.n);
        if (!columnsValid || bolDegree != columnDegree || !std::equal(fixed, fixed + 9, columnKey)) {
            std::copy(fixed, fixed + 9, columnKey);
            columnDegree = bolDegree;
            ComputeColumns(bolDegree);
            columnsValid = true;
        }
    }
    // The row parts, then the row.
    const RunContext context{partStack.data(), partRegisters.data(), scalars.data(), nullptr, nullptr, bolDegree};
    for (std::uint32_t k : rowParts) RunPart(steps.parts[k], context, scalars[kFirstPartSlot + k], rowOutcomes[k]);
    for (std::size_t j = 0; j < scalarSlots.size(); ++j)
        std::fill_n(spread.data() + j * kRun, kRun, scalars[scalarSlots[j]]);
    results.clear();
    for (std::size_t first = 0; first < columns; first += kRun)
        RunColumns(first, std::min(kRun, columns - first), bolDegree);
    std::sort(results.begin(), results.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
}

void Cls6Grid::State::RunColumns(std::size_t first, std::size_t n, bool bolDegree) {
    // Where each value slot's lanes are for these columns.
    std::vector<const double*> slotLanes(scalars.size(), nullptr);
    slotLanes[inner] = innerValues->values.data() + first;
    for (std::size_t j = 0; j < scalarSlots.size(); ++j) slotLanes[scalarSlots[j]] = spread.data() + j * kRun;
    for (std::size_t slot = 0; slot < slotLanes.size(); ++slot)
        if (columnPartOf[slot] >= 0)
            slotLanes[slot] = columnValues.data() + static_cast<std::size_t>(columnPartOf[slot]) * columns + first;

    std::uint8_t* const gone = dead.data() + first;
    std::fill_n(gone, n, 0);
    Settled* const settle = settled.get() + first;
    const auto settleWith = [&](std::size_t i, const NodeResult& result) {
        gone[i] = 1;
        settle[i].status = 1;
        results.emplace_back(first + i, result);
    };
    const auto fail = [&](std::size_t i, const Outcome& outcome) {
        if (gone[i] == 0) settleWith(i, NodeResult{false, outcome, -1});
    };
    const auto fault = [&](std::size_t i, std::int8_t kind) {
        if (gone[i] == 0) settleWith(i, NodeResult{false, Outcome{}, kind});
    };
    // The checks of the steps, as the evaluator makes them: an arithmetic
    // result that is not finite faults; "/" and "^" have their guards.
    const auto check = [&](std::size_t i, double r) {
        if (!std::isfinite(r)) [[unlikely]]
            fault(i, FaultKind(r));
    };
    const auto divide = [&](std::size_t i, double a, double b, double& out) {
        if (std::fabs(b) < 1e-6) {
            fail(i, Reported(kDivisionByZero));
            return;
        }
        out = a / b;
        check(i, out);
    };
    const auto raise = [&](std::size_t i, double a, double b, double& out) {
        if (std::fabs(b) < 1e-6) {
            out = 1;
            return;
        }
        if (a < 0 && b != std::floor(b)) {
            fail(i, Reported(kNegativePower));
            return;
        }
        out = std::pow(a, b);
        if (std::isinf(out) && a == 0) fault(i, static_cast<std::int8_t>(MathFault::Kind::DivisionByZero));
        else check(i, out);
    };
    const auto lanes = [](std::vector<double>& v, std::size_t k) { return v.data() + k * kRun; };

    std::size_t depth = 0; // lanes on the stack
    const auto top = [&](std::size_t below = 0) { return lanes(stack, depth - 1 - below); };
    for (const Cls6Step* step = steps.point.data();; ++step) {
        const Cls6Step& op = *step;
        switch (op.code) {
        case End: {
            const double* t = depth > 0 ? top() : nullptr;
            for (std::size_t i = 0; i < n; ++i) {
                if (gone[i] != 0) continue;
                if (t == nullptr) {
                    settleWith(i, NodeResult{true, Outcome{}, -1});
                    continue;
                }
                const float f = static_cast<float>(t[i]);
                if (std::isfinite(f)) [[likely]] {
                    settle[i] = Settled{f, 0};
                } else {
                    try {
                        settle[i] = Settled{ToSingle(t[i]), 0};
                    } catch (const MathFault& e) {
                        fault(i, static_cast<std::int8_t>(e.GetKind()));
                    }
                }
            }
            return;
        }
        case Number: {
            double* d = lanes(stack, depth++);
            std::fill(d, d + n, op.value);
            break;
        }
        case Variable: {
            const double* s = slotLanes[op.index];
            std::copy(s, s + n, lanes(stack, depth++));
            break;
        }
        case Load: {
            const double* s = lanes(registers, op.index);
            std::copy(s, s + n, lanes(stack, depth++));
            break;
        }
        case Store: {
            const double* t = top();
            std::copy(t, t + n, lanes(registers, op.index));
            break;
        }
        case Part: {
            double* d = lanes(stack, depth++);
            const std::int32_t column = columnPartOf[kFirstPartSlot + op.index];
            if (column < 0) {
                const PartOutcome& part = rowOutcomes[op.index];
                if (part.fault >= 0 || Failed(part.outcome)) {
                    for (std::size_t i = 0; i < n; ++i) {
                        if (part.fault >= 0) fault(i, part.fault);
                        else fail(i, part.outcome);
                    }
                }
                std::fill(d, d + n, scalars[kFirstPartSlot + op.index]);
            } else {
                const std::size_t at = static_cast<std::size_t>(column) * columns + first;
                const double* values = columnValues.data() + at;
                const PartOutcome* outcomes = columnOutcomes.data() + at;
                for (std::size_t i = 0; i < n; ++i) {
                    if (outcomes[i].fault >= 0) fault(i, outcomes[i].fault);
                    else if (Failed(outcomes[i].outcome)) fail(i, outcomes[i].outcome);
                    d[i] = values[i];
                }
            }
            break;
        }
        case SetTop: {
            double* t = top();
            std::fill(t, t + n, op.value);
            break;
        }
        case Square: {
            double* t = top();
            for (std::size_t i = 0; i < n; ++i) {
                t[i] = t[i] * t[i];
                check(i, t[i]);
            }
            break;
        }
        case Neg: {
            double* t = top();
            for (std::size_t i = 0; i < n; ++i) t[i] = -t[i];
            break;
        }
// A binary step: `a` the left operand, `b` the right one, the result into
// `out` (the left operand's lanes).
#define VX_LANES(CODE, LEFT, RIGHT, POP, BODY)                                                     \
    case CODE: {                                                                                   \
        double* t = top();                                                                         \
        [[maybe_unused]] const double* s = POP ? top(1) : nullptr;                                 \
        [[maybe_unused]] const double* v = slotLanes[op.index < slotLanes.size() ? op.index : 0];  \
        [[maybe_unused]] const double* r = lanes(registers, op.index);                             \
        [[maybe_unused]] const double k = op.value;                                                \
        double* out = POP ? lanes(stack, depth - 2) : t;                                           \
        for (std::size_t i = 0; i < n; ++i) {                                                      \
            const double a = LEFT;                                                                 \
            const double b = RIGHT;                                                                \
            BODY                                                                                   \
        }                                                                                          \
        if (POP) --depth;                                                                          \
        break;                                                                                     \
    }
#define VX_ARITH(EXPR) out[i] = EXPR; check(i, out[i]);
#define VX_FOUR(ADD, SUB, MUL, DIV, RSUB, RDIV, OPERAND)                                           \
    VX_LANES(ADD, t[i], OPERAND, false, VX_ARITH(a + b))                                           \
    VX_LANES(SUB, t[i], OPERAND, false, VX_ARITH(a - b))                                           \
    VX_LANES(MUL, t[i], OPERAND, false, VX_ARITH(a * b))                                           \
    VX_LANES(DIV, t[i], OPERAND, false, divide(i, a, b, out[i]);)                                  \
    VX_LANES(RSUB, OPERAND, t[i], false, VX_ARITH(a - b))                                          \
    VX_LANES(RDIV, OPERAND, t[i], false, divide(i, a, b, out[i]);)
        VX_LANES(Add, s[i], t[i], true, VX_ARITH(a + b))
        VX_LANES(Sub, s[i], t[i], true, VX_ARITH(a - b))
        VX_LANES(Mul, s[i], t[i], true, VX_ARITH(a * b))
        VX_LANES(Div, s[i], t[i], true, divide(i, a, b, out[i]);)
        VX_LANES(Pow, s[i], t[i], true, raise(i, a, b, out[i]);)
        VX_FOUR(AddK, SubK, MulK, DivK, RSubK, RDivK, k)
        VX_FOUR(AddV, SubV, MulV, DivV, RSubV, RDivV, v[i])
        VX_FOUR(AddR, SubR, MulR, DivR, RSubR, RDivR, r[i])
        VX_LANES(PowK, t[i], k, false, raise(i, a, b, out[i]);)
        VX_LANES(RPowK, k, t[i], false, raise(i, a, b, out[i]);)
#undef VX_FOUR
#undef VX_ARITH
#undef VX_LANES
        // The commonest functions written out; the others one lane at a time
        // through the evaluator's own. A lane that failed is not computed again.
        case Sqr: {
            double* t = top();
            for (std::size_t i = 0; i < n; ++i) {
                if (gone[i] != 0) continue;
                if (t[i] < 1e-7) fail(i, Reported(kSqrArgument));
                else t[i] = std::sqrt(t[i]);
            }
            break;
        }
        case Log: {
            double* t = top();
            for (std::size_t i = 0; i < n; ++i) {
                if (gone[i] != 0) continue;
                if (t[i] <= 0.00001) fail(i, Reported(kLogArgument));
                else t[i] = std::log(t[i]);
            }
            break;
        }
        case Exp: {
            double* t = top();
            for (std::size_t i = 0; i < n; ++i) {
                if (gone[i] != 0) continue;
                t[i] = std::exp(t[i]);
                check(i, t[i]);
            }
            break;
        }
        case Sin:
        case Cos:
        case Atan:
            if (!bolDegree || op.code == Atan) {
                double* t = top();
                for (std::size_t i = 0; i < n; ++i) {
                    if (gone[i] != 0) continue;
                    t[i] = op.code == Sin ? std::sin(t[i]) : op.code == Cos ? std::cos(t[i]) : std::atan(t[i]);
                }
                break;
            }
            [[fallthrough]];
        default: {
            double* t = top();
            for (std::size_t i = 0; i < n; ++i) {
                if (gone[i] != 0) continue;
                try {
                    const Outcome outcome = ApplyFunction(op.code, t[i], bolDegree, t[i]);
                    if (Failed(outcome)) fail(i, outcome);
                } catch (const MathFault& e) {
                    fault(i, static_cast<std::int8_t>(e.GetKind()));
                }
            }
            break;
        }
        }
    }
}

Cls6Grid::Cls6Grid() = default;
Cls6Grid::Cls6Grid(Cls6Grid&&) noexcept = default;
Cls6Grid& Cls6Grid::operator=(Cls6Grid&&) noexcept = default;
Cls6Grid::~Cls6Grid() = default;

std::shared_ptr<const Cls6Grid::Columns> Cls6Grid::MakeColumns(const std::vector<float>& innerValues) {
    auto columns = std::make_shared<Columns>();
    columns->values.assign(innerValues.begin(), innerValues.end());
    columns->bits.reserve(innerValues.size());
    for (float value : innerValues) {
        columns->bits.push_back(std::bit_cast<std::uint32_t>(value));
        columns->finite = columns->finite && std::isfinite(value);
    }
    return columns;
}

Cls6Grid::Cls6Grid(const Cls6::Compiled& text, unsigned rowVariables, int inner, std::vector<float> innerValues)
    : Cls6Grid(text, rowVariables, inner, MakeColumns(innerValues)) {}

Cls6Grid::Cls6Grid(const Cls6::Compiled& text, unsigned rowVariables, int inner,
                   std::shared_ptr<const Columns> columns)
    : text_(text) {
    const Cls6::Program* program = text.program_.get();
    if (program == nullptr || program->tree == nullptr || inner < 0 || inner > 7 ||
        (rowVariables & (1u << inner)) != 0 || columns == nullptr || columns->values.empty() ||
        !columns->finite)
        return;
    auto state = std::make_unique<State>();
    StagedSteps& steps = state->steps;
    // Parts of a column pay only where there are rows to share them.
    const unsigned rowFree = (1u << inner) | kRandomBit;
    const unsigned columnFree = rowVariables != 0 ? (rowVariables & 0x1FFu) | kRandomBit : ~0u;
    if (!Stage(*program->tree, rowFree, columnFree, steps)) {
        // Nothing to compute ahead: the rewritten steps, for a row at a time.
        steps = StagedSteps{};
        steps.point = program->hasFolded ? program->folded : program->ops;
        steps.maxDepth = program->maxDepth;
        steps.registers = program->registers;
    }
    if (!RowSteps(steps.point)) return;
    std::copy_n(program->floatSlots, program->floatSlotCount, state->slots);
    state->slotCount = program->floatSlotCount;
    state->readsN = (program->readMask & (1u << 8)) != 0;
    state->rowVariables = rowVariables;
    state->inner = inner;
    const std::size_t n = columns->values.size();
    state->columns = n;
    const std::size_t parts = steps.parts.size();
    const std::size_t slots = kFirstPartSlot + parts;
    state->columnPartOf.assign(slots, -1);
    for (std::uint32_t k = 0; k < parts; ++k) {
        if (steps.partPerColumn[k] == 0) {
            state->rowParts.push_back(k);
        } else {
            state->columnPartOf[kFirstPartSlot + k] = static_cast<std::int32_t>(state->columnParts.size());
            state->columnParts.push_back(k);
        }
    }
    // The slots the steps read that are the same in every column.
    std::vector<std::uint8_t> read(slots, 0);
    for (const Cls6Step& op : steps.point)
        if (op.code == Variable || (op.code >= AddV && op.code <= RDivV)) read[op.index] = 1;
    for (std::uint32_t slot = 0; slot < slots; ++slot)
        if (read[slot] != 0 && static_cast<int>(slot) != inner && state->columnPartOf[slot] < 0)
            state->scalarSlots.push_back(slot);

    state->innerValues = std::move(columns);
    state->scalars.assign(slots, 0.0);
    state->rowOutcomes.assign(parts, PartOutcome{});
    state->columnValues.assign(state->columnParts.size() * n, 0.0);
    state->columnOutcomes.assign(state->columnParts.size() * n, PartOutcome{});
    state->dead.assign(n, 0);
    state->settled.reset(new Settled[n]); // written for every column of each row
    state->spread.assign(std::max<std::size_t>(state->scalarSlots.size(), 1) * kRun, 0.0);
    state->stack.assign(std::max<std::size_t>(steps.maxDepth, 1) * kRun, 0.0);
    state->registers.assign(std::max<std::size_t>(steps.registers, 1) * kRun, 0.0);
    state->partStack.assign(std::max<std::size_t>(steps.maxDepth, 1), 0.0);
    state->partRegisters.assign(std::max<std::size_t>(steps.registers, 1), 0.0);

    for (std::uint8_t k = 0; k < state->slotCount; ++k)
        if (state->slots[k] != inner) keySlots_[keySlotCount_++] = state->slots[k];
    readsN_ = state->readsN;
    inner_ = static_cast<std::uint8_t>(inner);
    columns_ = n;
    innerBits_ = state->innerValues->bits.data();
    settled_ = state->settled.get();
    state_ = std::move(state);
}

bool Cls6Grid::EvaluateNode(Cls6& engine, std::int64_t column, bool bolDegree, float& sngResult,
                            const Cls6Variables& v) {
    State* const s = state_.get();
    // A node that is no node of the grid is evaluated alone.
    if (s == nullptr || static_cast<std::uint64_t>(column) >= columns_ ||
        Bits(v.Slot(inner_)) != innerBits_[column])
        return engine.Evaluate(text_, bolDegree, sngResult, v);
    if (!valid_ || bolDegree != degree_ || !SameRow(v)) {
        // A new row: every variable read must be finite for the rewritten steps.
        valid_ = false;
        for (std::uint8_t k = 0; k < keySlotCount_; ++k)
            if (!std::isfinite(v.Slot(keySlots_[k]))) return engine.Evaluate(text_, bolDegree, sngResult, v);
        for (std::uint8_t k = 0; k < keySlotCount_; ++k) key_[keySlots_[k]] = Bits(v.Slot(keySlots_[k]));
        key_[8] = static_cast<std::uint32_t>(v.n);
        degree_ = bolDegree;
        s->Compute(v, bolDegree);
        valid_ = true;
    }
    const std::size_t c = static_cast<std::size_t>(column);
    if (s->settled[c].status == 0) {
        sngResult = s->settled[c].value;
        return true;
    }
    const NodeResult& r = s->ResultOf(c);
    if (r.fault >= 0) throw MathFault(static_cast<MathFault::Kind>(r.fault));
    if (Failed(r.outcome)) return EndWithFailure(r.outcome, sngResult);
    return false; // nothing was left on the stack
}
