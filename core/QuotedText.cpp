#include "core/QuotedText.h"

std::string QuotedText(std::string_view text) {
    std::string out = "@";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '@' && i + 1 < text.size() && text[i + 1] == ' ')
            out += "＠";
        else
            out += text[i];
    }
    out += '@';
    return out;
}
