#pragma once

// The tokens of a date clause: its words as typed, split where a scribe or a
// typist joined them with a hyphen, an apostrophe or a point ("Sint-Maarten",
// "l'an", "kal."), each with its plain and folded forms.

#include <string>
#include <string_view>
#include <vector>

namespace clause {

struct Token {
    std::string typed;    // as in the clause: "Niclaeys"
    std::string plain;    // lower case, no diacritics: "niclaeys"
    std::string folded;   // spelling::fold: "nikleis"
    std::string whole;    // folded without dropping a declined ending
    std::string stem;     // latin::stem of whole: "purifikat" for "Purificationem"
    std::size_t word;     // which blank-separated word of the clause it belongs to
    bool dotted;          // a point followed it ("kal.")
    bool breakBefore;     // a comma or semicolon preceded it
    bool elided = false;  // an apostrophe followed it in its word ("d'avril", "l'an")
};

// The tokens of a clause already passed through spelling::cleaned. A date
// written with slashes ("16/3/1088") stays one token.
std::vector<Token> tokenize(std::string_view cleaned);

// The blank-separated words of the clause, as typed.
std::vector<std::string_view> wordsOf(std::string_view cleaned);

}  // namespace clause
