#pragma once
// The last-in-first-out value stack of the expression engine: the compiler keeps
// pending operator texts on it, the evaluator intermediate numbers.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class Cls13 {
public:
    // A stored value: a number or a text, always held as a copy.
    using Value = std::variant<double, std::string>;

    // The number of values on the stack.
    std::int32_t StackSize() const { return count_; }
    // The number of item slots; grows in steps of 10 and never shrinks.
    std::int32_t Capacity() const { return static_cast<std::int32_t>(items_.size()); }

    void Push(Value value);
    // Removes and returns the top value; on an empty stack raises 0x800403F3.
    Value Pop();
    // Returns the top value and leaves the stack as it is; on an empty stack
    // raises 0x800403F4.
    Value GetPopValue() const;

    // The errors of an empty stack, shared with the evaluator's own stack.
    [[noreturn]] static void RaisePopOnEmpty();
    [[noreturn]] static void RaisePeekOnEmpty();

private:
    std::vector<Value> items_;
    std::int32_t count_ = 0;
};
