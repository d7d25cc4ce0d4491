#pragma once
// UTF-8 text split into its characters, without Qt (the layers below the
// dialogs have none).
#include <string>
#include <string_view>

// The code points of UTF-8 text. Each maximal ill-formed part (a stray or
// missing continuation byte, an overlong form, a surrogate, a value above
// U+10FFFF) becomes one U+FFFD, as Unicode recommends.
std::u32string Utf8ToCodePoints(std::string_view utf8);
// The UTF-8 bytes of one code point (U+FFFD for a surrogate or a value above U+10FFFF).
std::string CodePointToUtf8(char32_t c);
