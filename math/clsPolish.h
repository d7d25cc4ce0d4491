#pragma once
// The ranked token list of symbolic differentiation: expressions in postfix
// order, and the work stacks of the parser and the printer.
#include <cstdint>
#include <string>
#include <vector>

class clsPolish {
public:
    // Token ranks.
    static constexpr std::int16_t RankClose = 0;    // ")" (parser's work stack only)
    static constexpr std::int16_t RankAdd = 1;      // binary "+" and "-"
    static constexpr std::int16_t RankMul = 2;      // "*", "/", the "-" of a leading minus
    static constexpr std::int16_t RankPow = 3;      // "^"
    static constexpr std::int16_t RankFunction = 4; // function names, "min", "Log"
    static constexpr std::int16_t RankOperand = 5;  // numbers and variables
    static constexpr std::int16_t RankOpen = 6;     // "(" (parser's work stack only)

    // Positions are walked with 16-bit counters.
    static constexpr std::int32_t MaxElements = 32768;

    std::int32_t ElementCount() const { return static_cast<std::int32_t>(items_.size()); }
    void Clear() { items_.clear(); }
    // Inserts {Rank, Data} at Index (0..ElementCount); Push(ElementCount(), ...)
    // appends. Raises error 6 on a full list, error 9 for an Index out of range.
    void Push(std::int32_t Index, std::int16_t Rank, const std::string& Data);
    // Removes Num elements from Index on; error 9 when the range leaves the list.
    void Kill(std::int32_t Index, std::int32_t Num);
    // Error 9 for a position outside 0..ElementCount-1.
    std::int16_t GetRank(std::int32_t Index) const;
    const std::string& GetData(std::int32_t Index) const;

private:
    struct Element {
        std::int16_t rank;
        std::string data;
    };
    const Element& At(std::int32_t Index) const;
    std::vector<Element> items_;
};
