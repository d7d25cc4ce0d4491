// The rewriting of a tokenized text into fewer steps.
#include "math/Cls6.h"
#include "math/Cls6Steps.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <unordered_map>

using namespace cls6steps;
using Op = Cls6Step;

namespace {

// The steps are rebuilt as a tree (identical parts shared), simplified where the
// simplification gives the same bits, the same failure at the same place and the
// same message, and written out again. Every fact below holds when each variable
// the text reads is finite; the evaluator runs the written steps otherwise.

constexpr std::size_t kMaxFoldedSteps = 8192; // bounds the recursion depth of the rewrite

struct NodeKey {
    std::uint8_t code;
    std::uint32_t index;
    std::uint64_t bits;
    std::int32_t a, b;
    bool operator==(const NodeKey&) const = default;
};
struct NodeKeyHash {
    std::size_t operator()(const NodeKey& k) const {
        std::uint64_t h = k.bits * 0x9E3779B97F4A7C15ull;
        h ^= (std::uint64_t{k.code} << 56) ^ (std::uint64_t{k.index} << 24);
        h ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.a)) * 0xC2B2AE3D27D4EB4Full;
        h ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.b)) * 0x165667B19E3779F9ull;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

// Functions whose value does not depend on the angle mode and draws nothing.
bool FoldableFunction(std::uint8_t code) {
    return code == Log || code == Exp || code == Abs || code == Int || code == Sqr || code >= Asin;
}

class Folder {
public:
    std::vector<Node> nodes;

    std::int32_t Constant(double value) { return Make(Node{Number, 0, value}); }
    std::int32_t Var(std::uint32_t index) { return Make(Node{Variable, index, 0}); }

    std::int32_t Unary(std::uint8_t code, std::int32_t a) {
        const Node x = nodes[a];
        if (code == Neg) {
            if (x.code == Number) return Constant(-x.value);
            if (x.code == Neg) return x.a; // -(-v) is v, bit for bit
        }
        if (x.code == Number) {
            if (code == Square) {
                const double r = x.value * x.value;
                if (std::isfinite(r)) return Constant(r);
            } else if (FoldableFunction(code)) {
                try {
                    double r = 0;
                    const Outcome outcome = ApplyFunction(code, x.value, false, r);
                    if (outcome.message == nullptr && !outcome.silent && std::isfinite(r))
                        return Constant(r);
                } catch (const MathFault&) {
                    // Left to fail where evaluation reaches it.
                }
            }
        }
        Node n{code, 0, 0};
        n.a = a;
        return Make(n);
    }

    std::int32_t Binary(std::uint8_t code, std::int32_t a, std::int32_t b) {
        const Node x = nodes[a];
        const Node y = nodes[b];
        const bool xk = x.code == Number;
        const bool yk = y.code == Number;
        const double xv = x.value;
        const double yv = y.value;
        const auto plusZero = [](const Node& n) { return n.code == Number && n.value == 0 && !std::signbit(n.value); };
        const auto minusZero = [](const Node& n) { return n.code == Number && n.value == 0 && std::signbit(n.value); };
        // A part that is certainly +0 or -0 and can be skipped.
        const auto droppableZero = [](const Node& n) { return n.zero && n.pure; };
        switch (code) {
        case Add:
            if (xk && yk && std::isfinite(xv + yv)) return Constant(xv + yv);
            if (minusZero(y) && x.finite) return a; // v + -0 is v
            if (minusZero(x) && y.finite) return b;
            // v + (+0 or -0) is v unless v is -0.
            if (droppableZero(y) && x.finite && !x.minusZero) return a;
            if (droppableZero(x) && y.finite && !y.minusZero) return b;
            break;
        case Sub:
            if (xk && yk && std::isfinite(xv - yv)) return Constant(xv - yv);
            if (plusZero(y) && x.finite) return a; // v - +0 is v
            if (droppableZero(y) && x.finite && !x.minusZero) return a;
            // -0 - v is -v; +0 - v is -v unless v is +0.
            if (minusZero(x) && y.finite) return Unary(Neg, b);
            if (plusZero(x) && y.finite && !y.plusZero) return Unary(Neg, b);
            break;
        case Mul:
            if (xk && yk && std::isfinite(xv * yv)) return Constant(xv * yv);
            if (yk && x.finite && (yv == 1 || yv == -1)) return yv == 1 ? a : Unary(Neg, a);
            if (xk && y.finite && (xv == 1 || xv == -1)) return xv == 1 ? b : Unary(Neg, b);
            break;
        case Div:
            if (xk && yk && std::fabs(yv) >= 1e-6 && std::isfinite(xv / yv)) return Constant(xv / yv);
            if (yk && x.finite && (yv == 1 || yv == -1)) return yv == 1 ? a : Unary(Neg, a);
            break;
        case Pow:
            if (yk && std::fabs(yv) < 1e-6) {
                // The value is 1 whatever the base; the base is still evaluated
                // when that may fail or draw a random number.
                if (x.pure) return Constant(1);
                Node n{SetTop, 0, 1};
                n.a = a;
                return Make(n);
            }
            if (xk && yk && !(xv < 0 && yv != std::floor(yv))) {
                const double r = std::pow(xv, yv);
                if (std::isfinite(r)) return Constant(r);
            }
            if (yk && yv == 1 && x.finite) return a; // pow(v, 1) is v
            break;
        default: break;
        }
        Node n{code, 0, 0};
        n.a = a;
        n.b = b;
        return Make(n);
    }

private:
    std::unordered_map<NodeKey, std::int32_t, NodeKeyHash> ids_;
    std::uint32_t serial_ = 0;

