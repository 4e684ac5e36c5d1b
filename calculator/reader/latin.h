#pragma once

// Latin declension for the reader: a feast's name or a date word matches in any
// case a clause writes it ("Purificatio", "Purificationis", "Purificationem",
// "Purificatione"), by its stem, so that the lexicon holds one form of each name.

#include <string>
#include <string_view>

namespace latin {

// The stem of a folded word (spelling::fold, without dropping a declined ending):
// the word without the longest case ending of the first three declensions that
// leaves three letters or more, the nominatives -io, -as and -x brought to their
// oblique stems ("purifikatio" and "purifikationem" both "purifikat", "trinitas"
// and "trinitatis" both "trinit", "krux" and "krutis" both "kruk"). A word of
// fewer than four letters is its own stem.
std::string stem(std::string_view folded);

}  // namespace latin
