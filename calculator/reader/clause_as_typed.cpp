#include "clause_as_typed.h"

#include <string>

namespace clause {

namespace {

// Lower case, blanks single, none at either end. UTF-8 "Ã" followed by 0x80 to
// 0x9E is À to Þ; 0x97 is the multiplication sign, which has no lower case.
std::string folded(std::string_view text) {
    std::string fold;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c == ' ' || c == '\t') {
            if (!fold.empty() && fold.back() != ' ') fold += ' ';
            continue;
        }
        fold += c;
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if (static_cast<unsigned char>(c) == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) {
            fold += static_cast<char>(next + 0x20);
            ++i;
        }
    }
    if (!fold.empty() && fold.back() == ' ') fold.pop_back();
    return fold;
}

}  // namespace

bool readsAsTyped(std::string_view clause, std::string_view reading) {
    return folded(clause) == folded(reading);
}

}  // namespace clause