    std::int32_t Make(Node n) {
        if (n.code == Rnd) n.index = serial_++;
        const NodeKey key{n.code, n.index, std::bit_cast<std::uint64_t>(n.value), n.a, n.b};
        const auto found = ids_.find(key);
        if (found != ids_.end()) return found->second;
        Describe(n);
        const auto id = static_cast<std::int32_t>(nodes.size());
        nodes.push_back(n);
        ids_.emplace(key, id);
        return id;
    }

    // Fills in what is known of the value of `n` from its operands.
    void Describe(Node& n) const {
        const Node* x = n.a >= 0 ? &nodes[n.a] : nullptr;
        const Node* y = n.b >= 0 ? &nodes[n.b] : nullptr;
        const auto number = [&n](double v) {
            n.finite = true;
            n.zero = v == 0;
            n.plusZero = v == 0 && !std::signbit(v);
            n.minusZero = v == 0 && std::signbit(v);
            n.bound = std::fabs(v);
        };
        // An arithmetic result: every one that evaluation lets through is finite,
        // and one whose bound is far below the largest double cannot overflow
        // (the bounds are computed with the same rounding, which is monotonic).
        const auto arithmetic = [&n](double bound, bool operandsPure) {
            n.finite = true;
            n.bound = bound;
            n.pure = operandsPure && bound < 1e300;
        };
        switch (n.code) {
        case Number:
            number(n.value);
            n.pure = true;
            return;
        case Variable:
            n.finite = true;
            n.pure = true;
            if (n.index == 8) { // NN, a whole number
                n.minusZero = false;
                n.bound = 2147483648.0;
            } else {
                n.bound = std::numeric_limits<float>::max();
            }
            return;
        case SetTop:
            number(n.value);
            return;
        case Neg:
        case Abs:
            n.finite = x->finite;
            n.pure = x->pure;
            n.zero = x->zero;
            n.bound = x->bound;
            n.plusZero = n.code == Neg ? x->minusZero : (x->plusZero || x->minusZero);
            n.minusZero = n.code == Neg && x->plusZero;
            return;
        case Int: // floor keeps -0, and |floor(v)| <= |v| + 1
            n.finite = x->finite;
            n.pure = x->pure;
            n.minusZero = x->minusZero;
            n.bound = x->bound + 1;
            return;
        case Sin:
        case Cos:
        case Tan:
            // The degree conversion of a huge operand raises the overflow;
            // sin, cos and tan of an infinity are NaN.
            n.finite = x->finite && x->bound < 1e300;
            n.pure = x->pure && x->bound < 1e300;
            n.bound = n.code == Tan ? kNoBound : 1;
            return;
        case Atan:
        case Actan:
            n.finite = x->finite;
            n.pure = x->pure;
            n.bound = 4;
            return;
        case Square:
            arithmetic(x->bound * x->bound, x->pure && x->finite);
            n.zero = x->zero;
            n.minusZero = false;
            return;
        case Add:
        case Sub:
            arithmetic(x->bound + y->bound, x->pure && y->pure && x->finite && y->finite);
            n.zero = x->zero && y->zero;
            // A sum is -0 only for -0 + -0, a difference only for -0 - +0.
            n.minusZero = x->minusZero && (n.code == Add ? y->minusZero : y->plusZero);
            return;
        case Mul:
            n.zero = x->zero || y->zero;
            arithmetic(n.zero ? 0.0 : x->bound * y->bound, x->pure && y->pure && x->finite && y->finite);
            return;
        default:
            // Anything else may fail (a guard, an overflow) or draw a random
            // number; its value is finite when evaluation goes on, except for
            // the functions below that let a NaN operand through.
            n.finite = (n.code == Log || n.code == Sqr) ? x->finite : true;
            if (n.code == Div && y->code == Number && std::fabs(y->value) >= 1e-6)
                arithmetic(x->bound / std::fabs(y->value), x->pure && x->finite);
            return;
        }
    }
};

