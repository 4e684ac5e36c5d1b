#pragma once

// The numbers of a clause: figures, Roman numerals and number words, joined or
// apart ("M CCC vicesimo primo", "dusent vierhondert ende vijftich"). Internal to
// the reader.

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "clause_tokens.h"

namespace clause::detail {

struct Number {
    long long value = 0;
    std::size_t end = 0;  // the token after it
    bool ordinal = false;
    bool singleLetter = false;  // a lone "V" or "M": a number only where one is expected
    std::size_t parts = 0;
    std::string error;  // the words do not add up ("dusent dusent"): refused where it is the year
};

// The number that starts at token i; with `single`, one word or numeral only.
std::optional<Number> numberAt(std::span<const Token> tokens, std::size_t i, bool single = false);

// Tokens as typed, blanks where the clause had them.
std::string typedText(std::span<const Token> tokens);

}  // namespace clause::detail
