#pragma once
// Text in code page 936 (GBK), the encoding of documents and table files on disk.
#include <optional>
#include <string>
#include <string_view>

// GBK bytes to UTF-8; nullopt when the bytes are not valid GBK.
std::optional<std::string> GbkToUtf8(std::string_view gbk);
// UTF-8 to GBK bytes; nullopt when the text is not valid UTF-8 or has a
// character GBK cannot hold.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);
// The same, with "?" in place of each character that cannot be converted
// (a GBK byte that starts no valid character, a character GBK cannot hold).
std::string GbkToUtf8Lenient(std::string_view gbk);
std::string Utf8ToGbkLenient(std::string_view utf8);
