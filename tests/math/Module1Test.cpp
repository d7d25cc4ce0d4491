#include "math/Module1.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(Module1, InsertMulSigns) {
    const struct { const char* in; const char* out; } cases[] = {
        {"2x^2+3x", "2*x^2+3*x"}, {"(x+1)(x-1)", "(x+1)*(x-1)"}, {"2(x)3", "2*(x)*3"},
        {"x", "x"}, {"", ""}, {"2", "2"}, {"2sin(x)", "2*sin(x)"}, {"sin(2x)", "sin(2*x)"},
        {"z2", "z*2"}, {"i(2)", "i*(2)"}, {"u2", "u2"}, {"v(1)", "v(1)"}, {"ax2", "ax2"},
        {"x2", "x*2"}, {"x(x+1)", "x*(x+1)"}, {"1+x2", "1+x*2"}, {"pi2", "pi*2"},
        {")2", ")*2"}, {"2 x", "2 x"}, {"sin(x)", "sin(x)"}, {"atan(x)", "atan(x)"},
        {"exp(x)", "exp(x)"}, {"3.5x", "3.5*x"}, {"x,5", "x*,5"}, {"中2x", "中2*x"},
        // Every variable letter in both cases, each number start after one;
        // u and v (either case) are no variable letters.
        {"a2", "a*2"}, {"A(1)", "A*(1)"}, {"b.5", "b*.5"}, {"B,5", "B*,5"}, {"n3", "n*3"},
        {"N(2)", "N*(2)"}, {"r4", "r*4"}, {"R.5", "R*.5"}, {"t(1)", "t*(1)"}, {"T9", "T*9"},
        {"X,5", "X*,5"}, {"y0", "y*0"}, {"Y(y)", "Y*(y)"}, {"Z7", "Z*7"}, {"I.1", "I*.1"},
        {"U2", "U2"}, {"V(1)", "V(1)"}, {"1+u2", "1+u2"}, {"2*v.5", "2*v.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(InsertMulSigns(c.in), c.out) << c.in;
}

TEST(Module1, CheckNumberAndCheckExpression) {
    const struct { bool number; const char* in; bool ok; const char* out; } cases[] = {
        {true, "1,5", true, "1.5"},   {true, " 2 5 ", true, "25"}, {true, "", true, "0"},
        {true, " ", true, "0"},       {true, "  ", true, ""},      {true, "1+2", false, "1"},
        {true, "2e-3", true, "2e-3"}, {true, "--1e.e", true, "--1e.e"}, {true, "-1.5E+20", false, "-1.5E"},
        {true, "1中", false, "1"},
        {false, "2 x", true, "2x"},   {false, "1,5*x", true, "1.5*x"}, {false, "sin(x", true, "sin(x"},
        {false, "x_1", false, "x"},   {false, "x=1", false, "x"},      {false, "x#", false, "x"},
        {false, "\t", false, ""},     {false, "", true, "0"},          {false, " ", true, "0"},
        {false, "2^(x+1)/3-y*PI", true, "2^(x+1)/3-y*PI"},             {false, "x+中", false, "x+"},
    };
    for (const auto& c : cases) {
        std::string out = "stale";
        const bool ok = c.number ? CheckNumber(c.in, out) : CheckExpression(c.in, out);
        EXPECT_EQ(ok, c.ok) << c.in;
        EXPECT_EQ(out, c.out) << c.in;
    }
}

TEST(Module1, CleanExpression) {
    const struct { const char* in; const char* out; } cases[] = {
        {"1,5", "1.5"}, {"-1.5E+20", "-1.5E+20"}, {"x_1", ""}, {"", ""}, {" ", ""}, {"2 x", "2x"},
    };
    for (const auto& c : cases) EXPECT_EQ(CleanExpression(c.in), c.out) << c.in;
}

TEST(Module1, MergeSigns) {
    const struct { const char* in; const char* out; } cases[] = {
        {"x+-1", "x-1"}, {"x--1", "x+1"}, {"x---1", "x+-1"}, {"x-+1", "x-+1"},
        {"x+--1", "x--1"}, {"", ""}, {"-", "-"}, {"+-", "-"}, {"2*x", "2*x"},
    };
    for (const auto& c : cases) EXPECT_EQ(MergeSigns(c.in), c.out) << c.in;
}

TEST(Module1, StrToBytes) {
    std::vector<std::uint8_t> bytes(6, 0xAA);
    StrToBytes(bytes, "abc");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{97, 98, 99, 0, 0xAA, 0xAA}));

    std::vector<std::uint8_t> untouched(3, 0xAA);
    StrToBytes(untouched, "");
    EXPECT_EQ(untouched, (std::vector<std::uint8_t>{0xAA, 0xAA, 0xAA}));

    // Characters outside 0..127 (and malformed bytes) become "?".
    std::vector<std::uint8_t> wide(8, 0xAA);
    StrToBytes(wide, "宋体 é\xFF");
    EXPECT_EQ(wide, (std::vector<std::uint8_t>{'?', '?', ' ', '?', '?', 0, 0xAA, 0xAA}));

    // A text longer than the array is cut, and the closing 0 still fits.
    std::array<std::uint8_t, 4> small{};
    small.fill(0xAA);
    StrToBytes(small, "abcdef");
    EXPECT_EQ(small, (std::array<std::uint8_t, 4>{'a', 'b', 'c', 0}));
    std::array<std::uint8_t, 1> one{0xAA};
    StrToBytes(one, "abc");
    EXPECT_EQ(one[0], 0);
    StrToBytes(std::span<std::uint8_t>(), "abc");
}

} // namespace
