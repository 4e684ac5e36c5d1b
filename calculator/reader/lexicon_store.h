#pragma once

// The reader's index (clause_words.h) as text: the build indexes the lexicon once
// and compiles the text in, so that the program reads it at start instead of
// indexing the lexicon again. Internal to the reader.

#include <string>
#include <string_view>

#include "clause_words.h"

namespace clause::detail {

// One entry a line, sorted by table and key: the same index gives the same text.
std::string serializeLexicon(const Lexicon& lex);
// The index a text of serializeLexicon holds; throws std::invalid_argument on a
// text it did not write.
Lexicon parseLexicon(std::string_view text);

// The index as the build wrote it, or empty where it wrote none: the page, and the
// program that writes it, index the lexicon themselves.
std::string_view compiledLexicon();

}  // namespace clause::detail