// Writes the tree out as steps. A part reached a second time is loaded from the
// register its first evaluation stored it in; that is exact because evaluation
// is deterministic (RND parts are never shared) and a part that failed the first
// time ended the evaluation.
class Emitter {
public:
    explicit Emitter(const std::vector<Node>& nodes)
        : nodes_(nodes), uses_(nodes.size(), 0), registers_(nodes.size(), -1) {}

    void Count(std::int32_t id) {
        if (++uses_[id] > 1) return;
        const Node& n = nodes_[id];
        if (n.a >= 0) Count(n.a);
        if (n.b >= 0) Count(n.b);
    }

    template <class Push>
    void Emit(std::int32_t id, Push push) {
        const Node& n = nodes_[id];
        if (registers_[id] >= 0) {
            push(Load, static_cast<std::uint32_t>(registers_[id]), 0.0);
            return;
        }
        if (n.code == Number || n.code == Variable || n.code == Part) {
            push(n.code, n.index, n.value);
            return;
        }
        if (!IsBinary(n.code)) {
            Emit(n.a, push);
            push(n.code, 0, n.value);
        } else {
            const Node& x = nodes_[n.a];
            const Node& y = nodes_[n.b];
            static constexpr std::uint8_t withNumber[] = {AddK, SubK, MulK, DivK, PowK};
            static constexpr std::uint8_t numberFirst[] = {AddK, RSubK, MulK, RDivK, RPowK};
            static constexpr std::uint8_t withVariable[] = {AddV, SubV, MulV, DivV};
            static constexpr std::uint8_t variableFirst[] = {AddV, RSubV, MulV, RDivV};
            static constexpr std::uint8_t withRegister[] = {AddR, SubR, MulR, DivR};
            static constexpr std::uint8_t registerFirst[] = {AddR, RSubR, MulR, RDivR};
            const int k = n.code - Add;
            const bool pow = n.code == Pow;
            // Reading a number, a variable or a register has no effect, so it
            // may be read after the other operand; "+" and "*" give the same
            // bits either way.
            if (y.code == Number) {
                Emit(n.a, push);
                push(withNumber[k], 0, y.value);
            } else if (y.code == Variable && !pow) {
                Emit(n.a, push);
                push(withVariable[k], y.index, 0.0);
            } else if (x.code == Number) {
                Emit(n.b, push);
                push(numberFirst[k], 0, x.value);
            } else if (x.code == Variable && !pow) {
                Emit(n.b, push);
                push(variableFirst[k], x.index, 0.0);
            } else if (registers_[n.a] >= 0 && !pow) {
                Emit(n.b, push);
                push(registerFirst[k], static_cast<std::uint32_t>(registers_[n.a]), 0.0);
            } else {
                Emit(n.a, push);
                if (registers_[n.b] >= 0 && !pow) {
                    push(withRegister[k], static_cast<std::uint32_t>(registers_[n.b]), 0.0);
                } else {
                    Emit(n.b, push);
                    push(n.code, 0, 0.0);
                }
            }
        }
        if (uses_[id] > 1) {
            registers_[id] = static_cast<std::int32_t>(registerCount_++);
            push(Store, static_cast<std::uint32_t>(registers_[id]), 0.0);
        }
    }

    std::size_t RegisterCount() const { return registerCount_; }

private:
    const std::vector<Node>& nodes_;
    std::vector<std::uint32_t> uses_;
    std::vector<std::int32_t> registers_;
    std::size_t registerCount_ = 0;
};
// Writes the values `roots` of the tree as steps after `steps`; returns the
// registers they use and raises `maxDepth` to the depth of their stack.
std::size_t EmitSteps(const std::vector<Node>& nodes, const std::vector<std::int32_t>& roots,
                      std::vector<Op>& steps, std::size_t& maxDepth) {
    Emitter emitter(nodes);
    for (std::int32_t root : roots) emitter.Count(root);
    std::size_t depth = 0;
    auto push = [&](std::uint8_t code, std::uint32_t index, double value) {
        steps.push_back(Op{code, index, value});
        if (code == Number || code == Variable || code == Load || code == Part) ++depth;
        else if (IsBinary(code)) --depth;
        maxDepth = std::max(maxDepth, depth);
    };
    for (std::int32_t root : roots) emitter.Emit(root, push);
    return emitter.RegisterCount();
}

} // namespace

