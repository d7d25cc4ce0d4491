#include "math/Cls13.h"

#include "core/Errors.h"

void Cls13::Push(Value value) {
    ++count_;
    if (count_ > Capacity()) items_.resize(items_.size() + 10);
    items_[count_ - 1] = std::move(value);
}

Cls13::Value Cls13::Pop() {
    if (count_ < 1) RaisePopOnEmpty();
    return items_[--count_];
}

Cls13::Value Cls13::GetPopValue() const {
    if (count_ < 1) RaisePeekOnEmpty();
    return items_[count_ - 1];
}

void Cls13::RaisePopOnEmpty() { throw RaisedError(ErrNo::PopOnEmptyStack, "在空栈上调用Pop方法。"); }
void Cls13::RaisePeekOnEmpty() {
    throw RaisedError(ErrNo::PeekOnEmptyStack, "在空栈上调用GetPopValue方法。");
}
