#pragma once

// The spelling fold of the clause reader: no two scribes spelled alike, so words
// are compared in a form that forgets what they varied in. Also the checks and
// clean-up of a pasted text before it is read.

#include <string>
#include <string_view>

namespace spelling {

// The longest clause read, in characters.
inline constexpr std::size_t kLongestClause = 1000;

// The text as if typed: every Unicode space (no-break, thin, ideographic…) a blank,
// a tab or line end a blank, the soft hyphen dropped, the Unicode hyphens a hyphen,
// curly apostrophes straight, the degree and ordinal signs ("M°CCC°") a blank.
// Throws InputError for an empty text, one longer than kLongestClause characters,
// invalid UTF-8 or a control character.
std::string cleaned(std::string_view utf8);

// Lower case, without diacritics (precomposed Latin-1 or a combining mark after
// the letter); other characters as they are.
std::string plain(std::string_view utf8);

// The folded form of one word: plain, then c/k/ck/ch/q as k, qu or ku before a vowel
// as k, u/v/w as u, z at the start as s, i/j/y as
// i, ae and oe as e, gh as g, th as t, ph as f, c before i and a vowel as t
// ("tercio", "tertio"), b after "ta" before a vowel as v ("octabas"), h dropped, doubled
// letters single (but a word of three letters keeps them where two would remain:
// "een" is not "en"), and anything but letters and digits dropped. With `declined`, a final -e or -s after a
// consonant is dropped too when three letters remain ("Mertens" and "Merten", "sinte" and "sint"). A word of
// Roman numeral letters only ("III", "mil") stays as plain gives it.
std::string fold(std::string_view word, bool declined = true);

// fold(word) from fold(word, false): the final -e or -s dropped as fold drops it,
// without folding the word twice.
std::string withoutDeclinedEnding(std::string whole);

}  // namespace spelling