void Cls6::Fold(Program& program) {
    const std::vector<Op>& ops = program.ops;
    if (ops.empty() || ops.size() > kMaxFoldedSteps) return;

    // The values left on the stack, as parts of the tree, and the step that
    // raises at the end, if any (nothing after it was kept).
    Folder folder;
    std::vector<std::int32_t> values;
    const Op* raising = nullptr;
    for (const Op& op : ops) {
        if (op.code == Number) {
            values.push_back(folder.Constant(op.value));
        } else if (op.code == Variable) {
            values.push_back(folder.Var(op.index));
        } else if (op.code == BadToken || op.code == PopEmpty || op.code == NumberOverflow) {
            raising = &op;
        } else if (IsBinary(op.code)) {
            const std::int32_t b = values.back();
            values.pop_back();
            values.back() = folder.Binary(op.code, values.back(), b);
        } else {
            values.back() = folder.Unary(op.code, values.back());
        }
    }

    // Only the last value is the result: an earlier one is evaluated only for
    // the failures it may end the evaluation with, so one that cannot fail is
    // left out.
    std::vector<std::int32_t> roots;
    for (std::size_t k = 0; k < values.size(); ++k)
        if (k + 1 == values.size() || !folder.nodes[values[k]].pure) roots.push_back(values[k]);
    auto tree = std::make_shared<Cls6Tree>();
    tree->roots = roots;
    if (raising != nullptr) {
        tree->raises = true;
        tree->raising = *raising;
    }
    std::vector<Op>& folded = program.folded;
    std::size_t maxDepth = 0;
    const std::size_t registers = EmitSteps(folder.nodes, roots, folded, maxDepth);
    if (raising != nullptr) folded.push_back(*raising);
    tree->nodes = std::move(folder.nodes);
    program.tree = std::move(tree);
    // Steps that are not fewer than the written ones are not worth the check.
    if (folded.size() >= ops.size()) {
        folded.clear();
        return;
    }
    program.maxDepth = std::max(program.maxDepth, maxDepth);
    program.registers = registers;
    program.hasFolded = true;
}

bool cls6steps::Stage(const Cls6Tree& tree, unsigned rowFree, unsigned columnFree, StagedSteps& out) {
    const std::vector<Node>& nodes = tree.nodes;
    // What each part reads (operands come before the parts that use them).
    std::vector<unsigned> reads(nodes.size(), 0);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Node& n = nodes[i];
        unsigned m = n.code == Variable ? 1u << n.index : (n.code == Rnd ? kRandomBit : 0u);
        if (n.a >= 0) m |= reads[n.a];
        if (n.b >= 0) m |= reads[n.b];
        reads[i] = m;
    }
    // The parts computed ahead: the largest that read nothing of a row's free
    // variables (or of a column's), other than bare numbers and variables.
    std::vector<std::int32_t> partOf(nodes.size(), -1);
    std::vector<std::int32_t> parts;
    std::vector<std::uint8_t> seen(nodes.size(), 0);
    const auto find = [&](const auto& self, std::int32_t id) -> void {
        if (seen[id] != 0) return;
        seen[id] = 1;
        const Node& n = nodes[id];
        if (n.code == Number || n.code == Variable) return;
        const bool perRow = (reads[id] & rowFree) == 0;
        if (perRow || (reads[id] & columnFree) == 0) {
            partOf[id] = static_cast<std::int32_t>(parts.size());
            parts.push_back(id);
            out.partPerColumn.push_back(perRow ? 0 : 1);
            out.partMayFail.push_back(n.pure ? 0 : 1);
            return;
        }
        if (n.a >= 0) self(self, n.a);
        if (n.b >= 0) self(self, n.b);
    };
    for (std::int32_t root : tree.roots) find(find, root);
    if (parts.empty()) return false;

    for (std::int32_t id : parts) {
        std::vector<Op> steps;
        std::size_t depth = 0;
        out.registers = std::max(out.registers, EmitSteps(nodes, {id}, steps, depth));
        steps.push_back(Op{End, 0, 0.0});
        out.maxDepth = std::max(out.maxDepth, depth);
        out.parts.push_back(std::move(steps));
    }
    // One evaluation reads each part as a leaf: a value slot when the part
    // cannot fail, a Part step that replays its failure otherwise.
    std::vector<Node> leaves = nodes;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        Node& n = leaves[parts[k]];
        const bool pure = n.pure;
        n = Node{};
        n.code = pure ? Variable : Part;
        n.index = static_cast<std::uint32_t>(pure ? kFirstPartSlot + k : k);
    }
    std::size_t depth = 0;
    out.registers = std::max(out.registers, EmitSteps(leaves, tree.roots, out.point, depth));
    if (tree.raises) out.point.push_back(tree.raising);
    out.point.push_back(Op{End, 0, 0.0});
    out.maxDepth = std::max(out.maxDepth, depth);
    return true;
}
