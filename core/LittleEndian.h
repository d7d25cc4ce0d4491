#pragma once
// Writing the little-endian fields of the bitmap files the program writes.
#include <cstddef>
#include <cstdint>
#include <vector>

// The low 16 or all 32 bits of v at out[at], least significant byte first.
inline void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

inline void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    Put16(out, at, v & 0xFFFF);
    Put16(out, at + 2, v >> 16);
}
