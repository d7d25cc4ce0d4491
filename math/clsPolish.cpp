#include "math/clsPolish.h"

#include "core/Errors.h"

void clsPolish::Push(std::int32_t Index, std::int16_t Rank, const std::string& Data) {
    if (Index < 0 || Index > ElementCount()) RaiseSubscriptError();
    if (ElementCount() >= MaxElements) RaiseOverflowError();
    items_.insert(items_.begin() + Index, Element{Rank, Data});
}

void clsPolish::Kill(std::int32_t Index, std::int32_t Num) {
    if (Index < 0 || Num < 0 || Index > ElementCount() - Num) RaiseSubscriptError();
    items_.erase(items_.begin() + Index, items_.begin() + Index + Num);
}

const clsPolish::Element& clsPolish::At(std::int32_t Index) const {
    if (Index < 0 || Index >= ElementCount()) RaiseSubscriptError();
    return items_[static_cast<std::size_t>(Index)];
}

std::int16_t clsPolish::GetRank(std::int32_t Index) const { return At(Index).rank; }

const std::string& clsPolish::GetData(std::int32_t Index) const { return At(Index).data; }
