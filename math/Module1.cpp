#include "math/Module1.h"

std::string InsertMulSigns(const std::string& text) { return text; }
bool CheckNumber(const std::string&, std::string& out) { out.clear(); return false; }
bool CheckExpression(const std::string&, std::string& out) { out.clear(); return false; }
std::string CleanExpression(const std::string&) { return {}; }
std::string MergeSigns(const std::string& text) { return text; }
void StrToBytes(std::span<std::uint8_t>, std::string_view) {}
