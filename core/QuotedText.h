#pragma once
// A free text (graph name, texture file, axis title) as records write it:
// between two "@" marks, its blanks kept, so it spans one token more for each
// blank. A reader ends the text at the first token that ends with "@"; an "@"
// directly before a blank would end it early, so that one "@" is written as
// the full-width "＠".
#include <string>
#include <string_view>

std::string QuotedText(std::string_view text);
